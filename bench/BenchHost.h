#pragma once
// A puzzle host for benchmarks: a seeded generator, an off-screen board (or a real board
// widget), and no waiting, so a figure is the drawing and the model alone.
#include <QImage>

#include "puzzles/BoardBox.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/PuzzleHost.h"
#include "puzzles/Random.h"
#include "puzzles/Raster.h"

namespace spindora::bench {

class BenchHost final : public PuzzleHost {
public:
    explicit BenchHost(const QImage& sheet, BoardBox* shown = nullptr)
        : shown_(shown ? shown : &box_), sheet_(ToRasterFormat(sheet)),
          offScreen_(kOffScreenWidth, kOffScreenHeight, QImage::Format_RGB32) {}
    void PlayEffect(int) override {}
    void WaitMs(unsigned) override {}
    void ReportSolved() override {}
    void timboxPaint() override {}
    void OptionBtnMouseDown(MouseButton) override {}
    uint8_t& CurrentGameState() override { return state_; }
    int32_t& CurrentClockTicks() override { return ticks_; }
    LevelSettings& Levels() override { return levels; }
    int Random(int n) override { return random_.Random(n); }
    QImage& Background() override { return sheet_; }
    QImage& OffScreen() override { return offScreen_; }
    BoardBox& box() override { return *shown_; }

    LevelSettings levels;

private:
    BoardBox* shown_;
    QImage sheet_, offScreen_;
    ImageBoardBox box_;
    uint8_t state_ = 0;
    int32_t ticks_ = 0;
    SeededRandom random_{1};
};

}  // namespace spindora::bench
