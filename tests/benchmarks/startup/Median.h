#pragma once

#include <algorithm>
#include <vector>

// The middle of the figures of repeated runs, which one slow run does not move.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
