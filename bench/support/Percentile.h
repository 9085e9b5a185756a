#pragma once
// The benchmarks' percentiles of timed samples (nearest rank).
#include <algorithm>
#include <vector>

namespace benchstats {

// The p-th percentile (0..1) of the samples; 0 without any.
inline double Percentile(std::vector<double> v, double p)
{
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, (size_t)(p * (double)(v.size() - 1) + 0.5))];
}

}  // namespace benchstats
