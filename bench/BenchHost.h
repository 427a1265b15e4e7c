#pragma once
// A puzzle host for the benchmarks: the puzzle's sheet as Background, a scratch OffScreen,
// and either an off-screen board or a real window's board to show on.
#include <QGuiApplication>
#include <QImage>
#include <QWidget>

#include "puzzles/BoardGeometry.h"
#include "puzzles/PuzzleHost.h"
#include "rules/Random.h"
#include "assets/Raster.h"
#include "shell/BoardWidget.h"
#include "game/BusyWait.h"

namespace spindora::bench {

// The surface scale of the screen the benchmarks run on (QT_SCALE_FACTOR sets it): the
// sheets are painted and the surfaces made at that density, as the game would.
inline int Scale() { return SurfaceScaleFor(qApp->devicePixelRatio()); }

class BenchHost : public PuzzleHost {
public:
    explicit BenchHost(const QImage& sheet, BoardBox* shown = nullptr)
        : shown_(shown ? shown : &box_), sheet_(ToRasterFormat(sheet)),
          offScreen_(MakeSurface(QSize(kOffScreenWidth, kOffScreenHeight), SurfaceScale(sheet))),
          box_(SurfaceScale(sheet)) {}
    void PlayEffect(int) override {}
    // Animations wait for real only when asked, to time them as a player sees them.
    void WaitMs(unsigned ms) override {
        if (realWaits) BusyWait(ms, SystemTickCount);
    }
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
    bool realWaits = false;

private:
    BoardBox* shown_;
    QImage sheet_, offScreen_;
    ImageBoardBox box_;
    uint8_t state_ = 0;
    int32_t ticks_ = 0;
    SeededRandom random_{1};
};

// The board on a real (offscreen) window, to time what reaches the screen.
struct WindowBoard {
    WindowBoard() : board(new BoardWidget(&window)) {
        window.resize(kBoardWidth, kBoardHeight);
        window.show();
    }
    QWidget window;
    BoardWidget* board;
};

}  // namespace spindora::bench
