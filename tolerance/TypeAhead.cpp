#include "TypeAhead.h"

namespace tolerance {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool startsWith(const std::string& row, const std::string& typed, bool caseSensitive)
{
    if (row.size() < typed.size())
        return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (caseSensitive ? row[i] != typed[i] : lower(row[i]) != lower(typed[i]))
            return false;
    return true;
}

} // namespace

int typeAheadRow(const std::vector<std::string>& rows, const std::string& typed, int start)
{
    const int count = int(rows.size());
    if (count == 0 || typed.empty())
        return -1;
    if (start < 0 || start >= count)
        start = 0;
    for (const bool caseSensitive : {true, false})
        for (int step = 0; step < count; ++step) {
            const int row = (start + step) % count;
            if (startsWith(rows[std::size_t(row)], typed, caseSensitive))
                return row;
        }
    return -1;
}

} // namespace tolerance
