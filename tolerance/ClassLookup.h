// The ISO classes that typed deviations belong to, in one short line for a window,
// and the classes a class box offers first.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "LimitCalculation.h"
#include "ReverseLookup.h"

namespace tolerance {

struct ClassLookupLine {
    // "= H8"; "= js9, JS9 отв." when shafts and holes match alike; otherwise the nearest
    // with its difference in the unit of the deviations: "ближайшее: H8 (на 2 мкм)",
    // "ближайшие: js9, JS9 отв. (на 0,001 мм)". Empty when there is nothing to look up:
    // a size or deviation that does not read, a size outside the system, deviations
    // the system cannot hold (finer than 0,001 µm or beyond ±100 000 µm), the upper
    // one below the lower.
    std::string text;
    std::vector<iso286::ToleranceClass> exact; // the classes matched exactly, in the line's order
};

// Deviations in `unit`, the size in mm. The engine's reverse look-up answers; the line
// names shafts before holes, as the catalogue lists them.
ClassLookupLine classLookupLine(const std::optional<Decimal>& size, const std::optional<Decimal>& upper,
                                const std::optional<Decimal>& lower, DeviationUnit unit, iso286::Search search);

// The classes of one kind that a class box offers before all the others: those of the
// preferred fits and of the forty-field catalogue, in the standard's order.
std::vector<iso286::ToleranceClass> commonClasses(iso286::Kind kind);

} // namespace tolerance
