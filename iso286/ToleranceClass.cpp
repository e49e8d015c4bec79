#include "ToleranceClass.h"

#include <array>

namespace iso286 {

namespace {

constexpr std::array<const char*, LetterCount> kLetterNames = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "J", "JS", "K",
    "M", "N", "P", "R", "S", "T", "U", "V", "X", "Y", "Z", "ZA", "ZB", "ZC",
};

// Cyrillic letters and the Latin letters they look like.
struct LookAlike {
    std::string_view cyrillic;
    char latin;
};
constexpr std::array<LookAlike, 19> kLookAlikes = {{
    {"А", 'A'}, {"В", 'B'}, {"Е", 'E'}, {"К", 'K'}, {"М", 'M'}, {"Н", 'H'}, {"Р", 'P'}, {"С", 'C'}, {"Т", 'T'},
    {"Х", 'X'}, {"а", 'a'}, {"е", 'e'}, {"к", 'k'}, {"м", 'm'}, {"р", 'p'}, {"с", 'c'}, {"т", 't'}, {"у", 'y'},
    {"х", 'x'},
}};

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The letters before the grade, Cyrillic look-alikes replaced; at most three
// letters are read (no class has more than two).
std::optional<std::string> latinLetters(std::string_view& text)
{
    std::string letters;
    while (!text.empty() && !isDigit(text.front())) {
        if (letters.size() == 3)
            return std::nullopt;
        const char c = text.front();
        if (isUpper(c) || isLower(c)) {
            letters += c;
            text.remove_prefix(1);
            continue;
        }
        bool found = false;
        for (const LookAlike& pair : kLookAlikes) {
            if (text.substr(0, pair.cyrillic.size()) == pair.cyrillic) {
                letters += pair.latin;
                text.remove_prefix(pair.cyrillic.size());
                found = true;
                break;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return letters;
}

std::optional<Grade> parseGrade(std::string_view digits)
{
    if (digits == "01")
        return Grade::IT01;
    if (digits.empty() || digits.size() > 2 || (digits.size() == 2 && digits[0] == '0'))
        return std::nullopt;
    int number = 0;
    for (const char c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number > 18)
        return std::nullopt;
    return Grade(number + int(Grade::IT0));
}

} // namespace

std::string gradeText(Grade grade)
{
    if (grade == Grade::IT01)
        return "01";
    return std::to_string(int(grade) - int(Grade::IT0));
}

std::string letterText(Letter letter, Kind kind)
{
    std::string text = kLetterNames[std::size_t(letter)];
    if (kind == Kind::Shaft)
        for (char& c : text)
            c = char(c - 'A' + 'a');
    return text;
}

std::string ToleranceClass::name() const { return letterText(letter, kind) + gradeText(grade); }

std::optional<ToleranceClass> parseClass(std::string_view text)
{
    const auto letters = latinLetters(text);
    if (!letters || letters->empty())
        return std::nullopt;
    const auto grade = parseGrade(text);
    if (!grade)
        return std::nullopt;

    Kind kind;
    std::string upper = *letters;
    if (*letters == "Js") {
        kind = Kind::Hole;
        upper = "JS";
    } else if (isUpper(letters->front())) {
        kind = Kind::Hole;
        for (const char c : *letters)
            if (!isUpper(c))
                return std::nullopt;
    } else {
        kind = Kind::Shaft;
        for (char& c : upper) {
            if (!isLower(c))
                return std::nullopt;
            c = char(c - 'a' + 'A');
        }
    }
    for (int i = 0; i < LetterCount; ++i)
        if (upper == kLetterNames[std::size_t(i)])
            return ToleranceClass{kind, Letter(i), *grade};
    return std::nullopt;
}

std::optional<ToleranceClass> parseClassOfKind(std::string_view text, Kind kind)
{
    std::optional<ToleranceClass> parsed = parseClass(text);
    if (parsed && parsed->letter == Letter::JS)
        parsed->kind = kind;
    return parsed;
}

} // namespace iso286
