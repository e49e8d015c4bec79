// The table-mode and manual-mode calculations of the tolerance page, as texts
// ready for the result boxes. All sums are exact decimals.
#pragma once

#include <optional>
#include <string>

#include "Data_Unit.h"
#include "Decimal.h"
#include "Translate.h"

namespace tolerance {

// Numbers are the number library's exact decimals.
using number::Decimal;

// Texts of the "tolerance" context, translated where they are shown.
inline constexpr const char* NoData = I18N_TRANSLATE_NOOP("tolerance", "нет данных");
inline constexpr const char* OldDesignationPattern = I18N_TRANSLATE_NOOP("tolerance", "Старое обозначение :  [ %1 ]");
inline constexpr const char* ManualStatusText = "  ";

// The "Точность" panel: "Как есть", "2 цифры", "3 цифры".
enum class Rounding { AsIs, TwoDigits, ThreeDigits };

// The unit the deviations are shown and typed in: "Допуск в мкм." ticks micrometres.
enum class DeviationUnit { Millimetres, Micrometres };

struct MeanAndRadius {
    std::string mean;   // S / 2
    std::string radius; // S / 4
};

// S = largest + smallest, written in the chosen rounding.
MeanAndRadius meanAndRadiusTexts(const Decimal& largest, const Decimal& smallest, Rounding rounding);

struct DeviationText {
    std::string text; // "+0,03", "0", "-0,012", "+30"
    bool positive;    // shown in maroon when positive, navy otherwise
};

// A deviation given in millimetres, shown in millimetres or in micrometres.
DeviationText deviationText(const Decimal& deviationMm, DeviationUnit unit);

// Micrometres of the deviation table to millimetres, exactly.
Decimal micrometresToMm(double micrometres);

// Whether a nominal size lies in the table: over 0 up to and including 1000 mm.
bool IsInsideTable(const Decimal& size);
// RangeIndex of a nominal size, compared exactly against the bounds: a size of
// exactly 1 belongs to interval 2; sizes no interval holds (0, negative, over
// 1000) give interval 1.
int FindRangeIndex(const Decimal& size);

// Where the catalogue has no cell but ISO 286 gives the class:
// "d11 при Ø999: в таблице нет, см. «Посадки»".
std::string notInTableText(int fieldIndex, const Decimal& size);

struct TableResult {
    Data_Unit::FieldColour colour = Data_Unit::FieldColour::Blue;
    std::string statusText;  // old designation in the status bar
    bool hasData = false;    // false: the six number boxes show NoData
    // For the status bar: why there is no data, or where it is; with data, the
    // exact value of a rounded JS7. Empty when there is nothing to say.
    std::string note;
    DeviationText upper;
    DeviationText lower;
    std::string largest;
    std::string smallest;
    MeanAndRadius meanAndRadius;
};

// `size` is empty when the size text does not read as a number. Up to and
// including 1 mm the limits are ISO 286's own (the catalogue's interval below
// 1 mm is the standard's "up to 3 mm" where the class is used there at all); a
// size whose smallest limit size would be 0 or less has none. Elsewhere they
// are the catalogue's.
TableResult computeFromTable(const std::optional<Decimal>& size, int fieldIndex, DeviationUnit unit, Rounding rounding);

struct ManualResult {
    std::string largest;
    std::string smallest;
    MeanAndRadius meanAndRadius;
};

// Deviations as read from their boxes, in `unit`;
// a box that does not read leaves the results depending on it at NoData.
ManualResult computeManual(const std::optional<Decimal>& size, const std::optional<Decimal>& upper,
                           const std::optional<Decimal>& lower, DeviationUnit unit, Rounding rounding);

// The mean-size and radius formulas for a spreadsheet, from the size and both
// deviations as their boxes show them (in `unit`), always
// written in millimetres: "=(5+(+0,03 +0)/2)" and "=(5+(+0,03 +0)/2)/2".
struct Formulas {
    std::string mean;
    std::string radius;
};
Formulas formulaTexts(const Decimal& size, const Decimal& upper, const Decimal& lower, DeviationUnit unit);

} // namespace tolerance
