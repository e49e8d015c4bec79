#include "NumberReading.h"

#include <algorithm>
#include <array>
#include <string>

namespace iso286 {

namespace {

// Blanks that may stand around a number: space, tab, no-break space, figure
// space, thin space, narrow no-break space.
constexpr std::array<std::string_view, 6> Blanks = {" ", "\t", "\u00A0", "\u2007", "\u2009", "\u202F"};
constexpr std::string_view MinusSign = "\u2212";

bool dropPrefix(std::string_view& text, std::string_view prefix)
{
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool dropSuffix(std::string_view& text, std::string_view suffix)
{
    if (text.size() < suffix.size() || text.substr(text.size() - suffix.size()) != suffix)
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

void trimBlanks(std::string_view& text)
{
    for (bool more = true; more;) {
        more = false;
        for (const std::string_view blank : Blanks)
            more = dropPrefix(text, blank) || dropSuffix(text, blank) || more;
    }
}

// An optional sign; true for a minus.
bool readSign(std::string_view& text)
{
    if (dropPrefix(text, "+"))
        return false;
    return dropPrefix(text, "-") || dropPrefix(text, MinusSign);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view readDigits(std::string_view& text)
{
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n]))
        ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

// Far beyond any bound asked for, and small enough to add to without overflow.
constexpr long long ExponentCap = 1'000'000'000;

} // namespace

NumberReading readNumber(std::string_view text, int finestExponent, const Decimal& largest)
{
    NumberReading reading;
    trimBlanks(text);
    const bool negative = readSign(text);
    const std::string_view whole = readDigits(text);
    std::string_view fraction;
    if (dropPrefix(text, ",") || dropPrefix(text, "."))
        fraction = readDigits(text);
    if (whole.empty() && fraction.empty())
        return reading;
    long long exponent = 0;
    if (dropPrefix(text, "e") || dropPrefix(text, "E")) {
        const bool exponentNegative = readSign(text);
        const std::string_view digits = readDigits(text);
        if (digits.empty())
            return reading;
        for (const char c : digits)
            exponent = std::min(ExponentCap, exponent * 10 + (c - '0'));
        if (exponentNegative)
            exponent = -exponent;
    }
    if (!text.empty())
        return reading;

    std::string digits = std::string(whole) + std::string(fraction);
    exponent -= static_cast<long long>(fraction.size());
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) {
        reading.outcome = NumberOutcome::Read; // zero, whatever its exponent
        return reading;
    }
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - last - 1);
    digits.resize(last + 1);
    if (exponent < finestExponent) {
        reading.outcome = NumberOutcome::TooFine;
        return reading;
    }
    const Decimal bound = largest.isNegative() ? -largest : largest;
    if (exponent + static_cast<long long>(digits.size()) - 1 > bound.leadingExponent()) {
        reading.outcome = NumberOutcome::TooLarge;
        return reading;
    }
    const Decimal value = Decimal::fromDigits(negative, std::move(digits), int(exponent));
    if ((value.isNegative() ? -value : value) > bound) {
        reading.outcome = NumberOutcome::TooLarge;
        return reading;
    }
    reading.outcome = NumberOutcome::Read;
    reading.value = value;
    return reading;
}

std::size_t blankLength(std::string_view text)
{
    for (const std::string_view blank : Blanks)
        if (text.substr(0, blank.size()) == blank)
            return blank.size();
    return 0;
}

NumberReading readSize(std::string_view text)
{
    return readNumber(text, FinestSizeExponent, Decimal::fromDigits(false, "1", 9));
}

NumberReading readDeviation(std::string_view text)
{
    return readNumber(text, FinestDeviationExponent, Decimal(LargestDeviation));
}

std::optional<Decimal> readNumber(std::string_view text)
{
    const NumberReading reading = readNumber(text, -30, Decimal::fromDigits(false, "1", 30));
    return reading ? std::optional<Decimal>(reading.value) : std::nullopt;
}

} // namespace iso286
