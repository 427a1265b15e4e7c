// The cost of a ZIBBO and a PLUF hint over 20 seeded deals per level (see HintCost.h).
// PLUF runs every level at colour settings 1 and 5: two colours and six.
#include <atomic>

#include "bench/HintCost.h"
#include "rules/Random.h"
#include "rules/pluf/PlufSolver.h"
#include "rules/zibbo/ZibboSolver.h"

namespace {

using namespace spindora;
const std::atomic<bool> kGoOn{false};

void BM_ZibboHint(benchmark::State& state) {
    static int next = 0;
    const int level = static_cast<int>(state.range(0));
    bench::TimeHint(
        state, next,
        [level](int deal) {
            SeededRandom random(static_cast<uint64_t>(100 * level + deal));
            return zibbo::Deal(level, random);
        },
        [level](const zibbo::Position& position) { return zibbo::Solve(position, level, kGoOn); });
}
BENCHMARK(BM_ZibboHint)->DenseRange(1, 9)->ArgName("level")->Apply(bench::OverDeals);

void BM_PlufHint(benchmark::State& state) {
    static int next = 0;
    const int level = static_cast<int>(state.range(0)), colourSetting = static_cast<int>(state.range(1));
    bench::TimeHint(
        state, next,
        [level, colourSetting](int deal) {
            SeededRandom random(static_cast<uint64_t>(100 * level + deal));
            return pluf::Deal(level, colourSetting, random).position;
        },
        [level](const pluf::Position& position) { return pluf::Solve(position, level, kGoOn); });
}
BENCHMARK(BM_PlufHint)
    ->ArgsProduct({{1, 2, 3, 4}, {1, 5}})
    ->ArgNames({"level", "colour_setting"})
    ->Apply(bench::OverDeals);

}  // namespace
