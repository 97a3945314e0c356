#pragma once
// Benchmarks print medians over many runs; they never pass or fail.

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

inline double medianOf(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

template <typename Work> double medianMicroseconds(int runs, Work work)
{
    std::vector<double> times;
    times.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return medianOf(std::move(times));
}

inline void report(const char *what, int runs, double median)
{
    std::printf("%-52s median %10.1f us over %d runs\n", what, median, runs);
}
