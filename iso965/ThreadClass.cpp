#include "ThreadClass.h"

#include <array>

namespace iso965 {

namespace {

constexpr std::array<char, PositionCount> kLetters = {'G', 'H', 'e', 'f', 'g', 'h'};

// Cyrillic letters typed for the positions they look like.
struct LookAlike {
    std::string_view cyrillic;
    char latin;
};
constexpr std::array<LookAlike, 3> kLookAlikes = {{{"Н", 'H'}, {"е", 'e'}, {"һ", 'h'}}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void skipBlanks(std::string_view& text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
}

std::optional<ToleranceZone> readZone(std::string_view& text)
{
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits]))
        ++digits;
    if (digits == 0 || digits > 2 || text[0] == '0')
        return std::nullopt;
    const int grade = digits == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    text.remove_prefix(digits);
    if (text.empty())
        return std::nullopt;
    for (int p = 0; p < PositionCount; ++p)
        if (text.front() == kLetters[std::size_t(p)]) {
            text.remove_prefix(1);
            return ToleranceZone{grade, Position(p)};
        }
    for (const LookAlike& pair : kLookAlikes)
        if (text.substr(0, pair.cyrillic.size()) == pair.cyrillic) {
            text.remove_prefix(pair.cyrillic.size());
            for (int p = 0; p < PositionCount; ++p)
                if (pair.latin == kLetters[std::size_t(p)])
                    return ToleranceZone{grade, Position(p)};
        }
    return std::nullopt;
}

} // namespace

ThreadKind kindOf(Position position)
{
    return position == Position::G || position == Position::H ? ThreadKind::Internal : ThreadKind::External;
}

char positionLetter(Position position) { return kLetters[std::size_t(position)]; }

std::string ToleranceZone::name() const { return std::to_string(grade) + positionLetter(position); }

std::string ThreadClass::name() const { return pitch == crest ? pitch.name() : pitch.name() + crest.name(); }

std::optional<ThreadClass> readThreadClass(std::string_view text)
{
    skipBlanks(text);
    const auto pitch = readZone(text);
    if (!pitch)
        return std::nullopt;
    if (text.empty())
        return ThreadClass{*pitch, *pitch};
    const auto crest = readZone(text);
    if (!crest || !text.empty() || kindOf(crest->position) != kindOf(pitch->position))
        return std::nullopt;
    return ThreadClass{*pitch, *crest};
}

} // namespace iso965
