#pragma once
#include <QImage>
#include <cstdint>

#include "puzzles/BoardBox.h"
#include "puzzles/LevelSettings.h"
#include "rules/Random.h"

namespace spindora {

enum class MouseButton { Left, Right, Middle };

// Game states of one mode; the codes are the stored and compared values.
enum GameStateCode : uint8_t { kReady = 0, kRunning = 1, kNotSetUp = 2, kSolved = 3 };

// The sound effects, numbered as the sound bank plays them.
enum class Effect { ZibboTurn = 1, KollukRoll = 2, PlufTurn = 3, MurvoMove = 4, Solved = 5 };

// Everything a puzzle may reach of the shell. Puzzles never talk to each other. The shell's
// random generator deals every puzzle.
class PuzzleHost : public RandomSource {
public:
    virtual void PlayEffect(int effect) = 0;
    void Play(Effect effect) { PlayEffect(static_cast<int>(effect)); }
    virtual void WaitMs(unsigned ms) = 0;
    virtual void ReportSolved() = 0;
    virtual void timboxPaint() = 0;
    virtual void OptionBtnMouseDown(MouseButton button) = 0;
    // A move is about to change the board: a hint searched or shown for it no longer holds.
    virtual void MoveBegins() {}

    // The current mode's state and clock.
    virtual uint8_t& CurrentGameState() = 0;
    virtual int32_t& CurrentClockTicks() = 0;
    virtual LevelSettings& Levels() = 0;

    virtual QImage& Background() = 0;
    virtual QImage& OffScreen() = 0;
    virtual BoardBox& box() = 0;
};

}  // namespace spindora
