// The tolerance reference data: the catalogue of the forty tolerance fields,
// the twenty-eight nominal-size intervals and the table of limit deviations
// (ISO 286-2, micrometres). Everything is indexed from 1, as the tables of the
// standard are read: FieldIndex 1..40, RangeIndex 1..28.
#pragma once

#include <cstdint>
#include <string>

namespace Data_Unit {

inline constexpr int FieldCount = 40;
inline constexpr int RangeCount = 28;

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

// Start-up fills, called once from the main window's creation in this order.
void FillSizeRanges();
void FillDeviationTable();
void FillFieldCatalogue();

const ToleranceField& FieldCatalogue(int fieldIndex);
// Letter followed by the quality in decimal: "g6", "Js12", "H11".
std::string Designation(int fieldIndex);
// "b" (blue), "r" (red) or "gr" (green).
const std::string& ColourCode(int fieldIndex);
// Pre-ISO designation in Cyrillic, or "-".
const std::string& OldDesignation(int fieldIndex);
// FieldIndex standing at list position 1..40 when the fields are sorted by quality.
int QualitySortOrder(int position);

const SizeRange& SizeRangeTable(int rangeIndex);
const DeviationCell& DeviationTable(int fieldIndex, int rangeIndex);

// Interval of a nominal size in mm. A size of exactly 1 belongs to interval 2;
// sizes that no interval contains (0, negative, over 1000) give interval 1.
std::uint8_t FindRangeIndex(double size);
// Whether a size lies inside the table at all: over 0 up to and including 1000 mm.
bool IsInsideTable(double size);

} // namespace Data_Unit
