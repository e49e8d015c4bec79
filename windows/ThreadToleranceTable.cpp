#include "ThreadToleranceTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "SheetView.h"
#include "ThreadToleranceTableModel.h"
#include "UiStyle.h"

namespace {

constexpr int RowHeight = 20;
constexpr int ThreadColumnWidth = 96;
constexpr int LimitColumnWidth = 74;
constexpr int ClientWidth = ThreadColumnWidth + 10 * LimitColumnWidth + 24;
constexpr int ClientHeight = 600;

} // namespace

ThreadToleranceTable::ThreadToleranceTable(QWidget* parent)
    : BuiltOnFirstShowing(parent)
{
    setObjectName(QStringLiteral("frm_RezbDopTabl"));
    setFont(UiStyle::sansFont(11));
    setSizeGripEnabled(true);
    resize(ClientWidth, ClientHeight);
    m_model = new ThreadToleranceTableModel(this);
}

void ThreadToleranceTable::setClasses(const iso965::ThreadClass& nut, const iso965::ThreadClass& bolt)
{
    if (m_model->rowCount() > 0 && m_model->nutClass() == QString::fromStdString(nut.name())
        && m_model->boltClass() == QString::fromStdString(bolt.name()))
        return;
    m_model->setClasses(nut, bolt);
    // The title names the PDF file too: no characters a file name cannot hold.
    setWindowTitle(tr("Предельные размеры резьб — гайка %1, болт %2 (мм)").arg(m_model->nutClass(), m_model->boltClass()));
}

void ThreadToleranceTable::buildControls()
{
    strgrd_RezbDop = new SheetView(this);
    strgrd_RezbDop->setObjectName(QStringLiteral("strgrd_RezbDop"));
    strgrd_RezbDop->setFont(UiStyle::sansFont(11));
    QHeaderView* rows = strgrd_RezbDop->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(RowHeight);
    rows->setDefaultSectionSize(RowHeight);
    rows->setFixedWidth(ThreadColumnWidth);
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView* columns = strgrd_RezbDop->horizontalHeader();
    columns->setDefaultSectionSize(LimitColumnWidth);
    columns->setFixedHeight(RowHeight + 4);
    strgrd_RezbDop->setModel(m_model);
    strgrd_RezbDop->setSelectionBehavior(QAbstractItemView::SelectRows);
    strgrd_RezbDop->setWordWrap(false);
    strgrd_RezbDop->setSheet([this] { return sheet(); });
    if (m_model->rowCount() > 0)
        strgrd_RezbDop->setCurrentIndex(m_model->index(0, 0));

    lb_RezbDopPodskazka = new QLabel(tr("Ctrl+C — копировать строки, Ctrl+P — печать, Ctrl+S — PDF; "
                                                    "прочерк — поле допуска для резьбы не установлено"),
                                     this);
    lb_RezbDopPodskazka->setObjectName(QStringLiteral("lb_RezbDopPodskazka"));
    lb_RezbDopPodskazka->setFont(UiStyle::sansFont(10));
    lb_RezbDopPodskazka->setContentsMargins(4, 2, 4, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strgrd_RezbDop, 1);
    layout->addWidget(lb_RezbDopPodskazka);
}

TableSheet ThreadToleranceTable::sheet() const
{
    TableSheet table;
    table.title = windowTitle();
    table.fixedRows = 1;
    table.fixedColumns = 1;
    table.columnWidths.push_back(ThreadColumnWidth);
    for (int column = 0; column < m_model->columnCount(); ++column)
        table.columnWidths.push_back(strgrd_RezbDop ? strgrd_RezbDop->columnWidth(column) : LimitColumnWidth);
    table.rowHeights.push_back(RowHeight + 4);
    for (int row = 0; row < m_model->rowCount(); ++row)
        table.rowHeights.push_back(RowHeight);
    const ThreadToleranceTableModel* model = m_model;
    const QColor header = UiStyle::buttonFace();
    table.paintCell = [model, header](QPainter& painter, const QRect& rect, int row, int column) {
        const bool fixed = row == 0 || column == 0;
        const QRect inside = rect.adjusted(0, 0, -1, -1);
        painter.fillRect(rect, QColor(160, 160, 160)); // the grid line on the right and at the bottom
        painter.fillRect(inside, fixed ? header : UiStyle::White);
        QString text;
        QColor colour = UiStyle::Black;
        QFont font = UiStyle::sansFont(11);
        Qt::Alignment alignment = Qt::AlignCenter;
        if (row == 0 && column == 0) {
            text = ThreadToleranceTableModel::cornerText();
        } else if (row == 0) {
            text = model->headerData(column - 1, Qt::Horizontal).toString();
            colour = model->headerData(column - 1, Qt::Horizontal, Qt::ForegroundRole).value<QColor>();
            font.setBold(true);
        } else if (column == 0) {
            text = model->headerData(row - 1, Qt::Vertical).toString();
            font = model->headerData(row - 1, Qt::Vertical, Qt::FontRole).value<QFont>();
            alignment = Qt::AlignLeft | Qt::AlignVCenter;
        } else {
            text = model->index(row - 1, column - 1).data().toString();
        }
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(inside.adjusted(4, 0, -4, 0), int(alignment), text);
    };
    return table;
}
