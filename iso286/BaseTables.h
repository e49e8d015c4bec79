// The base tables of ISO 286-1 as compiled into the program. They are generated
// at build time from iso286/tables/*.csv (see generator/GenerateTables.cpp);
// the generator refuses tables with gaps, overlaps or values it cannot hold exactly.
//
// Values are in hundredths of a micrometre, which holds every tabulated value and
// every half of one exactly (IT01 = 0,3 µm, js01 = ±0,15 µm). Sizes are whole
// millimetres; a row covers the sizes over `over` up to and including `upTo`.
#pragma once

#include <climits>
#include <cstdint>

#include "ToleranceClass.h"

namespace iso286::tables {

// An empty cell of a table: not defined (never zero).
inline constexpr std::int32_t Undefined = INT32_MIN;

struct Interval {
    std::int32_t over = 0;
    std::int32_t upTo = 0;
};

// Standard tolerances of one main interval, IT01 ... IT18.
struct ItRow {
    Interval interval;
    std::int32_t value[GradeCount];
};

// Δ of one main interval, IT3 ... IT8.
inline constexpr Grade DeltaFirstGrade = Grade::IT3;
inline constexpr int DeltaGradeCount = 6;
struct DeltaRow {
    Interval interval;
    std::int32_t value[DeltaGradeCount];
};

// One cell of the fundamental deviations of the shafts (es of a ... h, ei of
// j ... zc), or of the hole values that the general rules do not give (ES).
// Rows of one letter and grade band are consecutive, in the order of size.
struct DeviationRow {
    Interval interval;
    Letter letter;
    Grade gradeFrom;
    Grade gradeTo;
    bool upper; // es (or ES); otherwise ei
    std::int32_t value;
};

// Sorted boundaries of every row of every table: 0, 1, 3, 6 ... 3150.
extern const std::int32_t boundaries[];
extern const int boundaryCount;

extern const ItRow itRows[];
extern const int itRowCount;
extern const DeltaRow deltaRows[];
extern const int deltaRowCount;
extern const DeviationRow shaftRows[];
extern const int shaftRowCount;
extern const DeviationRow holeExceptionRows[];
extern const int holeExceptionRowCount;

} // namespace iso286::tables
