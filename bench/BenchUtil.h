#pragma once
// Small timing helpers shared by the benchmark sections: run a piece of
// work several times and keep the best or the median, and print results as
// "name value unit", one per line.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

// Durations in microseconds of `reps` runs of f.
template <class F>
std::vector<double> TimeRuns(int reps, F&& f)
{
    std::vector<double> us;
    us.reserve(static_cast<std::size_t>(reps));
    for (int k = 0; k < reps; ++k) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const auto t1 = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    return us;
}

inline double Best(std::vector<double> v) { return *std::min_element(v.begin(), v.end()); }

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline void Report(const char* name, double value, const char* unit)
{
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

inline void Report(const char* name, long long value, const char* unit)
{
    std::printf("%s %lld %s\n", name, value, unit);
    std::fflush(stdout);
}

// Keeps results alive so the optimiser cannot drop the measured work.
inline volatile long long g_sink = 0;

} // namespace bench
