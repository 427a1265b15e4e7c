// What one step of a search through a puzzle's positions costs: copy a position, apply a
// move the level offers, and hash the result. The moves follow a fixed random walk.
#include <benchmark/benchmark.h>

#include <vector>

#include "rules/Random.h"
#include "rules/kolluk/KollukRules.h"
#include "rules/murvo/MurvoRules.h"
#include "rules/pluf/PlufRules.h"
#include "rules/zibbo/ZibboRules.h"

namespace {

using namespace spindora;

template <typename Position, typename Move>
void CopyApplyHash(benchmark::State& state, const Position& dealt, const std::vector<Move>& moves) {
    constexpr size_t kWalk = 4096;
    SeededRandom random(7);
    std::vector<Move> walk;
    for (size_t i = 0; i < kWalk; ++i) walk.push_back(moves[static_cast<size_t>(random.Random(static_cast<int>(moves.size())))]);
    Position positions[2] = {dealt, dealt};
    size_t step = 0;
    for (auto _ : state) {
        const Position& from = positions[step % 2];
        Position& to = positions[(step + 1) % 2];
        to = from;
        Apply(to, walk[step % kWalk]);
        benchmark::DoNotOptimize(Hash(to));
        ++step;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void BM_ZibboApplyHash(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    SeededRandom random(1);
    CopyApplyHash(state, zibbo::Deal(level, random), zibbo::Moves(level));
}
BENCHMARK(BM_ZibboApplyHash)->Arg(1)->Arg(9);

void BM_KollukApplyHash(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    SeededRandom random(1);
    CopyApplyHash(state, kolluk::Deal(level, random), kolluk::Moves());
}
BENCHMARK(BM_KollukApplyHash)->Arg(4);

void BM_PlufApplyHash(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    SeededRandom random(1);
    CopyApplyHash(state, pluf::Deal(level, 3, random).position, pluf::Moves(level));
}
BENCHMARK(BM_PlufApplyHash)->Arg(1)->Arg(4);

void BM_MurvoApplyHash(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    SeededRandom random(1);
    CopyApplyHash(state, murvo::Deal(level, random), murvo::Moves(level));
}
BENCHMARK(BM_MurvoApplyHash)->Arg(1)->Arg(10);

}  // namespace
