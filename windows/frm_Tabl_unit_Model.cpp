#include "frm_Tabl_unit_Model.h"

#include <QComboBox>
#include <QFont>

#include "Data_Unit.h"
#include "NumberText.h"
#include "UiStyle.h"

namespace {

using Cell = ToleranceTableModel::Cell;

void setText(Cell& cell, const QString& text)
{
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    if (newline < 0) {
        cell.lines[0] = text;
        cell.lineCount = 1;
    } else {
        cell.lines[0] = text.left(newline);
        cell.lines[1] = text.mid(newline + 1);
        cell.lineCount = 2;
    }
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A deviation in micrometres in the general number text: "0", "-10", "4,5".
QString micrometres(double value)
{
    return fromStd(tolerance::generalNumberText(static_cast<long double>(value)));
}

QString signedMicrometres(double value)
{
    return value > 0 ? QStringLiteral("+") + micrometres(value) : micrometres(value);
}

constexpr int D11 = 16;

Cell deviationCell(int field, int row)
{
    const int range = row - 1;
    const Data_Unit::DeviationCell& deviation = Data_Unit::DeviationTable(field, range);
    Cell cell;
    if (!deviation.Present) {
        cell.fill = UiStyle::SkyBlue;
        cell.textColour = field == D11 && range == 1 ? UiStyle::Blue : UiStyle::Green;
        setText(cell, QStringLiteral("---"));
        return cell;
    }
    cell.fill = row % 2 == 0 ? UiStyle::White : UiStyle::PaleGreen;
    const double upper = deviation.UpperDeviation;
    const double lower = deviation.LowerDeviation;
    if (lower == -upper) {
        cell.textColour = UiStyle::Green;
        setText(cell, QStringLiteral("±") + micrometres(upper));
        return cell;
    }
    cell.textColour = upper > 0 ? UiStyle::Maroon : UiStyle::Blue;
    cell.lines = {signedMicrometres(upper), signedMicrometres(lower)};
    cell.lineCount = 2;
    return cell;
}

// FieldIndex shown in a column 1..40: catalogue order, or sorted by quality.
int fieldInOrder(int column, bool byQuality) { return byQuality ? Data_Unit::QualitySortOrder(column) : column; }

// The cell in grid coordinates with the columns in one order.
Cell makeCell(int column, int row, bool byQuality)
{
    Cell cell;
    cell.textColour = UiStyle::Black;
    if (column == 0) {
        if (row == 0) {
            setText(cell, QStringLiteral("Новое \nобозн."));
        } else if (row == 1) {
            cell.bold = false;
            setText(cell, QStringLiteral("Старое \nобозн."));
        } else {
            const Data_Unit::SizeRange& range = Data_Unit::SizeRangeTable(row - 1);
            setText(cell, QString::number(range.LowerBound) + QLatin1Char('-') + QString::number(range.UpperBound));
        }
        return cell;
    }
    const int field = fieldInOrder(column, byQuality);
    if (row == 0) {
        setText(cell, fromStd(Data_Unit::Designation(field)));
    } else if (row == 1) {
        cell.textColour = UiStyle::Red;
        cell.bold = false;
        setText(cell, fromStd(Data_Unit::OldDesignation(field)));
    } else {
        cell = deviationCell(field, row);
    }
    return cell;
}

} // namespace

ToleranceTableModel::ToleranceTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int ToleranceTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Rows; }
int ToleranceTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns; }

bool ToleranceTableModel::qualityOrder() const
{
    return m_typeFilter && m_typeFilter->currentIndex() == QualityOrderItem;
}

int ToleranceTableModel::fieldOfColumn(int column) const { return fieldInOrder(column, qualityOrder()); }

const ToleranceTableModel::Cell& ToleranceTableModel::cell(int column, int row) const
{
    Q_ASSERT(column >= 0 && column < Columns && row >= 0 && row < Rows);
    const bool byQuality = qualityOrder();
    std::vector<Cell>& cells = m_cells[byQuality ? 1 : 0];
    if (cells.empty()) {
        cells.reserve(std::size_t(Rows) * Columns);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c)
                cells.push_back(makeCell(c, r, byQuality));
    }
    return cells[std::size_t(row) * Columns + std::size_t(column)];
}

Qt::ItemFlags ToleranceTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0 || index.row() < 2)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant ToleranceTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Rows || index.column() >= Columns)
        return {};
    const Cell& shown = cell(index.column(), index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shown.text();
    case Qt::ForegroundRole:
        return shown.textColour;
    case Qt::BackgroundRole:
        return shown.fill.isValid() ? QVariant(shown.fill) : QVariant();
    case Qt::FontRole:
        return UiStyle::sansFont(11, shown.bold);
    default:
        return {};
    }
}
