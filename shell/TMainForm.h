#pragma once
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "dialogs/MessageDlg.h"
#include "help/THookHelpSystem.h"
#include "dialogs/THighscoreDlg.h"
#include "dialogs/TInfoDialog.h"
#include "dialogs/TSplash.h"
#include "shell/BoardKeys.h"
#include "shell/BoardWidget.h"
#include "shell/ClockWidget.h"
#include "shell/CommandMenu.h"
#include "game/GameFlow.h"
#include "shell/HintFlow.h"
#include "settings/SettingsStore.h"
#include "audio/ShellAudio.h"
#include "shell/ShellTimer.h"
#include "game/ShellView.h"
#include "shell/SolutionPlay.h"
#include "shell/SheetWorker.h"
#include "shell/TTongueDlg.h"
#include "shell/ToolButton.h"
#include "shell/Zoom.h"

namespace spindora {

// The program's one main window: tool bar, clock and board around the game flow.
class TMainForm final : public QWidget, public ShellView {
    Q_OBJECT
public:
    // `store` keeps the settings between runs; an empty one keeps nothing.
    TMainForm(RandomSource& random, QString programDir, SettingsStore store = SettingsStore());
    ~TMainForm() override;

    // Start-up; false when the board picture could not be loaded (the caller reports it).
    bool FormCreate(const ShellSettings& settings);
    GameFlow& flow() { return flow_; }
    BoardWidget* boardWidget() const { return box_; }
    BoardKeys* boardKeys() const { return boardKeys_; }
    HintFlow& hints() { return *hints_; }
    SolutionPlay& solution() { return *solution_; }
    CommandMenu* commandMenu() const { return commandMenu_; }
    // Opens the menu of every command at `at`, on the screen.
    void OpenCommandMenu(QPoint at);
    bool CanAct(Command command) const;
    void Act(Command command);
    ClockWidget* timbox() const { return timbox_; }
    ShellTimer& timer() { return timer_; }
    // The dialogs, each made when first asked for.
    MessageDlg* dialog(DialogId id);
    TTongueDlg* tongueDialog();
    THookHelpSystem* helpSystem() const { return HelpSystem_.get(); }
    TSplash* splash() const { return Splash_.get(); }
    TInfoDialog* infoDialog();
    THighscoreDlg* highscoreDialog();
    // The first activation then goes straight on to the language question; for windows
    // that tests drive, which have no time to wait for the splash.
    void LeaveOutSplash() { splashWanted_ = false; }
    SettingsStore& store() { return store_; }
    QRect RulesShape() const { return rulesShape_; }
    // The content's zoom and where it lies in the window.
    const ZoomLayout& Layout() const { return layout_; }
    // Ctrl++ (+1) and Ctrl+- (-1): the next zoom step the screen holds.
    void ZoomStep(int direction);
    // Whether ZoomStep(direction) would change the window.
    bool CanZoomStep(int direction) const;
    // The window at `zoom`, out of full screen; Ctrl+0 with 1.
    void ZoomTo(double zoom);
    // F11 and Esc. Full screen takes the largest zoom the screen holds; leaving it brings
    // the window back at its size from before.
    void SetFullScreen(bool on);
    bool InFullScreen() const;
    SheetWorker& sheets() { return sheets_; }

    // ShellView
    void StopTimer() override { timer_.stop(); }
    void StartTimer() override { timer_.start(); }
    void WakeTimer() override { timer_.Wake(); }
    int ShowModal(DialogId dialog) override;
    void ShowHighscore(int32_t time) override;
    BoardBox& box() override { return *box_; }
    void BeginBoardPaint() override { box_->BeginBatch(); }
    void EndBoardPaint() override {
        box_->EndBatch();
        NameBoard();
    }
    void DrawClock(int32_t ticks) override;
    SheetScales BoardScales() override;
    void MakeSheetAside(Mode mode, int scale, std::function<QImage()> make) override;
    void PlaceRulesShape(const QRect& windowRect) override { rulesShape_ = windowRect; }
    void ApplyCaptions() override;
    void EnableOptionBtn(bool enabled) override;
    void SetModeButtonDown(Mode mode) override;
    void PlayEffect(int effect) override;
    void MusicUpkeep() override;
    ShellAudio& audio() { return audio_; }
    void ReportSwitchFailure(const QString& path) override;
    void DropHint() override { hints_->Drop(); }
    // Ends the run as Yes to the end question does, without asking, whatever dialog is open.
    void CloseWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

public:
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;
    // Right clicks on the tool bar and the frame around the board; the board's play.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A tool-bar part at its place in the design, kept to be placed again at every zoom.
    void Design(QWidget* widget, const QRect& design);
    void ApplyLayout(const ZoomLayout& layout);
    void ApplyArtScale(int scale);
    // The client size the window's screen holds.
    QSize Room() const;
    void KeepOnScreen();
    const QPixmap& Wood();
    void BuildToolPanel();
    void BuildClock();
    void AddKeys();
    void NameBoard();
    void BuildCommandMenu();
    // Where the menu opens from the keyboard: at the widget with the keys.
    QPoint MenuPlaceForKeys() const;
    // Ctrl+Z and Ctrl+Shift+Z, told to screen readers.
    void Undo();
    void Redo();
    ToolButton* AddButton(const char* name, QRect place, Glyph glyph);
    void CreateDialogs();
    // `dialog`, set to open at the window's zoom.
    template <typename Dialog>
    Dialog* Zoomed(Dialog* dialog) const;
    void BrizzelBtnClick();
    void MidiBtnClick();
    // Tells a screen reader whether the music plays, or why there is none.
    void SayMusic();
    bool MusicWanted() const;
    void DisableMusicIfLost();
    void DescribeMusicBtn();
    void TongueBtnClick();
    void HelpBtnClick();
    void RestorePlacement();
    void SavePlacement();
    void ReportWriteFailure();

    struct Designed {
        QWidget* widget;
        QRect design;
    };
    struct ButtonArt {
        ToolButton* button;
        Glyph glyph;
        int leftPad;
        QSize iconSize;
    };

    ShellAudio audio_;
    GameFlow flow_;
    ShellTimer timer_;
    QWidget* ToolPanel_ = nullptr;
    BoardWidget* box_ = nullptr;
    BoardKeys* boardKeys_ = nullptr;
    std::unique_ptr<HintFlow> hints_;
    std::unique_ptr<SolutionPlay> solution_;
    CommandMenu* commandMenu_ = nullptr;
    ClockWidget* timbox_ = nullptr;
    QLabel* TimeLabel_ = nullptr;
    QFrame* Bevel1_ = nullptr;
    std::vector<Designed> designed_;
    std::vector<ButtonArt> buttonArt_;
    ZoomLayout layout_;
    int artScale_ = 1;
    QPixmap wood_;
    QRect beforeFullScreen_;
    bool fullScreenAsked_ = false;
    bool fullScreenAtStart_ = false;
    SheetWorker sheets_;
    QRect rulesShape_;
    QButtonGroup* modeGroup_ = nullptr;
    ToolButton* MixBtn_ = nullptr;
    ToolButton* OptionBtn_ = nullptr;
    ToolButton* PauseBtn_ = nullptr;
    ToolButton* soundbtn_ = nullptr;
    ToolButton* MidiBtn_ = nullptr;
    ToolButton* HighScoreBtn_ = nullptr;
    ToolButton* ExitBtn_ = nullptr;
    std::array<ToolButton*, kModes> modeBtns_{};
    ToolButton* TongueBtn_ = nullptr;
    ToolButton* HelpBtn_ = nullptr;
    ToolButton* InfoBtn_ = nullptr;
    ToolButton* BrizzelBtn_ = nullptr;
    std::unique_ptr<TSplash> Splash_;
    std::unique_ptr<TInfoDialog> InfoDialog_;
    std::unique_ptr<TTongueDlg> TongueDlg_;
    std::unique_ptr<THookHelpSystem> HelpSystem_;
    std::unique_ptr<THighscoreDlg> HighscoreDlg_;
    QString playerAtStart_;
    std::unique_ptr<MessageDlg> PauseDlg_, DoneDlg_, NewGameDlg_, EndGameDlg_, HintedDlg_;
    SettingsStore store_;
    bool closeConfirmed_ = false;
    bool placementRestored_ = false;
    bool writeFailureReported_ = false;
    bool endedBySignal_ = false;
    bool splashWanted_ = true;
};

// The maker's page that the tool bar's last button opens.
QString MakerWebAddress();

}  // namespace spindora
