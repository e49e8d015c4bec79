// The tolerance table as DrawGrid1 shows it: model row r is the size range
// r + 1 (grid row r + 2), model column c the field of grid column c + 1 in the
// column order in effect. The two fixed rows (new and old designation) are the
// horizontal header, the fixed column (the size ranges) the vertical header.
// The cells are worked out once for each of the two column orders and kept;
// the order is the one of the type filter's item last given.
//
// Qt::DisplayRole     the text; a two-line cell has its lines joined by '\n'
// Qt::ForegroundRole  the text colour
// Qt::BackgroundRole  the fill of a deviation cell; none for header cells
// Qt::FontRole        bold or normal
// Qt::ToolTipRole     the exact value of a rounded JS7, where the cell has one
// OldDesignationRole  (horizontal header) the old designation of the field
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <array>
#include <vector>

#include "FieldFilter.h"
#include "ToleranceTableCells.h"

class ToleranceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int OldDesignationRole = Qt::UserRole + 1;

    explicit ToleranceTableModel(QObject* parent = nullptr);
    // The type filter's item: all fields sorted by quality, or any other (catalogue order).
    void setTypeFilter(tolerance::TypeFilterItem item);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tells the views that the column order may have changed.
    void followTypeFilter();

    // The block of model rows top..bottom and columns left..right as text to paste.
    QString copiedBlock(int top, int left, int bottom, int right) const;

    // FieldIndex shown in a grid column 1..40.
    int fieldOfColumn(int column) const;

    // A cell as the grid paints it: one or two lines of text.
    struct Cell {
        std::array<QString, 2> lines;
        int lineCount = 1;
        QColor textColour;
        bool bold = true;
        QColor fill; // invalid for header cells
        QString hint;
        QString text() const { return lineCount == 1 ? lines[0] : lines[0] + QLatin1Char('\n') + lines[1]; }
    };
    // The cell in grid coordinates (column 0..40, row 0..29), in the column order in effect now.
    const Cell& cell(int column, int row) const;
    // The grid cell of a model index.
    const Cell& cell(const QModelIndex& index) const { return cell(index.column() + 1, index.row() + 2); }

private:
    tolerance_table::ColumnOrder columnOrder() const;
    QVariant roleOf(const Cell& cell, int role) const;

    tolerance::TypeFilterItem m_typeFilter = tolerance::QualityOrderItem;
    // Cells by column order (by type, by quality), row by row; filled at first use.
    mutable std::array<std::vector<Cell>, 2> m_cells;
};
