#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <deque>
#include <unordered_map>
#include <vector>

#include "dialogs/MessageDlg.h"
#include "puzzles/murvo/Murvo.h"
#include "shell/MurvoSolver.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using namespace test::murvo_rules;

// Level 1's pattern: three colours, six discs each, on the eighteen inner places.
const Board kLevelOne = {11, 11, 31, 31, 51, 51, 11, 11, 11, 11, 31, 31, 31, 31, 51, 51, 51, 51};

// Answers the solved notice and keeps its text, then leaves the highscore list unchanged.
void AnswerNotice(QString* text) {
    test::WhenModalActive([text](QWidget* modal) {
        if (auto* box = qobject_cast<MessageDlg*>(modal)) *text = box->msg()->text();
        test::TypeInto(modal, {Qt::Key_Return});
        test::AnswerNextModal(Qt::Key_Escape);
    });
}

TEST(MurvoWindow, SolvingALevelOneDealWithTheMouseStopsTheClockAndCheers) {
    SeededRandom random(31);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    flow.Levels().rmode = 1;

    auto* murvoBtn = form->findChild<QWidget*>("MurvoBtn");
    ASSERT_NE(murvoBtn, nullptr);
    ASSERT_TRUE(murvoBtn->isEnabled());
    QTest::mouseClick(murvoBtn, Qt::LeftButton);
    ASSERT_EQ(flow.CurrentMode(), 3);
    EXPECT_EQ(flow.GameState(3), kReady);
    const QImage shown = form->boardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, form->boardWidget()->image()) << "the window shows the board MURVO drew";

    auto& murvo = static_cast<murvo::Murvo&>(*flow.PuzzleOf(3));
    const std::vector<int> presses = Solve(Pack(murvo.State().board), Pack(kLevelOne));
    ASSERT_GE(presses.size(), 2u);
    ASSERT_LE(presses.size(), 16u);

    QString cheer;
    for (size_t i = 0; i < presses.size(); ++i) {
        EXPECT_NE(flow.GameState(3), kSolved);
        if (i + 1 == presses.size()) AnswerNotice(&cheer);
        const QPoint at = HotSpot(presses[i] / 2);
        QTest::mouseClick(form->boardWidget(), presses[i] % 2 ? Qt::RightButton : Qt::LeftButton, {}, at);
        EXPECT_EQ(flow.GameState(3), i + 1 == presses.size() ? kSolved : kRunning);
        flow.TimerTimer();
    }
    EXPECT_EQ(murvo.State().board, kLevelOne);
    EXPECT_EQ(cheer, "Hurrah, you did it!");
    EXPECT_EQ(flow.LevelKey(), "murv01");
    const int32_t final = flow.ClockTicks(3);
    EXPECT_EQ(final, static_cast<int32_t>(presses.size()) - 1);
    flow.TimerTimer();
    EXPECT_EQ(flow.ClockTicks(3), final) << "the clock stands still once solved";
    flow.FormClose();
}

}  // namespace
}  // namespace spindora
