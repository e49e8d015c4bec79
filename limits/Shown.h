// What an answer repeats of its query: the size and, for --find, the target.
#pragma once

#include <optional>
#include <string>

#include "ReverseLookup.h"

namespace limits {

struct SizeShown {
    std::optional<iso286::Decimal> size; // nothing for a size too large to be written (1e100)
    std::string typed;                   // the size as typed, shown when there is no value
};

struct Target {
    iso286::Decimal upper; // µm
    iso286::Decimal lower;
    iso286::Search search = iso286::Search::Both;
};

} // namespace limits
