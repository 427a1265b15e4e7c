#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <array>
#include <vector>

#include "puzzles/pluf/Pluf.h"
#include "puzzles/pluf/PlufSheet.h"
#include "shell/PlufDeal.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::NetTurns;
using test::RecordingRandom;

// Says OK to every dialog that opens, as a player who reads and agrees would.
class Agreeing final : public QObject {
public:
    std::vector<QString> texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            // A dialog sets its texts as it opens; read them once it is open.
            QTimer::singleShot(0, dialog, [this, dialog] {
                // The highscore list that follows the notice is answered, not read.
                if (qobject_cast<MessageDlg*>(dialog))
                    for (QLabel* label : dialog->findChildren<QLabel*>())
                        if (!label->text().isEmpty()) texts.push_back(label->text());
                QTest::keyClick(dialog, Qt::Key_Return);
            });
        }
        return false;
    }
};

TEST(PlufWindow, SolvingALevelOneDealWithTheMouseStopsTheClockAndCheers) {
    RecordingRandom random(4711);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();

    random.draws.clear();
    QTest::mouseClick(form->findChild<QWidget*>("PlufBtn"), Qt::LeftButton);
    ASSERT_EQ(flow.CurrentMode(), 2) << "the PLUF button is enabled and shows PLUF";
    EXPECT_EQ(flow.Levels().dmode, 1);
    EXPECT_EQ(flow.GameState(2), kReady);
    auto& pluf = static_cast<pluf::Pluf&>(*flow.PuzzleOf(2));
    const std::array<int, 23> net = NetTurns(random.draws);
    const QImage screen = form->boardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, form->boardWidget()->image()) << "the window shows what PLUF drew";

    Agreeing agree;
    qApp->installEventFilter(&agree);
    // Undo each plate's net turn the short way round.
    for (int plate = 1; plate <= 10 && flow.GameState(2) != kSolved; ++plate) {
        const int left = ((net[plate] % 6) + 6) % 6;  // counter-clockwise steps to undo
        const bool clockwise = left <= 3;
        const QPoint at = pluf::PlateCorner(plate) + QPoint(37, 37);
        for (int n = clockwise ? left : 6 - left; n > 0 && flow.GameState(2) != kSolved; --n) {
            QTest::mouseClick(form->boardWidget(), clockwise ? Qt::RightButton : Qt::LeftButton, {}, at);
            flow.TimerTimer();
        }
    }
    qApp->removeEventFilter(&agree);
    EXPECT_TRUE(pluf.IsSolved());
    EXPECT_EQ(flow.GameState(2), kSolved);
    EXPECT_EQ(agree.texts, std::vector<QString>{"Hurrah, you did it!"});
    EXPECT_EQ(flow.LevelKey(), "pluf01");
    const int32_t final = flow.ClockTicks(2);
    EXPECT_GT(final, 0);
    flow.TimerTimer();
    EXPECT_EQ(flow.ClockTicks(2), final);
    const QImage after = form->boardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(after, form->boardWidget()->image());
    flow.FormClose();
}

}  // namespace
}  // namespace spindora
