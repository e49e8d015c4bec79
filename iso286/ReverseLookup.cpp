#include "ReverseLookup.h"

#include <algorithm>

#include "ClassList.h"

namespace iso286 {

namespace {

Decimal distance(const Decimal& a, const Decimal& b)
{
    const Decimal d = a - b;
    return d.isNegative() ? -d : d;
}

bool matches(const Limits& l, const Decimal& upper, const Decimal& lower) { return l.upper == upper && l.lower == lower; }

} // namespace

Lookup findClasses(const Decimal& size, const Decimal& upper, const Decimal& lower, Search search,
                   const Options& options)
{
    Lookup lookup;
    if (upper < lower)
        return lookup;
    const ClassesAtSize classes = classesAt(size, options);
    std::vector<const Limits*> candidates;
    if (search != Search::Shafts)
        for (const Limits& l : classes.holes)
            candidates.push_back(&l);
    if (search != Search::Holes)
        for (const Limits& l : classes.shafts)
            candidates.push_back(&l);

    // Equally near classes by their place in the list.
    std::vector<std::pair<Decimal, std::size_t>> ranked;
    ranked.reserve(candidates.size());
    const Options other{!options.js7Exact};
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Limits& l = *candidates[i];
        if (matches(l, upper, lower)) {
            lookup.exact.push_back({l, {}});
            continue;
        }
        if (l.js7 != Js7Convention::None) {
            // The same class by the other halves of its odd IT7.
            Limits halves = limitsOf(size, l.toleranceClass, other);
            if (matches(halves, upper, lower)) {
                lookup.exact.push_back({std::move(halves), {}});
                continue;
            }
        }
        if (lookup.exact.empty())
            ranked.emplace_back(std::max(distance(l.upper, upper), distance(l.lower, lower)), i);
    }
    if (!lookup.exact.empty())
        return lookup;
    const auto count = std::min<std::size_t>(NearestCount, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + std::ptrdiff_t(count), ranked.end());
    for (std::size_t i = 0; i < count; ++i)
        lookup.nearest.push_back({*candidates[ranked[i].second], ranked[i].first});
    return lookup;
}

} // namespace iso286
