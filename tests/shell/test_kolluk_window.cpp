#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "TestSupport.h"
#include "puzzles/kolluk/Kolluk.h"
#include "game/PuzzleRegistry.h"
#include "shell/KollukSolver.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::AnswerNextModal;
using test::ShownForm;
using namespace test::kolluk_rules;

void Click(TMainForm& form, Roll roll) {
    QTest::mouseClick(form.boardWidget(), roll.clockwise ? Qt::RightButton : Qt::LeftButton, {},
                      kRingPress[roll.ring]);
}

TEST(KollukWindow, SolvingADealWithTheMouseStopsTheClockAndCheers) {
    SeededRandom random(31);
    auto form = ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    auto* button = form->findChild<QToolButton*>("KollukBtn");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(flow.CurrentMode(), 1);
    EXPECT_EQ(flow.GameState(1), kReady);
    EXPECT_EQ(flow.Levels().hmode, 1);

    auto& kolluk = static_cast<kolluk::Kolluk&>(*flow.PuzzleOf(1));
    Balls dealt;
    std::copy(kolluk.BallColours().begin(), kolluk.BallColours().end(), dealt.begin());
    ASSERT_NE(dealt, kLevel1);
    const std::vector<Roll> solution = ShortestSolution(dealt, kLevel1);
    ASSERT_FALSE(solution.empty());
    ASSERT_LE(solution.size(), 16u) << "each roll takes 300 ms";

    QString cheer;
    for (size_t i = 0; i < solution.size(); ++i) {
        if (i + 1 == solution.size()) {
            QTimer::singleShot(0, [&] {
                if (auto* done = form->dialog(DialogId::Done); done && done->isVisible())
                    cheer = done->msg()->text();
            });
            // The notice, then the highscore list, which is left without a name.
            test::AnswerNextModals({{Qt::Key_Return}, {Qt::Key_Escape}});
        }
        EXPECT_NE(flow.GameState(1), kSolved);
        Click(*form, solution[i]);
    }
    EXPECT_TRUE(kolluk.IsSolved());
    EXPECT_EQ(flow.GameState(1), kSolved);
    EXPECT_EQ(cheer, "Hurrah, you did it!");
    EXPECT_EQ(flow.LevelKey(), "kol01");
    // Every roll counted two ticks while the game ran; the timer may have added more.
    const int32_t final = flow.ClockTicks(1);
    EXPECT_GE(final, 2 * static_cast<int32_t>(solution.size()));
    flow.TimerTimer();
    EXPECT_EQ(flow.ClockTicks(1), final);

    // Rolling away and back on the solved board solves it again without a second cheer;
    // the screen shows what the puzzle drew.
    Click(*form, {0, false});
    Click(*form, {0, true});
    EXPECT_TRUE(kolluk.IsSolved());
    EXPECT_EQ(flow.ClockTicks(1), final);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QImage screen = form->boardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, form->boardWidget()->image());
    form->flow().FormClose();
}

TEST(KollukWindow, AStoredModeOneStartsInKollukAtItsStoredLevel) {
    SeededRandom random(8);
    auto shown = ShownForm(random, QStringLiteral("[common]\nmode=1\nhmode=3\ntongue=0\n"));
    ASSERT_NE(shown, nullptr);
    TMainForm& form = *shown;
    EXPECT_EQ(form.flow().CurrentMode(), 1);
    EXPECT_EQ(form.flow().GameState(1), kReady);
    EXPECT_EQ(form.flow().GameState(0), kNotSetUp);
    EXPECT_TRUE(form.findChild<QToolButton*>("KollukBtn")->isChecked());
    // The level button on screen is the picture of level 3 from b2.bmp.
    const QImage file(QStringLiteral(SPINDORA_BUILD_DIR "b2.bmp"));
    ASSERT_FALSE(file.isNull());
    EXPECT_EQ(form.boardWidget()->image().copy(400, 160, 45, 50),
              file.convertToFormat(QImage::Format_RGB32).copy(500, 100, 45, 50));
    form.flow().FormClose();
}

}  // namespace
}  // namespace spindora
