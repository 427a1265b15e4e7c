// What a hint costs KOLLUK and MURVO: the whole search from each of 20 seeded deals per
// level, timed one by one. The counters give the median and the worst search, on the wall
// clock and in the processor time the search used (which other programs on a busy machine do
// not stretch), and how far the searches raised the process's peak resident memory (VmHWM)
// above what it held before. Then the memory of MURVO's level 1 search over 1,000 deals.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "bench/HintCost.h"
#include "rules/Random.h"
#include "rules/kolluk/KollukSolver.h"
#include "rules/murvo/MurvoSolver.h"

namespace {

using namespace spindora;

constexpr int kDeals = bench::kHintDeals;
using bench::PeakKiB;

// Brings the peak down to the present resident memory. Memory that earlier searches freed
// goes back to the system first, so that it does not hide what the next ones take.
void ResetPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double Ms(std::chrono::nanoseconds time) { return std::chrono::duration<double, std::milli>(time).count(); }
std::chrono::nanoseconds ThreadTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void Report(benchmark::State& state, const std::string& name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    state.counters[name + "median_ms"] = (ms[kDeals / 2 - 1] + ms[kDeals / 2]) / 2;
    state.counters[name + "worst_ms"] = ms.back();
}

template <typename Deal, typename Solve>
void TimeHints(benchmark::State& state, Deal deal, Solve solve) {
    const int level = static_cast<int>(state.range(0));
    const std::atomic<bool> never{false};
    std::vector<double> wall, cpu;
    long raised = 0;
    for (auto _ : state) {
        wall.clear();
        cpu.clear();
        ResetPeak();
        const long before = PeakKiB();
        for (int seed = 1; seed <= kDeals; ++seed) {
            SeededRandom random(static_cast<uint64_t>(seed));
            const auto position = deal(level, random);
            const auto start = std::chrono::steady_clock::now();
            const auto used = ThreadTime();
            const auto way = solve(position, level, never);
            cpu.push_back(Ms(ThreadTime() - used));
            wall.push_back(Ms(std::chrono::steady_clock::now() - start));
            if (!way) state.SkipWithError("a deal was not solved");
        }
        raised = PeakKiB() - before;
    }
    Report(state, "", wall);
    Report(state, "cpu_", cpu);
    state.counters["peak_MiB"] = static_cast<double>(raised) / 1024;
}

void BM_KollukHint(benchmark::State& state) { TimeHints(state, kolluk::Deal, kolluk::Solve); }
BENCHMARK(BM_KollukHint)->DenseRange(1, 4)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_MurvoHint(benchmark::State& state) {
    TimeHints(state, murvo::Deal, [](const murvo::Position& position, int level, const std::atomic<bool>& cancelled) {
        return murvo::Solve(position, level, cancelled);
    });
}
BENCHMARK(BM_MurvoHint)->DenseRange(1, 10)->Iterations(1)->Unit(benchmark::kMillisecond);

// MURVO's level 1 search from each of 1,000 seeded deals, each measured alone: worst_peak_MiB,
// the most one search raised the peak resident memory (VmHWM, brought down to the resident
// memory before each deal); worst_held_MiB, the most its exact search held by its own count;
// beam_deals, how many deals it left to the beam search for want of memory; and the median
// and worst time. Some minutes.
void BM_MurvoLevelOneMemory(benchmark::State& state) {
    constexpr int kManyDeals = 1000;
    const std::atomic<bool> never{false};
    std::vector<double> wall;
    long worstRise = 0;
    size_t worstHeld = 0;
    int beamDeals = 0;
    for (auto _ : state) {
        for (int seed = 1; seed <= kManyDeals; ++seed) {
            SeededRandom random(static_cast<uint64_t>(seed));
            const murvo::Position position = murvo::Deal(1, random);
            ResetPeak();
            const long before = PeakKiB();
            const auto start = std::chrono::steady_clock::now();
            murvo::SearchReport report;
            const auto way = murvo::Solve(position, 1, never, &report);
            wall.push_back(Ms(std::chrono::steady_clock::now() - start));
            worstRise = std::max(worstRise, PeakKiB() - before);
            worstHeld = std::max(worstHeld, report.peakBytes);
            beamDeals += !report.exact;
            if (!way) state.SkipWithError("a deal was not solved");
        }
    }
    std::sort(wall.begin(), wall.end());
    state.counters["deals"] = kManyDeals;
    state.counters["beam_deals"] = beamDeals;
    state.counters["worst_peak_MiB"] = static_cast<double>(worstRise) / 1024;
    state.counters["worst_held_MiB"] = static_cast<double>(worstHeld) / (1 << 20);
    state.counters["median_ms"] = (wall[wall.size() / 2 - 1] + wall[wall.size() / 2]) / 2;
    state.counters["worst_ms"] = wall.back();
}
BENCHMARK(BM_MurvoLevelOneMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
