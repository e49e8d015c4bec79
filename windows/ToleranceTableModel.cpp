#include "ToleranceTableModel.h"

#include "FieldFilter.h"

#include <QFont>

#include "ToleranceTableCells.h"
#include "UiStyle.h"

namespace {

using Cell = ToleranceTableModel::Cell;
using tolerance_table::GridColumns;
using tolerance_table::GridRows;

QColor inkColour(tolerance_table::Ink ink)
{
    switch (ink) {
    case tolerance_table::Ink::Red: return UiStyle::Red;
    case tolerance_table::Ink::Green: return UiStyle::Green;
    case tolerance_table::Ink::Maroon: return UiStyle::Maroon;
    case tolerance_table::Ink::Blue: return UiStyle::Blue;
    case tolerance_table::Ink::Black: break;
    }
    return UiStyle::Black;
}

QColor fillColour(tolerance_table::Fill fill)
{
    switch (fill) {
    case tolerance_table::Fill::White: return UiStyle::White;
    case tolerance_table::Fill::PaleGreen: return UiStyle::PaleGreen;
    case tolerance_table::Fill::SkyBlue: return UiStyle::SkyBlue;
    case tolerance_table::Fill::Header: break;
    }
    return {};
}

Cell shownCell(int column, int row, tolerance_table::ColumnOrder order)
{
    const tolerance_table::Cell plain = tolerance_table::TableCell(column, row, order);
    Cell cell;
    cell.lines = {QString::fromStdString(plain.upper), QString::fromStdString(plain.lower)};
    cell.lineCount = plain.twoLines() ? 2 : 1;
    cell.textColour = inkColour(plain.ink);
    cell.bold = plain.bold;
    cell.fill = fillColour(plain.fill);
    cell.hint = QString::fromStdString(plain.hint);
    return cell;
}

} // namespace

ToleranceTableModel::ToleranceTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int ToleranceTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GridRows - tolerance_table::FixedRows;
}

int ToleranceTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GridColumns - tolerance_table::FixedColumns;
}

tolerance_table::ColumnOrder ToleranceTableModel::columnOrder() const
{
    return m_typeFilter == tolerance::QualityOrderItem ? tolerance_table::ColumnOrder::ByQuality
                                                       : tolerance_table::ColumnOrder::Catalogue;
}

void ToleranceTableModel::setTypeFilter(tolerance::TypeFilterItem item)
{
    if (item == m_typeFilter)
        return;
    m_typeFilter = item;
    followTypeFilter();
}

void ToleranceTableModel::followTypeFilter()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ToleranceTableModel::fieldOfColumn(int column) const
{
    return tolerance_table::FieldOfColumn(column, columnOrder());
}

QString ToleranceTableModel::copiedBlock(int top, int left, int bottom, int right) const
{
    return QString::fromStdString(tolerance_table::CopiedBlock(left + tolerance_table::FixedColumns,
                                                               top + tolerance_table::FixedRows,
                                                               right + tolerance_table::FixedColumns,
                                                               bottom + tolerance_table::FixedRows, columnOrder()));
}

const ToleranceTableModel::Cell& ToleranceTableModel::cell(int column, int row) const
{
    Q_ASSERT(column >= 0 && column < GridColumns && row >= 0 && row < GridRows);
    const tolerance_table::ColumnOrder order = columnOrder();
    std::vector<Cell>& cells = m_cells[order == tolerance_table::ColumnOrder::ByQuality ? 1 : 0];
    if (cells.empty()) {
        cells.reserve(std::size_t(GridRows) * GridColumns);
        for (int r = 0; r < GridRows; ++r)
            for (int c = 0; c < GridColumns; ++c)
                cells.push_back(shownCell(c, r, order));
    }
    return cells[std::size_t(row) * GridColumns + std::size_t(column)];
}

Qt::ItemFlags ToleranceTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant ToleranceTableModel::roleOf(const Cell& shown, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return shown.text();
    case Qt::ForegroundRole:
        return shown.textColour;
    case Qt::BackgroundRole:
        return shown.fill.isValid() ? QVariant(shown.fill) : QVariant();
    case Qt::FontRole:
        return UiStyle::sansFont(11, shown.bold);
    case Qt::ToolTipRole:
        return shown.hint.isEmpty() ? QVariant() : QVariant(shown.hint);
    default:
        return {};
    }
}

QVariant ToleranceTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    return roleOf(cell(index), role);
}

QVariant ToleranceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return {};
        if (role == OldDesignationRole)
            return cell(section + 1, 1).text();
        return roleOf(cell(section + 1, 0), role);
    }
    if (section < 0 || section >= rowCount())
        return {};
    return roleOf(cell(0, section + 2), role);
}
