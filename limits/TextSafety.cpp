#include "TextSafety.h"

namespace limits {

namespace {

constexpr const char* Replacement = "\xEF\xBF\xBD"; // U+FFFD
constexpr std::size_t ShownCharacters = 40;

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 if none.
std::size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

std::vector<std::string> utf8Characters(std::string_view text)
{
    std::vector<std::string> characters;
    while (!text.empty()) {
        const std::size_t length = sequenceLength(text);
        characters.emplace_back(length ? std::string(text.substr(0, length)) : std::string(Replacement));
        text.remove_prefix(length ? length : 1);
    }
    return characters;
}

std::string shownInput(std::string_view text)
{
    std::string shown;
    std::size_t count = 0;
    for (const std::string& c : utf8Characters(text)) {
        if (count++ == ShownCharacters)
            return shown + "…";
        const unsigned char b = static_cast<unsigned char>(c[0]);
        shown += (b < 0x20 || b == 0x7f || c == Replacement) ? std::string("?") : c;
    }
    return shown;
}

} // namespace limits
