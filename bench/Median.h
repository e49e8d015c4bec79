// The median of a set of figures (of an even count, the mean of the middle two).
#pragma once

#include <algorithm>
#include <vector>

inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
