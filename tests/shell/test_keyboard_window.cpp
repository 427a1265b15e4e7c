#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "dialogs/MessageDlg.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "shell/KollukSolver.h"
#include "shell/MurvoSolver.h"
#include "shell/PlufDeal.h"
#include "shell/ShownMainForm.h"
#include "shell/ZibboDeal.h"

namespace spindora {
namespace {

using test::RecordingRandom;

// Top-left corners of PLUF's plate squares, as the honeycomb places them; a plate is
// pressed in its middle, 37 pixels in.
const QPoint kPlateCorners[23] = {
    {},          {211, 20},  {211, 92},  {211, 164}, {211, 236}, {149, 56},  {149, 128},
    {149, 200},  {273, 56},  {273, 128}, {273, 200}, {87, 92},   {87, 164},  {335, 92},
    {335, 164},  {25, 200},  {87, 236},  {335, 20},  {397, 56},  {87, 20},   {25, 56},
    {25, 128},   {397, 128},
};
QPoint PlateMiddle(int plate) { return kPlateCorners[plate] + QPoint(37, 37); }
// ZIBBO k's press square: its 78-pixel picture and the 12-pixel gap right and below.
QRect DialSquare(int k) { return {40 + 90 * (k % 3), 40 + 90 * (k / 3), 90, 90}; }

// Types one key to whatever has the keys in the game's window, as a player does.
void Key(TMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && form.isAncestorOf(focus) ? focus : &form, key, modifiers);
}

constexpr Qt::Key kArrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
constexpr QPoint kSteps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

bool Near(QPoint at, QPoint goal) { return std::abs(at.x() - goal.x()) <= 6 && std::abs(at.y() - goal.y()) <= 6; }

// The arrow keys that lead the focus from where it is to the target pressed at `goal`,
// found by following the walk over the current board's targets.
std::vector<Qt::Key> ArrowsTo(TMainForm& form, QPoint goal) {
    const std::vector<PressTarget> targets = form.flow().PuzzleOf(form.flow().CurrentMode)->PressTargets();
    std::vector<std::vector<Qt::Key>> way(targets.size());
    std::vector<bool> seen(targets.size());
    std::vector<int> queue = {form.boardKeys()->Focus()};
    seen[static_cast<size_t>(queue[0])] = true;
    for (size_t head = 0; head < queue.size(); ++head) {
        const int at = queue[head];
        if (Near(targets[static_cast<size_t>(at)].press(), goal)) return way[static_cast<size_t>(at)];
        for (int k = 0; k < 4; ++k) {
            const int next = NextTarget(targets, at, kSteps[k]);
            if (seen[static_cast<size_t>(next)]) continue;
            seen[static_cast<size_t>(next)] = true;
            way[static_cast<size_t>(next)] = way[static_cast<size_t>(at)];
            way[static_cast<size_t>(next)].push_back(kArrows[k]);
            queue.push_back(next);
        }
    }
    ADD_FAILURE() << "the arrows do not lead to (" << goal.x() << ", " << goal.y() << ")";
    return {};
}

// Walks the focus with arrow keys alone onto the target pressed at `goal`.
void WalkTo(TMainForm& form, QPoint goal) {
    if (!form.boardKeys()->MarkShown()) Key(form, Qt::Key_Right);  // shows the mark only
    for (const Qt::Key arrow : ArrowsTo(form, goal)) Key(form, arrow);
    const QPoint at = form.boardKeys()->FocusedPress();
    EXPECT_TRUE(Near(at, goal)) << "focus at (" << at.x() << ", " << at.y() << ") for (" << goal.x()
                                << ", " << goal.y() << ")";
}

// Answers the solved notice with Return and keeps its text; the list after it is left.
void AnswerSolved(QString* cheer) {
    test::WhenModalActive([cheer](QWidget* notice) {
        if (auto* done = qobject_cast<MessageDlg*>(notice)) *cheer = done->msg()->text();
        test::TypeInto(notice, {Qt::Key_Return});
        test::AnswerNextModal(Qt::Key_Escape);
    });
}

// Presses the target at each goal in turn, left or right, until the last one solves.
template <typename Press>
void PlayToSolved(TMainForm& form, size_t count, Press press) {
    GameFlow& flow = form.flow();
    const uint8_t mode = flow.CurrentMode;
    QString cheer;
    for (size_t i = 0; i < count; ++i) {
        ASSERT_NE(flow.GameState[mode], kSolved) << "solved before the last press";
        const auto [goal, right] = press(i);
        WalkTo(form, goal);
        if (i + 1 == count) AnswerSolved(&cheer);
        Key(form, i % 2 ? Qt::Key_Space : Qt::Key_Return, right ? Qt::ShiftModifier : Qt::NoModifier);
        flow.TimerTimer();
    }
    EXPECT_EQ(flow.GameState[mode], kSolved) << "mode " << int(mode);
    EXPECT_EQ(cheer, "Hurrah, you did it!") << "mode " << int(mode);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.boardWidget()) << "the keys are the board's again";
}

struct Press {
    QPoint goal;
    bool right;
};

TEST(KeyboardWindow, EveryPuzzleIsSolvedFromItsDealWithKeysAlone) {
    RecordingRandom random(99);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    BoardWidget* board = form->boardWidget();
    EXPECT_EQ(QApplication::focusWidget(), board) << "the board has the keys from the start";

    // ZIBBO: each dial turned back by as much as the deal turned it.
    const std::vector<QPoint> undo = test::UndoingPresses(99);
    ASSERT_FALSE(undo.empty());
    PlayToSolved(*form, undo.size(), [&](size_t i) { return Press{undo[i], true}; });

    // KOLLUK: the fewest rolls back to the level's layout.
    Key(*form, Qt::Key_2);
    ASSERT_EQ(flow.CurrentMode, 1);
    auto& kolluk = static_cast<kolluk::Kolluk&>(*flow.PuzzleOf(1));
    test::kolluk_rules::Balls dealt;
    std::copy(kolluk.BallColours().begin(), kolluk.BallColours().end(), dealt.begin());
    const auto rolls = test::kolluk_rules::ShortestSolution(dealt, test::kolluk_rules::kLevel1);
    ASSERT_FALSE(rolls.empty());
    PlayToSolved(*form, rolls.size(), [&](size_t i) {
        return Press{test::kolluk_rules::kRingPress[rolls[i].ring], rolls[i].clockwise};
    });

    // PLUF: each plate turned back the short way round.
    random.draws.clear();
    Key(*form, Qt::Key_3);
    ASSERT_EQ(flow.CurrentMode, 2);
    const std::array<int, 23> net = test::NetTurns(random.draws);
    std::vector<Press> turns;
    for (int plate = 1; plate <= 10; ++plate) {
        const int left = ((net[plate] % 6) + 6) % 6;  // counter-clockwise steps to undo
        for (int n = left <= 3 ? left : 6 - left; n > 0; --n) turns.push_back({PlateMiddle(plate), left <= 3});
    }
    ASSERT_FALSE(turns.empty());
    PlayToSolved(*form, turns.size(), [&](size_t i) { return turns[i]; });

    // MURVO: the shortest presses to level 1's pattern.
    using namespace test::murvo_rules;
    Key(*form, Qt::Key_4);
    ASSERT_EQ(flow.CurrentMode, 3);
    const Board kLevelOne = {11, 11, 31, 31, 51, 51, 11, 11, 11, 11, 31, 31, 31, 31, 51, 51, 51, 51};
    auto& murvo = static_cast<murvo::Murvo&>(*flow.PuzzleOf(3));
    const std::vector<int> steps = Solve(Pack(murvo.State().board), Pack(kLevelOne));
    ASSERT_FALSE(steps.empty());
    PlayToSolved(*form, steps.size(), [&](size_t i) { return Press{HotSpot(steps[i] / 2), steps[i] % 2 == 1}; });
    EXPECT_EQ(murvo.State().board, kLevelOne);
    flow.FormClose();
}

}  // namespace
}  // namespace spindora
