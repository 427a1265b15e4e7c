#include "game/GameFlow.h"

#include <utility>

#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"
#include "pictures/BoardPicture.h"
#include "game/LevelKey.h"
#include "game/PuzzleDescriptors.h"

namespace spindora {

GameFlow::GameFlow(ShellView& view, RandomSource& random, QString programDir, TickCounter ticks)
    : view_(view), random_(random), programDir_(std::move(programDir)), ticks_(std::move(ticks)) {}

GameFlow::~GameFlow() = default;

void GameFlow::SetPuzzle(Mode mode, std::unique_ptr<Puzzle> puzzle) {
    puzzles_[mode] = std::move(puzzle);
}

QString GameFlow::BackgroundPath(Mode mode) const {
    return programDir_ + QString::fromLatin1(Describe(mode).pictureFile);
}

bool GameFlow::LoadBackground(Mode mode, QImage& into) {
    const QString path = BackgroundPath(mode);
    // A picture too small for its sheet is as unusable as a missing one.
    const QSize least = puzzles_[mode] ? puzzles_[mode]->SheetSize() : QSize();
    const BoardPictureLoad loaded =
        puzzles_[mode] ? ReadBoardPicture(path, least, MostBoardPicture(least))
                       : BoardPictureLoad{{}, QStringLiteral("no puzzle in this build shows it")};
    if (loaded.picture.isNull()) {
        SayBoardPictureRefused(path, loaded.refusal);
        failedFile_ = path;
        return false;
    }
    // The 1:1 picture is required and checked on every screen; a denser one only adds detail.
    const ShellView::SheetScales scales = view_.BoardScales();
    if (scales.wanted > scales.screen) {
        // A zoomed window takes its picture at once where it needs no painting; otherwise it
        // shows the screen's own while the denser one is painted aside.
        into = ReadyBoardPicture(path, loaded.picture, scales.wanted, least);
        if (!into.isNull()) return true;
        view_.MakeSheetAside(mode, scales.wanted, SheetMaker(mode, scales.wanted));
    }
    into = DenseBoardPicture(path, loaded.picture, scales.screen, least, Describe(mode).paintSheet);
    return !into.isNull();
}

std::function<QImage()> GameFlow::SheetMaker(Mode mode, int scale) const {
    const QString path = BackgroundPath(mode);
    const QSize least = puzzles_[mode] ? puzzles_[mode]->SheetSize() : QSize();
    const SheetPainter paint = Describe(mode).paintSheet;
    return [path, least, paint, scale] {
        const BoardPictureLoad loaded = ReadBoardPicture(path, least, MostBoardPicture(least));
        if (loaded.picture.isNull()) return QImage();
        return DenseBoardPicture(path, loaded.picture, scale, least, paint);
    };
}

bool GameFlow::MatchSurfaces() {
    const int scale = SurfaceScale(background_);
    QImage& board = view_.box().image();
    if (SurfaceScale(board) != scale) board = MakeSurface(kBoardRect.size(), scale);
    if (offScreen_.isNull() || SurfaceScale(offScreen_) != scale)
        offScreen_ = MakeSurface(QSize(kOffScreenWidth, kOffScreenHeight), scale);
    return !board.isNull() && !offScreen_.isNull();
}

void GameFlow::SheetScaleChanged() {
    if (!puzzles_[currentMode_] || background_.isNull()) return;
    const int wanted = view_.BoardScales().wanted;
    if (wanted == SurfaceScale(background_)) return;
    view_.MakeSheetAside(currentMode_, wanted, SheetMaker(currentMode_, wanted));
}

void GameFlow::TakeSheet(Mode mode, QImage sheet) {
    if (mode != currentMode_ || sheet.isNull() || SurfaceScale(sheet) != view_.BoardScales().wanted)
        return;
    if (SurfaceScale(sheet) == SurfaceScale(background_)) return;
    background_ = std::move(sheet);
    if (!MatchSurfaces()) return;
    boxPaint();
}

bool GameFlow::FormCreate(const ShellSettings& settings) {
    tongue.Set(settings.tongue);
    // The stored byte becomes a mode here, once: one outside 0..3, or one whose puzzle this
    // build lacks, falls back to ZIBBO.
    const std::optional<Mode> stored = Mode::Numbered(settings.mode);
    currentMode_ = stored && puzzles_[*stored] ? *stored : kZibbo;
    levels_ = settings.levels;
    keepGames_ = settings.keepGames;

    if (!LoadBackground(currentMode_, background_)) return false;
    if (!MatchSurfaces()) {
        failedFile_.clear();
        return false;
    }

    view_.SetModeButtonDown(currentMode_);
    gameState_.fill(kNotSetUp);
    clockTicks_.fill(0);
    hintShown_.fill(false);
    if (keepGames_)
        for (const Mode mode : kAllModes)
            if (puzzles_[mode]) RestoreKeptGame(mode);
    if (gameState_[currentMode_] == kNotSetUp) {
        Current().NewBoard();
        gameState_[currentMode_] = kReady;
        KeepGame(currentMode_);
    }
    view_.EnableOptionBtn(Describe(currentMode_).optionEnabled);
    view_.PlaceRulesShape(RulesShapeRect());
    view_.ApplyCaptions();
    firstActivation_ = true;
    return true;
}

void GameFlow::FormActivate() {
    if (!firstActivation_) return;
    firstActivation_ = false;
    view_.ShowModal(DialogId::Splash);
    if (tongue.value() == -1) view_.ShowModal(DialogId::Tongue);
    view_.ApplyCaptions();
}

bool GameFlow::FormCloseQuery() {
    view_.StopTimer();
    const bool mayClose = view_.ShowModal(DialogId::EndGame) == kModalOk;
    view_.StartTimer();
    return mayClose;
}

void GameFlow::FormClose() {
    view_.StopTimer();
    // The clock has counted on since the last move.
    for (const Mode mode : kAllModes) KeepGame(mode);
}

ShellSettings GameFlow::CurrentSettings(bool soundDown, bool musicDown) const {
    ShellSettings settings;
    settings.tongue = tongue.value();
    settings.mode = currentMode_;
    settings.levels = levels_;
    settings.sound = soundDown;
    settings.music = musicDown;
    settings.keepGames = keepGames_;
    return settings;
}

QRect GameFlow::RulesShapeRect() const {
    return Describe(currentMode_).rulesRect.translated(0, kToolPanelHeight);
}

void GameFlow::SwitchMode(Mode mode) {
    if (mode == currentMode_ || !puzzles_[mode]) return;
    // Load first: a picture that cannot be read leaves the previous mode fully in place.
    QImage replacement;
    if (!LoadBackground(mode, replacement)) {
        view_.SetModeButtonDown(currentMode_);
        // The message waits for the player; the running clock must not count meanwhile.
        view_.StopTimer();
        view_.ReportSwitchFailure(failedFile_);
        view_.StartTimer();
        return;
    }
    view_.DropHint();
    currentMode_ = mode;
    view_.PlaceRulesShape(RulesShapeRect());
    background_ = std::move(replacement);
    MatchSurfaces();
    if (gameState_[currentMode_] == kNotSetUp) {
        Current().NewBoard();
        gameState_[currentMode_] = kReady;
        KeepGame(currentMode_);
    }
    view_.EnableOptionBtn(Describe(currentMode_).optionEnabled);
    view_.ApplyCaptions();
    boxPaint();
    // A running puzzle shown again counts on at once.
    if (ClockCounts()) view_.WakeTimer();
}

void GameFlow::TimerTimer() {
    view_.MusicUpkeep();
    if (ClockCounts()) {
        ++clockTicks_[currentMode_];
        timboxPaint();
    }
}

template <typename Deal>
void GameFlow::NewDeal(Deal deal) {
    view_.DropHint();
    view_.StopTimer();
    if (GameInPlay() && view_.ShowModal(DialogId::NewGame) == kModalCancel) {
        view_.StartTimer();
        return;
    }
    deal();
    Current().ForgetMoves();
    hintShown_[currentMode_] = false;
    gameState_[currentMode_] = kReady;
    clockTicks_[currentMode_] = 0;
    KeepGame(currentMode_);
    timboxPaint();
    view_.StartTimer();
}

void GameFlow::MixBtnClick() {
    NewDeal([this] {
        view_.BeginBoardPaint();
        Current().MixBoard();
        view_.EndBoardPaint();
    });
}

void GameFlow::OptionBtnMouseDown(MouseButton button) {
    NewDeal([this, button] {
        view_.BeginBoardPaint();
        Current().ChangeLevel(button);
        view_.EndBoardPaint();
    });
}

bool GameFlow::PauseBtnClick() {
    if (gameState_[currentMode_] != kRunning) return false;
    view_.DropHint();
    view_.StopTimer();
    view_.ShowModal(DialogId::Pause);
    view_.StartTimer();
    return true;
}

void GameFlow::UndoMove() {
    if (!MayReplay()) return;
    Current().UndoMove();
    KeepGame(currentMode_);
}

void GameFlow::RedoMove() {
    if (!MayReplay()) return;
    Current().RedoMove();
    KeepGame(currentMode_);
}

void GameFlow::HighScoreBtnClick() {
    view_.StopTimer();
    BuildLevelKey();
    view_.ShowHighscore(0);
    view_.StartTimer();
}

void GameFlow::InfoBtnClick() {
    view_.StopTimer();
    view_.ShowModal(DialogId::Info);
    view_.StartTimer();
}

void GameFlow::boxPaint() {
    view_.BeginBoardPaint();
    Current().PaintBoard();
    view_.EndBoardPaint();
    timboxPaint();
}

void GameFlow::boxMouseDown(int x, int y, MouseButton button) {
    // This press may start the game: the clock's first tick then comes a whole interval
    // after the press, also when the move's animation holds the thread meanwhile.
    if (gameState_[currentMode_] == kReady) view_.WakeTimer();
    Current().BoardMouseDown(x, y, button);
    KeepGame(currentMode_);
}

void GameFlow::BuildLevelKey() { levelKey_ = LevelKeyFor(currentMode_, levels_); }

void GameFlow::PlayEffect(int effect) { view_.PlayEffect(effect); }

void GameFlow::WaitMs(unsigned ms) { BusyWait(ms, ticks_); }

void GameFlow::ReportSolved() {
    if (gameState_[currentMode_] == kSolved) return;
    gameState_[currentMode_] = kSolved;
    KeepGame(currentMode_);
    Play(Effect::Solved);
    view_.ShowModal(DialogId::Done);
    if (hintShown_[currentMode_]) {
        // Helped times would crowd out the unaided ones; the player is told why none is entered.
        view_.ShowModal(DialogId::Hinted);
    } else {
        BuildLevelKey();
        view_.ShowHighscore(clockTicks_[currentMode_]);
    }
    view_.ApplyCaptions();
}


void GameFlow::timboxPaint() { view_.DrawClock(clockTicks_[currentMode_]); }

}  // namespace spindora
