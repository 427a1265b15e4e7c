#include <gtest/gtest.h>

#include "game/FakeShell.h"

namespace spindora {
namespace {

using test::FakePuzzle;
using test::GameFlowTest;

TEST_F(GameFlowTest, StartUpDealsTheSavedModeOnlyAndPlacesTheRulesArea) {
    ShellSettings settings;
    settings.mode = 1;
    Start(settings);
    EXPECT_EQ(flow.CurrentMode(), 1);
    EXPECT_EQ(flow.GameStates(), (std::array<uint8_t, 4>{kNotSetUp, kReady, kNotSetUp, kNotSetUp}));
    EXPECT_EQ(puzzle(1).deals, 1);
    EXPECT_EQ(puzzle(0).deals, 0);
    EXPECT_EQ(view.modeButton, 1);
    EXPECT_TRUE(view.optionEnabled);
    EXPECT_EQ(view.rulesShape, QRect(320, 55, 160, 132));
    EXPECT_TRUE(flow.FirstActivation());
    EXPECT_TRUE(view.shown.empty()) << "start-up opens no dialog";
    EXPECT_EQ(flow.OffScreen().size(), QSize(666, 333));

    // A mode this build has no puzzle for, or no mode at all, starts ZIBBO.
    for (uint8_t stored : {uint8_t{3}, uint8_t{200}}) {
        GameFlow other(view, random, dir.path() + "/");
        other.SetPuzzle(0, std::make_unique<FakePuzzle>(other));
        settings.mode = stored;
        ASSERT_TRUE(other.FormCreate(settings));
        EXPECT_EQ(other.CurrentMode(), 0);
    }
}

TEST_F(GameFlowTest, MissingBoardPictureFailsStartUpAndNamesTheFile) {
    ASSERT_TRUE(QFile::remove(dir.filePath("b1.bmp")));
    EXPECT_FALSE(flow.FormCreate({}));
    EXPECT_EQ(flow.FailedFile(), dir.filePath("b1.bmp"));
    EXPECT_EQ(puzzle(0).deals, 0);

    QFile junk(dir.filePath("b1.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a bitmap");
    junk.close();
    EXPECT_FALSE(flow.FormCreate({}));

    // A board without the sheet beside it cannot draw any piece.
    ASSERT_TRUE(QFile::remove(dir.filePath("b1.bmp")));
    WritePicture("b1.bmp", QSize(500, 333));
    EXPECT_FALSE(flow.FormCreate({}));
    WritePicture("b1.bmp", QSize(812, 333));
    EXPECT_TRUE(flow.FormCreate({}));
}

TEST_F(GameFlowTest, FirstMoveStartsTheClockWhichCountsOnlyWhileRunning) {
    Start();
    Tick(3);
    EXPECT_EQ(flow.ClockTicks(0), 0);
    EXPECT_TRUE(view.clock.empty()) << "a ready clock is not redrawn by the timer";
    EXPECT_TRUE(view.wakes.empty()) << "nothing counts, nothing wakes the timer";
    flow.boxMouseDown(100, 100, MouseButton::Left);
    EXPECT_EQ(flow.GameState(0), kRunning);
    EXPECT_EQ(view.wakes, std::vector<uint8_t>{kReady}) << "woken at the press, before the move";
    flow.boxMouseDown(100, 100, MouseButton::Left);
    EXPECT_EQ(view.wakes.size(), 1u) << "a running clock's timer is awake already";
    Tick(5);
    EXPECT_EQ(flow.ClockTicks(0), 5);
    EXPECT_EQ(view.clock.back(), 5);
    flow.boxMouseDown(999, 0, MouseButton::Left);  // solves
    EXPECT_EQ(flow.GameState(0), kSolved);
    Tick(4);
    EXPECT_EQ(flow.ClockTicks(0), 5) << "a solved clock stands still";
}

TEST_F(GameFlowTest, ShuffleAsksOnlyWhileRunningAndCancelKeepsEverything) {
    Start();
    const int first = puzzle(0).position;
    flow.MixBtnClick();  // ready: no question
    EXPECT_TRUE(view.shown.empty());
    EXPECT_NE(puzzle(0).position, first);
    EXPECT_EQ(puzzle(0).paints, 1);

    flow.boxMouseDown(1, 1, MouseButton::Left);
    Tick(7);
    const int position = puzzle(0).position;
    view.answers = {kModalCancel};
    view.log.clear();
    flow.MixBtnClick();
    EXPECT_EQ(view.shown, std::vector<DialogId>{DialogId::NewGame});
    EXPECT_EQ(puzzle(0).position, position);
    EXPECT_EQ(flow.GameState(0), kRunning);
    EXPECT_EQ(flow.ClockTicks(0), 7);
    EXPECT_EQ(view.log, (std::vector<std::string>{"stop", "start"}));
    Tick(1);
    EXPECT_EQ(flow.ClockTicks(0), 8) << "the clock runs on after No";

    // Level change: Cancel keeps the level too; Yes changes it and deals at ready with 0.
    view.answers = {kModalCancel, kModalOk};
    flow.OptionBtnMouseDown(MouseButton::Left);
    EXPECT_EQ(flow.Levels().gmode, 1);
    EXPECT_TRUE(puzzle(0).levelPresses.empty());
    flow.OptionBtnMouseDown(MouseButton::Left);
    EXPECT_EQ(flow.Levels().gmode, 2);
    EXPECT_EQ(flow.GameState(0), kReady);
    EXPECT_EQ(flow.ClockTicks(0), 0);
    EXPECT_EQ(view.clock.back(), 0);
    EXPECT_TRUE(view.timerRunning);

    // A solved puzzle is dealt anew without a question.
    flow.boxMouseDown(999, 0, MouseButton::Left);
    view.shown.clear();
    flow.OptionBtnMouseDown(MouseButton::Middle);
    EXPECT_EQ(view.shown, std::vector<DialogId>{});
    EXPECT_EQ(puzzle(0).levelPresses.back(), MouseButton::Middle);
    EXPECT_EQ(flow.GameState(0), kReady);
}

TEST_F(GameFlowTest, PauseOnlyWhileRunningWithTheTimerStopped) {
    Start();
    flow.PauseBtnClick();
    EXPECT_TRUE(view.shown.empty());
    flow.boxMouseDown(1, 1, MouseButton::Left);
    view.log.clear();
    flow.PauseBtnClick();
    EXPECT_EQ(view.shown, std::vector<DialogId>{DialogId::Pause});
    EXPECT_EQ(view.log, (std::vector<std::string>{"stop", "start"}));
    flow.boxMouseDown(999, 1, MouseButton::Left);
    view.shown.clear();
    flow.PauseBtnClick();
    EXPECT_TRUE(view.shown.empty()) << "no pause on a solved puzzle";
}

TEST_F(GameFlowTest, SolvedFlowRunsOnceWithEffectDialogAndKey) {
    Start();
    flow.Levels().gmode = 4;
    flow.boxMouseDown(999, 0, MouseButton::Left);  // solved within the first tick
    EXPECT_EQ(flow.GameState(0), kSolved);
    EXPECT_EQ(view.effects, std::vector<int>{5});
    EXPECT_EQ(view.shown, (std::vector<DialogId>{DialogId::Done, DialogId::Highscore}));
    EXPECT_EQ(view.stateAtDialog, kSolved);
    EXPECT_EQ(flow.LevelKey(), "zibb04");
    EXPECT_EQ(view.highscoreKeys, std::vector<QString>{"zibb04"});
    EXPECT_EQ(view.highscoreTimes, std::vector<int32_t>{0}) << "solved within the first tick";
    EXPECT_TRUE(view.timerRunning) << "the solved flow leaves the timer alone";
    const int captions = view.captions;

    flow.boxMouseDown(999, 0, MouseButton::Left);
    EXPECT_EQ(view.effects.size(), 1u);
    EXPECT_EQ(view.shown.size(), 2u);
    EXPECT_EQ(view.captions, captions);
}

TEST_F(GameFlowTest, SolvingEntersTheClockCountIntoThisLevelsList) {
    ShellSettings settings;
    settings.mode = 1;
    settings.levels.hmode = 3;
    Start(settings);
    flow.boxMouseDown(1, 1, MouseButton::Left);
    Tick(37);
    view.log.clear();
    flow.boxMouseDown(999, 0, MouseButton::Left);
    EXPECT_EQ(view.shown, (std::vector<DialogId>{DialogId::Done, DialogId::Highscore}));
    EXPECT_EQ(view.highscoreTimes, std::vector<int32_t>{37});
    EXPECT_EQ(view.highscoreKeys, std::vector<QString>{"kol03"});
    EXPECT_TRUE(view.log.empty()) << "the solved flow leaves the timer alone";
    EXPECT_EQ(flow.ClockTicks(1), 37);
}

// A hint shown keeps the game's time out of the best times, and a message after the solved
// notice says so; taking a move back does not. Leaving the board drops the hint.
TEST_F(GameFlowTest, AGameThatShowedAHintIsNotEnteredAndLeavingTheBoardDropsTheHint) {
    Start();
    flow.boxMouseDown(1, 1, MouseButton::Left);
    flow.MarkHintShown();  // as the hint key marks it
    flow.SwitchMode(1);
    flow.MarkHintShown();
    flow.SwitchMode(0);
    flow.PauseBtnClick();
    flow.boxMouseDown(999, 0, MouseButton::Left);
    EXPECT_EQ(view.shown, (std::vector<DialogId>{DialogId::Pause, DialogId::Done, DialogId::Hinted}));
    flow.MixBtnClick();
    flow.OptionBtnMouseDown(MouseButton::Left);
    EXPECT_EQ(view.hintDrops, 5);
    EXPECT_TRUE(flow.HintShown(1)) << "the other puzzle's game goes on";

    view.shown.clear();
    flow.boxMouseDown(1, 1, MouseButton::Left);
    flow.UndoMove();
    Tick(4);
    flow.boxMouseDown(999, 0, MouseButton::Left);
    EXPECT_EQ(view.shown, (std::vector<DialogId>{DialogId::Done, DialogId::Highscore}));
    EXPECT_EQ(view.highscoreTimes, std::vector<int32_t>{4});
}

TEST_F(GameFlowTest, HighscoreAndAboutButtonsShowTheirWindowsWithTheClockStopped) {
    ShellSettings settings;
    settings.levels.gmode = 7;
    Start(settings);
    flow.boxMouseDown(1, 1, MouseButton::Left);
    Tick(3);
    view.log.clear();
    flow.HighScoreBtnClick();
    EXPECT_EQ(view.shown, std::vector<DialogId>{DialogId::Highscore});
    EXPECT_EQ(view.highscoreTimes, std::vector<int32_t>{0}) << "only shows the list";
    EXPECT_EQ(view.highscoreKeys, std::vector<QString>{"zibb07"});
    EXPECT_EQ(view.log, (std::vector<std::string>{"stop", "start"}));

    // The key follows the puzzle shown and its level at the time of the press.
    flow.SwitchMode(1);
    flow.Levels().hmode = 4;
    flow.HighScoreBtnClick();
    EXPECT_EQ(view.highscoreKeys.back(), "kol04");

    view.log.clear();
    view.shown.clear();
    flow.InfoBtnClick();
    EXPECT_EQ(view.shown, std::vector<DialogId>{DialogId::Info});
    EXPECT_EQ(view.log, (std::vector<std::string>{"stop", "start"}));
    EXPECT_EQ(flow.ClockTicks(0), 3);
    EXPECT_EQ(flow.GameState(0), kRunning);
}

TEST_F(GameFlowTest, ModeSwitchKeepsPositionStateAndCount) {
    Start();
    flow.boxMouseDown(1, 1, MouseButton::Left);
    Tick(4);
    const int position = puzzle(0).position;

    flow.SwitchMode(1);
    EXPECT_EQ(flow.CurrentMode(), 1);
    EXPECT_EQ(flow.GameState(1), kReady);
    EXPECT_EQ(puzzle(1).deals, 1);
    EXPECT_EQ(puzzle(1).paints, 1);
    EXPECT_EQ(view.clock.back(), 0);
    EXPECT_EQ(view.rulesShape, QRect(320, 55, 160, 132));
    const size_t wakes = view.wakes.size();
    Tick(6);
    EXPECT_EQ(flow.ClockTicks(0), 4) << "a hidden puzzle gains no time";
    EXPECT_EQ(view.wakes.size(), wakes) << "a ready puzzle shown wakes nothing";

    const int paints = puzzle(0).paints;
    flow.SwitchMode(0);
    EXPECT_EQ(puzzle(0).deals, 1) << "a later visit deals nothing";
    EXPECT_EQ(puzzle(0).position, position);
    EXPECT_EQ(flow.GameState(0), kRunning);
    EXPECT_EQ(puzzle(0).paints, paints + 1);
    EXPECT_EQ(view.clock.back(), 4);
    EXPECT_EQ(view.wakes.size(), wakes + 1);
    EXPECT_EQ(view.wakes.back(), kRunning) << "the running puzzle shown again counts on";
    Tick(1);
    EXPECT_EQ(flow.ClockTicks(0), 5);

    // The mode shown already: nothing at all, not even a repaint.
    const int boardPaints = view.boardPaints;
    flow.SwitchMode(0);
    EXPECT_EQ(view.boardPaints, boardPaints);
    EXPECT_EQ(puzzle(0).paints, paints + 1);
    // A mode without a puzzle in this build cannot be entered.
    flow.SwitchMode(2);
    EXPECT_EQ(flow.CurrentMode(), 0);
}

TEST_F(GameFlowTest, UnreadablePictureAtSwitchKeepsThePreviousMode) {
    Start();
    flow.boxMouseDown(1, 1, MouseButton::Left);
    ASSERT_TRUE(QFile::remove(dir.filePath("b2.bmp")));
    flow.SwitchMode(1);
    EXPECT_EQ(flow.CurrentMode(), 0);
    EXPECT_EQ(view.modeButton, 0);
    ASSERT_EQ(view.failures.size(), 1u);
    EXPECT_TRUE(view.failures[0].endsWith("b2.bmp"));
    EXPECT_EQ(flow.GameState(1), kNotSetUp);
    EXPECT_EQ(view.rulesShape, QRect(353, 220, 126, 126));
    EXPECT_FALSE(flow.Background().isNull());
}

TEST_F(GameFlowTest, FirstActivationAsksOnceAndClosingNeedsYes) {
    Start();
    flow.FormActivate();
    EXPECT_EQ(view.shown, (std::vector<DialogId>{DialogId::Splash, DialogId::Tongue}));
    flow.FormActivate();
    EXPECT_EQ(view.shown.size(), 2u);

    GameFlow known(view, random, dir.path() + "/");
    known.SetPuzzle(0, std::make_unique<FakePuzzle>(known));
    ShellSettings english;
    english.tongue = 0;
    ASSERT_TRUE(known.FormCreate(english));
    view.shown.clear();
    known.FormActivate();
    EXPECT_EQ(view.shown, std::vector<DialogId>{DialogId::Splash});

    view.answers = {kModalCancel, kModalOk};
    view.log.clear();
    EXPECT_FALSE(flow.FormCloseQuery());
    EXPECT_TRUE(view.timerRunning);
    EXPECT_TRUE(flow.FormCloseQuery());
    EXPECT_EQ(view.log, (std::vector<std::string>{"stop", "start", "stop", "start"}));
}

}  // namespace
}  // namespace spindora
