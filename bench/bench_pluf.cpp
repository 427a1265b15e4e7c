// How long PLUF takes to draw one plate and to paint its whole board. A turn draws four
// phases around 90 ms of waiting, so drawing must stay far below a millisecond. The
// program's main() with its application object is in bench_zibbo.cpp.
#include <benchmark/benchmark.h>

#include "BenchHost.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/pluf/PlufSheetPainter.h"

namespace {

using namespace spindora;

// The sheet is painted once; every host shares it.
const QImage& Sheet() {
    static const QImage sheet = pluf::PaintPlufSheet(bench::Scale());
    return sheet;
}

// Level 4 with six colours: the most plates and buttons there are.
struct LevelFourHost : bench::BenchHost {
    LevelFourHost() : BenchHost(Sheet()) {
        levels_.dmode = 4;
        levels_.pmode = 5;
    }
};

void BM_PlufDrawPlate(benchmark::State& state) {
    LevelFourHost host;
    pluf::Pluf puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    int phase = 0;
    for (auto _ : state) {
        puzzle.DrawPlate(2, phase);
        phase = (phase + 1) % pluf::kPhases;
    }
}
BENCHMARK(BM_PlufDrawPlate)->Unit(benchmark::kMicrosecond);

void BM_PlufPaintBoardLevel4(benchmark::State& state) {
    LevelFourHost host;
    pluf::Pluf puzzle(host);
    puzzle.NewBoard();
    for (auto _ : state) puzzle.PaintBoard();
}
BENCHMARK(BM_PlufPaintBoardLevel4)->Unit(benchmark::kMicrosecond);

void BM_PlufNewBoardLevel4(benchmark::State& state) {
    LevelFourHost host;
    pluf::Pluf puzzle(host);
    for (auto _ : state) puzzle.NewBoard();
}
BENCHMARK(BM_PlufNewBoardLevel4)->Unit(benchmark::kMicrosecond);

}  // namespace
