// Editing of the number boxes: the character filter, sign change and mirroring.
#pragma once

#include <optional>
#include <string>

#include "Decimal.h"
#include "LimitCalculation.h"

namespace tolerance {

// The character filter of the three number boxes: digits, the comma, "+", "-" and
// backspace pass; a comma or a full stop becomes the interface's decimal separator;
// anything else is dropped.
inline constexpr char32_t Backspace = 8;
std::optional<char32_t> filterTypedChar(char32_t c);

// Sign edit for mirroring a field: "+0,03" -> "-0,03", "-0,012" -> "0,012",
// "0" stays "0", "" and "+" give "".
std::string MirrorDeviationText(const std::string& text);

// Sign change of a deviation box: the number negated in the general number text,
// or nothing when the text does not read ("+0,030" -> "-0,03").
std::optional<std::string> negatedText(const std::string& text);

// A value chosen in the quick number window for the lower deviation goes in as a
// negative deviation ("0,25" gives "-0,25"); choosing the text the box already
// shows leaves it as it is.
std::string quickLowerDeviationText(const std::string& chosen, const std::string& shown);

// A typed deviation rewritten in another unit, exactly and without an exponent:
// "0,1" mm is "100" µm, "+2,5" µm is "+0,0025" mm; a leading "+" stays. A text that
// does not read gives nothing (it stays as typed).
std::optional<std::string> deviationTextInUnit(const std::string& typed, DeviationUnit from, DeviationUnit to);

// Typed deviations whose upper one lies below the lower one: the sizes are still
// computed, but the largest comes out below the smallest.
bool upperBelowLower(const std::optional<number::Decimal>& upper, const std::optional<number::Decimal>& lower);
inline constexpr const char* UpperBelowLowerText =
    I18N_TRANSLATE_NOOP("tolerance", "Верхнее отклонение ниже нижнего"); // translated where shown

} // namespace tolerance
