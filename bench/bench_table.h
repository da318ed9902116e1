// The one table that `make bench` prints: each row a measurement of VELD beside a baseline
// measured in the same run, and their ratio.
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

inline void printBenchRow(const char *measurement, double veld, double baseline, const char *unit,
                          const char *baselineName) {
    // A baseline of next to nothing (an idle bare window) is counted as one unit.
    const double ratio = veld / std::max(baseline, 1.0);
    std::printf("| %-40s | %9.1f %-3s | %9.1f %-3s | %-24s | %7.2f |\n", measurement, veld, unit,
                baseline, unit, baselineName, ratio);
    std::fflush(stdout);
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}
