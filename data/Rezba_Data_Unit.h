// The tap-drill hole table of metric threads: for each nominal diameter and
// pitch, the hole to drill before the thread is cut and its tolerance.
#pragma once

namespace Rezba_Data_Unit {

inline constexpr int ThreadRowCount = 121;

// The pitch of a row: the coarse (main) pitch of its diameter or a fine one.
enum class PitchType : int { Coarse = 0, Fine = 1 };

struct ThreadHole {
    double NominalDiameter; // mm, the number after "М"
    double Pitch;           // mm
    double HoleDiameter;    // mm
    double HoleTolerance;   // mm, one-sided upwards
    PitchType PitchKind;
    double Band;            // shared by the rows of one diameter; even bands are shaded
};

// Row by ThreadIndex 1..121.
const ThreadHole& ThreadHoleTable(int threadIndex);

} // namespace Rezba_Data_Unit
