// Painting of the tolerance table's cells, the fixed ones included: each cell
// is 64 x 30 pixels with a grid line at its right and bottom edge, filled in
// its colour and with its text centred on one line (7 px below the top) or
// on two (2 and 15 px below the top). The current cell is painted in the
// active-caption colour with white text; the other cells of a selection made
// for copying are tinted with it and keep their text colours.
#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>

#include "ToleranceTableModel.h"

class QAbstractButton;
class QTableView;

namespace TablCells {

inline constexpr int CellWidth = 64;
inline constexpr int CellHeight = 30;
inline constexpr int GridLineWidth = 1;
inline constexpr int ColumnPitch = CellWidth + GridLineWidth;
inline constexpr int RowPitch = CellHeight + GridLineWidth;

enum class Mark { None, Current, Selected };

// Paints one cell of any kind into `pitch`, the cell with its grid lines (64 + 1 x 30 + 1).
void DrawGrid1DrawCell(QPainter& painter, const QRect& pitch, const ToleranceTableModel::Cell& cell, bool fixed, Mark mark,
               const QPalette& palette);

} // namespace TablCells

// The deviation cells of DrawGrid1.
class TablCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TablCellDelegate(QTableView* view, const ToleranceTableModel* model);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }

private:
    QTableView* m_view;
    const ToleranceTableModel* m_model;
};

// The two fixed rows (horizontal: both designations of a field in one section)
// and the fixed column (vertical: the size ranges).
class TablHeaderView : public QHeaderView {
    Q_OBJECT
public:
    TablHeaderView(Qt::Orientation orientation, const ToleranceTableModel* model, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    const ToleranceTableModel* m_model;
};

// The top-left fixed cells "Новое обозн." and "Старое обозн." over the size
// ranges, painted on the table's corner button, which is not clickable.
class TablCornerCells : public QObject {
    Q_OBJECT
public:
    TablCornerCells(QTableView* table, const ToleranceTableModel* model);
    QAbstractButton* button() const { return m_button; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* m_table;
    const ToleranceTableModel* m_model;
    QAbstractButton* m_button = nullptr;
};
