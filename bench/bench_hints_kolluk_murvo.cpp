// What a hint costs KOLLUK and MURVO: the whole search from each of 20 seeded deals per
// level, timed one by one. The counters give the median and the worst search, and how far the
// searches raised the process's peak resident memory (VmHWM) above what it held before.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "puzzles/Random.h"
#include "puzzles/kolluk/KollukSolver.h"
#include "puzzles/murvo/MurvoSolver.h"

namespace {

using namespace spindora;

constexpr int kDeals = 20;

// The process's peak resident memory in KiB; ResetPeak brings it down to the present one.
long PeakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

template <typename Deal, typename Solve>
void TimeHints(benchmark::State& state, Deal deal, Solve solve) {
    const int level = static_cast<int>(state.range(0));
    const std::atomic<bool> never{false};
    std::vector<double> ms;
    long raised = 0;
    for (auto _ : state) {
        ms.clear();
        ResetPeak();
        const long before = PeakKiB();
        for (int seed = 1; seed <= kDeals; ++seed) {
            SeededRandom random(static_cast<uint64_t>(seed));
            const auto position = deal(level, random);
            const auto start = std::chrono::steady_clock::now();
            const auto way = solve(position, level, never);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (!way) state.SkipWithError("a deal was not solved");
        }
        raised = PeakKiB() - before;
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = (ms[kDeals / 2 - 1] + ms[kDeals / 2]) / 2;
    state.counters["worst_ms"] = ms.back();
    state.counters["peak_MiB"] = static_cast<double>(raised) / 1024;
}

void BM_KollukHint(benchmark::State& state) { TimeHints(state, kolluk::Deal, kolluk::Solve); }
BENCHMARK(BM_KollukHint)->DenseRange(1, 4)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_MurvoHint(benchmark::State& state) { TimeHints(state, murvo::Deal, murvo::Solve); }
BENCHMARK(BM_MurvoHint)->DenseRange(1, 10)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
