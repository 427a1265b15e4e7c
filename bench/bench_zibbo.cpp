// How long a ZIBBO press takes to redraw its pieces, and a whole board paint.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "puzzles/BoardGeometry.h"
#include "puzzles/Random.h"
#include "puzzles/Raster.h"
#include "puzzles/zibbo/Zibbo.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"

namespace {

using namespace spindora;

class BenchHost final : public PuzzleHost {
public:
    BenchHost()
        : sheet_(ToRasterFormat(zibbo::PaintZibboSheet())),
          offScreen_(kOffScreenWidth, kOffScreenHeight, QImage::Format_RGB32) {}
    void PlayEffect(int) override {}
    void WaitMs(unsigned) override {}
    void ReportSolved() override {}
    void timboxPaint() override {}
    void OptionBtnMouseDown(MouseButton) override {}
    uint8_t& CurrentGameState() override { return state_; }
    int32_t& CurrentClockTicks() override { return ticks_; }
    LevelSettings& Levels() override { return levels_; }
    int Random(int n) override { return random_.Random(n); }
    QImage& Background() override { return sheet_; }
    QImage& OffScreen() override { return offScreen_; }
    BoardBox& box() override { return box_; }
    LevelSettings levels_;

private:
    QImage sheet_, offScreen_;
    ImageBoardBox box_;
    uint8_t state_ = 0;
    int32_t ticks_ = 0;
    SeededRandom random_{1};
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

void BM_ZibboNewBoard(benchmark::State& state) {
    BenchHost host;
    zibbo::Zibbo puzzle(host);
    for (auto _ : state) puzzle.NewBoard();
}
BENCHMARK(BM_ZibboNewBoard)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
