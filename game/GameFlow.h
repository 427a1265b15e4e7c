#pragma once
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "puzzles/Puzzle.h"
#include "puzzles/PuzzleHost.h"
#include "dialogs/Tongue.h"
#include "rules/Random.h"
#include "game/BusyWait.h"
#include "game/Mode.h"
#include "game/ShellSettings.h"
#include "game/ShellView.h"

namespace spindora {

// The shell's state and the flow around a game: start, shuffle, level change, pause,
// solved, leave. It drives the puzzle of the current mode and is the host of every puzzle.
class GameFlow final : public PuzzleHost {
public:
    GameFlow(ShellView& view, RandomSource& random, QString programDir,
             TickCounter ticks = SystemTickCount);
    ~GameFlow() override;

    // Puzzles whose mode has none cannot be switched to.
    void SetPuzzle(Mode mode, std::unique_ptr<Puzzle> puzzle);
    Puzzle* PuzzleOf(Mode mode) const { return puzzles_[mode].get(); }

    // Start-up from the settings; false when the background or OffScreen cannot be made,
    // in which case `FailedFile()` names the picture.
    bool FormCreate(const ShellSettings& settings);
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    ShellSettings CurrentSettings(bool soundDown, bool musicDown) const;

    void SwitchMode(Mode mode);
    void TimerTimer();
    // Whether a tick now adds to the clock shown.
    bool ClockCounts() const { return gameState_[currentMode_] == kRunning; }
    void MixBtnClick();
    // False when there was no running game to pause.
    bool PauseBtnClick();
    // Ctrl+Z and Ctrl+Y: while the game runs or is ready, so nothing after the solve; a
    // fresh deal has nothing to play, a game kept from an earlier run its history.
    void UndoMove();
    void RedoMove();
    void HighScoreBtnClick();
    void InfoBtnClick();
    void boxPaint();
    void boxMouseDown(int x, int y, MouseButton button);
    void BuildLevelKey();
    QRect RulesShapeRect() const;
    // The window's zoom asks for another density: the board's picture for it is made aside,
    // and the board shows the one it has meanwhile.
    void SheetScaleChanged();
    // A board picture made aside: taken when it is still the one wanted, and the board is
    // painted anew on it.
    void TakeSheet(Mode mode, QImage sheet);

    // PuzzleHost
    void PlayEffect(int effect) override;
    void WaitMs(unsigned ms) override;
    void ReportSolved() override;
    void timboxPaint() override;
    void OptionBtnMouseDown(MouseButton button) override;
    void MoveBegins() override {
        ++movesBegun_;
        view_.DropHint();
    }
    uint8_t& CurrentGameState() override { return gameState_[currentMode_]; }
    int32_t& CurrentClockTicks() override { return clockTicks_[currentMode_]; }
    LevelSettings& Levels() override { return levels_; }
    int Random(int n) override { return random_.Random(n); }
    QImage& Background() override { return background_; }
    QImage& OffScreen() override { return offScreen_; }
    BoardBox& box() override { return view_.box(); }

    Mode CurrentMode() const { return currentMode_; }
    uint8_t GameState(Mode mode) const { return gameState_[mode]; }
    const std::array<uint8_t, kModes>& GameStates() const { return gameState_; }
    int32_t ClockTicks(Mode mode) const { return clockTicks_[mode]; }
    // Whether the game on the board of `mode` has shown a hint: its time is no best time.
    bool HintShown(Mode mode) const { return hintShown_[mode]; }
    // The hint key showed a move of the current game.
    void MarkHintShown() {
        hintShown_[currentMode_] = true;
        KeepGame(currentMode_);
    }
    // Whether unfinished games are kept between runs (game/KeptGame.h). Switched on, every
    // game is kept at once and after each of its moves; switched off, the kept ones go.
    bool KeepsGames() const { return keepGames_; }
    void SetKeepGames(bool on);
    bool FirstActivation() const { return firstActivation_; }
    // How many moves the puzzles have begun: pressed, undone or redone.
    uint64_t MovesBegun() const { return movesBegun_; }
    // The best-times list of the current mode and level, as BuildLevelKey last made it.
    const QString& LevelKey() const { return levelKey_; }
    Tongue tongue;

    const QString& ProgramDir() const { return programDir_; }
    QString BackgroundPath(Mode mode) const;
    const QString& FailedFile() const { return failedFile_; }

private:
    bool LoadBackground(Mode mode, QImage& into);
    // The board picture of `mode` at `scale`, read or painted, on any thread.
    std::function<QImage()> SheetMaker(Mode mode, int scale) const;
    // The board and OffScreen at the density of the background; false when out of memory.
    bool MatchSurfaces();
    // The shuffle and level-change flow: ask while running, then deal a new position.
    template <typename Deal>
    void NewDeal(Deal deal);
    Puzzle& Current() { return *puzzles_[currentMode_]; }
    // Undo and redo play while the game runs, and on a ready board: one that came back from
    // an earlier run has its history, a fresh deal none.
    bool MayReplay() const { return gameState_[currentMode_] == kRunning || gameState_[currentMode_] == kReady; }
    // A game a new deal would give up: a running one, or one kept from an earlier run that
    // is ready with its time or moves. A fresh deal is ready with neither.
    bool GameInPlay() const {
        const uint8_t state = gameState_[currentMode_];
        const Puzzle& puzzle = *puzzles_[currentMode_];
        return state == kRunning ||
               (state == kReady && (clockTicks_[currentMode_] > 0 || puzzle.CanUndo() || puzzle.CanRedo()));
    }
    // Writes the game of `mode` whole, or removes it once solved; nothing while games are
    // not kept.
    void KeepGame(Mode mode);
    // The game kept for `mode`, ready at its clock count; false, and a damaged file or one
    // of another version set aside, when there is none to play.
    bool RestoreKeptGame(Mode mode);

    ShellView& view_;
    RandomSource& random_;
    QString programDir_;
    TickCounter ticks_;
    std::array<std::unique_ptr<Puzzle>, kModes> puzzles_;
    LevelSettings levels_;
    QImage background_;
    QImage offScreen_;
    QString failedFile_;
    Mode currentMode_ = kZibbo;
    std::array<uint8_t, kModes> gameState_{kNotSetUp, kNotSetUp, kNotSetUp, kNotSetUp};
    std::array<int32_t, kModes> clockTicks_{};
    std::array<bool, kModes> hintShown_{};
    bool firstActivation_ = false;
    QString levelKey_;
    uint64_t movesBegun_ = 0;
    bool keepGames_ = false;
    bool keepFailureSaid_ = false;
};

}  // namespace spindora
