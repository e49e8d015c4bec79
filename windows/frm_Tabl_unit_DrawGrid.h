// A drawing grid: fixed header rows and columns that stay in view while the
// rest scrolls cell by cell, one current cell moved by the mouse or the arrow
// keys, and every cell painted by a handler of the owner. The grid keeps no
// cell contents; its model only tells how many rows and columns there are and
// is there for whoever paints the cells.
#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <functional>

class QAbstractItemModel;
class QPainter;

class DrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct DrawState {
        bool selected = false; // the current cell
        bool fixed = false;    // a header cell
    };
    using DrawCellHandler = std::function<void(QPainter& painter, int column, int row, const QRect& rect, DrawState state)>;

    explicit DrawGrid(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const { return m_model; }
    int columnCount() const;
    int rowCount() const;

    void setFixedColumnCount(int count);
    void setFixedRowCount(int count);
    int fixedColumnCount() const { return m_fixedColumns; }
    int fixedRowCount() const { return m_fixedRows; }
    void setDefaultColumnWidth(int width);
    void setDefaultRowHeight(int height);
    int defaultColumnWidth() const { return m_columnWidth; }
    int defaultRowHeight() const { return m_rowHeight; }
    static constexpr int GridLineWidth = 1;

    void setDrawCellHandler(DrawCellHandler handler) { m_drawCell = std::move(handler); }

    int currentColumn() const { return m_currentColumn; }
    int currentRow() const { return m_currentRow; }
    // Clamped to the scrolling part; scrolls the cell into view.
    void setCurrentCell(int column, int row);

    // First scrolling column and row in view.
    int leftColumn() const;
    int topRow() const;
    // Rectangle of a cell in viewport coordinates (the grid line excluded);
    // empty when the cell is scrolled out of view.
    QRect cellRect(int column, int row) const;
    // Cell under a viewport point, or (-1, -1).
    QPoint cellAt(const QPoint& point) const;

signals:
    void currentCellChanged(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    void scrollIntoView(int column, int row);
    int visibleScrollingColumns() const;
    int visibleScrollingRows() const;
    int fixedWidth() const { return m_fixedColumns * (m_columnWidth + GridLineWidth); }
    int fixedHeight() const { return m_fixedRows * (m_rowHeight + GridLineWidth); }

    QPointer<QAbstractItemModel> m_model;
    int m_fixedColumns = 1;
    int m_fixedRows = 1;
    int m_columnWidth = 64;
    int m_rowHeight = 24;
    int m_currentColumn = 1;
    int m_currentRow = 1;
    DrawCellHandler m_drawCell;
};
