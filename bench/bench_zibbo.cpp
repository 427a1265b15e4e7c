// How long a ZIBBO press takes to redraw its pieces, and a whole board paint.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "puzzles/BoardGeometry.h"
#include "puzzles/Random.h"
#include "puzzles/Raster.h"
#include "puzzles/zibbo/Zibbo.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"
#include "shell/BoardWidget.h"

namespace {

using namespace spindora;

class BenchHost final : public PuzzleHost {
public:
    explicit BenchHost(BoardBox* shown = nullptr)
        : shown_(shown ? shown : &box_), sheet_(ToRasterFormat(zibbo::PaintZibboSheet())),
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
    BoardBox& box() override { return *shown_; }
    LevelSettings levels_;

private:
    BoardBox* shown_;
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

// The same press with every turned piece put on a real (offscreen) window before it returns.
void BM_ZibboPressOnWindow(benchmark::State& state) {
    QWidget window;
    window.resize(kBoardWidth, kBoardHeight);
    auto* board = new BoardWidget(&window);
    window.show();
    BenchHost host(board);
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
