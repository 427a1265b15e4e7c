#pragma once
// The one road of a press on the board, shared by the four puzzles: the level button first,
// then the piece under the press and the move its button makes, the clock's start, the
// effect, the move drawn and applied, and the solved test. Every move made is recorded
// here, and undo and redo take the same road.
#include <concepts>
#include <optional>

#include "puzzles/PuzzleHost.h"
#include "rules/MoveRecord.h"

namespace spindora {

// A press that hit a piece; `move` stays empty for a button that makes no move there.
template <typename Move>
struct PieceUnderPress {
    bool hit = false;
    std::optional<Move> move{};
};

// The order of a move's steps before its solved test: start a ready clock, sound the
// effect, and play the move (draw and apply it).
enum class MoveSteps {
    // The move's animation adds ticks to a running clock, since it holds the thread and the
    // timer cannot: the clock starts before the move.
    ClockSoundMove,
    // The effect starts with the animation; the clock starts once the move is made.
    SoundMoveClock,
    // The move is drawn at once; the effect follows it.
    MoveClockSound,
};

// What a press on a piece still does with a button that makes no move there.
enum class IdlePress { Nothing, StartsClock, TestsSolved };

// Where the puzzles' presses differ. Every difference is a field here, and the four rows
// below are the only place each is stated.
struct PressRules {
    Effect effect;
    MoveSteps steps;
    IdlePress idle = IdlePress::Nothing;
};
// ZIBBO draws its turned dials at once, then sounds; its middle button does nothing.
inline constexpr PressRules kZibboPress{.effect = Effect::ZibboTurn, .steps = MoveSteps::MoveClockSound};
// KOLLUK's middle button rolls clockwise like the right one; a roll counts two ticks.
inline constexpr PressRules kKollukPress{.effect = Effect::KollukRoll, .steps = MoveSteps::ClockSoundMove};
// PLUF's middle button starts the clock and turns nothing; a turn counts one tick.
inline constexpr PressRules kPlufPress{
    .effect = Effect::PlufTurn, .steps = MoveSteps::ClockSoundMove, .idle = IdlePress::StartsClock};
// MURVO's middle button on a hot spot only runs the solved test.
inline constexpr PressRules kMurvoPress{
    .effect = Effect::MurvoMove, .steps = MoveSteps::SoundMoveClock, .idle = IdlePress::TestsSolved};

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

// What a puzzle offers the road of a press: whether a press is on its level button, the
// piece under a press and the move its button makes there, the move drawn and applied, the
// solved test, and the record of its moves.
template <typename P, typename Move>
concept PressBoard = requires(P& puzzle, const P& shown, int x, int y, MouseButton button, const Move& move) {
    { P::OnLevelButton(x, y) } -> std::same_as<bool>;
    { shown.PieceUnder(x, y, button) } -> std::same_as<PieceUnderPress<Move>>;
    puzzle.PlayMove(move);
    { shown.IsSolved() } -> std::same_as<bool>;
    { puzzle.Record() } -> std::same_as<MoveRecord<Move>&>;
};

// A move from its start to the solved test, the same for a press, an undo and a redo:
// each has its animation, its sound and its effect on the clock.
template <typename Move, PressBoard<Move> P>
void PlayRecordedMove(P& puzzle, PuzzleHost& host, const PressRules& rules, const Move& move) {
    host.MoveBegins();
    switch (rules.steps) {
    case MoveSteps::ClockSoundMove:
        StartClock(host);
        host.Play(rules.effect);
        puzzle.PlayMove(move);
        break;
    case MoveSteps::SoundMoveClock:
        host.Play(rules.effect);
        puzzle.PlayMove(move);
        StartClock(host);
        break;
    case MoveSteps::MoveClockSound:
        puzzle.PlayMove(move);
        StartClock(host);
        host.Play(rules.effect);
        break;
    }
    if (puzzle.IsSolved()) host.ReportSolved();
}

template <typename P>
    requires PressBoard<P, typename P::Move>
void PlayPress(P& puzzle, PuzzleHost& host, const PressRules& rules, int x, int y, MouseButton button) {
    if (P::OnLevelButton(x, y)) {
        host.OptionBtnMouseDown(button);
        return;
    }
    const auto piece = puzzle.PieceUnder(x, y, button);
    if (!piece.hit) return;
    if (!piece.move) {
        if (rules.idle == IdlePress::StartsClock) StartClock(host);
        if (rules.idle == IdlePress::TestsSolved && puzzle.IsSolved()) host.ReportSolved();
        return;
    }
    puzzle.Record().Played(*piece.move);
    PlayRecordedMove(puzzle, host, rules, *piece.move);
}

// The last move played backwards, as a move of its own: the clock runs on and never goes
// back. False when there is nothing to undo.
template <typename P>
    requires PressBoard<P, typename P::Move>
bool PlayUndo(P& puzzle, PuzzleHost& host, const PressRules& rules) {
    const auto move = puzzle.Record().Undo();
    if (move) PlayRecordedMove(puzzle, host, rules, Inverse(*move));
    return move.has_value();
}

// The last undone move played again. False when there is nothing to redo.
template <typename P>
    requires PressBoard<P, typename P::Move>
bool PlayRedo(P& puzzle, PuzzleHost& host, const PressRules& rules) {
    const auto move = puzzle.Record().Redo();
    if (move) PlayRecordedMove(puzzle, host, rules, *move);
    return move.has_value();
}

}  // namespace spindora
