#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Milliseconds of one piece of work, and the figures the frame benchmarks report.
namespace frame_timing {

template <class Work>
double msOf(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

inline double minimum(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

}  // namespace frame_timing
