#include "frm_Tabl_unit_DrawGrid.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "UiStyle.h"

DrawGrid::DrawGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
}

void DrawGrid::setModel(QAbstractItemModel* model)
{
    m_model = model;
    setCurrentCell(m_currentColumn, m_currentRow);
    updateScrollBars();
    viewport()->update();
}

int DrawGrid::columnCount() const { return m_model ? m_model->columnCount() : 0; }
int DrawGrid::rowCount() const { return m_model ? m_model->rowCount() : 0; }

void DrawGrid::setFixedColumnCount(int count)
{
    m_fixedColumns = std::max(0, count);
    setCurrentCell(m_currentColumn, m_currentRow);
    updateScrollBars();
}

void DrawGrid::setFixedRowCount(int count)
{
    m_fixedRows = std::max(0, count);
    setCurrentCell(m_currentColumn, m_currentRow);
    updateScrollBars();
}

void DrawGrid::setDefaultColumnWidth(int width)
{
    m_columnWidth = std::max(1, width);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setDefaultRowHeight(int height)
{
    m_rowHeight = std::max(1, height);
    updateScrollBars();
    viewport()->update();
}

int DrawGrid::leftColumn() const { return m_fixedColumns + horizontalScrollBar()->value(); }
int DrawGrid::topRow() const { return m_fixedRows + verticalScrollBar()->value(); }

int DrawGrid::visibleScrollingColumns() const
{
    return std::max(1, (viewport()->width() - fixedWidth()) / (m_columnWidth + GridLineWidth));
}

int DrawGrid::visibleScrollingRows() const
{
    return std::max(1, (viewport()->height() - fixedHeight()) / (m_rowHeight + GridLineWidth));
}

void DrawGrid::updateScrollBars()
{
    const int columns = std::max(0, columnCount() - m_fixedColumns);
    const int rows = std::max(0, rowCount() - m_fixedRows);
    const int visibleColumns = visibleScrollingColumns();
    const int visibleRows = visibleScrollingRows();
    horizontalScrollBar()->setRange(0, std::max(0, columns - visibleColumns));
    horizontalScrollBar()->setPageStep(visibleColumns);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(0, std::max(0, rows - visibleRows));
    verticalScrollBar()->setPageStep(visibleRows);
    verticalScrollBar()->setSingleStep(1);
}

void DrawGrid::setCurrentCell(int column, int row)
{
    const int lastColumn = columnCount() - 1;
    const int lastRow = rowCount() - 1;
    if (lastColumn >= m_fixedColumns)
        column = std::clamp(column, m_fixedColumns, lastColumn);
    if (lastRow >= m_fixedRows)
        row = std::clamp(row, m_fixedRows, lastRow);
    const bool changed = column != m_currentColumn || row != m_currentRow;
    m_currentColumn = column;
    m_currentRow = row;
    scrollIntoView(column, row);
    if (changed) {
        viewport()->update();
        emit currentCellChanged(column, row);
    }
}

void DrawGrid::scrollIntoView(int column, int row)
{
    if (column >= m_fixedColumns) {
        QScrollBar* bar = horizontalScrollBar();
        const int offset = column - m_fixedColumns;
        if (offset < bar->value())
            bar->setValue(offset);
        else if (offset >= bar->value() + visibleScrollingColumns())
            bar->setValue(offset - visibleScrollingColumns() + 1);
    }
    if (row >= m_fixedRows) {
        QScrollBar* bar = verticalScrollBar();
        const int offset = row - m_fixedRows;
        if (offset < bar->value())
            bar->setValue(offset);
        else if (offset >= bar->value() + visibleScrollingRows())
            bar->setValue(offset - visibleScrollingRows() + 1);
    }
}

QRect DrawGrid::cellRect(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount())
        return {};
    int x = 0;
    if (column < m_fixedColumns)
        x = column * (m_columnWidth + GridLineWidth);
    else if (column >= leftColumn())
        x = fixedWidth() + (column - leftColumn()) * (m_columnWidth + GridLineWidth);
    else
        return {};
    int y = 0;
    if (row < m_fixedRows)
        y = row * (m_rowHeight + GridLineWidth);
    else if (row >= topRow())
        y = fixedHeight() + (row - topRow()) * (m_rowHeight + GridLineWidth);
    else
        return {};
    if (x >= viewport()->width() || y >= viewport()->height())
        return {};
    return QRect(x, y, m_columnWidth, m_rowHeight);
}

QPoint DrawGrid::cellAt(const QPoint& point) const
{
    const int pitchX = m_columnWidth + GridLineWidth;
    const int pitchY = m_rowHeight + GridLineWidth;
    if (point.x() < 0 || point.y() < 0)
        return {-1, -1};
    const int column = point.x() < fixedWidth() ? point.x() / pitchX : leftColumn() + (point.x() - fixedWidth()) / pitchX;
    const int row = point.y() < fixedHeight() ? point.y() / pitchY : topRow() + (point.y() - fixedHeight()) / pitchY;
    if (column >= columnCount() || row >= rowCount())
        return {-1, -1};
    return {column, row};
}

void DrawGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const QColor headerColour = UiStyle::buttonFace();
    const QColor fixedLineColour = palette().color(QPalette::Dark);
    const QColor lineColour = palette().color(QPalette::Midlight).darker(115);

    auto paintCell = [&](int column, int row) {
        const QRect rect = cellRect(column, row);
        if (rect.isEmpty())
            return;
        const DrawState state{column == m_currentColumn && row == m_currentRow,
                              column < m_fixedColumns || row < m_fixedRows};
        painter.fillRect(rect, state.fixed ? headerColour : palette().color(QPalette::Base));
        // Grid lines on the right and bottom edge of every cell.
        painter.fillRect(QRect(rect.right() + 1, rect.top(), GridLineWidth, rect.height() + GridLineWidth),
                         state.fixed ? fixedLineColour : lineColour);
        painter.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width() + GridLineWidth, GridLineWidth),
                         state.fixed ? fixedLineColour : lineColour);
        if (m_drawCell) {
            painter.save();
            painter.setClipRect(rect);
            m_drawCell(painter, column, row, rect, state);
            painter.restore();
        }
    };

    const int columns = columnCount();
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (row >= m_fixedRows && row < topRow())
            continue;
        for (int column = 0; column < columns; ++column) {
            if (column >= m_fixedColumns && column < leftColumn())
                continue;
            paintCell(column, row);
        }
    }
}

void DrawGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void DrawGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() >= m_fixedColumns && cell.y() >= m_fixedRows)
        setCurrentCell(cell.x(), cell.y());
}

void DrawGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() >= m_fixedColumns && cell.y() >= m_fixedRows)
        setCurrentCell(cell.x(), cell.y());
}

void DrawGrid::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    int column = m_currentColumn;
    int row = m_currentRow;
    switch (event->key()) {
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_PageUp: row -= visibleScrollingRows(); break;
    case Qt::Key_PageDown: row += visibleScrollingRows(); break;
    case Qt::Key_Home:
        column = m_fixedColumns;
        if (control)
            row = m_fixedRows;
        break;
    case Qt::Key_End:
        column = columnCount() - 1;
        if (control)
            row = rowCount() - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    setCurrentCell(column, row);
}

void DrawGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}
