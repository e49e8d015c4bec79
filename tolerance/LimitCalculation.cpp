#include "LimitCalculation.h"
#include "Translate.h"

#include "Data_Unit.h"
#include "Limits.h"
#include "NumberText.h"
#include "RefusalText.h"

namespace tolerance {

MeanAndRadius meanAndRadiusTexts(const Decimal& largest, const Decimal& smallest, Rounding rounding)
{
    const Decimal sum = largest + smallest;
    const Decimal mean = sum.half();
    const Decimal radius = sum.quarter();
    switch (rounding) {
    case Rounding::AsIs:
        return {generalNumberText(mean), generalNumberText(radius)};
    case Rounding::TwoDigits:
        return {fixedNumberText(mean, 2, 6), fixedNumberText(radius, 3, 6)};
    case Rounding::ThreeDigits:
        break;
    }
    return {fixedNumberText(mean, 3, 8), fixedNumberText(radius, 4, 8)};
}

DeviationText deviationText(const Decimal& deviationMm, DeviationUnit unit)
{
    const Decimal shown = unit == DeviationUnit::Micrometres ? deviationMm.scaled(3) : deviationMm;
    const bool positive = shown > Decimal{};
    const std::string number = generalNumberText(shown);
    return {positive ? "+" + number : number, positive};
}

Decimal micrometresToMm(double micrometres)
{
    return Decimal::fromDouble(micrometres).scaled(-3);
}

bool IsInsideTable(const Decimal& size)
{
    return size > Decimal{} && size <= Decimal{Data_Unit::SizeRangeTable(Data_Unit::RangeCount).UpperBound};
}

int FindRangeIndex(const Decimal& size)
{
    if (size == Decimal{1})
        return 2;
    for (int r = 1; r <= Data_Unit::RangeCount; ++r) {
        const Data_Unit::SizeRange& range = Data_Unit::SizeRangeTable(r);
        if (Decimal{range.LowerBound} < size && size <= Decimal{range.UpperBound})
            return r;
    }
    return 1;
}

std::string notInTableText(int fieldIndex, const Decimal& size)
{
    return i18n::arg(i18n::translate("tolerance", "%1 при Ø%2: в таблице нет, см. «Посадки»"),
                     {Data_Unit::Designation(fieldIndex), generalNumberText(size)});
}

TableResult computeFromTable(const std::optional<Decimal>& size, int fieldIndex, DeviationUnit unit, Rounding rounding)
{
    TableResult result;
    result.colour = Data_Unit::ColourCode(fieldIndex);
    result.statusText =
        i18n::arg(i18n::translate("tolerance", OldDesignationPattern), {Data_Unit::OldDesignation(fieldIndex)});
    if (!size)
        return result;
    const iso286::Limits iso = iso286::limitsOf(*size, Data_Unit::IsoClass(fieldIndex));
    Decimal upper;
    Decimal lower;
    if (*size <= Decimal{1}) {
        if (!iso.defined) {
            result.note = iso286::reasonText(iso.refusal);
            return result;
        }
        upper = iso.upper.scaled(-3);
        lower = iso.lower.scaled(-3);
    } else {
        const Data_Unit::DeviationCell* cell =
            IsInsideTable(*size) ? &Data_Unit::DeviationTable(fieldIndex, FindRangeIndex(*size)) : nullptr;
        if (!cell || !cell->Present) {
            result.note = iso.defined ? notInTableText(fieldIndex, *size) : iso286::reasonText(iso.refusal);
            return result;
        }
        upper = micrometresToMm(cell->UpperDeviation);
        lower = micrometresToMm(cell->LowerDeviation);
    }
    const Decimal largest = *size + upper;
    const Decimal smallest = *size + lower;
    // No part has a size of 0 or less (the engine has refused such a size above).
    if (!(smallest > Decimal{})) {
        result.note = iso286::reasonText(iso.refusal);
        return result;
    }
    result.hasData = true;
    result.note = iso286::js7Note(iso);
    result.upper = deviationText(upper, unit);
    result.lower = deviationText(lower, unit);
    result.largest = generalNumberText(largest);
    result.smallest = generalNumberText(smallest);
    result.meanAndRadius = meanAndRadiusTexts(largest, smallest, rounding);
    return result;
}

ManualResult computeManual(const std::optional<Decimal>& size, const std::optional<Decimal>& upper,
                           const std::optional<Decimal>& lower, DeviationUnit unit, Rounding rounding)
{
    const std::string noData = i18n::translate("tolerance", NoData);
    ManualResult result{noData, noData, {noData, noData}};
    if (!size)
        return result;
    const int unitPower = unit == DeviationUnit::Micrometres ? -3 : 0;
    std::optional<Decimal> largest;
    std::optional<Decimal> smallest;
    if (upper) {
        largest = *size + upper->scaled(unitPower);
        result.largest = generalNumberText(*largest);
    }
    if (lower) {
        smallest = *size + lower->scaled(unitPower);
        result.smallest = generalNumberText(*smallest);
    }
    if (largest && smallest)
        result.meanAndRadius = meanAndRadiusTexts(*largest, *smallest, rounding);
    return result;
}

Formulas formulaTexts(const Decimal& size, const Decimal& upper, const Decimal& lower, DeviationUnit unit)
{
    const int unitPower = unit == DeviationUnit::Micrometres ? -3 : 0;
    const Decimal upperMm = upper.scaled(unitPower);
    const Decimal lowerMm = lower.scaled(unitPower);
    // Each deviation carries its operator, so that a spreadsheet reads the sum.
    auto signedText = [](const Decimal& value) {
        const std::string number = generalNumberText(value);
        return value.isNegative() ? number : "+" + number;
    };
    const std::string body = "=(" + generalNumberText(size) + "+(" + signedText(upperMm) + " " + signedText(lowerMm) + ")/2)";
    return {body, body + "/2"};
}

} // namespace tolerance
