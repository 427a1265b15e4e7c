#pragma once
// The one road of a press on the board, shared by the four puzzles: the level button first,
// then the piece under the press and the move its button makes, the clock's start, the
// effect, the move drawn and applied, and the solved test. Every move made is recorded
// here, and undo and redo take the same road.
#include <optional>

#include "puzzles/PuzzleHost.h"

namespace spindora {

// A press that hit a piece; `move` stays empty for a button that makes no move there.
template <typename Move>
struct PieceUnderPress {
    bool hit = false;
    std::optional<Move> move{};
};

// Where the puzzles' presses differ. Every difference is a field here, and the four rows
// below are the only place each is stated.
struct PressRules {
    Effect effect;
    // The move's animation adds ticks to a running clock, since it holds the thread and
    // the timer cannot: such a puzzle starts the clock before its move, the others after.
    bool countsTicks = false;
    // The effect follows the drawn move instead of starting with its animation.
    bool soundsAfterMove = false;
    // What a press on a piece still does with a button that makes no move there.
    bool idleStartsClock = false;
    bool idleTestsSolved = false;
};
// ZIBBO draws its turned dials at once, then sounds; its middle button does nothing.
inline constexpr PressRules kZibboPress{.effect = Effect::ZibboTurn, .soundsAfterMove = true};
// KOLLUK's middle button rolls clockwise like the right one; a roll counts two ticks.
inline constexpr PressRules kKollukPress{.effect = Effect::KollukRoll, .countsTicks = true};
// PLUF's middle button starts the clock and turns nothing; a turn counts one tick.
inline constexpr PressRules kPlufPress{
    .effect = Effect::PlufTurn, .countsTicks = true, .idleStartsClock = true};
// MURVO's middle button on a hot spot only runs the solved test.
inline constexpr PressRules kMurvoPress{.effect = Effect::MurvoMove, .idleTestsSolved = true};

// The first accepted move on a ready board starts the game.
inline void StartClock(PuzzleHost& host) {
    if (host.CurrentGameState() == kReady) host.CurrentGameState() = kRunning;
}

// A tick that a move's animation counts on a running clock.
inline void CountTick(PuzzleHost& host) {
    if (host.CurrentGameState() != kRunning) return;
    ++host.CurrentClockTicks();
    host.timboxPaint();
}

// `puzzle` offers OnLevelButton(x, y), PieceUnder(x, y, button), PlayMove(move), which
// draws and applies it, IsSolved(), and Record(), its MoveRecord.

// A move from its start to the solved test, the same for a press, an undo and a redo:
// each has its animation, its sound and its effect on the clock.
template <typename P, typename Move>
void PlayRecordedMove(P& puzzle, PuzzleHost& host, const PressRules& rules, const Move& move) {
    host.MoveBegins();
    if (rules.countsTicks) StartClock(host);
    if (!rules.soundsAfterMove) host.Play(rules.effect);
    puzzle.PlayMove(move);
    if (!rules.countsTicks) StartClock(host);
    if (rules.soundsAfterMove) host.Play(rules.effect);
    if (puzzle.IsSolved()) host.ReportSolved();
}

template <typename P>
void PlayPress(P& puzzle, PuzzleHost& host, const PressRules& rules, int x, int y, MouseButton button) {
    if (P::OnLevelButton(x, y)) {
        host.OptionBtnMouseDown(button);
        return;
    }
    const auto piece = puzzle.PieceUnder(x, y, button);
    if (!piece.hit) return;
    if (!piece.move) {
        if (rules.idleStartsClock) StartClock(host);
        if (rules.idleTestsSolved && puzzle.IsSolved()) host.ReportSolved();
        return;
    }
    puzzle.Record().Played(*piece.move);
    PlayRecordedMove(puzzle, host, rules, *piece.move);
}

// The last move played backwards, as a move of its own: the clock runs on and never goes
// back. False when there is nothing to undo.
template <typename P>
bool PlayUndo(P& puzzle, PuzzleHost& host, const PressRules& rules) {
    const auto move = puzzle.Record().Undo();
    if (move) PlayRecordedMove(puzzle, host, rules, Inverse(*move));
    return move.has_value();
}

// The last undone move played again. False when there is nothing to redo.
template <typename P>
bool PlayRedo(P& puzzle, PuzzleHost& host, const PressRules& rules) {
    const auto move = puzzle.Record().Redo();
    if (move) PlayRecordedMove(puzzle, host, rules, *move);
    return move.has_value();
}

}  // namespace spindora
