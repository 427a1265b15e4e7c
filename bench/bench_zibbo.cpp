// How long a ZIBBO press takes to redraw its pieces, and a whole board paint.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "BenchHost.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/zibbo/Zibbo.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"

namespace {

using namespace spindora;

// Every benchmark paints the sheet afresh, as the game loads it.
class BenchHost final : public bench::BenchHost {
public:
    explicit BenchHost(BoardBox* shown = nullptr)
        : bench::BenchHost(zibbo::PaintZibboSheet(bench::Scale()), shown) {}
};

void BM_ZibboPressRedraw(benchmark::State& state) {
    BenchHost host;
    host.levels_.gmode = static_cast<int>(state.range(0));
    zibbo::Zibbo puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    for (auto _ : state) puzzle.BoardMouseDown(175, 175, MouseButton::Left);
}
BENCHMARK(BM_ZibboPressRedraw)->Arg(1)->Arg(3)->Arg(9)->Unit(benchmark::kMicrosecond);

void BM_ZibboPaintBoard(benchmark::State& state) {
    BenchHost host;
    zibbo::Zibbo puzzle(host);
    puzzle.NewBoard();
    for (auto _ : state) puzzle.PaintBoard();
}
BENCHMARK(BM_ZibboPaintBoard)->Unit(benchmark::kMicrosecond);

// The same press with every turned piece put on a real (offscreen) window before it returns.
void BM_ZibboPressOnWindow(benchmark::State& state) {
    bench::WindowBoard shown;
    BenchHost host(shown.board);
    host.levels_.gmode = static_cast<int>(state.range(0));
    zibbo::Zibbo puzzle(host);
    puzzle.NewBoard();
    puzzle.PaintBoard();
    for (auto _ : state) puzzle.BoardMouseDown(175, 175, MouseButton::Left);
}
BENCHMARK(BM_ZibboPressOnWindow)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);

void BM_ZibboNewBoard(benchmark::State& state) {
    BenchHost host;
    zibbo::Zibbo puzzle(host);
    for (auto _ : state) puzzle.NewBoard();
}
BENCHMARK(BM_ZibboNewBoard)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
