// A block of a table as text a spreadsheet splits into cells: a tab between
// cells, a line break after each row, the blanks around each cell's text dropped.
#pragma once

#include <string>
#include <vector>

namespace sheet_text {

using Row = std::vector<std::string>;

std::string tabText(const std::vector<Row>& rows);

} // namespace sheet_text
