// Wall-clock timing of repeated runs for the benchmark.
#pragma once

#include <functional>
#include <vector>

// Seconds since an arbitrary start, from the high-resolution counter.
double NowSeconds();

// Runs each of the given jobs rounds times, interleaved (a, b, a, b, ...) so that a drift of
// the machine touches all of them alike; gives each job's median time in seconds.
std::vector<double> MedianTimes(const std::vector<std::function<void()>>& jobs, int rounds);

// The median of the given times.
double Median(std::vector<double> times);
