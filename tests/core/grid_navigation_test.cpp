// The arrow keys over a grid with empty places and a button that cannot be chosen.
#include <gtest/gtest.h>

#include "GridNavigation.h"

namespace {

using tolerance::GridPlace;
using tolerance::GridStep;

// Columns 0..4, rows 0..3; "x" cannot be chosen:
//   row 0:  A . B x C
//   row 1:  . . . D .
//   row 2:  E . . . F
//   row 3:  . G . . .
const std::vector<GridPlace> Grid{
    {0, 0}, {2, 0}, {3, 0, false}, {4, 0}, // A B x C
    {3, 1},                                // D
    {0, 2}, {4, 2},                        // E F
    {1, 3},                                // G
};
enum { A, B, X, C, D, E, F, G };

struct Move {
    int from;
    GridStep step;
    int to;
};

class GridMove : public ::testing::TestWithParam<Move> {};

TEST_P(GridMove, LandsOnTheNearestUsablePlace)
{
    const Move& move = GetParam();
    EXPECT_EQ(tolerance::gridNeighbour(Grid, move.from, move.step), move.to);
}

INSTANTIATE_TEST_SUITE_P(Picker, GridMove,
                         ::testing::Values(
                             // Across a gap in the row, and over the button that cannot be chosen.
                             Move{A, GridStep::Right, B}, Move{B, GridStep::Right, C}, Move{C, GridStep::Left, B},
                             // At the edge of the row the place stays.
                             Move{A, GridStep::Left, A}, Move{C, GridStep::Right, C}, Move{D, GridStep::Right, D},
                             // Down to the next row that holds a place, nearest in column.
                             Move{B, GridStep::Down, D}, Move{D, GridStep::Down, F}, Move{A, GridStep::Down, D},
                             // Two equally near: the left one.
                             Move{B, GridStep::Up, B}, Move{D, GridStep::Up, B}, Move{G, GridStep::Up, E},
                             // Below the last row and above the first nothing moves.
                             Move{G, GridStep::Down, G}, Move{A, GridStep::Up, A}));

TEST(GridNeighbour, TiesGoToTheLeft)
{
    // From the middle of a row the two places below lie one column either side.
    const std::vector<GridPlace> grid{{2, 0}, {1, 1}, {3, 1}};
    EXPECT_EQ(tolerance::gridNeighbour(grid, 0, GridStep::Down), 1);
}

TEST(GridNeighbour, PlaceOutsideTheGridStays)
{
    EXPECT_EQ(tolerance::gridNeighbour(Grid, -1, GridStep::Down), -1);
    EXPECT_EQ(tolerance::gridNeighbour({}, 0, GridStep::Left), 0);
}

} // namespace
