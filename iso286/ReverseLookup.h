// Which classes have given limit deviations at a size.
#pragma once

#include <vector>

#include "Limits.h"

namespace iso286 {

enum class Search { Holes, Shafts, Both };

struct Match {
    Limits limits;
    Decimal distance; // µm: the larger of |upper − ES| and |lower − EI|; 0 for an exact match
};

struct Lookup {
    std::vector<Match> exact;   // classes whose upper and lower deviation equal the ones asked
    std::vector<Match> nearest; // when none does: the five nearest, nearest first
};

inline constexpr int NearestCount = 5;

// Deviations in µm. JS7/js7 with an odd IT7 match by either convention of their
// halves, the one of `options` first; a match by the other one is the class's
// limits in that convention (Limits::js7 says which). Equally near classes keep
// the order of allClasses, holes before shafts. Empty for a size outside the
// system and for an upper deviation below the lower one.
Lookup findClasses(const Decimal& size, const Decimal& upper, const Decimal& lower, Search search,
                   const Options& options = {});

} // namespace iso286
