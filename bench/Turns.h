// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// Ours and its floor measured in turns in one process: round after round, a batch of calls of
// one side and then the same batch of the other, the side that goes first changing every round.
// A busy machine, a warm cache or a frequency change then moves both sides of a round alike,
// and the median of the rounds' ratios is what the `ratio` counter reports.

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace bench {

// This thread's processor time in nanoseconds: the other work on the machine does not count.
inline double threadNanos() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

// Processor time of the finished child processes so far, in nanoseconds: what the programs a
// benchmark starts cost.
inline double childCpuNanos() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto nanos = [](const timeval& t) {
        return double(t.tv_sec) * 1e9 + double(t.tv_usec) * 1e3;
    };
    return nanos(usage.ru_utime) + nanos(usage.ru_stime);
}

struct Turns {
    double ratio = 0; // median over the rounds of ours / floor
    double ours = 0;  // median nanoseconds of one call of ours
    double floor = 0; // median nanoseconds of one call of the floor
};

inline double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

namespace detail {

template <class Timed, class Ours, class Floor>
Turns alternate(int rounds, Timed timed, Ours& ours, Floor& floor) {
    std::vector<double> oursTimes, floorTimes, ratios;
    for (int round = 0; round < rounds; ++round) {
        double o = 0, f = 0;
        if (round % 2) {
            f = timed(floor);
            o = timed(ours);
        } else {
            o = timed(ours);
            f = timed(floor);
        }
        oursTimes.push_back(o);
        floorTimes.push_back(f);
        ratios.push_back(f > 0 ? o / f : 0);
    }
    return {median(ratios), median(oursTimes), median(floorTimes)};
}

} // namespace detail

// `rounds` rounds of `calls` calls of each side, timed with `clock` (nanoseconds: this thread's
// processor time, or the children's for programs that are started).
template <class Clock, class Ours, class Floor>
Turns alternate(int rounds, int calls, Clock clock, Ours ours, Floor floor) {
    return detail::alternate(
        rounds,
        [&](auto& side) {
            const double start = clock();
            for (int i = 0; i < calls; ++i)
                side();
            return (clock() - start) / double(calls);
        },
        ours, floor);
}

// `rounds` rounds of one call of each side, `before` run ahead of each call off the clock.
template <class Clock, class Ours, class Floor, class Before>
Turns alternate(int rounds, Clock clock, Ours ours, Floor floor, Before before) {
    return detail::alternate(
        rounds,
        [&](auto& side) {
            before();
            const double start = clock();
            side();
            return clock() - start;
        },
        ours, floor);
}

// The benchmark's figures: its time is ours per call (the benchmark runs with manual time and
// one iteration), `floor_us` the floor's, `ratio` the median ratio.
inline void report(benchmark::State& state, const Turns& turns) {
    state.SetIterationTime(turns.ours / 1e9);
    state.counters["floor_us"] = turns.floor / 1e3;
    state.counters["ratio"] = turns.ratio;
}

} // namespace bench
