// Type-ahead in lists of designations. Designations differ by the case of their
// letter alone (h7 is a shaft, H7 a hole), so the case the user types comes first.
#pragma once

#include <string>
#include <vector>

namespace tolerance {

// The row that `typed` selects among `rows`, searching from row `start` onwards and
// round to the beginning: the first row that starts with `typed` in the case typed;
// if there is none, the first that starts with it in either case; -1 if none at all.
int typeAheadRow(const std::vector<std::string>& rows, const std::string& typed, int start);

} // namespace tolerance
