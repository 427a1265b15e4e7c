// How long PLUF takes to draw one plate and to paint its whole board. A turn draws four
// phases around 90 ms of waiting, so drawing must stay far below a millisecond. The
// program's main() with its application object is in bench_zibbo.cpp.
#include <benchmark/benchmark.h>

#include "puzzles/BoardGeometry.h"
#include "puzzles/Random.h"
#include "puzzles/Raster.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/pluf/PlufSheetPainter.h"

namespace {

using namespace spindora;

class BenchHost final : public PuzzleHost {
public:
    BenchHost()
        : sheet_(ToRasterFormat(pluf::PaintPlufSheet())),
          offScreen_(kOffScreenWidth, kOffScreenHeight, QImage::Format_RGB32) {
        levels_.dmode = 4;
        levels_.pmode = 5;
    }
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

private:
    QImage sheet_, offScreen_;
    ImageBoardBox box_;
    LevelSettings levels_;
    uint8_t state_ = 0;
    int32_t ticks_ = 0;
    SeededRandom random_{1};
};

void BM_PlufDrawPlate(benchmark::State& state) {
    BenchHost host;
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
    BenchHost host;
    pluf::Pluf puzzle(host);
    puzzle.NewBoard();
    for (auto _ : state) puzzle.PaintBoard();
}
BENCHMARK(BM_PlufPaintBoardLevel4)->Unit(benchmark::kMicrosecond);

void BM_PlufNewBoardLevel4(benchmark::State& state) {
    BenchHost host;
    pluf::Pluf puzzle(host);
    for (auto _ : state) puzzle.NewBoard();
}
BENCHMARK(BM_PlufNewBoardLevel4)->Unit(benchmark::kMicrosecond);

}  // namespace
