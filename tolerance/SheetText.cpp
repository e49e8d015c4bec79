#include "SheetText.h"

namespace sheet_text {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

} // namespace

std::string tabText(const std::vector<Row>& rows)
{
    std::string text;
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += '\t';
            text += trimmed(row[i]);
        }
        text += '\n';
    }
    return text;
}

} // namespace sheet_text
