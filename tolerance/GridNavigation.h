// Moving over a grid of buttons with the arrow keys, where some places of the grid are
// empty (the field picker holds one button per field, not one per letter and quality).
#pragma once

#include <vector>

namespace tolerance {

struct GridPlace {
    int column;
    int row;
    bool usable = true; // a button that cannot be chosen is passed over
};

enum class GridStep { Left, Right, Up, Down };

// The place an arrow key moves to from place `from`, or `from` itself at the grid's edge.
// Left and right stay in the row and take the nearest usable place; up and down take the
// nearest row that has a usable place, and in it the place nearest the column (the left
// one of two equally near).
int gridNeighbour(const std::vector<GridPlace>& places, int from, GridStep step);

} // namespace tolerance
