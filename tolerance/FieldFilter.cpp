#include "FieldFilter.h"
#include "Translate.h"

#include "Data_Unit.h"

namespace tolerance {

namespace {

constexpr int ShaftLast = 19;
constexpr int HoleLast = 28;

// Quality of each item of the quality box (item 0 accepts any).
constexpr int QualityOfItem[] = {0, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};

// Letters each item of the letter box stands for. An item selects every field
// of its letter in either case: "K" selects the shaft k6 and the hole K7.
const std::vector<std::string>& letterOfItem()
{
    static const std::vector<std::string> letters = {"", "g", "h", "js", "k", "n", "r", "f", "s", "u", "d", "b"};
    return letters;
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

} // namespace

std::vector<std::string> typeFilterItems()
{
    return {
        i18n::translate("tolerance", "ВСЕ (без сортировки)"),
        i18n::translate("tolerance", "ВАЛ"),
        i18n::translate("tolerance", "отверстие"),
        i18n::translate("tolerance", "неотв. р-р"),
        i18n::translate("tolerance", "ВСЕ (сортировка по квалитету)"),
    };
}

std::vector<std::string> qualityFilterItems()
{
    return {i18n::translate("tolerance", "ВСЕ"), "6", "7", "8", "9", "11", "12", "13", "14", "15", "16"};
}

std::vector<std::string> letterFilterItems()
{
    return {i18n::translate("tolerance", "ВСЕ"), "G", "H", "JS", "K", "N", "R", "F", "S", "U", "D", "B"};
}

int fieldAtPosition(int position, int typeItem)
{
    return typeItem == QualityOrderItem ? Data_Unit::QualitySortOrder(position) : position;
}

bool TypeFilterPasses(int position, const FilterState& filter)
{
    switch (filter.type) {
    case AllFieldsItem:
    case QualityOrderItem:
        return position >= 1 && position <= Data_Unit::FieldCount;
    case ShaftsItem:
        return position >= 1 && position <= ShaftLast;
    case HolesItem:
        return position > ShaftLast && position <= HoleLast;
    case NonCriticalItem:
        return position > HoleLast && position <= Data_Unit::FieldCount;
    default:
        return false;
    }
}

bool QualityFilterPasses(int position, const FilterState& filter)
{
    if (filter.quality < 0 || filter.quality >= int(std::size(QualityOfItem)))
        return false;
    if (filter.quality == 0)
        return true;
    const int field = fieldAtPosition(position, filter.type);
    return Data_Unit::FieldCatalogue(field).Quality == QualityOfItem[filter.quality];
}

bool LetterFilterPasses(int position, const FilterState& filter)
{
    const auto& letters = letterOfItem();
    if (filter.letter < 0 || filter.letter >= int(letters.size()))
        return false;
    if (filter.letter == 0)
        return true;
    const std::string& letter = Data_Unit::FieldCatalogue(fieldAtPosition(position, filter.type)).Letter;
    return lowerCase(letter) == letters[std::size_t(filter.letter)];
}

bool FieldPassesFilter(int position, const FilterState& filter)
{
    return TypeFilterPasses(position, filter) && QualityFilterPasses(position, filter)
        && LetterFilterPasses(position, filter);
}

FieldList buildFieldList(const FilterState& filter, int keptField)
{
    FieldList list;
    if (filter.type < 0)
        return list;
    for (int p = 1; p <= Data_Unit::FieldCount; ++p) {
        if (!FieldPassesFilter(p, filter))
            continue;
        const int field = fieldAtPosition(p, filter.type);
        list.rows.push_back(Data_Unit::Designation(field));
        list.ListRowMap.push_back(field);
    }
    const int n = int(list.rows.size());
    for (int row = 0; row < n; ++row)
        if (list.ListRowMap[std::size_t(row)] == keptField) {
            list.selectedRow = row;
            return list;
        }
    if (n > 0)
        list.selectedRow = n > 2 ? n / 2 : 0;
    return list;
}

} // namespace tolerance
