// A table laid out for paper: A4 landscape, the title at the top of every
// page, the page number at its foot, and the table cut into pages of whole
// rows and columns, the fixed rows and columns repeated on each. Lengths are
// screen pixels at 96 per inch, so that the printed cells are as large as on
// screen; the cells are painted by the window that owns the table.
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

struct TableSheet {
    QString title;
    int fixedRows = 0;
    int fixedColumns = 0;
    // In the order shown, fixed ones first, each with its grid line.
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    // Paints the cell at (row, column) of the sheet into its rectangle, grid line included.
    std::function<void(QPainter& painter, const QRect& cell, int row, int column)> paintCell;
};

namespace SheetPrint {

// The rows and columns on one page beyond the fixed ones, inclusive.
struct Page {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;
};

// Pages of a sheet for a printable area of the given size (sheet pixels),
// row blocks within column blocks: the pages of the first columns top to
// bottom, then those of the next columns.
std::vector<Page> pages(const TableSheet& sheet, QSize area);

// A4 landscape with 10 mm margins.
void setUpPage(QPagedPaintDevice& device);
// Paints every page of the sheet on a device already set up.
void paint(QPagedPaintDevice& device, const TableSheet& sheet);
bool writePdf(const TableSheet& sheet, const QString& path);

} // namespace SheetPrint
