#include "GridNavigation.h"

#include <cstdlib>

namespace tolerance {

int gridNeighbour(const std::vector<GridPlace>& places, int from, GridStep step)
{
    if (from < 0 || std::size_t(from) >= places.size())
        return from;
    const GridPlace& start = places[std::size_t(from)];
    const bool across = step == GridStep::Left || step == GridStep::Right;
    const int sign = step == GridStep::Right || step == GridStep::Down ? 1 : -1;
    int best = from;
    int bestMain = 0;   // steps along the direction of the move
    int bestAside = 0;  // steps across it
    for (std::size_t i = 0; i < places.size(); ++i) {
        const GridPlace& place = places[i];
        if (!place.usable)
            continue;
        const int main = sign * (across ? place.column - start.column : place.row - start.row);
        const int aside = across ? place.row - start.row : place.column - start.column;
        if (main <= 0 || (across && aside != 0))
            continue;
        const bool nearer = best == from || main < bestMain
            || (main == bestMain && (std::abs(aside) < std::abs(bestAside) || (std::abs(aside) == std::abs(bestAside) && aside < bestAside)));
        if (nearer) {
            best = int(i);
            bestMain = main;
            bestAside = aside;
        }
    }
    return best;
}

} // namespace tolerance
