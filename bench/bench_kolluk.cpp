// What a KOLLUK roll costs: one animation frame, a whole board paint, and a whole roll with
// its ten real 30 ms waits on a real offscreen window.
#include <benchmark/benchmark.h>

#include "BenchHost.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/kolluk/KollukSheetPainter.h"

namespace {

using namespace spindora;

// A dealt board, painted once, shown off-screen or on a window's board.
struct DealtBoard {
    explicit DealtBoard(BoardBox* shown = nullptr) : host(Sheet(), shown), puzzle(host) {
        puzzle.NewBoard();
        puzzle.PaintBoard();
    }
    static const QImage& Sheet() {
        static const QImage sheet = kolluk::PaintKollukSheet(bench::Scale());
        return sheet;
    }
    bench::BenchHost host;
    kolluk::Kolluk puzzle;
};

// Compose the ring's 152 x 172 rectangle in OffScreen and show it: the work of one frame.
void TimeFrames(benchmark::State& state, BoardBox* shown) {
    DealtBoard dealt(shown);
    int frame = 0;
    for (auto _ : state) dealt.puzzle.DrawRollFrame(1, true, frame++ % 10 + 1);
}

void BM_KollukRollFrame(benchmark::State& state) { TimeFrames(state, nullptr); }
BENCHMARK(BM_KollukRollFrame)->Unit(benchmark::kMicrosecond);

void BM_KollukRollFrameOnWindow(benchmark::State& state) {
    bench::WindowBoard shown;
    TimeFrames(state, shown.board);
}
BENCHMARK(BM_KollukRollFrameOnWindow)->Unit(benchmark::kMicrosecond);

void BM_KollukPaintBoard(benchmark::State& state) {
    DealtBoard dealt;
    for (auto _ : state) dealt.puzzle.PaintBoard();
}
BENCHMARK(BM_KollukPaintBoard)->Unit(benchmark::kMicrosecond);

// A press as the player makes it: ten frames shown on a window, each followed by 30 ms.
void BM_KollukRollOnWindow(benchmark::State& state) {
    bench::WindowBoard shown;
    DealtBoard dealt(shown.board);
    dealt.host.realWaits = true;
    for (auto _ : state) dealt.puzzle.BoardMouseDown(207, 112, MouseButton::Right);
}
BENCHMARK(BM_KollukRollOnWindow)->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_KollukNewBoard(benchmark::State& state) {
    DealtBoard dealt;
    for (auto _ : state) dealt.puzzle.NewBoard();
}
BENCHMARK(BM_KollukNewBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
