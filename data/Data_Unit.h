// The tolerance reference data: the catalogue of the forty tolerance fields,
// the twenty-eight nominal-size intervals and the table of limit deviations
// (ISO 286-2, micrometres). Everything is indexed from 1, as the tables of the
// standard are read: FieldIndex 1..40, RangeIndex 1..28.
#pragma once

#include <cstdint>
#include <string>

#include "ToleranceClass.h"

namespace Data_Unit {

inline constexpr int FieldCount = 40;
inline constexpr int RangeCount = 28;
// FieldIndex 1..19 are shafts, 20..28 holes; 29..40 go h, H, Js by quality.
inline constexpr int LastShaftBlockField = 19;

struct ToleranceField {
    std::uint8_t Quality = 0; // IT quality: 6, 7, 8, 9, 11 ... 16
    std::string Letter;       // fundamental-deviation letter(s) as shown: "g", "Js", "K"
};

struct SizeRange {
    std::int32_t LowerBound = 0; // mm, excluded
    std::int32_t UpperBound = 0; // mm, included
};

// Deviations in micrometres. Js6 has half micrometres; a double holds them exactly.
struct DeviationCell {
    double LowerDeviation = 0;
    double UpperDeviation = 0;
    bool Present = false;
};

// The colour a designation is shown in: shafts (small letters) blue, holes
// (capitals) red, Js green, as ISO 286 tells a hole from a shaft by the case.
enum class FieldColour { Blue, Red, Green };

// Start-up fills, called once from the main window's creation in this order. The
// tables are constant data, complete at compile time: the fills change nothing.
void FillSizeRanges();
void FillDeviationTable();
void FillFieldCatalogue();

const ToleranceField& FieldCatalogue(int fieldIndex);
// Letter followed by the quality in decimal: "g6", "Js12", "H11".
std::string Designation(int fieldIndex);
// The ISO 286 class of a field. "Js" is the shaft js in the shafts' block
// (FieldIndex 1..19) and the hole JS after it; the letter's case tells the rest.
iso286::ToleranceClass IsoClass(int fieldIndex);
FieldColour ColourCode(int fieldIndex);
// The same case rule for any letter, catalogued or not ("H" of the absent H6 is red).
FieldColour LetterColour(const std::string& letter);
// Pre-ISO designation in Cyrillic, or "-".
const std::string& OldDesignation(int fieldIndex);
// FieldIndex standing at list position 1..40 when the fields are sorted by quality.
int QualitySortOrder(int position);

const SizeRange& SizeRangeTable(int rangeIndex);
const DeviationCell& DeviationTable(int fieldIndex, int rangeIndex);

} // namespace Data_Unit
