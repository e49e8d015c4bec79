// The field list of the tolerance page and its three filters: type and order,
// IT quality and fundamental-deviation letter.
#pragma once

#include <string>
#include <vector>

namespace tolerance {

// The items of the type box, in order.
enum TypeFilterItem : int {
    AllFieldsItem = 0,    // all fields in catalogue order
    ShaftsItem = 1,       // the shaft fields
    HolesItem = 2,        // the hole fields
    NonCriticalItem = 3,  // the fields of non-critical sizes (qualities 13 to 16)
    QualityOrderItem = 4, // all fields sorted by quality
};

// Selected items of the three filter boxes; -1 where a box has no selected item.
struct FilterState {
    int type = QualityOrderItem; // a TypeFilterItem
    int quality = 0; // 0 all, 1..10 qualities 6, 7, 8, 9, 11 ... 16
    int letter = 0;  // 0 all, 1..11 "G", "H", "JS", "K", "N", "R", "F", "S", "U", "D", "B"
};

// The items of the three boxes, in order.
std::vector<std::string> typeFilterItems();
std::vector<std::string> qualityFilterItems();
std::vector<std::string> letterFilterItems();

// FieldIndex standing at list position p (1..40) in the order the type box chooses.
int fieldAtPosition(int position, int typeItem);

bool TypeFilterPasses(int position, const FilterState& filter);
bool QualityFilterPasses(int position, const FilterState& filter);
bool LetterFilterPasses(int position, const FilterState& filter);
// Type, quality, letter in this order; stops at the first test that fails.
bool FieldPassesFilter(int position, const FilterState& filter);

struct FieldList {
    std::vector<std::string> rows; // designations in the order shown
    std::vector<int> ListRowMap;   // row -> FieldIndex
    int selectedRow = -1;          // see buildFieldList; -1 when empty
};

// The rows the filter passes. The selected row is the one of `keptField` (a FieldIndex)
// when the list holds it, so that a filter change keeps the user's field; otherwise
// row 0, or n div 2 when there are more than two rows.
FieldList buildFieldList(const FilterState& filter, int keptField = 0);

} // namespace tolerance
