#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <deque>
#include <unordered_map>
#include <vector>

#include "dialogs/MessageDlg.h"
#include "puzzles/MurvoRules.h"
#include "puzzles/murvo/Murvo.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using namespace test::murvo_rules;

// Level 1's pattern: three colours, six discs each, on the eighteen inner places.
const Board kLevelOne = {11, 11, 31, 31, 51, 51, 11, 11, 11, 11, 31, 31, 31, 31, 51, 51, 51, 51};

// Eighteen places of three colours fit two bits each. A step is 2 * move + (1 if clockwise).
using Packed = uint64_t;

Packed Pack(const Board& board) {
    Packed packed = 0;
    for (int p = 0; p < 18; ++p) packed |= Packed(board[p] / 20) << (2 * p);
    return packed;
}

Packed Step(Packed state, int step) {
    const std::vector<int>& ring = kSpecMoves[step / 2].ring;
    const size_t n = ring.size();
    const auto at = [&](size_t k) { return (state >> (2 * (ring[k % n] - 1))) & 3; };
    Packed next = state;
    for (size_t k = 0; k < n; ++k) {
        // Clockwise the disc on p(k) goes to p(k + 1); the other way to p(k - 1).
        const size_t to = step % 2 ? k + 1 : k + n - 1;
        const int shift = 2 * (ring[to % n] - 1);
        next = (next & ~(Packed(3) << shift)) | (at(k) << shift);
    }
    return next;
}

// The shortest presses from `start` to `goal`, searched from both ends at once; a dealt
// level 1 board lies about ten presses from its pattern.
std::vector<int> Solve(Packed start, Packed goal) {
    std::unordered_map<Packed, int> seen[2];  // state -> step that reached it, -1 at the ends
    std::deque<Packed> frontier[2] = {{start}, {goal}};
    seen[0][start] = -1;
    seen[1][goal] = -1;
    Packed meet = start;
    bool met = start == goal;
    while (!met) {
        const int side = frontier[0].size() <= frontier[1].size() ? 0 : 1;
        std::deque<Packed> next;
        for (const Packed state : frontier[side]) {
            for (int step = 0; step < 26 && !met; ++step) {  // the moves of levels 1 to 4
                const Packed reached = Step(state, step);
                if (!seen[side].emplace(reached, step).second) continue;
                next.push_back(reached);
                if (seen[1 - side].count(reached)) {
                    met = true;
                    meet = reached;
                }
            }
            if (met) break;
        }
        frontier[side] = std::move(next);
    }
    std::vector<int> steps;
    for (Packed state = meet; seen[0][state] != -1;) {
        const int step = seen[0][state];
        steps.push_back(step);
        state = Step(state, step ^ 1);
    }
    std::reverse(steps.begin(), steps.end());
    for (Packed state = meet; seen[1][state] != -1;) {
        const int back = seen[1][state] ^ 1;
        steps.push_back(back);
        state = Step(state, back);
    }
    return steps;
}

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
    ASSERT_EQ(flow.CurrentMode, 3);
    EXPECT_EQ(flow.GameState[3], kReady);
    const QImage shown = form->boardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, form->boardWidget()->image()) << "the window shows the board MURVO drew";

    auto& murvo = static_cast<murvo::Murvo&>(*flow.PuzzleOf(3));
    const std::vector<int> presses = Solve(Pack(murvo.State().board), Pack(kLevelOne));
    ASSERT_GE(presses.size(), 2u);
    ASSERT_LE(presses.size(), 16u);

    QString cheer;
    for (size_t i = 0; i < presses.size(); ++i) {
        EXPECT_NE(flow.GameState[3], kSolved);
        if (i + 1 == presses.size()) AnswerNotice(&cheer);
        const QPoint at = HotSpot(presses[i] / 2);
        QTest::mouseClick(form->boardWidget(), presses[i] % 2 ? Qt::RightButton : Qt::LeftButton, {}, at);
        EXPECT_EQ(flow.GameState[3], i + 1 == presses.size() ? kSolved : kRunning);
        flow.TimerTimer();
    }
    EXPECT_EQ(murvo.State().board, kLevelOne);
    EXPECT_EQ(cheer, "Hurrah, you did it!");
    EXPECT_EQ(flow.LevelKey, "murv01");
    const int32_t final = flow.ClockTicks[3];
    EXPECT_EQ(final, static_cast<int32_t>(presses.size()) - 1);
    flow.TimerTimer();
    EXPECT_EQ(flow.ClockTicks[3], final) << "the clock stands still once solved";
    flow.FormClose();
}

}  // namespace
}  // namespace spindora
