#include "ToleranceTableCells.h"
#include "Translate.h"

#include "Data_Unit.h"
#include "FieldFilter.h"
#include "Limits.h"
#include "NumberText.h"
#include "SheetText.h"
#include "Translate.h"

namespace tolerance_table {

namespace {

// A deviation in micrometres in the general number text: "0", "-10", "4,5".
std::string micrometres(double value) { return number::generalNumberText(static_cast<long double>(value)); }

std::string signedMicrometres(double value)
{
    return value > 0 ? std::string("+").append(micrometres(value)) : micrometres(value);
}

Cell deviationCell(int field, int row)
{
    const int range = row - 1;
    const Data_Unit::DeviationCell& deviation = Data_Unit::DeviationTable(field, range);
    Cell cell;
    if (!deviation.Present) {
        cell.fill = Fill::SkyBlue;
        cell.ink = Ink::Green;
        cell.upper = "---";
        return cell;
    }
    cell.fill = row % 2 == 0 ? Fill::White : Fill::PaleGreen;
    const double upper = deviation.UpperDeviation;
    const double lower = deviation.LowerDeviation;
    if (lower == -upper) {
        cell.ink = Ink::Green;
        cell.upper = std::string("±").append(micrometres(upper));
        const number::Decimal top{Data_Unit::SizeRangeTable(range).UpperBound};
        cell.hint = iso286::js7Note(iso286::limitsOf(top, Data_Unit::IsoClass(field)));
        return cell;
    }
    cell.ink = upper > 0 ? Ink::Maroon : Ink::Blue;
    cell.upper = signedMicrometres(upper);
    cell.lower = signedMicrometres(lower);
    return cell;
}

} // namespace

int FieldOfColumn(int column, ColumnOrder order)
{
    return tolerance::fieldAtPosition(column, order == ColumnOrder::ByQuality ? tolerance::QualityOrderItem : tolerance::AllFieldsItem);
}

Cell TableCell(int column, int row, ColumnOrder order)
{
    Cell cell;
    if (column == 0) {
        if (row == 0) {
            cell.upper = i18n::translate("tolerance", "Новое ");
            cell.lower = i18n::translate("tolerance", "обозн.");
        } else if (row == 1) {
            cell.bold = false;
            cell.upper = i18n::translate("tolerance", "Старое ");
            cell.lower = i18n::translate("tolerance", "обозн.");
        } else {
            const Data_Unit::SizeRange& range = Data_Unit::SizeRangeTable(row - 1);
            cell.upper = std::to_string(range.LowerBound).append("-").append(std::to_string(range.UpperBound));
        }
        return cell;
    }
    const int field = FieldOfColumn(column, order);
    if (row == 0) {
        cell.upper = Data_Unit::Designation(field);
    } else if (row == 1) {
        cell.ink = Ink::Red;
        cell.bold = false;
        cell.upper = Data_Unit::OldDesignation(field);
    } else {
        cell = deviationCell(field, row);
    }
    return cell;
}

std::string CopiedBlock(int left, int top, int right, int bottom, ColumnOrder order)
{
    if (left == right && top == bottom) {
        const Cell cell = TableCell(left, top, order);
        return sheet_text::tabText({{cell.twoLines() ? cell.upper + " / " + cell.lower : cell.upper}});
    }
    auto heading = [&](int row) {
        const Cell corner = TableCell(0, row, order);
        sheet_text::Row line{corner.upper + corner.lower};
        for (int column = left; column <= right; ++column)
            line.insert(line.end(), {TableCell(column, row, order).upper, ""});
        return line;
    };
    std::vector<sheet_text::Row> rows{heading(0), heading(1)};
    sheet_text::Row names{i18n::translate("tolerance_table", "мкм")};
    for (int column = left; column <= right; ++column) {
        const bool hole = Data_Unit::IsoClass(FieldOfColumn(column, order)).kind == iso286::Kind::Hole;
        names.insert(names.end(), {hole ? "ES" : "es", hole ? "EI" : "ei"});
    }
    rows.push_back(names);
    for (int row = top; row <= bottom; ++row) {
        sheet_text::Row line{TableCell(0, row, order).upper};
        for (int column = left; column <= right; ++column) {
            const Data_Unit::DeviationCell& deviation = Data_Unit::DeviationTable(FieldOfColumn(column, order), row - 1);
            if (deviation.Present)
                line.insert(line.end(), {signedMicrometres(deviation.UpperDeviation),
                                         signedMicrometres(deviation.LowerDeviation)});
            else
                line.insert(line.end(), {"", ""});
        }
        rows.push_back(line);
    }
    return sheet_text::tabText(rows);
}

} // namespace tolerance_table
