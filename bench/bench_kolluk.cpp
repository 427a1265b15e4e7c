// What a KOLLUK roll costs: one animation frame, a whole board paint, and a whole roll with
// its ten real 30 ms waits on a real offscreen window.
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BenchHost.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/kolluk/KollukSheetPainter.h"
#include "shell/BoardWidget.h"

namespace {

using namespace spindora;

const QImage& Sheet() {
    static const QImage sheet = kolluk::PaintKollukSheet();
    return sheet;
}

// Compose the ring's 152 x 172 rectangle in OffScreen and show it: the work of one frame.
void BM_KollukRollFrame(benchmark::State& state) {
    bench::BenchHost host(Sheet());
    kolluk::Kolluk puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    int frame = 0;
    for (auto _ : state) puzzle.DrawRollFrame(1, true, frame++ % 10 + 1);
}
BENCHMARK(BM_KollukRollFrame)->Unit(benchmark::kMicrosecond);

void BM_KollukRollFrameOnWindow(benchmark::State& state) {
    QWidget window;
    window.resize(kBoardWidth, kBoardHeight);
    auto* board = new BoardWidget(&window);
    window.show();
    bench::BenchHost host(Sheet(), board);
    kolluk::Kolluk puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    int frame = 0;
    for (auto _ : state) puzzle.DrawRollFrame(1, true, frame++ % 10 + 1);
}
BENCHMARK(BM_KollukRollFrameOnWindow)->Unit(benchmark::kMicrosecond);

void BM_KollukPaintBoard(benchmark::State& state) {
    bench::BenchHost host(Sheet());
    kolluk::Kolluk puzzle(host);
    puzzle.NewBoard();
    for (auto _ : state) puzzle.PaintBoard();
}
BENCHMARK(BM_KollukPaintBoard)->Unit(benchmark::kMicrosecond);

// A press as the player makes it: ten frames shown on a window, each followed by 30 ms.
void BM_KollukRollOnWindow(benchmark::State& state) {
    QWidget window;
    window.resize(kBoardWidth, kBoardHeight);
    auto* board = new BoardWidget(&window);
    window.show();
    bench::BenchHost host(Sheet(), board);
    host.realWaits = true;
    kolluk::Kolluk puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    for (auto _ : state) puzzle.BoardMouseDown(207, 112, MouseButton::Right);
}
BENCHMARK(BM_KollukRollOnWindow)->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_KollukNewBoard(benchmark::State& state) {
    bench::BenchHost host(Sheet());
    kolluk::Kolluk puzzle(host);
    for (auto _ : state) puzzle.NewBoard();
}
BENCHMARK(BM_KollukNewBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
