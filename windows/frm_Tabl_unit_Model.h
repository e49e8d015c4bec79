// The contents of the tolerance table, cell by cell in grid coordinates:
// column 0 the size ranges, rows 0 and 1 the new and the old designation of
// each field, columns 1..40 by rows 2..29 the limit deviations in micrometres.
// Nothing is stored: every cell is worked out from the reference tables when it
// is asked for, and the column order from the type filter at that moment.
//
// Qt::DisplayRole  the text; a two-line cell has its lines joined by '\n'
// Qt::ForegroundRole  the text colour (QColor)
// Qt::BackgroundRole  the fill of a deviation cell (QColor); none for header cells
// Qt::FontRole  bold or normal
#pragma once

#include <QAbstractTableModel>
#include <QComboBox>
#include <QPointer>

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

private:
    QPointer<const QComboBox> m_typeFilter;
};
