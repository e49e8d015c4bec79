// What each cell of the tolerance table shows, without a window: in grid
// coordinates, column 0 the size ranges, rows 0 and 1 the new and the old
// designation of each field, columns 1..40 by rows 2..29 the limit deviations
// in micrometres of the field in that column and the range in that row.
#pragma once

#include <string>

namespace tolerance_table {

inline constexpr int GridColumns = 41;
inline constexpr int GridRows = 30;
inline constexpr int FixedColumns = 1;
inline constexpr int FixedRows = 2;

// The named colours of the table; the windows map them to the screen's.
enum class Ink { Black, Red, Green, Maroon, Blue };
enum class Fill { Header, White, PaleGreen, SkyBlue };

struct Cell {
    std::string upper;  // the only line of a one-line cell
    std::string lower;  // empty in a one-line cell
    Ink ink = Ink::Black;
    Fill fill = Fill::Header;
    bool bold = true;
    std::string hint;   // the exact value of a rounded JS7; empty for most cells
    bool twoLines() const { return !lower.empty(); }
};

// The order of the table's columns: the catalogue's, or the fields sorted by quality.
enum class ColumnOrder { Catalogue, ByQuality };

// FieldIndex shown in a column 1..40.
int FieldOfColumn(int column, ColumnOrder order);

// The cell at a grid column 0..40 and row 0..29, with the columns in one order.
// The reference tables must be filled.
Cell TableCell(int column, int row, ColumnOrder order);

// The cells from grid column `left` to `right` and row `top` to `bottom` (deviation
// cells only: columns 1..40, rows 2..29) as text to paste. A single cell is one line,
// its two deviations joined by " / ", for pasting into a text. A larger block is a
// table with its headings: the designations, the old designations and the names of
// the deviations (ES and EI of a hole, es and ei of a shaft) over the fields, the size
// ranges down the first column, each deviation in a column of its own; "±8" gives
// "+8" and "-8", and a field not defined in a range leaves its two cells empty.
std::string CopiedBlock(int left, int top, int right, int bottom, ColumnOrder order);

} // namespace tolerance_table
