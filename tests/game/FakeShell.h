#pragma once
// A game flow without a window: a recording view, a puzzle whose position is a number, and
// a fixture that starts the flow over board pictures in a temporary folder.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <deque>
#include <string>
#include <vector>

#include "puzzles/BoardGeometry.h"
#include "game/GameFlow.h"

namespace spindora::test {

// Records what the flow asks of the window; dialogs answer from a script.
class FakeView final : public ShellView {
public:
    void StopTimer() override { timerRunning = false; log.push_back("stop"); }
    void StartTimer() override { timerRunning = true; log.push_back("start"); }
    void WakeTimer() override { wakes.push_back(flow ? flow->CurrentGameState() : 0); }
    int ShowModal(DialogId dialog) override {
        shown.push_back(dialog);
        stateAtDialog = flow ? flow->CurrentGameState() : 0;
        if (answers.empty()) return kModalOk;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowHighscore(int32_t time) override {
        shown.push_back(DialogId::Highscore);
        highscoreTimes.push_back(time);
        highscoreKeys.push_back(flow ? flow->LevelKey() : QString());
    }
    BoardBox& box() override { return board; }
    void BeginBoardPaint() override {}
    void EndBoardPaint() override { ++boardPaints; }
    void DrawClock(int32_t ticks) override { clock.push_back(ticks); }
    void PlaceRulesShape(const QRect& rect) override { rulesShape = rect; }
    void ApplyCaptions() override { ++captions; }
    void EnableOptionBtn(bool enabled) override { optionEnabled = enabled; }
    void SetModeButtonDown(Mode mode) override { modeButton = mode; }
    void PlayEffect(int effect) override { effects.push_back(effect); }
    void ReportSwitchFailure(const QString& path) override { failures.push_back(path); }
    void MusicUpkeep() override { musicUpkeeps.push_back(clock.size()); }
    void DropHint() override { ++hintDrops; }

    GameFlow* flow = nullptr;
    ImageBoardBox board;
    bool timerRunning = true;
    std::vector<std::string> log;
    std::vector<uint8_t> wakes;  // the game state at each wake-up of the timer
    std::vector<DialogId> shown;
    std::deque<int> answers;
    std::vector<int32_t> highscoreTimes;
    std::vector<QString> highscoreKeys;
    uint8_t stateAtDialog = 0;
    int boardPaints = 0;
    std::vector<int32_t> clock;
    QRect rulesShape;
    int captions = 0;
    bool optionEnabled = false;
    int modeButton = -1;
    std::vector<int> effects;
    std::vector<QString> failures;
    std::vector<size_t> musicUpkeeps;  // how many clock drawings had been made at each
    int hintDrops = 0;
};

// A puzzle whose position is a number: each deal makes a new one.
class FakePuzzle final : public Puzzle {
public:
    using Puzzle::Puzzle;
    void NewBoard() override { position = host_.Random(1000000); ++deals; }
    void PaintBoard() override { ++paints; }
    QSize SheetSize() const override { return {812, 333}; }
    void ChangeLevel(MouseButton button) override {
        levelPresses.push_back(button);
        if (button == MouseButton::Left) ++host_.Levels().gmode;
        MixBoard();
    }
    void BoardMouseDown(int x, int, MouseButton) override {
        ++position;
        if (host_.CurrentGameState() == kReady) host_.CurrentGameState() = kRunning;
        if (x == 999) host_.ReportSolved();
    }
    int position = -1;
    int deals = 0;
    int paints = 0;
    std::vector<MouseButton> levelPresses;
};

class GameFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"b1.bmp", "b2.bmp"}) WritePicture(name);
        flow.SetPuzzle(0, std::make_unique<FakePuzzle>(flow));
        flow.SetPuzzle(1, std::make_unique<FakePuzzle>(flow));
        view.flow = &flow;
    }
    void WritePicture(const char* name, QSize size = QSize(812, 333)) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(dir.filePath(name), "BMP"));
    }
    FakePuzzle& puzzle(Mode mode) { return static_cast<FakePuzzle&>(*flow.PuzzleOf(mode)); }
    void Start(ShellSettings settings = {}) { ASSERT_TRUE(flow.FormCreate(settings)); }
    void Tick(int n) {
        for (int i = 0; i < n; ++i) flow.TimerTimer();
    }

    QTemporaryDir dir;
    FakeView view;
    SeededRandom random{3};
    GameFlow flow{view, random, dir.path() + "/"};
};

}  // namespace spindora::test
