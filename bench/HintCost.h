#pragma once
// What a hint costs: the search from each of 20 seeded deals of a level, one deal a
// repetition, so that the rows read `_median` and `_worst` over the deals. A level's
// first search pays for whatever its puzzle keeps per level. peak_MiB: how far the
// process's peak memory has risen since the first hint was timed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace spindora::bench {

inline constexpr int kHintDeals = 20;

// The process's peak resident memory so far (VmHWM), in KiB.
inline long PeakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

inline double Worst(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

// Times the search from deal `next`, made by `deal(next)`, and moves `next` on to the
// following deal.
template <typename Deal, typename Solve>
void TimeHint(benchmark::State& state, int& next, Deal deal, Solve solve) {
    static const long peakAtStart = PeakKiB();
    const auto position = deal(next);
    next = (next + 1) % kHintDeals;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(solve(position));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["peak_MiB"] = static_cast<double>(PeakKiB() - peakAtStart) / 1024;
}

// Each row once per deal, reported as the deals' mean, median, spread and worst.
inline void OverDeals(benchmark::internal::Benchmark* row) {
    row->Iterations(1)
        ->Repetitions(kHintDeals)
        ->UseManualTime()
        ->ReportAggregatesOnly()
        ->ComputeStatistics("worst", Worst)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace spindora::bench
