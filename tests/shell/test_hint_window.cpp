// The hint and undo keys in the real window, on seeded deals; the searches' answers are taken
// as the window's loop takes them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>
#include <new>

#include "dialogs/HighscoreList.h"
#include "dialogs/MessageDlg.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/zibbo/Zibbo.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::Key;
using test::OnScreen;

QString Description(QWidget* widget) { return test::Accessible(widget, QAccessible::Description); }

void TakeAnswer(TMainForm& form) {
    form.hints().worker().WaitIdle();
    QApplication::processEvents();
}

TEST(HintWindow, UndoKeysAndHTwiceAgainAndAgainSolvingTheDealWithOneSearchWhoseTimeIsNotEntered) {
    SeededRandom random(99);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    BoardWidget* board = form->boardWidget();
    auto& zibbo = static_cast<zibbo::Zibbo&>(*flow.PuzzleOf(kZibbo));

    // Ctrl+Z takes a move back; Ctrl+Shift+Z and Ctrl+Y play it again.
    const auto dealt = zibbo.Directions();
    Key(*form, Qt::Key_Space);
    const auto moved = zibbo.Directions();
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    for (const auto& [key, modifiers, after] : {std::tuple{Qt::Key_Z, ctrl, dealt}, {Qt::Key_Z, ctrl | Qt::ShiftModifier, moved},
                                               {Qt::Key_Z, ctrl, dealt}, {Qt::Key_Y, ctrl, moved}, {Qt::Key_Z, ctrl, dealt}}) {
        Key(*form, key, modifiers);
        EXPECT_EQ(zibbo.Directions(), after) << key << " with " << modifiers.toInt();
    }

    const QImage picture = board->image().copy(), background = flow.Background().copy();
    const QImage offScreen = flow.OffScreen().copy();
    QString notice, message;
    test::WhenModalActive([&](QWidget* done) {
        notice = qobject_cast<MessageDlg*>(done)->msg()->text();
        test::TypeInto(done, {Qt::Key_Return});
        test::WhenModalActive([&](QWidget* next) {
            auto* hinted = qobject_cast<MessageDlg*>(next);
            message = hinted ? hinted->msg()->text() : next->objectName();
            test::TypeInto(next, {hinted ? Qt::Key_Return : Qt::Key_Escape});
        });
    });
    bool searched = false;
    for (int presses = 0; flow.GameState(kZibbo) != kSolved && presses < 100; ++presses) {
        Key(*form, Qt::Key_H);
        if (form->hints().Thinking()) {
            ASSERT_FALSE(searched) << "following the hints searched again";
            searched = true;
            TakeAnswer(*form);
        }
        ASSERT_TRUE(form->hints().Shown());
        const TargetPress hint = *form->hints().Shown();
        EXPECT_EQ(form->boardKeys()->Focus(), hint.target);
        if (presses == 0) {  // drawn over the board on screen only, and named for a screen reader
            EXPECT_TRUE(board->image() == picture && flow.Background() == background && flow.OffScreen() == offScreen);
            EXPECT_NE(OnScreen(board), picture);
            const QRegularExpression said("^Hint: (top|middle|bottom) row, (left|middle|right) dial, (left|right) button$");
            EXPECT_TRUE(said.match(Description(board)).hasMatch()) << Description(board).toStdString();
        }
        Key(*form, Qt::Key_H);
        flow.TimerTimer();
    }
    EXPECT_EQ(flow.GameState(kZibbo), kSolved);
    EXPECT_EQ(notice.toStdString(), "Hurrah, you did it!");
    EXPECT_EQ(message.toStdString(), "Solved with a hint: this time is not entered in the best times.");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no best times list follows";
    EXPECT_EQ(LoadHighscores(form->store(), "zibb01")[0].time, 0);
    flow.FormClose();
}

TEST(HintWindow, AMoveCancelsTheSearchLeavingNoWorkAndNoStaleHint) {
    SeededRandom random(28);
    auto form = test::ShownForm(random, "[common]\ntongue=0\nmode=1\n");
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    BoardWidget* board = form->boardWidget();
    auto& kolluk = static_cast<kolluk::Kolluk&>(*flow.PuzzleOf(kKolluk));

    // An answer on its way when the board changes is not taken; the next search's is.
    form->hints().Ask();
    form->hints().worker().WaitIdle();
    const QPoint upperRing = kolluk.PressTargets()[0].press();
    flow.boxMouseDown(upperRing.x(), upperRing.y(), MouseButton::Left);
    form->hints().Ask();
    TakeAnswer(*form);
    const std::atomic<bool> never{false};
    const auto fresh = kolluk::Solve(kolluk.Rules(), 1, never);
    ASSERT_TRUE(fresh && !fresh->empty());
    EXPECT_EQ(kolluk.PressOf(fresh->front()), form->hints().Shown());

    // At level 4 the mark thinks, until a roll. A search that ran on after the roll would
    // bring its answer for the board before it.
    test::AnswerNextModal(Qt::Key_Return);  // yes, give up the game running
    flow.OptionBtnMouseDown(MouseButton::Right);
    ASSERT_EQ(flow.Levels().hmode, 4);
    QApplication::processEvents();  // the window is active again
    Key(*form, Qt::Key_H);
    ASSERT_TRUE(form->hints().Thinking());
    EXPECT_EQ(Description(board), QString::fromUtf8("Hint: looking for the next move…"));
    const QImage thinking = OnScreen(board);
    form->hints().Pulse();
    EXPECT_NE(OnScreen(board), thinking) << "the mark moves while the game thinks";
    Key(*form, Qt::Key_Return);  // a roll of the focused ring
    EXPECT_FALSE(form->hints().Thinking());
    TakeAnswer(*form);
    EXPECT_FALSE(form->hints().worker().Busy());
    EXPECT_FALSE(form->hints().Shown());
    EXPECT_FALSE(kolluk.HintPress()) << "a solution kept for the board before the roll";
    EXPECT_FALSE(Description(board).startsWith("Hint")) << Description(board).toStdString();
    flow.FormClose();
}

// ZIBBO whose search cannot get its memory.
class StarvedZibbo final : public zibbo::Zibbo {
public:
    using Zibbo::Zibbo;
    HintSearch SearchHint() override {
        return [](const std::atomic<bool>&) -> std::function<void()> { throw std::bad_alloc(); };
    }
};

TEST(HintWindow, ASearchWithoutMemoryShowsAndSaysNoHintNowInEitherLanguageAndPlayGoesOn) {
    SeededRandom random(5);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    auto* starved = new StarvedZibbo(flow);
    flow.SetPuzzle(kZibbo, std::unique_ptr<Puzzle>(starved));
    starved->NewBoard();
    for (const auto& [tongue, said] : {std::pair{0, "No hint now"}, {1, "Jetzt kein Tipp"}}) {
        flow.tongue.Set(tongue);
        Key(*form, Qt::Key_H);
        TakeAnswer(*form);
        EXPECT_FALSE(form->hints().Thinking() || form->hints().Shown());
        EXPECT_EQ(Description(form->boardWidget()).toStdString(), said);
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text().toStdString(), said);
        const auto before = starved->Directions();
        Key(*form, Qt::Key_Space);
        EXPECT_NE(starved->Directions(), before) << "the game plays on";
    }
    flow.FormClose();
}

}  // namespace
}  // namespace spindora
