#include "ThreadSelection.h"
#include "Translate.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "NumberText.h"
#include "Rezba_Data_Unit.h"
#include "SheetText.h"

namespace thread_calc {

using Rezba_Data_Unit::ThreadHoleTable;
using Rezba_Data_Unit::PitchType;
using Rezba_Data_Unit::ThreadRowCount;

namespace {

std::string numberText(double value) { return number::generalNumberText(static_cast<long double>(value)); }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive text order, as a sorted drop-down list orders its items.
bool textLess(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
}

} // namespace

std::vector<DiameterItem> DiameterList()
{
    std::vector<DiameterItem> items;
    const double first = ThreadHoleTable(1).NominalDiameter;
    items.push_back({numberText(first), first});
    for (int k = 1; k < ThreadRowCount; ++k) {
        const double next = ThreadHoleTable(k + 1).NominalDiameter;
        if (next != ThreadHoleTable(k).NominalDiameter)
            items.push_back({numberText(next), next});
    }
    return items;
}

int DefaultDiameterPosition(int count) { return count / 2; }

std::vector<PitchItem> PitchList(double diameter)
{
    std::vector<PitchItem> items;
    for (int k = 1; k <= ThreadRowCount; ++k) {
        const auto& row = ThreadHoleTable(k);
        if (row.NominalDiameter == diameter)
            items.push_back({numberText(row.Pitch), k});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const PitchItem& a, const PitchItem& b) { return textLess(a.text, b.text); });
    return items;
}

int DefaultPitchPosition(const std::vector<PitchItem>& items)
{
    int selected = -1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (IsCoarsePitch(items[static_cast<std::size_t>(i)].threadIndex))
            selected = i;
    if (selected < 0 && !items.empty())
        selected = static_cast<int>(items.size()) / 2;
    return selected;
}

ThreadHoleTexts ShowThreadHole(int threadIndex)
{
    const auto& row = ThreadHoleTable(threadIndex);
    ThreadHoleTexts texts;
    texts.kindCaption = row.PitchKind == PitchType::Coarse ? i18n::translate("thread", "ОСНОВНАЯ РЕЗЬБА")
                                                           : i18n::translate("thread", "Резьба с мелким шагом");
    texts.holeDiameter = numberText(row.HoleDiameter);
    texts.holeTolerance = "+" + numberText(row.HoleTolerance);
    texts.midDiameter = numberText(row.HoleDiameter + row.HoleTolerance / 2);
    texts.status = i18n::arg(i18n::translate("thread", "M%1×%2: отверстие %3 %4"),
                             {numberText(row.NominalDiameter), numberText(row.Pitch), texts.holeDiameter,
                              texts.holeTolerance});
    return texts;
}

TableLine TableHeader()
{
    return {" " + i18n::translate("thread", "№"), " " + i18n::translate("thread", "Номиин. диам. резьбы d"),
            " " + i18n::translate("thread", "Шаг резьбы S"), " " + i18n::translate("thread", "Диам. отв. под резьбу d0"),
            " " + i18n::translate("thread", "Допуск на отв."), " " + i18n::translate("thread", "Параметр")};
}

TableLine TableRow(int threadIndex)
{
    const auto& row = ThreadHoleTable(threadIndex);
    TableLine line;
    line[0] = " " + std::to_string(threadIndex);
    line[1] = " " + numberText(row.NominalDiameter);
    line[2] = " " + numberText(row.Pitch);
    line[3] = " " + numberText(row.HoleDiameter);
    line[4] = " " + numberText(row.HoleTolerance);
    line[5] = (row.PitchKind == PitchType::Coarse ? i18n::translate("thread", "Основная резьба")
                                                  : i18n::translate("thread", "Резьба с мелким шагом")) + " ";
    return line;
}

std::string CopiedRows(int first, int last)
{
    std::vector<sheet_text::Row> rows;
    if (last > first) {
        const TableLine header = TableHeader();
        rows.emplace_back(header.begin(), header.end());
    }
    for (int threadIndex = first; threadIndex <= last; ++threadIndex) {
        const TableLine line = TableRow(threadIndex);
        rows.emplace_back(line.begin(), line.end());
    }
    return sheet_text::tabText(rows);
}

bool IsCoarsePitch(int threadIndex) { return ThreadHoleTable(threadIndex).PitchKind == PitchType::Coarse; }

bool IsShadedBand(int threadIndex)
{
    const long long band = std::llround(ThreadHoleTable(threadIndex).Band);
    return band % 2 == 0;
}

} // namespace thread_calc
