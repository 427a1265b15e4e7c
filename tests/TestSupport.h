#pragma once
#include <QImage>
#include <deque>
#include <vector>

#include "puzzles/PuzzleHost.h"
#include "rules/Random.h"

namespace spindora::test {

// Hands out prepared draws and records every range asked for.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> script;
    std::vector<int> ranges;
    int Random(int n) override;
};

// A puzzle host without a window: an off-screen board that records its shows.
class FakeHost : public PuzzleHost {
public:
    explicit FakeHost(QImage sheet, RandomSource* random = nullptr);

    void PlayEffect(int effect) override { effects.push_back(effect); }
    void WaitMs(unsigned ms) override { waited += ms; }
    void ReportSolved() override { ++solvedReports; }
    void timboxPaint() override { ++clockPaints; }
    void OptionBtnMouseDown(MouseButton button) override { optionPresses.push_back(button); }
    uint8_t& CurrentGameState() override { return state; }
    int32_t& CurrentClockTicks() override { return ticks; }
    LevelSettings& Levels() override { return levels; }
    int Random(int n) override;
    QImage& Background() override { return sheet; }
    QImage& OffScreen() override { return offScreen; }
    BoardBox& box() override { return board; }

    QImage sheet;
    QImage offScreen;
    ImageBoardBox board;
    RandomSource* random;
    SeededRandom fallback{1};
    uint8_t state = kReady;
    int32_t ticks = 0;
    LevelSettings levels;
    std::vector<int> effects;
    std::vector<MouseButton> optionPresses;
    unsigned waited = 0;
    int solvedReports = 0;
    int clockPaints = 0;
};

// The ZIBBO sheet as the build paints it, once per test run.
const QImage& ZibboSheet();
// The KOLLUK sheet as the build paints it, once per test run.
const QImage& KollukSheet();
// The MURVO sheet as the build paints it, once per test run.
const QImage& MurvoSheet();
// The PLUF sheet likewise.
const QImage& PlufSheet();

}  // namespace spindora::test
