#include "frm_Tabl_unit_Model.h"

#include <QComboBox>
#include <QFont>

#include "Data_Unit.h"
#include "NumberText.h"
#include "UiStyle.h"

namespace {

enum class Weight { Bold, Normal };

struct Cell {
    QString text;
    QColor textColour;
    Weight weight = Weight::Bold;
    QColor fill; // invalid for header cells
};

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
        cell.text = QStringLiteral("---");
        return cell;
    }
    cell.fill = row % 2 == 0 ? UiStyle::White : UiStyle::PaleGreen;
    const double upper = deviation.UpperDeviation;
    const double lower = deviation.LowerDeviation;
    if (lower == -upper) {
        cell.textColour = UiStyle::Green;
        cell.text = QStringLiteral("±") + micrometres(upper);
        return cell;
    }
    cell.textColour = upper > 0 ? UiStyle::Maroon : UiStyle::Blue;
    cell.text = signedMicrometres(upper) + QLatin1Char('\n') + signedMicrometres(lower);
    return cell;
}

} // namespace

ToleranceTableModel::ToleranceTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int ToleranceTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Rows; }
int ToleranceTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns; }

int ToleranceTableModel::fieldOfColumn(int column) const
{
    if (m_typeFilter && m_typeFilter->currentIndex() == QualityOrderItem)
        return Data_Unit::QualitySortOrder(column);
    return column;
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
    const int column = index.column();
    const int row = index.row();

    Cell cell;
    cell.textColour = UiStyle::Black;
    if (column == 0) {
        if (row == 0) {
            cell.text = QStringLiteral("Новое \nобозн.");
        } else if (row == 1) {
            cell.weight = Weight::Normal;
            cell.text = QStringLiteral("Старое \nобозн.");
        } else {
            const Data_Unit::SizeRange& range = Data_Unit::SizeRangeTable(row - 1);
            cell.text = QString::number(range.LowerBound) + QLatin1Char('-') + QString::number(range.UpperBound);
        }
    } else {
        const int field = fieldOfColumn(column);
        if (row == 0) {
            cell.text = fromStd(Data_Unit::Designation(field));
        } else if (row == 1) {
            cell.textColour = UiStyle::Red;
            cell.weight = Weight::Normal;
            cell.text = fromStd(Data_Unit::OldDesignation(field));
        } else {
            cell = deviationCell(field, row);
        }
    }

    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::ForegroundRole:
        return cell.textColour;
    case Qt::BackgroundRole:
        return cell.fill.isValid() ? QVariant(cell.fill) : QVariant();
    case Qt::FontRole:
        return UiStyle::sansFont(11, cell.weight == Weight::Bold);
    default:
        return {};
    }
}
