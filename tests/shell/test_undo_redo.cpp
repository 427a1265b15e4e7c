// Undo and redo on the four real puzzles: an undone move is played back as a move of its own.
#include <gtest/gtest.h>

#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/zibbo/Zibbo.h"
#include "game/PuzzleRegistry.h"
#include "tests/game/FakeShell.h"

namespace spindora {
namespace {

// Each move sounds the puzzle's effect; a KOLLUK roll counts two ticks of a running clock, a PLUF turn one.
const struct { Mode mode; int effect; int ticksPerMove; } kRows[] = {
    {kZibbo, 1, 0}, {kKolluk, 2, 2}, {kPluf, 3, 1}, {kMurvo, 4, 0}};

TEST(UndoRedo, NUndosGiveBackTheDealAndNRedosThePositionAfterTheMoves) {
    test::FakeView view;
    SeededRandom random(28);
    uint32_t now = 0;
    // Every read of the clock is a second later, so every animation wait ends at once.
    GameFlow flow(view, random, QStringLiteral(SPINDORA_BUILD_DIR), [&now] { return now += 1000000; });
    InstallPuzzles(flow);
    view.flow = &flow;
    ASSERT_TRUE(flow.FormCreate({}));
    flow.boxPaint();  // the window's first paint
    const auto shown = [&] {  // the position and the board as drawn
        const uint64_t position[] = {zibbo::Hash(static_cast<zibbo::Zibbo*>(flow.PuzzleOf(kZibbo))->Rules()),
                                     kolluk::Hash(static_cast<kolluk::Kolluk*>(flow.PuzzleOf(kKolluk))->Rules()),
                                     pluf::Hash(static_cast<pluf::Pluf*>(flow.PuzzleOf(kPluf))->Rules()),
                                     murvo::Hash(static_cast<murvo::Murvo*>(flow.PuzzleOf(kMurvo))->Rules())};
        return std::pair{position[flow.CurrentMode()], view.board.image().copy()};
    };
    const auto anyMove = [&] {
        const std::vector<PressTarget> targets = flow.PuzzleOf(flow.CurrentMode())->PressTargets();
        const QPoint at = targets[static_cast<size_t>(random.Random(static_cast<int>(targets.size())))].press();
        flow.boxMouseDown(at.x(), at.y(), random.Random(2) ? MouseButton::Right : MouseButton::Left);
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(int(row.mode));
        flow.SwitchMode(row.mode);
        std::vector<decltype(shown())> seen = {shown()};
        const auto step = [&](void (GameFlow::*act)(), size_t to, bool plays) {
            const size_t sounds = view.effects.size();
            const int32_t ticks = flow.ClockTicks(row.mode);
            (flow.*act)();
            EXPECT_TRUE(shown() == seen[to]) << "at move " << to;
            EXPECT_EQ(view.effects.size(), sounds + plays);
            if (plays) {
                EXPECT_EQ(view.effects.back(), row.effect);
            }
            EXPECT_EQ(flow.ClockTicks(row.mode), ticks + (plays ? row.ticksPerMove : 0)) << "the clock runs on";
        };
        step(&GameFlow::UndoMove, 0, false);
        for (int i = 0; i < 9; ++i) {
            anyMove();
            seen.push_back(shown());
        }
        for (size_t i = 9; i > 0; --i) step(&GameFlow::UndoMove, i - 1, true);
        step(&GameFlow::UndoMove, 0, false);
        for (size_t i = 1; i <= 9; ++i) step(&GameFlow::RedoMove, i, true);
        step(&GameFlow::RedoMove, 9, false);

        // A new move ends what could be redone; the record outlives a visit to another puzzle.
        flow.UndoMove();
        anyMove();
        seen[9] = shown();
        step(&GameFlow::RedoMove, 9, false);
        flow.SwitchMode(row.mode == kZibbo ? kMurvo : kZibbo);
        flow.SwitchMode(row.mode);
        step(&GameFlow::UndoMove, 8, true);

        // A new deal starts a new record, and a solved board takes nothing back.
        flow.MixBtnClick();
        seen = {shown()};
        anyMove();
        step(&GameFlow::UndoMove, 0, true);
        step(&GameFlow::UndoMove, 0, false);
        flow.ReportSolved();
        step(&GameFlow::RedoMove, 0, false);
    }
}

}  // namespace
}  // namespace spindora
