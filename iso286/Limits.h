// The limit deviations of any tolerance class at a nominal size up to 3150 mm,
// derived from the base tables of ISO 286-1, exactly. A size belongs to the row
// "over X up to and including Y": 30 mm is in 18-30.
#pragma once

#include <string>
#include <vector>

#include "Decimal.h"
#include "ToleranceClass.h"

namespace iso286 {

// Numbers are the number library's exact decimals.
using number::Decimal;

using number::Decimal;

inline constexpr int LargestSize = 3150; // mm

struct Options {
    // JS7/js7 with an odd IT7 as exact halves (±7,5 at 6-10 mm) instead of the
    // catalogue's ±(IT7 − 1)/2 (±7). Every other JS/js is always exact.
    bool js7Exact = false;
};

struct Limits {
    ToleranceClass toleranceClass;
    Decimal size;          // nominal size, mm
    bool defined = false;  // false: `reason` says why, the numbers are zero
    std::string reason;    // "Поле A9 для размеров до 1 мм не определено"
    Decimal upper;         // ES or es, µm
    Decimal lower;         // EI or ei, µm
    Decimal it;            // standard tolerance, µm (upper − lower but for the rounded JS7)
    Decimal largest;       // size + upper, mm
    Decimal smallest;      // size + lower, mm
    int over = 0;          // the sizes the deviations hold for: over `over`
    int upTo = 0;          // up to and including `upTo` mm
    // Remarks in Russian on values the standard's printed tables do not carry
    // as such: Δ taken as 0 below IT3, IT1-IT5 above 500 mm, the rounded JS7.
    std::vector<std::string> notes;
};

// Whether a nominal size lies in the system at all: over 0 up to and including 3150 mm.
bool sizeInRange(const Decimal& size);
// The reason a size outside the system is refused, in Russian (empty inside it).
std::string sizeRefusal(const Decimal& size);

Limits limitsOf(const Decimal& size, const ToleranceClass& toleranceClass, const Options& options = {});

} // namespace iso286
