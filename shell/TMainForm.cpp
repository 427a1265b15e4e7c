#include "shell/TMainForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QDesktopServices>
#include <QFrame>
#include <QLinearGradient>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QResizeEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "dialogs/DialogZoom.h"
#include "dialogs/MessageDialogs.h"
#include "puzzles/BoardGeometry.h"
#include "shell/AccessibleFactory.h"
#include "shell/AccessibleTexts.h"
#include "shell/BoardVoice.h"
#include "shell/Captions.h"
#include "game/PuzzleDescriptors.h"
#include "shell/QuitSignals.h"
#include "shell/Shortcuts.h"
#include "shell/ToolButtonAccessible.h"
#include "assets/EmbeddedAssets.h"
#include "assets/PaintKit.h"
#include "assets/Raster.h"
#include "shell/WindowPlacement.h"

#ifndef SPINDORA_WEB_ADDRESS
#define SPINDORA_WEB_ADDRESS "https://spindora.example.org/"
#endif

namespace spindora {
namespace {

// The clock's digits on the tool bar at 100%: the digit strip's cells, 77 x 20.
constexpr QRect kClockPlace(312, 7, 77, 20);

// The clock's "Time:" at 100%.
QFont TimeLabelFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(12);
    return font;
}

// The tool bar's face: a soft vertical gradient with a light top edge and a dark seam
// towards the board.
class ToolPanelWidget final : public QWidget {
public:
    explicit ToolPanelWidget(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("ToolPanel"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient face(0, 0, 0, height());
        face.setColorAt(0.0, QColor(0xEE, 0xE9, 0xDF));
        face.setColorAt(1.0, QColor(0xC9, 0xC1, 0xB1));
        painter.fillRect(rect(), face);
        painter.setPen(QColor(0xFF, 0xFF, 0xFF));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(QColor(0x7A, 0x70, 0x60));
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
};

}  // namespace

QString MakerWebAddress() { return QStringLiteral(SPINDORA_WEB_ADDRESS); }

TMainForm::TMainForm(RandomSource& random, QString programDir, SettingsStore store)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint),
      flow_(*this, random, std::move(programDir)),
      timer_(200, [this] { flow_.TimerTimer(); },
             [this] { return flow_.ClockCounts() || MusicWanted(); }),
      store_(std::move(store)) {
    setObjectName(QStringLiteral("MainForm"));
    // Screen readers meet the window as a frame of this name, whatever the title says.
    InstallAccessibleFactory();
    setAccessibleName(QStringLiteral("Spindora"));
    // The design's size is the least; the content grows with the window.
    setMinimumSize(kDesignSize);
    resize(kDesignSize);
    artScale_ = SurfaceScaleFor(devicePixelRatioF());
    sheets_.ready = [this](Mode mode, QImage sheet) { flow_.TakeSheet(mode, std::move(sheet)); };
    setWindowIcon(ProgramIcon());
    // Windows of the game's own without a parent, the help viewer and the messages, carry it too.
    QApplication::setWindowIcon(ProgramIcon());
    BuildToolPanel();
    box_ = new BoardWidget(this);
    box_->setObjectName(QStringLiteral("box"));
    box_->move(0, kToolPanelHeight);
    box_->onMouseDown = [this](int x, int y, MouseButton button) {
        flow_.boxMouseDown(x, y, button);
    };
    // The rules area lies over the board but takes no presses: only its hint shows.
    box_->hintAt = [this](QPoint at) {
        return rulesShape_.contains(at + QPoint(0, kToolPanelHeight))
                   ? AsTooltip(RulesText(flow_.CurrentMode(), flow_.tongue.value()))
                   : QString();
    };
    AddKeys();
    timer_.start();
    // The file is written as a whole when the run ends and after a new best time, not
    // once per value.
    store_.HoldWrites();
    CreateDialogs();
}

TMainForm::~TMainForm() = default;

ToolButton* TMainForm::AddButton(const char* name, QRect place, Glyph glyph) {
    auto* button = new ToolButton(ToolPanel_, QString::fromLatin1(name), place);
    const GlyphLayout& info = LayoutOf(glyph);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(info.width / info.images, info.height));
    Design(button, place);
    buttonArt_.push_back({button, glyph, 0, button->iconSize()});
    return button;
}

void TMainForm::BuildToolPanel() {
    ToolPanel_ = new ToolPanelWidget(this);
    ToolPanel_->setGeometry(0, 0, kBoardWidth, kToolPanelHeight);
    const auto at = [](int left, int width = 25) { return QRect(left, 4, width, 25); };

    MixBtn_ = AddButton("MixBtn", at(4), Glyph::Mix);
    OptionBtn_ = AddButton("OptionBtn", at(28), Glyph::Option);
    PauseBtn_ = AddButton("PauseBtn", at(52), Glyph::Pause);
    soundbtn_ = AddButton("soundbtn", at(76), Glyph::Sound);
    MidiBtn_ = AddButton("MidiBtn", at(100), Glyph::Midi);
    // These two glyphs sit at the right, 3 pixels from the edge: a 16-wide image in a
    // 19-wide icon that the 25-wide button centres.
    for (ToolButton* button : {soundbtn_, MidiBtn_}) {
        const Glyph glyph = button == soundbtn_ ? Glyph::Sound : Glyph::Midi;
        button->setIcon(GlyphIcon(glyph, 3));
        button->setIconSize(QSize(19, LayoutOf(glyph).height));
        for (ButtonArt& art : buttonArt_)
            if (art.button == button) art = {button, glyph, 3, button->iconSize()};
    }
    HighScoreBtn_ = AddButton("HighScoreBtn", at(124), Glyph::HighScore);
    ExitBtn_ = AddButton("ExitBtn", at(148), Glyph::Exit);
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->setExclusive(true);
    for (const Mode mode : kAllModes) {
        const PuzzleDescriptor& puzzle = Describe(mode);
        modeBtns_[mode] = AddButton(puzzle.buttonName, at(176 + 24 * mode), puzzle.glyph);
        modeBtns_[mode]->setCheckable(true);
        modeGroup_->addButton(modeBtns_[mode]);
        connect(modeBtns_[mode], &QToolButton::clicked, this,
                [this, mode] { flow_.SwitchMode(mode); });
    }
    BuildClock();
    TongueBtn_ = AddButton("TongueBtn", at(394), Glyph::Tongue);
    HelpBtn_ = AddButton("HelpBtn", at(420), Glyph::Help);
    InfoBtn_ = AddButton("InfoBtn", at(444), Glyph::Info);
    BrizzelBtn_ = AddButton("BrizzelBtn", at(468, 29), Glyph::Brizzel);

    soundbtn_->setCheckable(true);
    MidiBtn_->setCheckable(true);

    connect(MixBtn_, &QToolButton::clicked, this, [this] { flow_.MixBtnClick(); });
    // The level button acts on the press itself, with whichever mouse button it was.
    OptionBtn_->ActOnMouseDown();
    connect(OptionBtn_, &ToolButton::mouseDown, this,
            [this](MouseButton button) { flow_.OptionBtnMouseDown(button); });
    // The mouse acts on its press and never clicks it: a click comes from the keyboard.
    connect(OptionBtn_, &QToolButton::clicked, this,
            [this] { flow_.OptionBtnMouseDown(MouseButton::Left); });
    connect(PauseBtn_, &QToolButton::clicked, this, [this] {
        const bool paused = flow_.PauseBtnClick();
        AnnounceOnBoard(*box_, PauseAnnouncement(paused, flow_.tongue.value()));
    });
    connect(soundbtn_, &QToolButton::clicked, this, [this](bool on) {
        AnnounceOnBoard(*box_, ToggleAnnouncement(Tool::Sound, on, flow_.tongue.value()));
    });
    connect(HighScoreBtn_, &QToolButton::clicked, this, [this] { flow_.HighScoreBtnClick(); });
    connect(InfoBtn_, &QToolButton::clicked, this, [this] { flow_.InfoBtnClick(); });
    connect(ExitBtn_, &QToolButton::clicked, this, [this] { close(); });
    connect(BrizzelBtn_, &QToolButton::clicked, this, [this] { BrizzelBtnClick(); });
    connect(TongueBtn_, &QToolButton::clicked, this, [this] { TongueBtnClick(); });
    connect(HelpBtn_, &QToolButton::clicked, this, [this] { HelpBtnClick(); });
    connect(MidiBtn_, &QToolButton::clicked, this, [this] { MidiBtnClick(); });
}

void TMainForm::AddKeys() {
    boardKeys_ = new BoardKeys(*box_, flow_);
    new BoardVoice(*box_, flow_, *boardKeys_);
    AddButtonKeys(*this, {
        {Qt::Key_1, modeBtns_[0]}, {Qt::Key_2, modeBtns_[1]},
        {Qt::Key_3, modeBtns_[2]}, {Qt::Key_4, modeBtns_[3]},
        {Qt::Key_F2, MixBtn_}, {Qt::Key_P, PauseBtn_}, {Qt::Key_Pause, PauseBtn_},
        {Qt::Key_F1, HelpBtn_}, {QKeySequence(Qt::CTRL | Qt::Key_H), HighScoreBtn_},
        {Qt::Key_L, TongueBtn_}, {Qt::Key_S, soundbtn_},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), ExitBtn_},
    });
    hints_ = std::make_unique<HintFlow>(flow_, *box_, *boardKeys_);
    solution_ = std::make_unique<SolutionPlay>(flow_, *hints_);
    BuildCommandMenu();
    AddActionKeys(*this, {
        {Qt::Key_H, [this] { hints_->Ask(); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_H), [this] { solution_->Start(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { Undo(); }},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { Redo(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { Redo(); }},
        // M clicks the music button; while there is no music it says why.
        {Qt::Key_M, [this] {
             if (MidiBtn_->isEnabled()) MidiBtn_->click();
             else SayMusic();
         }},
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { ZoomStep(+1); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { ZoomStep(+1); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { ZoomStep(-1); }},
        {QKeySequence(Qt::CTRL | Qt::Key_0), [this] { ZoomTo(1.0); }},
        {Qt::Key_F11, [this] { SetFullScreen(!InFullScreen()); }},
        {Qt::Key_Escape, [this] { SetFullScreen(false); }},
        {Qt::Key_Menu, [this] { OpenCommandMenu(MenuPlaceForKeys()); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { OpenCommandMenu(MenuPlaceForKeys()); }},
    });
    // Keys are the board's from the start; Tab reaches the tool bar.
    setTabOrder(BrizzelBtn_, box_);
    box_->setFocus(Qt::OtherFocusReason);
}

void TMainForm::NameBoard() {
    box_->setAccessibleName(
        BoardAccessibleName(flow_.CurrentMode(), flow_.Levels(), flow_.tongue.value()));
}

void TMainForm::DrawClock(int32_t ticks) { timbox_->Draw(ticks); }

void TMainForm::BuildClock() {
    auto* bevel = new QFrame(ToolPanel_);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setLineWidth(1);
    Design(bevel, QRect(275, 4, 120, 26));
    Bevel1_ = bevel;
    auto* tim = new QWidget(ToolPanel_);
    tim->setObjectName(QStringLiteral("tim"));
    tim->setAutoFillBackground(true);
    QPalette black = tim->palette();
    black.setColor(QPalette::Window, Qt::black);
    tim->setPalette(black);
    Design(tim, QRect(276, 5, 117, 24));

    TimeLabel_ = new QLabel(ToolPanel_);
    TimeLabel_->setObjectName(QStringLiteral("TimeLabel"));
    Design(TimeLabel_, QRect(280, 12, 33, 16));
    TimeLabel_->setFont(TimeLabelFont());
    // Green on the clock's black through the palette: a style sheet here would load the
    // whole style sheet engine before any window needs it.
    QPalette green = TimeLabel_->palette();
    green.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    TimeLabel_->setPalette(green);
    TimeLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    timbox_ = new ClockWidget(ToolPanel_, Bitmaps(kDigitStripItem));
    timbox_->setObjectName(QStringLiteral("timbox"));
    timbox_->move(kClockPlace.topLeft());
    timbox_->describe = [this] {
        return ClockAccessibleDescription(flow_.ClockTicks(flow_.CurrentMode()), flow_.tongue.value());
    };
}

void TMainForm::CreateDialogs() {
    // The splash's timer runs from the start. The other dialogs show nothing of themselves
    // before they open, so they are made when first needed: a game that is never paused or
    // given up does not carry them. The highscore list's name is the one stored at the
    // start, as the list has always read it when made with the window.
    Splash_ = std::make_unique<TSplash>(this, SplashPicture());
    Splash_->setAccessibleName(QStringLiteral("Spindora"));
    playerAtStart_ = THighscoreDlg::StoredPlayerName(store_);
}

THighscoreDlg* TMainForm::highscoreDialog() {
    if (!HighscoreDlg_) {
        HighscoreDlg_ = std::make_unique<THighscoreDlg>(this, store_, flow_.LevelKey(), flow_.tongue,
                                                        Bitmaps(kDialogBackgroundItem));
        HighscoreDlg_->ListTitle = [this](int tongue) {
            return HighscoreTitle(flow_.CurrentMode(), flow_.Levels(), tongue);
        };
        HighscoreDlg_->OfferName(playerAtStart_);
    }
    return HighscoreDlg_.get();
}

MessageDlg* TMainForm::dialog(DialogId id) {
    const auto made = [this](std::unique_ptr<MessageDlg>& dlg, const MessageDlgLayout& layout) {
        if (!dlg)
            dlg = std::make_unique<MessageDlg>(layout, this, flow_.tongue, Bitmaps(kDialogBackgroundItem));
        return dlg.get();
    };
    switch (id) {
    case DialogId::Pause: return made(PauseDlg_, PauseDlgLayout());
    case DialogId::Done: return made(DoneDlg_, DoneDlgLayout());
    case DialogId::NewGame: return made(NewGameDlg_, NewGameDlgLayout());
    case DialogId::EndGame: return made(EndGameDlg_, EndGameDlgLayout());
    case DialogId::Hinted: return made(HintedDlg_, HintedDlgLayout());
    default: return nullptr;
    }
}

TTongueDlg* TMainForm::tongueDialog() {
    if (!TongueDlg_) TongueDlg_ = std::make_unique<TTongueDlg>(this, flow_.tongue);
    return TongueDlg_.get();
}

TInfoDialog* TMainForm::infoDialog() {
    if (!InfoDialog_)
        InfoDialog_ = std::make_unique<TInfoDialog>(
            this, flow_.tongue, MakerWebAddress(),
            TInfoDialog::Hooks{[this] { ShowModal(DialogId::Tongue); }, [this] { ApplyCaptions(); }});
    return InfoDialog_.get();
}

bool TMainForm::FormCreate(const ShellSettings& settings) {
    // The kept zoom first, so that the board's pictures are read at its density at once.
    if (settings.zoom != 100) ZoomTo(ZoomThatFits(settings.zoom, Room()));
    fullScreenAtStart_ = settings.fullScreen;
    HelpSystem_ = std::make_unique<THookHelpSystem>(flow_.ProgramDir() + QStringLiteral("spdr.chm"));
    HelpSystem_->SetOwner(this, WindowTitle(), flow_.tongue);
    soundbtn_->setChecked(settings.sound);
    MidiBtn_->setChecked(settings.music);
    // Without a music file in either folder the button stays disabled and keeps its stored state.
    MidiBtn_->setEnabled(audio_.FindMusic(flow_.ProgramDir()));
    for (const Mode mode : kAllModes) modeBtns_[mode]->setEnabled(flow_.PuzzleOf(mode) != nullptr);
    if (!flow_.FormCreate(settings)) return false;
    // Music switched on from the settings begins at the first tick.
    if (MusicWanted()) timer_.Wake();
    // The board keeps its picture, so it is drawn once before the window first shows.
    flow_.boxPaint();
    return true;
}

template <typename Dialog>
Dialog* TMainForm::Zoomed(Dialog* dialog) const {
    // The one thing a dialog learns of the window: the zoom to open at.
    if (dialog) dialog->SetZoom(layout_.zoom);
    return dialog;
}

int TMainForm::ShowModal(DialogId id) {
    switch (id) {
    case DialogId::Tongue: return Zoomed(tongueDialog())->exec();
    case DialogId::Splash: return splashWanted_ ? Zoomed(Splash_.get())->exec() : kModalOk;
    case DialogId::Info: return Zoomed(infoDialog())->exec();
    case DialogId::Highscore: {
        const int result = Zoomed(highscoreDialog())->ShowModal(0);
        // A wiped list is kept at once, as a new entry is.
        if (!store_.Flush()) ReportWriteFailure();
        return result;
    }
    // The best times follow the notice: made while the notice has the focus, what the name
    // box says as it is made is no news a screen reader reads out with the list.
    case DialogId::Done: highscoreDialog(); break;
    default: break;
    }
    MessageDlg* dlg = Zoomed(dialog(id));
    return dlg ? dlg->exec() : kModalOk;
}

void TMainForm::ShowHighscore(int32_t time) {
    // A run being ended by a signal has nobody left to type a name; the time is kept.
    if (endedBySignal_)
        highscoreDialog()->EnterWithoutShowing(time);
    else
        Zoomed(highscoreDialog())->ShowModal(time);
    // A new best time reaches the disk now, so a crash later in the run cannot lose it.
    if (!store_.Flush()) ReportWriteFailure();
}

void TMainForm::ApplyCaptions() {
    const int tongue = flow_.tongue.value();
    // Screen readers name a button by what it does and its key; the hint, often a joke,
    // is its description.
    const auto hint = [tongue](QWidget* w, Tool tool, Hint h) {
        w->setToolTip(AsTooltip(HintText(h, tongue)));
        w->setAccessibleName(ToolName(tool, tongue));
        w->setAccessibleDescription(HintText(h, tongue));
    };
    hint(MixBtn_, Tool::Mix, Hint::Mix);
    hint(OptionBtn_, Tool::Option, Hint::Option);
    hint(PauseBtn_, Tool::Pause, Hint::Pause);
    hint(soundbtn_, Tool::Sound, soundbtn_->isChecked() ? Hint::SoundOn : Hint::SoundOff);
    hint(MidiBtn_, Tool::Music, MidiBtn_->isChecked() ? Hint::MidiOn : Hint::MidiOff);
    DescribeMusicBtn();
    hint(HighScoreBtn_, Tool::HighScore, Hint::HighScore);
    hint(ExitBtn_, Tool::Exit, Hint::Exit);
    for (const Mode mode : kAllModes)
        hint(modeBtns_[mode], static_cast<Tool>(static_cast<int>(Tool::Zibbo) + mode), Describe(mode).hint);
    TimeLabel_->setText(TimeLabelText(tongue));
    hint(TongueBtn_, Tool::Tongue, Hint::Tongue);
    hint(HelpBtn_, Tool::Help, Hint::Help);
    hint(InfoBtn_, Tool::Info, Hint::Info);
    hint(BrizzelBtn_, Tool::Brizzel, Hint::Brizzel);
    setWindowTitle(WindowTitle());
    commandMenu_->ApplyTexts(tongue);
    NameBoard();
}

void TMainForm::EnableOptionBtn(bool enabled) { OptionBtn_->setEnabled(enabled); }

void TMainForm::SetModeButtonDown(Mode mode) { modeBtns_[mode]->setChecked(true); }

void TMainForm::PlayEffect(int effect) { audio_.PlayEffect(effect, soundbtn_->isChecked()); }

bool TMainForm::MusicWanted() const { return MidiBtn_->isEnabled() && MidiBtn_->isChecked(); }

void TMainForm::MusicUpkeep() {
    if (!MusicWanted()) return;
    audio_.Upkeep();
    DisableMusicIfLost();
}

void TMainForm::MidiBtnClick() {
    if (MidiBtn_->isEnabled()) {
        audio_.Switch(MidiBtn_->isChecked());
        DisableMusicIfLost();
        if (MusicWanted()) timer_.Wake();
    }
    ApplyCaptions();
    SayMusic();
}

void TMainForm::SayMusic() {
    const int tongue = flow_.tongue.value();
    AnnounceOnBoard(*box_, MidiBtn_->isEnabled() ? ToggleAnnouncement(Tool::Music, MidiBtn_->isChecked(), tongue)
                                                 : MusicMissingAnnouncement(audio_.Search().IsEmpty(), tongue));
}

void TMainForm::DisableMusicIfLost() {
    if (!audio_.MusicLost() || !MidiBtn_->isEnabled()) return;
    MidiBtn_->setEnabled(false);
    DescribeMusicBtn();
}

void TMainForm::DescribeMusicBtn() {
    // A disabled button keeps its stored state but reads as off, and says why it is off.
    if (!MidiBtn_->isEnabled())
        MidiBtn_->setAccessibleDescription(MusicUnavailableText(
            audio_.Search().IsEmpty(), QDir::toNativeSeparators(flow_.ProgramDir()),
            QDir::toNativeSeparators(UserMusicFolder()), flow_.tongue.value()));
    TellToggleState(*MidiBtn_);
}

namespace {

// The text names a file, spelt as it is: a folder called "<b>" is no markup.
void Warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, WindowTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void TMainForm::ReportSwitchFailure(const QString& path) {
    Warn(this, SwitchFailureText(flow_.tongue.value(), path));
}

void TMainForm::TongueBtnClick() {
    // The clock runs on while the question is open.
    ShowModal(DialogId::Tongue);
    ApplyCaptions();
}

void TMainForm::HelpBtnClick() {
    StopTimer();
    // The help window is not modal: the clock goes on as soon as it is open.
    ApplicationHelpContext(IsGerman(flow_.tongue.value()) ? 1 : 2);
    StartTimer();
}

void TMainForm::RestorePlacement() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desktop = screen->geometry();
    const QSize size = frameGeometry().size();
    const std::optional<QPoint> saved =
        ParsePlacement(store_.ReadText(QStringLiteral("Common"), QStringLiteral("MainForm"), QString()));
    move(saved ? KeepOnDesktop(*saved, size, desktop) : CentredOnScreen(size, desktop));
}

void TMainForm::SavePlacement() {
    const QString placement =
        FormatPlacement(frameGeometry(), isMinimized() ? kShowMinimized : kShowNormal);
    store_.WriteText(QStringLiteral("Common"), QStringLiteral("MainForm"), placement);
}

void TMainForm::ReportWriteFailure() {
    if (writeFailureReported_) return;
    writeFailureReported_ = true;
    std::fprintf(stderr, "spindora: cannot write the settings to %s\n",
                 qPrintable(store_.FilePath()));
    // A run ended by a signal (a log-out, a shutdown) has nobody left to answer a box.
    if (endedBySignal_) return;
    Warn(isVisible() ? this : nullptr,
         SettingsWriteFailureText(flow_.tongue.value(), store_.FilePath()));
}

void TMainForm::BrizzelBtnClick() {
    // A desktop without a browser would leave the button doing nothing at all.
    if (!QDesktopServices::openUrl(QUrl(MakerWebAddress())))
        QMessageBox::information(this, WindowTitle(),
                                 WebFailureText(flow_.tongue.value(), MakerWebAddress()));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && !flow_.FormCloseQuery()) {
        event->ignore();
        return;
    }
    closeConfirmed_ = true;
    flow_.FormClose();
    HelpSystem_.reset();
    ShellSettings kept = flow_.CurrentSettings(soundbtn_->isChecked(), MidiBtn_->isChecked());
    // The zoom of the window as it is when not full screen or maximised.
    const bool fullScreen = InFullScreen();
    const QSize normal = fullScreen && beforeFullScreen_.isValid() ? beforeFullScreen_.size()
                         : fullScreen || isMaximized()             ? normalGeometry().size()
                                                                   : size();
    kept.zoom = static_cast<int>(std::lround(FitLayout(normal).zoom * 100));
    kept.fullScreen = fullScreen;
    WriteShellSettings(store_, kept);
    // The place is the one the window closes at; it goes into the same single write.
    SavePlacement();
    if (!store_.Flush()) ReportWriteFailure();
    event->accept();
}

void TMainForm::CloseWithoutAsking() {
    if (closeConfirmed_ && !isVisible()) return;  // already closed; a second signal changes nothing
    endedBySignal_ = true;
    // Open dialogs are left one by one, each from inside its own loop; the window closes
    // once none is left, as after Yes to the end question. A new best time in the list is
    // kept, not cancelled: the player won it.
    if (HighscoreDlg_ && QApplication::activeModalWidget() == HighscoreDlg_.get() &&
        HighscoreDlg_->EditRow >= 0) {
        HighscoreDlg_->KeepEntry();
    } else if (!DismissActiveModal()) {
        closeConfirmed_ = true;
        close();
        QCoreApplication::quit();
        return;
    }
    QTimer::singleShot(0, this, [this] { CloseWithoutAsking(); });
}

void TMainForm::setVisible(bool visible) {
    // The saved place is the frame's. Before the window is made, a move names the frame's
    // place and the window manager puts the frame there; once made, a move places the client
    // and the frame would land a title bar higher on every start.
    if (visible && !placementRestored_) {
        placementRestored_ = true;
        RestorePlacement();
    }
    QWidget::setVisible(visible);
    if (visible && fullScreenAtStart_) {
        fullScreenAtStart_ = false;
        SetFullScreen(true);
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Without a window manager the window may never be activated, so the first
    // activation is also run from the event loop right after the first show.
    // A window closed before that gets no splash.
    if (flow_.FirstActivation())
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) flow_.FormActivate();
        });
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) flow_.FormActivate();
}

void TMainForm::Design(QWidget* widget, const QRect& design) {
    widget->setGeometry(design);
    designed_.push_back({widget, design});
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyLayout(FitLayout(size()));
}

void TMainForm::ApplyLayout(const ZoomLayout& layout) {
    if (layout == layout_) return;
    layout_ = layout;
    const double zoom = layout.zoom;
    const QRect panel = layout.Place(QRect(0, 0, kBoardWidth, kToolPanelHeight));
    ToolPanel_->setGeometry(panel);
    for (const Designed& part : designed_)
        part.widget->setGeometry(layout.Place(part.design).translated(-panel.topLeft()));
    for (const ButtonArt& art : buttonArt_) art.button->setIconSize(ZoomedSize(art.iconSize, zoom));
    TimeLabel_->setFont(ZoomedFont(TimeLabelFont(), zoom));
    Bevel1_->setLineWidth(std::max(1, static_cast<int>(zoom)));
    ApplyArtScale(BoardScales().wanted);
    const QRect clock = layout.Place(kClockPlace).translated(-panel.topLeft());
    timbox_->move(clock.topLeft());
    box_->SetLayout(layout, QRect(0, kToolPanelHeight, kBoardWidth, kBoardHeight));
    flow_.SheetScaleChanged();
    update();
}

void TMainForm::ApplyArtScale(int scale) {
    const QRect clock = layout_.Place(kClockPlace);
    if (scale == artScale_) {
        timbox_->setFixedSize(clock.size());
        return;
    }
    artScale_ = scale;
    for (const ButtonArt& art : buttonArt_) art.button->setIcon(GlyphIcon(art.glyph, art.leftPad, scale));
    timbox_->SetZoomed(clock.size(), BitmapsAt(kDigitStripItem, scale));
}

TMainForm::SheetScales TMainForm::BoardScales() {
    const qreal ratio = devicePixelRatioF();
    return {ZoomSurfaceScale(layout_.zoom, ratio), SurfaceScaleFor(ratio)};
}

void TMainForm::MakeSheetAside(Mode mode, int scale, std::function<QImage()> make) {
    sheets_.Request(mode, scale, std::move(make));
}

QSize TMainForm::Room() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return kDesignSize;
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
    return screen->availableGeometry().size() - frame;
}

void TMainForm::KeepOnScreen() {
    const QScreen* screen = this->screen();
    if (!isVisible() || !screen) return;
    const QRect frame = frameGeometry();
    const QPoint place = KeepOnDesktop(frame.topLeft(), frame.size(), screen->availableGeometry());
    if (place != frame.topLeft()) move(place);
}

bool TMainForm::CanZoomStep(int direction) const {
    return !InFullScreen() && (StepZoom(layout_.zoom, direction, Room()) != layout_.zoom || isMaximized());
}

void TMainForm::ZoomStep(int direction) {
    if (CanZoomStep(direction)) ZoomTo(StepZoom(layout_.zoom, direction, Room()));
}

void TMainForm::ZoomTo(double zoom) {
    if (InFullScreen()) SetFullScreen(false);
    if (isMaximized()) showNormal();
    resize(ZoomedSize(zoom));
    ApplyLayout(FitLayout(size()));
    KeepOnScreen();
}

bool TMainForm::InFullScreen() const {
    if (isFullScreen()) return true;
    // Without a window manager Qt soon reads the window's state back as normal, though the
    // window still covers the screen: full screen as asked for holds while it does.
    const QScreen* screen = this->screen();
    return fullScreenAsked_ && screen && geometry() == screen->geometry();
}

void TMainForm::SetFullScreen(bool on) {
    if (on == InFullScreen()) return;
    fullScreenAsked_ = on;
    if (on) {
        beforeFullScreen_ = geometry();
        showFullScreen();
        // Without a window manager nobody else gives the window the screen.
        if (const QScreen* screen = this->screen()) setGeometry(screen->geometry());
        return;
    }
    showNormal();
    if (beforeFullScreen_.isValid()) setGeometry(beforeFullScreen_);
}

const QPixmap& TMainForm::Wood() {
    if (wood_.isNull()) {
        // Walnut, book-matched: the tile is mirrored both ways, so its edges meet their own
        // grain and no seam shows however often it repeats.
        const int scale = SurfaceScaleFor(devicePixelRatioF());
        const paint::ArtScaleScope density(scale);
        QImage leaf = paint::Canvas(QSize(192, 192));
        paint::PaintWood(leaf);
        QImage tile(leaf.size() * 2, QImage::Format_RGB32);
        QPainter painter(&tile);
        const QImage mirrored = leaf.mirrored(true, false);
        painter.drawImage(0, 0, leaf);
        painter.drawImage(leaf.width(), 0, mirrored);
        painter.drawImage(0, leaf.height(), leaf.mirrored(false, true));
        painter.drawImage(leaf.width(), leaf.height(), mirrored.mirrored(false, true));
        painter.end();
        tile.setDevicePixelRatio(scale);
        wood_ = QPixmap::fromImage(tile);
    }
    return wood_;
}

void TMainForm::paintEvent(QPaintEvent* event) {
    const QRect content(layout_.origin, ZoomedSize(layout_.zoom));
    // At the design's proportions the content covers the window and nothing shows here.
    if (content.contains(rect())) return;
    QPainter painter(this);
    painter.setClipRegion(event->region() - QRegion(content));
    painter.drawTiledPixmap(rect(), Wood());
    // The content sits in the frame as a board in its rim: a dark cut all round.
    painter.setPen(QPen(QColor(30, 12, 2), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(content).adjusted(-1, -1, 1, 1));
}

}  // namespace spindora
