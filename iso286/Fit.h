// A fit: a hole class and a shaft class at one nominal size. Clearances are
// hole minus shaft; a negative clearance is an interference.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Limits.h"

namespace iso286 {

enum class FitKind { Clearance, Transition, Interference };
enum class FitSystem { HoleBasis, ShaftBasis, Both, NonSystem };

struct Fit {
    Limits hole;
    Limits shaft;
    bool defined = false; // both classes defined; otherwise the first refusal
    std::optional<Refusal> refusal;
    Decimal maxClearance;  // ES − ei, µm
    Decimal minClearance;  // EI − es, µm
    Decimal meanClearance; // (max + min) / 2, µm
    Decimal fitTolerance;  // hole tolerance + shaft tolerance = max − min, µm
    FitKind kind = FitKind::Clearance;
    FitSystem system = FitSystem::NonSystem;
    // Remarks on the fit's own figures, in Russian: those of a rounded JS7/js7
    // follow the deviations shown, not the exact halves.
    std::vector<std::string> notes;
};

// A clearance fit when the smallest clearance is >= 0, an interference fit when
// the largest clearance is <= 0, a transition fit otherwise. The system: hole
// basis for a hole H, shaft basis for a shaft h, both for H/h. Not defined
// unless `hole` is a hole class and `shaft` a shaft class.
Fit fitOf(const Decimal& size, const ToleranceClass& hole, const ToleranceClass& shaft, const Options& options = {});
// The same of two classes already looked up at one size.
Fit fitOf(const Limits& hole, const Limits& shaft);

// "с зазором", "переходная", "с натягом".
std::string fitKindText(FitKind kind);
// "в системе отверстия", "в системе вала", "в системе отверстия и в системе вала", "внесистемная".
std::string fitSystemText(FitSystem system);

} // namespace iso286
