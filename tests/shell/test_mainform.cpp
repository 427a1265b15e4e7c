#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "puzzles/zibbo/Zibbo.h"
#include "puzzles/zibbo/ZibboSheet.h"
#include "shell/ShownMainForm.h"
#include "shell/ZibboDeal.h"

namespace spindora {
namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

using test::AnswerNextModal;
using test::ShownForm;

TEST(MainForm, PlaysZibboWithTheMouseAndClosesThroughTheEndDialog) {
    SeededRandom random(2024);
    auto form = ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    EXPECT_FALSE(flow.FirstActivation()) << "first activation runs even without a window manager";
    EXPECT_EQ(form->size(), QSize(500, 366));
    EXPECT_EQ(form->windowTitle(), "Spindora V1.3");

    // Tool-bar controls lie on ToolPanel, which starts at the window's top left, so their
    // places are window places too.
    const struct { const char* name; QRect place; } controls[] = {
        {"ToolPanel", {0, 0, 500, 33}},
        {"MixBtn", {4, 4, 25, 25}},      {"OptionBtn", {28, 4, 25, 25}},
        {"PauseBtn", {52, 4, 25, 25}},   {"soundbtn", {76, 4, 25, 25}},
        {"MidiBtn", {100, 4, 25, 25}},   {"HighScoreBtn", {124, 4, 25, 25}},
        {"ExitBtn", {148, 4, 25, 25}},   {"ZibboBtn", {176, 4, 25, 25}},
        {"KollukBtn", {200, 4, 25, 25}}, {"PlufBtn", {224, 4, 25, 25}},
        {"MurvoBtn", {248, 4, 25, 25}},  {"Bevel1", {275, 4, 120, 26}},
        {"tim", {276, 5, 117, 24}},      {"TimeLabel", {280, 12, 33, 16}},
        {"timbox", {312, 7, 77, 20}},    {"TongueBtn", {394, 4, 25, 25}},
        {"HelpBtn", {420, 4, 25, 25}},   {"InfoBtn", {444, 4, 25, 25}},
        {"BrizzelBtn", {468, 4, 29, 25}}, {"box", {0, 33, 500, 333}},
    };
    for (const auto& c : controls) {
        auto* w = form->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size()), c.place) << c.name;
        EXPECT_TRUE(w->isVisible()) << c.name;
    }
    // The invisible rules area over ZIBBO's rules drawing, in window coordinates.
    EXPECT_EQ(form->RulesShape(), QRect(353, 220, 126, 126));
    // Exactly one mode button is down: the mode shown.
    const char* const modeButtons[] = {"ZibboBtn", "KollukBtn", "PlufBtn", "MurvoBtn"};
    for (int mode = 0; mode < 4; ++mode)
        EXPECT_EQ(form->findChild<QAbstractButton*>(modeButtons[mode])->isChecked(), mode == 0)
            << modeButtons[mode];
    EXPECT_EQ(form->timer().interval(), 200);
    EXPECT_TRUE(form->timer().isActive()) << "the timer runs from creation";
    EXPECT_FALSE(form->timer().Awake()) << "yet nothing counts, so it wakes nobody";
    EXPECT_EQ(form->findChild<QLabel*>("TimeLabel")->text(), "Time:");
    EXPECT_EQ(form->findChild<QWidget*>("MixBtn")->toolTip(), "I start again.");

    // The board on screen is the board the puzzle drew.
    const QImage screen = form->boardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, form->boardWidget()->image());

    auto& zibbo = static_cast<zibbo::Zibbo&>(*flow.PuzzleOf(0));
    const auto before = zibbo.Directions();
    QTest::mouseClick(form->boardWidget(), Qt::LeftButton, {}, QPoint(175, 175));
    EXPECT_NE(zibbo.Directions(), before);
    EXPECT_EQ(flow.GameState(0), kRunning);
    EXPECT_TRUE(form->timer().Awake()) << "the first move starts the clock";
    QTest::mouseClick(form->boardWidget(), Qt::RightButton, {}, QPoint(175, 175));
    EXPECT_EQ(zibbo.Directions(), before);
    const QImage after = form->boardWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(after, screen) << "a press and its undo leave the same picture";

    // The knight acts on the press of any mouse button; the board's level button too.
    auto* option = form->findChild<QWidget*>("OptionBtn");
    AnswerNextModal(Qt::Key_Return);  // the game runs: give it up
    QTest::mousePress(option, Qt::RightButton);
    EXPECT_EQ(flow.Levels().gmode, 9);
    EXPECT_EQ(flow.GameState(0), kReady);
    EXPECT_FALSE(form->timer().Awake()) << "a new deal's clock stands";
    QTest::mouseRelease(option, Qt::RightButton);
    QTest::mouseClick(form->boardWidget(), Qt::LeftButton, {}, QPoint(454, 150));
    EXPECT_EQ(flow.Levels().gmode, 1) << "a ready board changes level without a question";
    QTest::mouseClick(form->boardWidget(), Qt::LeftButton, {}, QPoint(175, 175));
    AnswerNextModal(Qt::Key_Escape);
    QTest::mousePress(option, Qt::MiddleButton);
    EXPECT_EQ(flow.GameState(0), kRunning) << "No keeps the running game";
    EXPECT_TRUE(form->timer().Awake()) << "and its clock counts on";
    AnswerNextModal(Qt::Key_Return);
    QTest::mousePress(option, Qt::MiddleButton);
    EXPECT_EQ(flow.GameState(0), kReady);
    EXPECT_EQ(flow.Levels().gmode, 1);

    // Hovering over the rules drawing shows the rules; elsewhere on the board nothing.
    QHelpEvent over(QEvent::ToolTip, QPoint(400, 240), form->boardWidget()->mapToGlobal(QPoint(400, 240)));
    QApplication::sendEvent(form->boardWidget(), &over);
    EXPECT_EQ(QToolTip::text(), "Click the ZIBBOS. Let all pointers show upwards.");

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QTest::mouseClick(form->findChild<QWidget*>("BrizzelBtn"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toString(), MakerWebAddress());
    // Without a browser a message says so and gives the address.
    QString noBrowser;
    AnswerNextModal(Qt::Key_Return, &noBrowser);
    QTest::mouseClick(form->findChild<QWidget*>("BrizzelBtn"), Qt::LeftButton);
    EXPECT_EQ(noBrowser, "The web page cannot be opened here. Its address is " + MakerWebAddress());

    // Closing asks; No keeps the game and its clock, whether it is chosen with Escape or by
    // tabbing to it and pressing Enter. Yes ends it.
    for (const auto& keys : {std::vector<Qt::Key>{Qt::Key_Escape},
                             std::vector<Qt::Key>{Qt::Key_Tab, Qt::Key_Return},
                             std::vector<Qt::Key>{Qt::Key_Tab, Qt::Key_Enter}}) {
        AnswerNextModal(keys);
        EXPECT_FALSE(form->close()) << keys.size() << " keys";
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->timer().isActive());
    }
    AnswerNextModal(Qt::Key_Return);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->timer().isActive());
}

// Back and forward thumb buttons are "any other button": like the middle button they deal
// anew at the same level on the knight and the board's level button, and turn no ZIBBO.
TEST(MainForm, ThumbButtonsDealAnewAtTheSameLevelAndTurnNothing) {
    SeededRandom random(31);
    auto form = ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    auto& zibbo = static_cast<zibbo::Zibbo&>(*flow.PuzzleOf(0));
    auto* option = form->findChild<QWidget*>("OptionBtn");
    BoardWidget* board = form->boardWidget();
    std::array<int, 9> upright;
    upright.fill(11);
    const int level = flow.Levels().gmode;

    const std::function<void(Qt::MouseButton)> presses[] = {
        [&](Qt::MouseButton thumb) {
            QTest::mousePress(option, thumb);
            QTest::mouseRelease(option, thumb);
        },
        [&](Qt::MouseButton thumb) { QTest::mouseClick(board, thumb, {}, QPoint(454, 150)); },
    };
    for (const Qt::MouseButton thumb : {Qt::BackButton, Qt::ForwardButton}) {
        SCOPED_TRACE(thumb == Qt::BackButton ? "back" : "forward");
        zibbo.Directions() = upright;
        QTest::mouseClick(board, thumb, {}, QPoint(175, 175));
        EXPECT_EQ(zibbo.Directions(), upright) << "a thumb press turns no ZIBBO";
        // A started game would make the level presses below ask, with nobody to answer.
        ASSERT_EQ(flow.GameState(0), kReady);

        for (const auto& press : presses) {
            zibbo.Directions() = upright;
            press(thumb);
            EXPECT_EQ(flow.Levels().gmode, level);
            EXPECT_NE(zibbo.Directions(), upright) << "dealt anew";
            EXPECT_EQ(flow.GameState(0), kReady);
        }
    }
    const QImage screen = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, board->image()) << "the new deal is on screen";

    // While the game runs the knight asks first. Tabbing to No and pressing Enter keeps the
    // game, its position and its clock; Enter on Yes gives it up.
    QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(175, 175));
    ASSERT_EQ(flow.GameState(0), kRunning);
    flow.TimerTimer();
    const int32_t ticks = flow.ClockTicks(0);
    const std::array<int, 9> running = zibbo.Directions();
    AnswerNextModal({Qt::Key_Tab, Qt::Key_Return});
    presses[0](Qt::BackButton);
    EXPECT_EQ(flow.GameState(0), kRunning);
    EXPECT_EQ(zibbo.Directions(), running);
    EXPECT_GE(flow.ClockTicks(0), ticks);
    EXPECT_TRUE(form->timer().isActive());
    AnswerNextModal(Qt::Key_Return);
    presses[1](Qt::ForwardButton);
    EXPECT_EQ(flow.GameState(0), kReady);
    EXPECT_EQ(flow.ClockTicks(0), 0);
    EXPECT_EQ(flow.Levels().gmode, level);
    EXPECT_NE(zibbo.Directions(), running);
    flow.FormClose();
}

TEST(MainForm, TheGameRunsFromItsArgumentsUntilTheEndDialogSaysYes) {
    EXPECT_EQ(RunGame({"--seed", "twelve"}, QStringLiteral(SPINDORA_BUILD_DIR)), 2);

    // Two runs with one seed deal the same board; a press turns it the same way.
    std::vector<std::array<int, 9>> dealt, pressed;
    for (int run = 0; run < 2; ++run) {
        test::AfterTheSplash([&](TMainForm& form) {
            auto& zibbo = static_cast<zibbo::Zibbo&>(*form.flow().PuzzleOf(0));
            dealt.push_back(zibbo.Directions());
            QTest::mouseClick(form.boardWidget(), Qt::LeftButton, {}, QPoint(60, 290));
            pressed.push_back(zibbo.Directions());
            EXPECT_EQ(form.flow().GameState(0), kRunning);
        });
        EXPECT_EQ(RunGame({"--seed", "77", "--config", test::SettingsFile()}, QStringLiteral(SPINDORA_BUILD_DIR)), 0);
    }
    ASSERT_EQ(dealt.size(), 2u);
    EXPECT_EQ(dealt[0], dealt[1]);
    EXPECT_EQ(pressed[0], pressed[1]);
    EXPECT_NE(dealt[0], pressed[0]);
}

TEST(MainForm, SolvingADealWithTheMouseStopsTheClockAndCheers) {
    SeededRandom random(99);
    auto form = ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    const std::array<int, 9> net = test::NetTurnsOfDeal(99);
    auto& zibbo = static_cast<zibbo::Zibbo&>(*flow.PuzzleOf(0));
    ASSERT_FALSE(zibbo.IsSolved());

    int pressesLeft = 0;
    for (int k = 0; k < 9; ++k) pressesLeft += ((net[k] % 12) + 12) % 12;
    QString cheer;
    for (int k = 0; k < 9; ++k) {
        const QPoint at = zibbo::PiecePosition(k) + QPoint(39, 39);
        for (int n = ((net[k] % 12) + 12) % 12; n > 0; --n) {
            if (--pressesLeft == 0) {
                QTimer::singleShot(0, [&] {
                    if (auto* done = form->dialog(DialogId::Done); done && done->isVisible())
                        cheer = done->msg()->text();
                });
                // The notice, then the highscore list, which is left without a name.
                test::AnswerNextModals({{Qt::Key_Return}, {Qt::Key_Escape}});
            }
            EXPECT_NE(flow.GameState(0), kSolved);
            QTest::mouseClick(form->boardWidget(), Qt::RightButton, {}, at);
            flow.TimerTimer();
        }
    }
    EXPECT_TRUE(zibbo.IsSolved());
    EXPECT_EQ(flow.GameState(0), kSolved);
    EXPECT_EQ(cheer, "Hurrah, you did it!");
    EXPECT_EQ(flow.LevelKey(), "zibb01");
    const int32_t final = flow.ClockTicks(0);
    EXPECT_GT(final, 0);
    flow.TimerTimer();
    EXPECT_EQ(flow.ClockTicks(0), final);
    form->flow().FormClose();
}

TEST(MainForm, MissingOrTruncatedBoardPictureEndsStartUpWithTheMessage) {
    QTemporaryDir dir;
    SeededRandom random(1);
    QString text;
    AnswerNextModal(Qt::Key_Return, &text);
    EXPECT_EQ(CreateMainForm(random, dir.path() + "/"), nullptr);
    EXPECT_EQ(text, "Not enough memory! Programm aborted.");

    // A board picture cut short, as a broken download leaves it, never shows a black board.
    QFile whole(QStringLiteral(SPINDORA_BUILD_DIR) + "b1.bmp");
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(dir.filePath("b1.bmp"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(5000));
    cut.close();
    text.clear();
    AnswerNextModal(Qt::Key_Return, &text);
    EXPECT_EQ(RunGame({}, dir.path() + "/"), 1);
    EXPECT_EQ(text, "Not enough memory! Programm aborted.");
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<TMainForm*>(w) && w->isVisible()) << "no window was shown";

    // A picture missing at a switch is named as its path is spelt, though the path looks
    // like markup.
    const QString odd = dir.filePath("<b>x</b>") + "/";
    ASSERT_TRUE(QDir().mkpath(odd));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SPINDORA_BUILD_DIR) + "b1.bmp", odd + "b1.bmp"));
    auto form = CreateMainForm(random, odd, test::SettingsFile());
    ASSERT_NE(form, nullptr);
    test::DriveClockByHand(*form);
    form->LeaveOutSplash();
    form->show();
    QApplication::processEvents();
    text.clear();
    Qt::TextFormat format = Qt::RichText;
    test::WhenModalActive([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            format = box->textFormat();
        }
        test::TypeInto(modal, {Qt::Key_Return});
    });
    QTest::mousePress(form->findChild<QWidget*>("OptionBtn"), Qt::LeftButton);
    QTest::mouseClick(form->findChild<QWidget*>("KollukBtn"), Qt::LeftButton);
    EXPECT_EQ(text, "The picture " + odd + "b2.bmp is missing or cannot be read.");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(form->flow().CurrentMode(), 0);
    form->flow().FormClose();
}

}  // namespace
}  // namespace spindora

#include "test_mainform.moc"
