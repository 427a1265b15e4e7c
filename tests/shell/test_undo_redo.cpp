// Undo and redo on the four real puzzles through the game flow: each undone move is played
// back as a move of its own, and the record belongs to the board it was made on.
#include <gtest/gtest.h>

#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/zibbo/Zibbo.h"
#include "shell/PuzzleRegistry.h"
#include "tests/shell/FakeShell.h"

namespace spindora {
namespace {

struct Row {
    Mode mode;
    int effect;        // the puzzle's sound, once per move
    int ticksPerMove;  // a KOLLUK roll counts two ticks of a running clock, a PLUF turn one
};
const Row kRows[] = {{kZibbo, 1, 0}, {kKolluk, 2, 2}, {kPluf, 3, 1}, {kMurvo, 4, 0}};

struct Snapshot {
    uint64_t position;
    QImage board;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
    friend void PrintTo(const Snapshot& s, std::ostream* out) { *out << "position " << std::hex << s.position; }
};

class UndoRedo : public ::testing::Test {
protected:
    void SetUp() override {
        InstallPuzzles(flow);
        view.flow = &flow;
        ShellSettings settings;
        settings.tongue = 0;
        ASSERT_TRUE(flow.FormCreate(settings));
        flow.boxPaint();
    }

    Snapshot Now() {
        const uint64_t position = std::array<uint64_t, 4>{
            zibbo::Hash(static_cast<zibbo::Zibbo*>(flow.PuzzleOf(kZibbo))->Rules()),
            kolluk::Hash(static_cast<kolluk::Kolluk*>(flow.PuzzleOf(kKolluk))->Rules()),
            pluf::Hash(static_cast<pluf::Pluf*>(flow.PuzzleOf(kPluf))->Rules()),
            murvo::Hash(static_cast<murvo::Murvo*>(flow.PuzzleOf(kMurvo))->Rules())}[flow.CurrentMode];
        return {position, view.board.image().copy()};
    }

    // A press with the left or right button on any piece of the board.
    void AnyMove() {
        const std::vector<PressTarget> targets = flow.PuzzleOf(flow.CurrentMode)->PressTargets();
        const QPoint at = targets[static_cast<size_t>(random.Random(static_cast<int>(targets.size())))].press();
        flow.boxMouseDown(at.x(), at.y(), random.Random(2) ? MouseButton::Right : MouseButton::Left);
    }

    test::FakeView view;
    SeededRandom random{28};
    uint32_t now = 0;
    // Every read of the clock is a second later, so every animation wait ends at once.
    GameFlow flow{view, random, QStringLiteral(SPINDORA_BUILD_DIR), [this] { return now += 1000000; }};
};

TEST_F(UndoRedo, NUndosGiveBackTheDealAndNRedosThePositionAfterTheMoves) {
    constexpr int kMoves = 9;
    for (const Row& row : kRows) {
        SCOPED_TRACE(int(row.mode));
        flow.SwitchMode(row.mode);
        std::vector<Snapshot> seen = {Now()};
        flow.UndoMove();
        EXPECT_EQ(Now(), seen[0]) << "nothing to undo before the first move";
        for (int i = 0; i < kMoves; ++i) {
            AnyMove();
            seen.push_back(Now());
        }
        ASSERT_EQ(flow.GameState[row.mode], kRunning);

        const auto playsBack = [&](void (GameFlow::*act)(), int from, int to) {
            const size_t sounds = view.effects.size();
            const int32_t ticks = flow.ClockTicks[row.mode];
            (flow.*act)();
            EXPECT_EQ(Now(), seen[static_cast<size_t>(to)]) << "from move " << from << " to " << to;
            EXPECT_EQ(view.effects.size(), sounds + 1);
            EXPECT_EQ(view.effects.back(), row.effect);
            EXPECT_EQ(flow.ClockTicks[row.mode], ticks + row.ticksPerMove) << "the clock runs on";
        };
        for (int i = kMoves; i > 0; --i) playsBack(&GameFlow::UndoMove, i, i - 1);
        const size_t sounds = view.effects.size();
        flow.UndoMove();
        EXPECT_EQ(Now(), seen[0]);
        for (int i = 0; i < kMoves; ++i) playsBack(&GameFlow::RedoMove, i, i + 1);
        flow.RedoMove();
        EXPECT_EQ(Now(), seen[kMoves]);
        EXPECT_EQ(view.effects.size(), sounds + kMoves) << "an undo or redo with nothing left plays nothing";
        EXPECT_EQ(flow.GameState[row.mode], kRunning);

        // A new move ends what could be redone; each board keeps its own record meanwhile.
        flow.UndoMove();
        flow.UndoMove();
        AnyMove();
        const Snapshot branched = Now();
        flow.RedoMove();
        EXPECT_EQ(Now(), branched);
        flow.SwitchMode(row.mode == kZibbo ? kMurvo : kZibbo);
        flow.SwitchMode(row.mode);
        flow.UndoMove();
        EXPECT_EQ(Now(), seen[kMoves - 2]) << "the record survives a visit to another puzzle";

        // A new deal starts a new record; a solved board takes nothing back.
        flow.MixBtnClick();
        const Snapshot dealt = Now();
        AnyMove();
        const Snapshot moved = Now();
        flow.UndoMove();
        flow.UndoMove();
        EXPECT_EQ(Now(), dealt);
        flow.RedoMove();
        EXPECT_EQ(Now(), moved);
        flow.GameState[row.mode] = kSolved;
        flow.UndoMove();
        EXPECT_EQ(Now(), moved) << "solved is final";
    }
}

}  // namespace
}  // namespace spindora
