// What a MURVO move costs per animation frame, a whole board paint, and a deal. A move
// shows four frames 40 ms apart, so a frame well under a millisecond keeps it at 160 ms.
#include <benchmark/benchmark.h>

#include "BenchHost.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/murvo/MurvoDrawing.h"
#include "puzzles/murvo/MurvoSheetPainter.h"
#include "shell/BoardWidget.h"

namespace {

using namespace spindora;

const QImage& Sheet() {
    static const QImage sheet = murvo::PaintMurvoSheet(bench::Scale());
    return sheet;
}

// The animation draws four frames per call; the figure is divided down to one frame.
void BM_MurvoHexagonFrame(benchmark::State& state) {
    bench::BenchHost host(Sheet());
    host.levels_.rmode = 10;
    murvo::Murvo puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    for (auto _ : state) murvo::AnimateMove(host, puzzle.State(), murvo::Move{0, true});
    state.SetItemsProcessed(state.iterations() * 4);
    state.counters["per_frame"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * 4, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MurvoHexagonFrame)->Unit(benchmark::kMicrosecond);

// A whole hexagon press, all four frames put on a real (offscreen) window.
void BM_MurvoHexagonPressOnWindow(benchmark::State& state) {
    bench::WindowBoard window;
    bench::BenchHost host(Sheet(), window.board);
    host.levels_.rmode = 10;
    murvo::Murvo puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    for (auto _ : state) puzzle.BoardMouseDown(170, 167, MouseButton::Right);
}
BENCHMARK(BM_MurvoHexagonPressOnWindow)->Unit(benchmark::kMicrosecond);

void BM_MurvoPaintBoard(benchmark::State& state) {
    bench::BenchHost host(Sheet());
    host.levels_.rmode = static_cast<int>(state.range(0));
    murvo::Murvo puzzle(host);
    puzzle.NewBoard();
    for (auto _ : state) puzzle.PaintBoard();
}
BENCHMARK(BM_MurvoPaintBoard)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_MurvoNewBoard(benchmark::State& state) {
    bench::BenchHost host(Sheet());
    host.levels_.rmode = static_cast<int>(state.range(0));
    murvo::Murvo puzzle(host);
    for (auto _ : state) puzzle.NewBoard();
}
BENCHMARK(BM_MurvoNewBoard)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
