// Painting of the thread table's cells: every cell, the fixed ones included,
// is filled with its background and gets its bold text centred, 3 px below
// the cell's top.
#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>

class QAbstractButton;
class QTableView;

// Fills the cell and draws the text centred across it at the cell's top plus
// offset - 4. The painter's font and pen are left as they were.
void DrawBandedCell(QPainter* painter, const QString& text, const QRect& cell, const QColor& background,
                    const QColor& textColour, const QFont& font, int offset);

// The normal cells of strgrd_Rezba (columns 1..5). The selected line keeps the
// selection colour; a coarse line keeps its magenta text even when selected.
class RezbaCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }

    // strgrd_RezbaDrawCell for a normal cell in its rectangle, grid line excluded.
    static void paintCell(QPainter* painter, const QRect& rect, const QModelIndex& index, bool selected,
                          const QPalette& palette);
    // The colours a cell is painted in.
    static QColor backgroundOf(const QModelIndex& index, bool selected, const QPalette& palette);
    static QColor textColourOf(const QModelIndex& index, bool selected, const QPalette& palette);
};

// The fixed row 0 (horizontal) and the fixed column 0 (vertical): header
// colour, never shaded, never marked by the selection.
class RezbaHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit RezbaHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Width of the fixed column (vertical header) set from the program or by dragging.
    void setFixedDepth(int pixels);
    // With a fixed depth the header's size is known: the sections' contents are
    // not measured (that would be one style call per row).
    QSize sizeHint() const override;

    static void paintFixedCell(QPainter* painter, const QRect& cell, const QString& text, const QColor& textColour,
                               const QFont& font, const QPalette& palette);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int m_fixedDepth = 0;
};

// The top-left fixed cell " №" over the row numbers. Dragging its right edge
// changes the width of column 0, as the other column separators do.
class RezbaCornerCell : public QObject {
    Q_OBJECT
public:
    RezbaCornerCell(QTableView* table, RezbaHeaderView* rowNumbers, QString text);
    QAbstractButton* button() const { return m_button; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onSeparator(int x) const;

    QTableView* m_table;
    RezbaHeaderView* m_rowNumbers;
    QAbstractButton* m_button = nullptr;
    QString m_text;
    bool m_dragging = false;
    int m_grabOffset = 0; // from the pressed point to the separator
};
