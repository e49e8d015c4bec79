// Sizes and deviations as a user types or pastes them: with a decimal comma or a
// full stop, the minus sign U+2212 for the hyphen, blanks (no-break and thin
// spaces too) around the number. A number reads exactly as written or not at
// all: digits finer than the program works with, or a magnitude beyond it, are
// refused, never rounded.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "Decimal.h"
#include "Limits.h"

namespace iso286 {

// Numbers are the number library's exact decimals.
using number::Decimal;

// Deviations are read to a thousandth of a micrometre and up to 100 mm either way;
// no class of the system comes near either bound.
inline constexpr int FinestDeviationExponent = -3;
inline constexpr int LargestDeviation = 100000; // µm

enum class NumberOutcome : std::uint8_t { Read, Unreadable, TooFine, TooLarge };

struct NumberReading {
    NumberOutcome outcome = NumberOutcome::Unreadable;
    Decimal value; // when read

    explicit operator bool() const { return outcome == NumberOutcome::Read; }
};

// Optional blanks, an optional sign, digits with at most one comma or full stop
// (digits on at least one side), an optional exponent "e"/"E" with an optional
// sign and digits, optional blanks. Read when the value has no digit below
// 10^finestExponent and its magnitude is at most `largest`; zero always reads.
NumberReading readNumber(std::string_view text, int finestExponent, const Decimal& largest);

// A nominal size in mm, to 0,000001 mm; above 10^9 mm it is TooLarge (far
// outside the system either way).
NumberReading readSize(std::string_view text);
// A deviation in µm, to 0,001 µm, up to ±100 000 µm.
NumberReading readDeviation(std::string_view text);
// The length in bytes of the blank at the start of a text (any of those read
// around a number), 0 if it does not start with one.
std::size_t blankLength(std::string_view text);

// Any number of the grammar within 10^±30 (for tests and tools).
std::optional<Decimal> readNumber(std::string_view text);

} // namespace iso286
