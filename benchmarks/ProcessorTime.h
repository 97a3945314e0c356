#pragma once
// Processor time of the benchmark's own thread or process, for figures that
// count work rather than waiting.

#include "Median.h"

#include <ctime>

inline double processorMilliseconds(clockid_t clock = CLOCK_THREAD_CPUTIME_ID)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

template <typename Work> double medianProcessorMicroseconds(int runs, Work work)
{
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const double begun = processorMilliseconds();
        work();
        times.push_back((processorMilliseconds() - begun) * 1000);
    }
    return medianOf(std::move(times));
}
