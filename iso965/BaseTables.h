// The base tables of ISO 965-1 and the ISO 261 plan as compiled into the program.
// They are generated at build time from iso965/tables/*.csv (see
// generator/GenerateTables.cpp), which refuses tables that are malformed or do
// not cover every thread of the plan.
//
// Diameters and pitches are in micrometres, deviations and tolerances in whole
// micrometres.
#pragma once

#include <climits>
#include <cstdint>

#include "ThreadClass.h"

namespace iso965::tables {

// A cell the standard leaves empty: not defined (never zero).
inline constexpr std::int32_t NotDefined = INT32_MIN;

// The grades each table has columns for.
inline constexpr int NutPitchFirstGrade = 4;  // T_D2: 4 ... 8
inline constexpr int NutPitchGradeCount = 5;
inline constexpr int NutMinorFirstGrade = 4;  // T_D1: 4 ... 8
inline constexpr int NutMinorGradeCount = 5;
inline constexpr int BoltPitchFirstGrade = 3; // T_d2: 3 ... 9
inline constexpr int BoltPitchGradeCount = 7;
inline constexpr int BoltMajorGrades[] = {4, 6, 8}; // T_d
inline constexpr int BoltMajorGradeCount = 3;

// What depends on the pitch alone: the fundamental deviations (EI of G and H,
// es of e, f, g, h, in the order of Position), T_D1 and T_d.
struct PitchRow {
    std::int32_t pitchUm;
    std::int32_t deviation[PositionCount];
    std::int32_t nutMinor[NutMinorGradeCount];
    std::int32_t boltMajor[BoltMajorGradeCount];
};

// T_d2 and T_D2 of one diameter range (over `overUm` up to and including `upToUm`) and pitch.
struct RangeRow {
    std::int32_t overUm;
    std::int32_t upToUm;
    std::int32_t pitchUm;
    std::int32_t boltPitch[BoltPitchGradeCount];
    std::int32_t nutPitch[NutPitchGradeCount];
};

// One thread of the plan, with the rows of its pitch and of its range. Threads
// come diameter by diameter, smallest first; at each the coarse pitch first,
// then the fine pitches from the largest.
struct ThreadRow {
    std::int32_t dUm;
    std::int32_t pitchUm;
    bool coarse;
    std::int8_t choice;
    std::int16_t pitchRow;
    std::int16_t rangeRow;
};

extern const PitchRow pitchRows[];
extern const int pitchRowCount;
extern const RangeRow rangeRows[];
extern const int rangeRowCount;
extern const ThreadRow threadRows[];
extern const int threadRowCount;

} // namespace iso965::tables
