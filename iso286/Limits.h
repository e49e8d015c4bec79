// The limit deviations of any tolerance class at a nominal size up to 3150 mm,
// derived from the base tables of ISO 286-1, exactly. A size belongs to the row
// "over X up to and including Y": 30 mm is in 18-30.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Decimal.h"
#include "Refusal.h"
#include "ToleranceClass.h"

namespace iso286 {

// Numbers are the number library's exact decimals.
using number::Decimal;

inline constexpr int LargestSize = 3150; // mm
// The finest digit a size is given with: 10^-6 mm, a thousandth of a micrometre.
// Finer sizes are refused rather than rounded; no drawing is toleranced finer.
inline constexpr int FinestSizeExponent = -6;

struct Options {
    // JS7/js7 with an odd IT7 as exact halves (±7,5 at 6-10 mm) instead of the
    // catalogue's ±(IT7 − 1)/2 (±7). Every other JS/js is always exact.
    bool js7Exact = false;
};

// Which halves of an odd IT7 the deviations of JS7/js7 are: the catalogue's
// ±(IT7 − 1)/2 or the exact ±IT7/2 of ISO 286-2:2010. None for every other class
// and for an even IT7.
enum class Js7Convention : std::uint8_t { None, Catalogue, ExactHalves };

struct Limits {
    ToleranceClass toleranceClass;
    Decimal size;          // nominal size, mm
    bool defined = false;  // false: `refusal` says why, the numbers are zero
    std::optional<Refusal> refusal;
    Decimal upper;         // ES or es, µm
    Decimal lower;         // EI or ei, µm
    Decimal it;            // standard tolerance, µm (upper − lower but for the rounded JS7)
    Decimal largest;       // size + upper, mm
    Decimal smallest;      // size + lower, mm
    int over = 0;          // the sizes the deviations hold for: over `over`
    int upTo = 0;          // up to and including `upTo` mm (0 and 0 for a size outside the system)
    Js7Convention js7 = Js7Convention::None;
    // Remarks in Russian on values the standard's printed tables do not carry
    // as such: Δ taken as 0 below IT3, IT1-IT5 above 500 mm, the rounded JS7.
    std::vector<std::string> notes;
};

// Whether a nominal size lies in the system at all: over 0 up to and including
// 3150 mm, given to 0,000001 mm at the finest.
bool sizeInRange(const Decimal& size);
// Why a size is refused; nothing for a size in the system.
std::optional<Refusal> sizeRefusal(const Decimal& size);

Limits limitsOf(const Decimal& size, const ToleranceClass& toleranceClass, const Options& options = {});

// The remark on a JS7/js7 rounded the catalogue's way, naming the exact value of
// ISO 286-1:2010: "IT7 = 15 мкм нечётный: отклонения округлены до ±7 мкм, точно ±7,5".
// Empty for any other limits.
std::string js7Note(const Limits& limits);

} // namespace iso286
