// Which classes have given limit deviations at a size.
#pragma once

#include <vector>

#include "Limits.h"

namespace iso286 {

enum class Search { Holes, Shafts, Both };

struct Lookup {
    std::vector<Limits> exact;   // classes whose upper and lower deviation equal the ones asked
    std::vector<Limits> nearest; // when none does: the five nearest, nearest first
};

inline constexpr int NearestCount = 5;

// Deviations in µm. Nearest means the smallest larger of the two differences
// |upper − ES| and |lower − EI|; equally near classes keep the order of
// allClasses, holes before shafts. Empty for a size outside the system.
Lookup findClasses(const Decimal& size, const Decimal& upper, const Decimal& lower, Search search,
                   const Options& options = {});

} // namespace iso286
