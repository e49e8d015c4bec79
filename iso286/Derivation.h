// The derivation of limit deviations from the base tables, in whole hundredths
// of a micrometre: the part of the engine that every look-up runs, kept free of
// decimal arithmetic so that listing or searching every class stays a matter of
// table reads. Limits.h turns its results into exact decimals.
#pragma once

#include <cstdint>
#include <string>

#include "BaseTables.h"
#include "Decimal.h"
#include "Refusal.h"
#include "ToleranceClass.h"

namespace iso286 {

// Numbers are the number library's exact decimals.
using number::Decimal;

struct Options;
struct Limits;

// The narrowest interval between two neighbouring table boundaries that holds
// a size: the size lies over `lo` up to and including `hi` (mm). Every row of
// every table either covers it whole or not at all.
struct Span {
    std::int32_t lo = 0;
    std::int32_t hi = 0;
};
// Only for sizes inside the system (sizeInRange).
Span spanOf(const number::Decimal& size);

enum Note : unsigned {
    NoteDeltaAssumedZero = 1, // Δ of IT01 ... IT2, which the standard does not give, taken as 0
    NoteExperimental = 2,     // IT1 ... IT5 above 500 mm
    NoteJs7Rounded = 4,       // odd IT7 of JS7/js7 rounded down to even before halving
    NoteJs7ExactHalves = 8,   // odd IT7 of JS7/js7 halved exactly
};

struct Derived {
    bool defined = false;
    std::int32_t upper = 0; // hundredths of a micrometre
    std::int32_t lower = 0;
    std::int32_t it = 0;
    tables::Interval interval; // where these values hold, or where the class is not defined
    unsigned notes = 0;
    // Not defined: why; LetterGrades names the grades the letter has.
    RefusalKind refusal = RefusalKind::ClassNotDefined;
    Grade gradeFrom = Grade::IT01;
    Grade gradeTo = Grade::IT18;
};

Derived derive(Span span, const ToleranceClass& toleranceClass, const Options& options);

// A size read once for all the look-ups at it: its span and, when it has no
// digits finer than 10^-5 mm, the size in hundredths of a micrometre, so that
// a limit size is one integer sum.
struct SizePoint {
    number::Decimal size;
    Span span;
    bool inHundredths = false;
    std::int64_t hundredths = 0;
};
// Only for sizes inside the system (sizeInRange).
SizePoint sizePoint(const number::Decimal& size);

// The exact limits of a derivation at the size, refused when the smallest limit
// size would be 0 or less.
Limits limitsFrom(const SizePoint& point, const ToleranceClass& toleranceClass, const Derived& derived);

} // namespace iso286
