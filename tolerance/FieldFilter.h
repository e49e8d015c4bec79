// The field list of the tolerance page and its three filters: type and order,
// IT quality and fundamental-deviation letter.
#pragma once

#include <string>
#include <vector>

namespace tolerance {

// Selected items of the three filter boxes; -1 where a box has no selected item.
struct FilterState {
    int type = 4;    // 0 all unsorted, 1 shafts, 2 holes, 3 non-critical sizes, 4 all sorted by quality
    int quality = 0; // 0 all, 1..10 qualities 6, 7, 8, 9, 11 ... 16
    int letter = 0;  // 0 all, 1..11 "G", "H", "JS", "K", "N", "R", "F", "S", "U", "D", "B"
};

inline constexpr int QualityOrderItem = 4;

// The items of the three boxes, in order.
const std::vector<std::string>& typeFilterItems();
const std::vector<std::string>& qualityFilterItems();
const std::vector<std::string>& letterFilterItems();

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
    int selectedRow = -1;          // row 0, or n div 2 when there are more than two rows; -1 when empty
};

FieldList buildFieldList(const FilterState& filter);

} // namespace tolerance
