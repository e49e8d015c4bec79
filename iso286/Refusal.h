// Why the system gives no limits: the engine's answer when a size, a class or a
// fit is refused, as data. The Russian sentence is written from it by
// refusalText (RefusalText.h); a program reading the answers can tell the cases
// apart by the kind alone.
#pragma once

#include <cstdint>

#include "ToleranceClass.h"

namespace iso286 {

enum class RefusalKind : std::uint8_t {
    SizeNotPositive,  // the nominal size is 0 or less
    SizeBeyondSystem, // over 3150 mm
    SizeTooFine,      // digits finer than FinestSizeExponent
    GradeNotDefined,  // the IT table has no value of the grade at the sizes over..upTo
    GradeOverOneMm,   // IT14 ... IT18 at or below 1 mm
    ClassNotDefined,  // an empty cell of the deviation tables at the sizes over..upTo
    LetterGrades,     // the letter exists only in grades gradeFrom ... gradeTo
    NoPositiveSize,   // the smallest limit size at `size` would be `smallest`, 0 or less
    NotAHole,         // a fit whose first class is a shaft's
    NotAShaft,        // a fit whose second class is a hole's
};

struct Refusal {
    Refusal() = default;
    explicit Refusal(RefusalKind kind, ToleranceClass toleranceClass = {}, int over = 0, int upTo = 0)
        : kind(kind), toleranceClass(toleranceClass), over(over), upTo(upTo)
    {
    }

    RefusalKind kind = RefusalKind::ClassNotDefined;
    ToleranceClass toleranceClass; // the class refused (not for a size)
    int over = 0;                  // the sizes concerned: over `over` up to and including `upTo` mm
    int upTo = 0;
    Grade gradeFrom = Grade::IT01; // LetterGrades
    Grade gradeTo = Grade::IT18;
    // NoPositiveSize: the nominal size and the smallest limit size it would have,
    // in millionths of a millimetre (the finest digit of a size in the system).
    std::int64_t size = 0;
    std::int64_t smallest = 0;

    bool concernsSize() const { return kind <= RefusalKind::SizeTooFine; }
};

} // namespace iso286
