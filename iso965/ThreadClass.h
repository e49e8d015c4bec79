// A tolerance class of an ISO metric screw thread, as a drawing writes it: a grade
// and a position for the pitch diameter, then for the crest diameter ("5g6g",
// "4H5H"); one grade and position stand for both ("6H" = "6H6H", "6g" = "6g6g").
// Capital positions (G, H) are internal threads (nuts), small ones (e, f, g, h)
// external threads (bolts).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace iso965 {

enum class ThreadKind : std::uint8_t { Internal, External };

// The fundamental-deviation positions of the standard's tables, internal first.
enum class Position : std::uint8_t { G, H, e, f, g, h };
inline constexpr int PositionCount = 6;

ThreadKind kindOf(Position position);
char positionLetter(Position position); // 'G', 'H', 'e', 'f', 'g', 'h'

// One grade and one position: "6H", "4h".
struct ToleranceZone {
    int grade = 6;
    Position position = Position::H;

    std::string name() const; // "6H"
    bool operator==(const ToleranceZone&) const = default;
};

struct ThreadClass {
    ToleranceZone pitch; // of the pitch diameter D2, d2 (and of D, d3 for the position)
    ToleranceZone crest; // of the crest diameter: D1 of a nut, d of a bolt

    ThreadKind kind() const { return kindOf(pitch.position); }
    // "6H" when both zones are the same, otherwise "5g6g".
    std::string name() const;
    bool operator==(const ThreadClass&) const = default;
};

// Reads a class as people type it: "6H", "6g", "5g6g", "4H5H", with surrounding
// blanks. Cyrillic letters that look like positions read as them ("6Н" is 6H,
// "8е" is 8e). Grades are one or two digits; both zones must be of one kind.
// Reads the notation only: whether the standard defines the class at a thread
// is for the limits to say.
std::optional<ThreadClass> readThreadClass(std::string_view text);

} // namespace iso965
