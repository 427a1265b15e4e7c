// The hint keys and undo keys in the real window, with a seeded deal and the clock and the
// searches' answers driven by hand.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "dialogs/HighscoreList.h"
#include "dialogs/MessageDlg.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/zibbo/Zibbo.h"
#include "shell/ShownMainForm.h"
#include "shell/ZibboDeal.h"

namespace spindora {
namespace {

void Key(TMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && form.isAncestorOf(focus) ? focus : &form, key, modifiers);
}

QString Description(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

// H, and the answer from the worker thread taken as the window's loop would take it.
void AskAndWait(TMainForm& form) {
    Key(form, Qt::Key_H);
    form.hints().worker().WaitIdle();
    QApplication::processEvents();
}

QImage OnScreen(BoardWidget* board) { return board->grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(HintWindow, AGameSolvedByFollowingHintsIsNotEnteredAndOneSolvedWithUndoIs) {
    SeededRandom random(99);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    TMainForm& f = *form;
    GameFlow& flow = f.flow();
    BoardWidget* board = f.boardWidget();
    auto& zibbo = static_cast<zibbo::Zibbo&>(*flow.PuzzleOf(kZibbo));
    const auto moveOf = [&](TargetPress press) {
        const QPoint at = zibbo.PressTargets()[static_cast<size_t>(press.target)].press();
        return *zibbo.PieceUnder(at.x(), at.y(), press.button).move;
    };

    // The first hint: the focus on its dial and the sign beside it, on screen only.
    const QImage picture = board->image().copy(), background = flow.Background().copy();
    const QImage offScreen = flow.OffScreen().copy();
    AskAndWait(f);
    ASSERT_TRUE(f.hints().Shown());
    const TargetPress first = *f.hints().Shown();
    EXPECT_EQ(f.boardKeys()->Focus(), first.target);
    EXPECT_EQ(board->image(), picture);
    EXPECT_EQ(flow.Background(), background);
    EXPECT_EQ(flow.OffScreen(), offScreen);
    EXPECT_NE(OnScreen(board), picture);
    EXPECT_EQ(flow.GameState[kZibbo], kReady) << "showing a hint is no move";
    const QString side = first.button == MouseButton::Left ? "left" : "right";
    const char* rows[] = {"top", "middle", "bottom"};
    const char* columns[] = {"left", "middle", "right"};
    EXPECT_EQ(Description(board), QStringLiteral("Hint: the %1 dial of the %2 row, %3 button")
                                      .arg(columns[first.target % 3], rows[first.target / 3], side));
    flow.tongue.Set(1);
    f.ApplyCaptions();
    EXPECT_TRUE(Description(board).startsWith("Tipp: der ")) << Description(board).toStdString();
    flow.tongue.Set(0);
    f.ApplyCaptions();

    // Another move leaves the solution that was found; undoing it does not bring it back.
    Key(f, Qt::Key_Space, first.button == MouseButton::Left ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_FALSE(f.hints().Shown());
    EXPECT_EQ(Description(board), "");
    Key(f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(zibbo.HintPress());
    QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(2, 2));  // hides the focus mark
    EXPECT_EQ(OnScreen(board), board->image()) << "the sign has gone with the hint";

    // H and H again, until solved: after the first answer every hint comes without a search.
    QString cheer, message;
    bool searched = false;
    for (int presses = 0; flow.GameState[kZibbo] != kSolved && presses < 200; ++presses) {
        Key(f, Qt::Key_H);
        if (f.hints().Thinking()) {
            ASSERT_FALSE(searched) << "a search at press " << presses;
            searched = true;
            f.hints().worker().WaitIdle();
            QApplication::processEvents();
        }
        ASSERT_TRUE(f.hints().Shown());
        zibbo::Position next = zibbo.Rules();
        zibbo::Apply(next, moveOf(*f.hints().Shown()));
        if (zibbo::IsSolved(next))
            test::WhenModalActive([&](QWidget* notice) {
                cheer = static_cast<MessageDlg*>(notice)->msg()->text();
                test::TypeInto(notice, {Qt::Key_Return});
                test::WhenModalActive([&](QWidget* note) {
                    message = static_cast<MessageDlg*>(note)->msg()->text();
                    test::TypeInto(note, {Qt::Key_Return});
                });
            });
        Key(f, Qt::Key_H);
        flow.TimerTimer();
    }
    EXPECT_EQ(flow.GameState[kZibbo], kSolved);
    EXPECT_EQ(cheer, "Hurrah, you did it!");
    EXPECT_EQ(message, "Solved with a hint: this time is not entered in the best times.");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no best times list follows";
    EXPECT_EQ(LoadHighscores(f.store(), "zibb01")[0].time, 0);
    flow.FormClose();

    // The same deal with a move taken back and played again on the keys: entered.
    SeededRandom again(99);
    form = test::ShownForm(again);
    ASSERT_NE(form, nullptr);
    auto& dials = static_cast<zibbo::Zibbo&>(*form->flow().PuzzleOf(kZibbo)).Directions();
    const std::array<int, 9> dealt = dials;
    Key(*form, Qt::Key_Space);
    const std::array<int, 9> moved = dials;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; std::array<int, 9> after; } keys[] = {
        {Qt::Key_Z, ctrl, dealt}, {Qt::Key_Z, ctrlShift, moved}, {Qt::Key_Z, ctrl, dealt},
        {Qt::Key_Y, ctrl, moved}, {Qt::Key_Z, ctrl, dealt}};
    for (const auto& k : keys) {
        Key(*form, k.key, k.modifiers);
        EXPECT_EQ(dials, k.after) << "key " << k.key << " with " << k.modifiers.toInt();
    }
    int32_t solvedIn = -1;
    test::AnswerNextModals({{Qt::Key_Return}, {Qt::Key_Return}});
    for (const QPoint at : test::UndoingPresses(99)) {
        form->flow().TimerTimer();
        QTest::mouseClick(form->boardWidget(), Qt::RightButton, {}, at);
    }
    solvedIn = form->flow().ClockTicks[kZibbo];
    EXPECT_EQ(form->flow().GameState[kZibbo], kSolved);
    EXPECT_GT(solvedIn, 0);
    EXPECT_EQ(LoadHighscores(form->store(), "zibb01")[0].time, solvedIn);
    form->flow().FormClose();
}

TEST(HintWindow, AMoveCancelsTheSearchLeavingNoWorkAndNoStaleHint) {
    SeededRandom random(28);
    auto form = test::ShownForm(random, "[common]\ntongue=0\nmode=1\nhmode=1\n");
    ASSERT_NE(form, nullptr);
    TMainForm& f = *form;
    GameFlow& flow = f.flow();
    BoardWidget* board = f.boardWidget();
    ASSERT_EQ(flow.CurrentMode, kKolluk);
    auto& kolluk = static_cast<kolluk::Kolluk&>(*flow.PuzzleOf(kKolluk));

    // An answer on its way when the board changes is not taken; the next search's is.
    f.hints().Ask();
    f.hints().worker().WaitIdle();
    const QPoint upperRing = kolluk.PressTargets()[0].press();
    flow.boxMouseDown(upperRing.x(), upperRing.y(), MouseButton::Left);
    f.hints().Ask();
    f.hints().worker().WaitIdle();
    QApplication::processEvents();
    const std::atomic<bool> never{false};
    const auto fresh = kolluk::Solve(kolluk.Rules(), 1, never);
    ASSERT_TRUE(fresh && !fresh->empty() && f.hints().Shown());
    EXPECT_EQ(kolluk.PressOf(fresh->front()), f.hints().Shown());

    test::AnswerNextModal(Qt::Key_Return);  // yes, give up the game running
    Key(f, Qt::Key_PageUp);
    QApplication::processEvents();
    flow.Levels().hmode = 3;
    Key(f, Qt::Key_PageUp);
    ASSERT_EQ(flow.Levels().hmode, 4);
    ASSERT_EQ(flow.GameState[kKolluk], kReady);

    // The mark thinks on screen only, and play goes on meanwhile.
    const QImage picture = board->image().copy();
    Key(f, Qt::Key_H);
    ASSERT_TRUE(f.hints().Thinking());
    EXPECT_EQ(Description(board), QString::fromUtf8("Hint: looking for the next move…"));
    const QImage thinking = OnScreen(board);
    f.hints().Pulse();
    EXPECT_NE(OnScreen(board), thinking) << "the mark moves while the game thinks";
    EXPECT_EQ(board->image(), picture);

    // A search that ran on after the move would bring its answer for the board before it.
    Key(f, Qt::Key_Return);  // a roll of the focused ring
    EXPECT_FALSE(f.hints().Thinking());
    f.hints().worker().WaitIdle();
    EXPECT_FALSE(f.hints().worker().Busy());
    QApplication::processEvents();
    EXPECT_FALSE(f.hints().Shown());
    EXPECT_FALSE(kolluk.HintPress()) << "no solution kept for the board before the move";
    EXPECT_EQ(Description(board), "");
    EXPECT_EQ(flow.GameState[kKolluk], kRunning);

    // A switch to another puzzle cancels likewise.
    Key(f, Qt::Key_H);
    ASSERT_TRUE(f.hints().Thinking());
    Key(f, Qt::Key_1);
    EXPECT_FALSE(f.hints().Thinking());
    f.hints().worker().WaitIdle();
    QApplication::processEvents();
    EXPECT_FALSE(f.hints().Shown());
    EXPECT_FALSE(kolluk.HintPress());
    flow.FormClose();
}

}  // namespace
}  // namespace spindora
