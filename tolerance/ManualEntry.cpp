#include "ManualEntry.h"

#include "NumberText.h"

namespace tolerance {

std::optional<char32_t> filterTypedChar(char32_t c)
{
    // Either separator is typed as the interface's own.
    if (c == U'.' || c == U',')
        return char32_t(number::interfaceDecimalSeparator());
    if ((c >= U'0' && c <= U'9') || c == U'+' || c == U'-' || c == Backspace)
        return c;
    return std::nullopt;
}

std::string quickLowerDeviationText(const std::string& chosen, const std::string& shown)
{
    return chosen == shown ? shown : "-" + chosen;
}

namespace {

bool isBlankOrControl(char c) { return (unsigned char)c <= ' ' || c == 0x7f; }

std::string trimmed(const std::string& s)
{
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && isBlankOrControl(s[first]))
        ++first;
    while (last > first && isBlankOrControl(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

} // namespace

std::string MirrorDeviationText(const std::string& text)
{
    if (text.empty())
        return {};
    if (text == "0")
        return "0";
    std::string s = text;
    if (s[0] == '+')
        s[0] = ' ';
    s = trimmed(s);
    if (s.empty())
        return {}; // a lone "+" has nothing to mirror
    if (s[0] == '-')
        s[0] = ' ';
    else
        s = "-" + s;
    return trimmed(s);
}

std::optional<std::string> negatedText(const std::string& text)
{
    const auto value = number::parseNumberText(text);
    if (!value)
        return std::nullopt;
    return number::generalNumberText(-*value);
}

} // namespace tolerance

namespace tolerance {

std::optional<std::string> deviationTextInUnit(const std::string& typed, DeviationUnit from, DeviationUnit to)
{
    if (from == to)
        return typed;
    const auto value = number::parseNumberText(typed);
    if (!value)
        return std::nullopt;
    const number::Decimal converted = value->scaled(to == DeviationUnit::Micrometres ? 3 : -3);
    std::string text = number::plainNumberText(converted);
    if (!typed.empty() && typed.front() == '+' && !converted.isZero())
        text = "+" + text;
    return text;
}

bool upperBelowLower(const std::optional<number::Decimal>& upper, const std::optional<number::Decimal>& lower)
{
    return upper && lower && *upper < *lower;
}

} // namespace tolerance
