// Every tolerance class of the system, and those defined at a size.
#pragma once

#include <vector>

#include "Limits.h"

namespace iso286 {

// Every class of one kind that can be written, letter by letter in the
// standard's order (A, B, C, CD ... ZC), each letter from IT01 to IT18.
const std::vector<ToleranceClass>& allClasses(Kind kind);

struct ClassesAtSize {
    std::vector<Limits> holes;  // defined hole classes, in the order of allClasses
    std::vector<Limits> shafts; // defined shaft classes, likewise
};

// Empty lists for a size outside the system.
ClassesAtSize classesAt(const Decimal& size, const Options& options = {});

} // namespace iso286
