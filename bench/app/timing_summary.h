#pragma once
// Order statistics of a set of timings, as the window benchmarks print them.

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace qv::bench {

// The value at fraction q (0 to 1) of the sorted samples, the nearest rank; 0 when empty.
inline double quantile(std::vector<double> samples, double q)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(rank, samples.size() - 1)];
}

inline double median(const std::vector<double>& samples)
{
    return quantile(samples, 0.5);
}

// One line: label, median, then the range the middle 80% spans, min and max, in ms.
inline void printSummary(std::string_view label, const std::vector<double>& ms)
{
    std::printf("  %-44.*s median %8.2f ms   p10 %8.2f  p90 %8.2f  min %8.2f  max %8.2f  (n=%zu)\n",
                static_cast<int>(label.size()), label.data(), median(ms), quantile(ms, 0.1),
                quantile(ms, 0.9), quantile(ms, 0.0), quantile(ms, 1.0), ms.size());
}

}  // namespace qv::bench
