#include "frm_Tabl_unit.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "UiStyle.h"
#include "WindowPlacement.h"
#include "frm_Tabl_unit_DrawGrid.h"
#include "frm_Tabl_unit_Model.h"

Tfrm_Table* frm_Table = nullptr;

namespace {

constexpr int MinimumOuterWidth = 400;
constexpr int MinimumOuterHeight = 300;

// Smallest value in [0, limit] for which a predicate that holds from some value
// upwards is true.
template <typename Predicate>
int smallestAllowed(int limit, Predicate allowed)
{
    int low = 0;
    int high = limit;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (allowed(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace

Tfrm_Table::Tfrm_Table(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_Table"));
    setWindowTitle(QStringLiteral("Поля допусков (отклонения показаны в мкм)"));
    setFont(UiStyle::sansFont(11));
    QPalette background = palette();
    background.setColor(QPalette::Window, UiStyle::buttonFace());
    setPalette(background);
    setAutoFillBackground(true);
    // Outer size 1140 x 661 with the usual frame of a sizeable window.
    resize(1132, 627);

    m_boldFont = UiStyle::sansFont(11, true);
    m_normalFont = UiStyle::sansFont(11);
    m_cells = new ToleranceTableModel(this);
    m_cells->setObjectName(QStringLiteral("DrawGrid1Cells"));

    DrawGrid1 = new DrawGrid(this);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    DrawGrid1->setFixedColumnCount(1);
    DrawGrid1->setFixedRowCount(2);
    DrawGrid1->setDefaultColumnWidth(64);
    DrawGrid1->setDefaultRowHeight(30);
    DrawGrid1->setModel(m_cells);
    DrawGrid1->setCurrentCell(1, 2);
    DrawGrid1->setDrawCellHandler([this](QPainter& painter, int column, int row, const QRect& rect, DrawGrid::DrawState state) {
        DrawGrid1DrawCell(painter, column, row, rect, state.selected, state.fixed);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DrawGrid1);

    applyMinimumSize();
}

void Tfrm_Table::setTypeFilter(const QComboBox* typeFilter)
{
    m_cells->setTypeFilter(typeFilter);
    DrawGrid1->viewport()->update();
}

void Tfrm_Table::DrawGrid1DrawCell(QPainter& painter, int column, int row, const QRect& rect, bool selected, bool fixed)
{
    const ToleranceTableModel::Cell& cell = m_cells->cell(column, row);
    QColor textColour = cell.textColour;
    if (!fixed) {
        if (cell.fill.isValid())
            painter.fillRect(rect, cell.fill);
        if (selected) {
            painter.fillRect(rect, UiStyle::activeCaption());
            textColour = UiStyle::White;
        }
    }
    painter.setFont(cell.bold ? m_boldFont : m_normalFont);
    painter.setPen(textColour);
    if (cell.lineCount == 1) {
        DrawCentredText(painter, cell.lines[0], rect, 7);
    } else {
        DrawCentredText(painter, cell.lines[0], rect, 2);
        DrawCentredText(painter, cell.lines[1], rect, 15);
    }
}

void Tfrm_Table::DrawCentredText(QPainter& painter, const QString& text, const QRect& rect, int offset)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = rect.left() + rect.width() / 2 - metrics.horizontalAdvance(text) / 2;
    const int top = rect.top() + offset;
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
}

bool Tfrm_Table::FormCanResize(int newWidth, int newHeight) const
{
    return newWidth >= MinimumOuterWidth && newHeight >= MinimumOuterHeight;
}

void Tfrm_Table::applyMinimumSize()
{
    // Qt cannot refuse a resize once it is under way; a minimum size that the
    // window manager enforces keeps every drag within what FormCanResize allows.
    const QSize frame = frameGeometry().size() - size();
    constexpr int Limit = 100000;
    const int outerWidth = smallestAllowed(Limit, [this](int width) { return FormCanResize(width, Limit); });
    const int outerHeight = smallestAllowed(Limit, [this](int height) { return FormCanResize(Limit, height); });
    const QSize minimum(std::max(0, outerWidth - frame.width()), std::max(0, outerHeight - frame.height()));
    if (minimum != minimumSize())
        setMinimumSize(minimum);
}

void Tfrm_Table::FormResize()
{
    DrawGrid1->viewport()->update();
}

void Tfrm_Table::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    applyMinimumSize();
    WindowPlacement::centreOnDesktop(this);
}

void Tfrm_Table::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    applyMinimumSize();
    FormResize();
}

void Tfrm_Table::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // The window manager's frame is known once the window has been placed.
    applyMinimumSize();
}
