#pragma once
#include <QImage>
#include <cstdint>

#include "puzzles/BoardBox.h"
#include "puzzles/LevelSettings.h"

namespace spindora {

enum class MouseButton { Left, Right, Middle };

// Game states of one mode; the codes are the stored and compared values.
enum GameStateCode : uint8_t { kReady = 0, kRunning = 1, kNotSetUp = 2, kSolved = 3 };

// Everything a puzzle may reach of the shell. Puzzles never talk to each other.
class PuzzleHost {
public:
    virtual ~PuzzleHost() = default;

    virtual void PlayEffect(int effect) = 0;
    virtual void WaitMs(unsigned ms) = 0;
    virtual void ReportSolved() = 0;
    virtual void timboxPaint() = 0;
    virtual void OptionBtnMouseDown(MouseButton button) = 0;

    // The current mode's state and clock.
    virtual uint8_t& CurrentGameState() = 0;
    virtual int32_t& CurrentClockTicks() = 0;
    virtual LevelSettings& Levels() = 0;
    virtual int Random(int n) = 0;

    virtual QImage& Background() = 0;
    virtual QImage& OffScreen() = 0;
    virtual BoardBox& box() = 0;
};

}  // namespace spindora
