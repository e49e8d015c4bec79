// The contents of the tolerance table, cell by cell in grid coordinates:
// column 0 the size ranges, rows 0 and 1 the new and the old designation of
// each field, columns 1..40 by rows 2..29 the limit deviations in micrometres.
// The cells are worked out once for each of the two column orders and kept;
// the order itself is read from the type filter at every request, so a change
// of the filter shows at the next painting.
//
// Qt::DisplayRole  the text; a two-line cell has its lines joined by '\n'
// Qt::ForegroundRole  the text colour (QColor)
// Qt::BackgroundRole  the fill of a deviation cell (QColor); none for header cells
// Qt::FontRole  bold or normal
#pragma once

#include <QAbstractTableModel>
#include <QComboBox>
#include <QColor>
#include <QPointer>
#include <QString>

#include <array>
#include <vector>

class ToleranceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Columns = 41;
    static constexpr int Rows = 30;
    // Item of the type filter that orders the fields by quality.
    static constexpr int QualityOrderItem = 4;

    explicit ToleranceTableModel(QObject* parent = nullptr);
    void setTypeFilter(const QComboBox* typeFilter) { m_typeFilter = typeFilter; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // FieldIndex shown in a column 1..40.
    int fieldOfColumn(int column) const;

    // A cell as the grid paints it: one or two lines of text.
    struct Cell {
        std::array<QString, 2> lines;
        int lineCount = 1;
        QColor textColour;
        bool bold = true;
        QColor fill; // invalid for header cells
        QString text() const { return lineCount == 1 ? lines[0] : lines[0] + QLatin1Char('\n') + lines[1]; }
    };
    // The cell in grid coordinates, in the column order in effect now.
    const Cell& cell(int column, int row) const;

private:
    bool qualityOrder() const;

    QPointer<const QComboBox> m_typeFilter;
    // Cells by column order (by type, by quality), row by row; filled at first use.
    mutable std::array<std::vector<Cell>, 2> m_cells;
};
