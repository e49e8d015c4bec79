#include "frm_RezbTabl_Unit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QStatusBar>
#include <QPainter>
#include <QVBoxLayout>

#include "SheetView.h"
#include "ThreadSelection.h"
#include "UiStyle.h"
#include "WindowPlacement.h"
#include "RezbaCells.h"
#include "RezbaTableModel.h"

namespace {

constexpr int RowHeight = 20;
constexpr int ColumnWidths[] = {35, 180, 100, 200, 100, 170};
// Client area of the 870 x 640 window: the grid 862 x 587 over the 19 px status bar.
constexpr int ClientWidth = 862;
constexpr int GridHeight = 587;
constexpr int StatusBarHeight = 19;

} // namespace

Tfrm_RezbTabl::Tfrm_RezbTabl(QWidget* parent)
    : BuiltOnFirstShowing(parent)
{
    setObjectName(QStringLiteral("frm_RezbTabl"));
    setWindowTitle(tr("Параметры отв. под нарезание резьбы"));
    setFont(UiStyle::sansFont(11));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, UiStyle::menuColour());
    setPalette(background);
    setSizeGripEnabled(false);
    resize(ClientWidth, GridHeight + StatusBarHeight);
}

void Tfrm_RezbTabl::buildControls()
{
    strgrd_Rezba = new SheetView(this);
    strgrd_Rezba->setObjectName(QStringLiteral("strgrd_Rezba"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(StatusBarHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strgrd_Rezba, 1);
    layout->addWidget(StatusBar1);

    FormCreate();
}

// Fills the grid once: its texts, fixed row and column, row height and column widths.
void Tfrm_RezbTabl::FormCreate()
{
    m_model = new RezbaTableModel(this);
    // The headers get their fixed depths and row height before the model arrives,
    // so that the rows are laid out once, without measuring their contents.
    m_columnHeader = new RezbaHeaderView(Qt::Horizontal, strgrd_Rezba);
    m_rowNumbers = new RezbaHeaderView(Qt::Vertical, strgrd_Rezba);
    m_rowNumbers->setMinimumSectionSize(RowHeight);
    m_rowNumbers->setDefaultSectionSize(RowHeight);
    m_rowNumbers->setSectionResizeMode(QHeaderView::Fixed);
    m_rowNumbers->setFixedDepth(ColumnWidths[0]);
    m_columnHeader->setFixedDepth(RowHeight);
    m_columnHeader->setMinimumSectionSize(8);
    m_columnHeader->setSectionResizeMode(QHeaderView::Interactive);
    m_columnHeader->setStretchLastSection(false);
    strgrd_Rezba->setHorizontalHeader(m_columnHeader);
    strgrd_Rezba->setVerticalHeader(m_rowNumbers);
    strgrd_Rezba->setFont(UiStyle::sansFont(11, true));
    strgrd_Rezba->setModel(m_model);
    m_delegate = new RezbaCellDelegate(strgrd_Rezba);
    strgrd_Rezba->setItemDelegate(m_delegate);

    strgrd_Rezba->setSelectionBehavior(QAbstractItemView::SelectRows);
    strgrd_Rezba->setShowGrid(true);
    strgrd_Rezba->setWordWrap(false);
    strgrd_Rezba->setCornerButtonEnabled(true); // painted as the fixed cell " №"

    for (int column = 1; column < 6; ++column)
        m_columnHeader->resizeSection(column - 1, ColumnWidths[column]);

    m_corner = new RezbaCornerCell(strgrd_Rezba, m_rowNumbers, m_model->cornerText());

    strgrd_Rezba->setCurrentIndex(m_model->index(0, 0));
    strgrd_Rezba->setSheet([this] { return sheet(); });
    // Model row r is the table's ThreadIndex r + 1.
    strgrd_Rezba->setBlockText([](int top, int, int bottom, int) {
        return QString::fromStdString(thread_calc::CopiedRows(top + 1, bottom + 1));
    });
}

TableSheet Tfrm_RezbTabl::sheet() const
{
    TableSheet table;
    table.title = windowTitle();
    table.fixedRows = 1;
    table.fixedColumns = 1;
    table.columnWidths.push_back(m_rowNumbers->width());
    for (int column = 0; column < m_model->columnCount(); ++column)
        table.columnWidths.push_back(strgrd_Rezba->columnWidth(column));
    table.rowHeights.push_back(m_columnHeader->height());
    for (int row = 0; row < m_model->rowCount(); ++row)
        table.rowHeights.push_back(strgrd_Rezba->rowHeight(row));
    const RezbaTableModel* model = m_model;
    const QPalette palette = strgrd_Rezba->palette();
    QStyleOptionViewItem option;
    option.initFrom(strgrd_Rezba);
    const QColor gridColour = QColor::fromRgba(
        static_cast<QRgb>(strgrd_Rezba->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, strgrd_Rezba)));
    table.paintCell = [model, palette, gridColour](QPainter& painter, const QRect& rect, int row, int column) {
        const QColor headerText = palette.color(QPalette::Active, QPalette::ButtonText);
        if (row == 0 || column == 0) {
            const QString text = row == 0 && column == 0 ? model->cornerText()
                                 : row == 0            ? model->headerData(column - 1, Qt::Horizontal).toString()
                                                       : model->headerData(row - 1, Qt::Vertical).toString();
            const QVariant colour = row == 0 ? QVariant() : model->headerData(row - 1, Qt::Vertical, Qt::ForegroundRole);
            RezbaHeaderView::paintFixedCell(&painter, rect, text,
                                            colour.isValid() ? colour.value<QColor>() : headerText,
                                            UiStyle::sansFont(11, true), palette);
            return;
        }
        painter.fillRect(rect, gridColour);
        RezbaCellDelegate::paintCell(&painter, rect.adjusted(0, 0, -1, -1), model->index(row - 1, column - 1), false,
                                     palette);
    };
    return table;
}

QWidget* Tfrm_RezbTabl::cornerCell() const { return m_corner ? m_corner->button() : nullptr; }

void Tfrm_RezbTabl::setVisible(bool visible)
{
    if (visible && !isVisible())
        centreOverMainWindow();
    BuiltOnFirstShowing::setVisible(visible);
}

// Centred over the main window each time it is shown, its top-left corner kept on the screen.
void Tfrm_RezbTabl::centreOverMainWindow()
{
    if (QWidget* host = WindowPlacement::ownerWindow(this))
        WindowPlacement::centreOver(this, host->frameGeometry(), host);
}
