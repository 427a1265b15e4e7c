// The hint and undo keys in the real window, on seeded deals; the searches' answers are taken
// as the window's loop takes them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>
#include <new>

#include "dialogs/HighscoreList.h"
#include "dialogs/MessageDlg.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/zibbo/Zibbo.h"
#include "shell/HintMarks.h"
#include "shell/NewsLine.h"
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

TEST(HintWindow, TheSignIsTheRulesMouseTwentyEightPixelsTallWithOnlyThePressedButtonFilled) {
    const QColor lit(0, 200, 0);  // no colour of the sign itself
    for (const auto& [button, ratio] : {std::pair{MouseButton::Left, 1}, {MouseButton::Right, 1},
                                       {MouseButton::Left, 2}, {MouseButton::Right, 2}}) {
        QImage image(80 * ratio, 80 * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            PaintHintSign(painter, QPointF(40, 40), button, lit);
        }
        // The mouse's light body, in rows; the pressed button's fill, left and right of the middle.
        int top = image.height(), bottom = -1, filled[2] = {0, 0};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() > 150 && c.blue() > 150) top = std::min(top, y), bottom = std::max(bottom, y);
                if (c.red() < 30 && c.green() > 170 && c.blue() < 30) ++filled[x >= 40 * ratio];
            }
        const bool left = button == MouseButton::Left;
        EXPECT_GE(bottom - top + 1, 28 * ratio) << "ratio " << ratio;
        EXPECT_GE(filled[!left], 40 * ratio * ratio) << "the pressed button, ratio " << ratio;
        EXPECT_EQ(filled[left], 0) << "the other button, ratio " << ratio;
    }
}

TEST(HintWindow, OnMurvoADotMarksThePressPointInTheGapBetweenTheRingedDiscs) {
    SeededRandom random(36);
    auto form = test::ShownForm(random, "[common]\ntongue=0\nmode=3\n");
    ASSERT_NE(form, nullptr);
    BoardWidget* board = form->boardWidget();
    Key(*form, Qt::Key_H);
    TakeAnswer(*form);
    ASSERT_TRUE(form->hints().Shown());
    const QPoint press = form->flow().PuzzleOf(kMurvo)->PressTargets()[static_cast<size_t>(form->hints().Shown()->target)].press();
    const QColor dot = OnScreen(board).pixelColor(board->ShownRect(QRect(press, QSize(1, 1))).center());
    EXPECT_TRUE(dot.red() > 230 && dot.green() > 230 && dot.blue() > 220) << dot.name().toStdString();
    form->flow().FormClose();
}

TEST(HintWindow, TheFirstHintOfAGameSaysOnceThatTheGameWillNotEnterTheBestTimes) {
    for (const auto& [tongue, note] : {std::pair{0, "With a hint: no entry in the best times"},
                                       {1, "Mit Tipp: kein Eintrag in die Bestenliste"}}) {
        SeededRandom random(7);
        auto form = test::ShownForm(random, QStringLiteral("[common]\ntongue=%1\n").arg(tongue));
        ASSERT_NE(form, nullptr);
        HintFlow& hints = form->hints();
        Key(*form, Qt::Key_H);
        TakeAnswer(*form);
        ASSERT_TRUE(hints.Shown());
        EXPECT_EQ(hints.Note().toStdString(), note);
        QApplication::processEvents();
        EXPECT_TRUE(NewsLine::Of(*form).Text().endsWith(QString::fromUtf8(note))) << NewsLine::Of(*form).Text().toStdString();
        const QImage withNote = OnScreen(form->boardWidget());
        hints.EndNote();  // as its time runs out
        EXPECT_NE(OnScreen(form->boardWidget()), withNote) << "the note shows on the board";
        // The next hints of the same game show no note; a new deal's first one does again.
        for (const bool anew : {false, false, true}) {
            if (anew) {
                test::AnswerNextModal(Qt::Key_Return);  // yes, give up the game running
                Key(*form, Qt::Key_F2);
                QApplication::processEvents();
            } else Key(*form, Qt::Key_H);  // plays the hint shown
            Key(*form, Qt::Key_H);
            TakeAnswer(*form);
            EXPECT_EQ(hints.Note().isEmpty(), !anew) << "anew " << anew;
            QApplication::processEvents();
            EXPECT_EQ(NewsLine::Of(*form).Text().contains(QString::fromUtf8(note)), anew) << NewsLine::Of(*form).Text().toStdString();
        }
        form->flow().FormClose();
    }
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
