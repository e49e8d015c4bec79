#include "TablCells.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPaintEvent>
#include <QTableView>

#include <algorithm>

#include "UiStyle.h"

namespace TablCells {

namespace {

// DrawCentredText: left edge at the cell's left plus half its width minus half
// the text's width, top at the cell's top plus the offset.
void DrawCentredText(QPainter& painter, const QString& text, const QRect& rect, int offset)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = rect.left() + rect.width() / 2 - metrics.horizontalAdvance(text) / 2;
    const int top = rect.top() + offset;
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
}

const QFont& cellFont(bool bold)
{
    static const QFont boldFont = UiStyle::sansFont(11, true);
    static const QFont normalFont = UiStyle::sansFont(11);
    return bold ? boldFont : normalFont;
}

// A cell selected for copying: its own fill under a wash of the caption colour.
QColor tinted(const QColor& fill)
{
    const QColor caption = UiStyle::activeCaption();
    auto mix = [](int a, int b) { return (a * 3 + b * 2) / 5; };
    return QColor(mix(fill.red(), caption.red()), mix(fill.green(), caption.green()), mix(fill.blue(), caption.blue()));
}

} // namespace

void DrawGrid1DrawCell(QPainter& painter, const QRect& pitch, const ToleranceTableModel::Cell& cell, bool fixed, Mark mark,
               const QPalette& palette)
{
    const QRect rect(pitch.topLeft(), QSize(CellWidth, CellHeight));
    const QColor lineColour = fixed ? palette.color(QPalette::Dark) : palette.color(QPalette::Midlight).darker(115);
    painter.fillRect(QRect(rect.right() + 1, rect.top(), GridLineWidth, CellHeight + GridLineWidth), lineColour);
    painter.fillRect(QRect(rect.left(), rect.bottom() + 1, ColumnPitch, GridLineWidth), lineColour);

    QColor fill = fixed ? UiStyle::buttonFace() : palette.color(QPalette::Base);
    QColor textColour = cell.textColour;
    if (!fixed) {
        if (cell.fill.isValid())
            fill = cell.fill;
        if (mark == Mark::Current) {
            fill = UiStyle::activeCaption();
            textColour = UiStyle::White;
        } else if (mark == Mark::Selected) {
            fill = tinted(fill);
        }
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.fillRect(rect, fill);
    painter.setFont(cellFont(cell.bold));
    painter.setPen(textColour);
    if (cell.lineCount == 1) {
        DrawCentredText(painter, cell.lines[0], rect, 7);
    } else {
        DrawCentredText(painter, cell.lines[0], rect, 2);
        DrawCentredText(painter, cell.lines[1], rect, 15);
    }
    painter.restore();
}

} // namespace TablCells

TablCellDelegate::TablCellDelegate(QTableView* view, const ToleranceTableModel* model)
    : QStyledItemDelegate(view)
    , m_view(view)
    , m_model(model)
{
}

void TablCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    TablCells::Mark mark = TablCells::Mark::None;
    if (index == m_view->currentIndex())
        mark = TablCells::Mark::Current;
    else if (option.state.testFlag(QStyle::State_Selected))
        mark = TablCells::Mark::Selected;
    TablCells::DrawGrid1DrawCell(*painter, option.rect, m_model->cell(index), false, mark, m_view->palette());
}

TablHeaderView::TablHeaderView(Qt::Orientation orientation, const ToleranceTableModel* model, QWidget* parent)
    : QHeaderView(orientation, parent)
    , m_model(model)
{
    setHighlightSections(false);
    setSectionsClickable(false);
    setSectionsMovable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
    setDefaultSectionSize(orientation == Qt::Horizontal ? TablCells::ColumnPitch : TablCells::RowPitch);
    // Beyond the last section the grid's own white shows, as below the last row.
    viewport()->setBackgroundRole(QPalette::Base);
    if (orientation == Qt::Horizontal)
        setFixedHeight(2 * TablCells::RowPitch);
    else
        setFixedWidth(TablCells::ColumnPitch);
}

QSize TablHeaderView::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(length(), 2 * TablCells::RowPitch)
                                           : QSize(TablCells::ColumnPitch, length());
}

// The sections only: beyond the last one the grid's own white shows, as in
// the scrolling part, not the style's empty header.
void TablHeaderView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Base));
    const bool horizontal = orientation() == Qt::Horizontal;
    const int start = horizontal ? area.left() : area.top();
    if (start >= length() - offset())
        return; // only the empty part beyond the last section
    const int first = std::max(0, logicalIndexAt(start));
    for (int section = first; section < count(); ++section) {
        const int position = sectionViewportPosition(section);
        if (position > (horizontal ? area.right() : area.bottom()))
            break;
        const QRect rect = horizontal ? QRect(position, 0, sectionSize(section), viewport()->height())
                                      : QRect(0, position, viewport()->width(), sectionSize(section));
        painter.save();
        paintSection(&painter, rect, section);
        painter.restore();
    }
}

void TablHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    if (orientation() == Qt::Horizontal) {
        TablCells::DrawGrid1DrawCell(*painter, rect, m_model->cell(logicalIndex + 1, 0), true, TablCells::Mark::None, palette());
        TablCells::DrawGrid1DrawCell(*painter, rect.translated(0, TablCells::RowPitch), m_model->cell(logicalIndex + 1, 1), true,
                             TablCells::Mark::None, palette());
    } else {
        TablCells::DrawGrid1DrawCell(*painter, rect, m_model->cell(0, logicalIndex + 2), true, TablCells::Mark::None, palette());
    }
}

TablCornerCells::TablCornerCells(QTableView* table, const ToleranceTableModel* model)
    : QObject(table)
    , m_table(table)
    , m_model(model)
{
    m_button = table->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_button)
        m_button->installEventFilter(this);
}

bool TablCornerCells::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_button)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(m_button);
        const QRect first(0, 0, TablCells::ColumnPitch, TablCells::RowPitch);
        TablCells::DrawGrid1DrawCell(painter, first, m_model->cell(0, 0), true, TablCells::Mark::None, m_table->palette());
        TablCells::DrawGrid1DrawCell(painter, first.translated(0, TablCells::RowPitch), m_model->cell(0, 1), true,
                             TablCells::Mark::None, m_table->palette());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
