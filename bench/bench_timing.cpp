// Wall-clock timing of repeated runs for the benchmark.
#include "bench_timing.h"

#include <windows.h>

#include <algorithm>

double NowSeconds() {
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::vector<double> MedianTimes(const std::vector<std::function<void()>>& jobs, int rounds) {
    std::vector<std::vector<double>> times(jobs.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t j = 0; j < jobs.size(); ++j) {
            const double start = NowSeconds();
            jobs[j]();
            times[j].push_back(NowSeconds() - start);
        }
    }
    std::vector<double> medians;
    for (auto& t : times)
        medians.push_back(Median(t));
    return medians;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}
