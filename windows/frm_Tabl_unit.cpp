#include "frm_Tabl_unit.h"

#include <QAbstractButton>
#include <QPainter>
#include <QShowEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "UiStyle.h"
#include "WindowPlacement.h"
#include "SheetView.h"
#include "ToleranceTableCells.h"
#include "TablCells.h"
#include "ToleranceTableModel.h"

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
    : BuiltOnFirstShowing(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_Table"));
    setWindowTitle(tr("Поля допусков (отклонения показаны в мкм)"));
    setFont(UiStyle::sansFont(11));
    QPalette background = palette();
    background.setColor(QPalette::Window, UiStyle::buttonFace());
    setPalette(background);
    setAutoFillBackground(true);
    // Outer size 1140 x 661 with the usual frame of a sizeable window.
    resize(1132, 627);

    m_cells = new ToleranceTableModel(this);
    m_cells->setObjectName(QStringLiteral("DrawGrid1Cells"));
    applyMinimumSize();
}

void Tfrm_Table::buildControls()
{
    DrawGrid1 = new SheetView(this);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    // Header views and delegate before the model, so that nothing is measured.
    DrawGrid1->setHorizontalHeader(new TablHeaderView(Qt::Horizontal, m_cells, DrawGrid1));
    DrawGrid1->setVerticalHeader(new TablHeaderView(Qt::Vertical, m_cells, DrawGrid1));
    DrawGrid1->setItemDelegate(new TablCellDelegate(DrawGrid1, m_cells));
    DrawGrid1->setShowGrid(false); // each cell paints its own grid lines
    DrawGrid1->setWordWrap(false);
    DrawGrid1->setCornerButtonEnabled(false);
    DrawGrid1->setWholeCellsAtTopLeft(true);
    DrawGrid1->setModel(m_cells);
    DrawGrid1->setCurrentIndex(m_cells->index(0, 0));
    DrawGrid1->setSheet([this] { return sheet(); });
    DrawGrid1->setBlockText([model = m_cells](int top, int left, int bottom, int right) {
        return model->copiedBlock(top, left, bottom, right);
    });
    m_corner = new TablCornerCells(DrawGrid1, m_cells);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DrawGrid1);
}

void Tfrm_Table::setTypeFilter(tolerance::TypeFilterItem item)
{
    m_cells->setTypeFilter(item);
    if (DrawGrid1)
        DrawGrid1->viewport()->update();
}

QWidget* Tfrm_Table::cornerCells() const { return m_corner ? m_corner->button() : nullptr; }

TableSheet Tfrm_Table::sheet() const
{
    TableSheet table;
    table.title = windowTitle();
    table.fixedRows = tolerance_table::FixedRows;
    table.fixedColumns = tolerance_table::FixedColumns;
    table.columnWidths.assign(tolerance_table::GridColumns, TablCells::ColumnPitch);
    table.rowHeights.assign(tolerance_table::GridRows, TablCells::RowPitch);
    const ToleranceTableModel* cells = m_cells;
    const QPalette palette = DrawGrid1->palette();
    table.paintCell = [cells, palette](QPainter& painter, const QRect& rect, int row, int column) {
        const bool fixed = row < tolerance_table::FixedRows || column < tolerance_table::FixedColumns;
        TablCells::DrawGrid1DrawCell(painter, rect, cells->cell(column, row), fixed, TablCells::Mark::None, palette);
    };
    return table;
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
    if (DrawGrid1)
        DrawGrid1->viewport()->update();
}

void Tfrm_Table::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar gets a show event from the window
    // system as well; it stays where the user left it.
    if (event->spontaneous())
        return;
    m_cells->followTypeFilter();
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
