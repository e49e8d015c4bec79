// A tolerance class of the ISO system of limits and fits: a hole (capital
// letters) or a shaft (small letters), its fundamental-deviation letter and its
// standard tolerance grade, as a drawing writes it: "H7", "p6", "JS9", "cd7", "h01".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace iso286 {

enum class Kind : std::uint8_t { Hole, Shaft };

// The fundamental-deviation letters in the order of the standard, from the
// largest clearance to the largest interference.
enum class Letter : std::uint8_t {
    A, B, C, CD, D, E, EF, F, FG, G, H, J, JS, K, M, N, P, R, S, T, U, V, X, Y, Z, ZA, ZB, ZC
};
inline constexpr int LetterCount = 28;

// The standard tolerance grades, finest first: IT01, IT0, IT1 ... IT18.
enum class Grade : std::uint8_t {
    IT01, IT0, IT1, IT2, IT3, IT4, IT5, IT6, IT7, IT8, IT9, IT10, IT11, IT12, IT13, IT14, IT15, IT16, IT17, IT18
};
inline constexpr int GradeCount = 20;

// The grade as written after the letter: "01", "0", "7".
std::string gradeText(Grade grade);
// The letter in capitals ("CD", "JS"), or in small letters for a shaft.
std::string letterText(Letter letter, Kind kind);

struct ToleranceClass {
    Kind kind = Kind::Hole;
    Letter letter = Letter::H;
    Grade grade = Grade::IT7;

    std::string name() const; // "H7", "js6", "ZA11"
    bool operator==(const ToleranceClass&) const = default;
};

// Reads a class written as a drawing writes it. Holes in capitals, shafts in
// small letters; "Js" (the older writing) is the hole JS. The Cyrillic letters
// that look like Latin ones (А В Е К М Н Р С Т Х, а е к м р с т у х), typed on a
// Russian keyboard layout, read as those Latin letters: "Н7" is H7. Nothing else
// is read: no blanks, no other case mixtures, grades 01, 0 and 1 to 18 only.
std::optional<ToleranceClass> parseClass(std::string_view text);

// Reads a class for a place that takes one kind only, as a hole or shaft box does.
// As parseClass, except that JS written in any of its ways ("JS", "Js", "js") is the
// class of that kind: the catalogue writes the shaft js6 as "Js6".
std::optional<ToleranceClass> parseClassOfKind(std::string_view text, Kind kind);

} // namespace iso286
