// Timing a figure beside its floor on a shared, noisy machine: the two run in alternation, so
// a neighbour's burst slows both, and what is reported is medians and their ratio. The clock is
// the thread's CPU time unless waiting is part of the figure: on a machine with more runnable
// work than cores, wall time charges a longer run with more of the other programs' turns.
#pragma once

#include <cstddef>
#include <ctime>
#include <vector>

namespace bench {

enum class Clock { CPU, WALL };

inline double nowMs(Clock clock = Clock::WALL) {
    timespec t;
    clock_gettime(clock == Clock::CPU ? CLOCK_THREAD_CPUTIME_ID : CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Milliseconds of many runs; percentiles by nearest rank.
class Samples {
public:
    void reserve(std::size_t n) { ms.reserve(n); }
    void add(double v) { ms.push_back(v); }
    std::size_t size() const { return ms.size(); }
    double median() const { return percentile(50); }
    double percentile(double p) const;

private:
    std::vector<double> ms;
};

struct Pair {
    Samples figure;
    Samples floor;
    double ratio() const { return figure.median() / floor.median(); }
};

// Runs figure and floor `rounds` times each, in alternation, after one untimed run of both.
template <class Figure, class Floor>
Pair sideBySide(int rounds, Figure&& figure, Floor&& floor, Clock clock = Clock::CPU) {
    Pair p;
    figure();
    floor();
    for (int i = 0; i < rounds; ++i) {
        double t = nowMs(clock);
        figure();
        p.figure.add(nowMs(clock) - t);
        t = nowMs(clock);
        floor();
        p.floor.add(nowMs(clock) - t);
    }
    return p;
}

// One line of the table scripts/bench prints: tab-separated after the word ROW, so the script
// can pick the rows out of whatever else a program writes. A negative floor or ratio is shown
// as "-"; `met` is "yes", "no" or "-" for a figure that is only reported.
void row(const char* what, const char* figure, const char* floor, double ratio, const char* target,
         const char* met);
// The common case: two medians in milliseconds and a ratio target.
void ratioRow(const char* what, const Pair& p, double maxRatio, const char* extraTarget = nullptr,
              bool extraMet = true);

} // namespace bench
