// The main window's menu of every command, and the commands that the menu and the keys share.
#include <QApplication>
#include <QContextMenuEvent>

#include "dialogs/DialogZoom.h"
#include "puzzles/BoardGeometry.h"
#include "shell/BoardVoice.h"
#include "shell/TMainForm.h"

namespace spindora {

void TMainForm::BuildCommandMenu() {
    commandMenu_ = new CommandMenu(this, {[this](Command command) { Act(command); },
                                          [this](Command command) { return CanAct(command); },
                                          [this](Command command) {
                                              if (command == Command::FullScreen) return InFullScreen();
                                              return command == Command::KeepGames && flow_.KeepsGames();
                                          }});
}

void TMainForm::Undo() { ReplayOnBoard(*box_, Replay::Undo, [this] { flow_.UndoMove(); }); }

void TMainForm::Redo() { ReplayOnBoard(*box_, Replay::Redo, [this] { flow_.RedoMove(); }); }

bool TMainForm::CanAct(Command command) const {
    const Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    const uint8_t state = flow_.GameState(flow_.CurrentMode());
    // Undo and redo act on a ready board too: a game kept from an earlier run has its history.
    const bool playable = puzzle && (state == kReady || state == kRunning);
    switch (command) {
    case Command::Hint:
    case Command::Solution: return playable;
    case Command::Undo: return playable && puzzle->CanUndo();
    case Command::Redo: return playable && puzzle->CanRedo();
    case Command::ZoomIn: return CanZoomStep(+1);
    case Command::ZoomOut: return CanZoomStep(-1);
    case Command::ActualSize: return InFullScreen() || isMaximized() || layout_.zoom != 1.0;
    case Command::FullScreen:
    case Command::KeepGames: return true;
    case Command::BestTimes: return HighScoreBtn_->isEnabled();
    case Command::Help: return HelpBtn_->isEnabled();
    }
    return false;
}

void TMainForm::Act(Command command) {
    switch (command) {
    case Command::Hint: return hints_->Ask();
    case Command::Solution: return solution_->Start();
    case Command::Undo: return Undo();
    case Command::Redo: return Redo();
    case Command::ZoomIn: return ZoomStep(+1);
    case Command::ZoomOut: return ZoomStep(-1);
    case Command::ActualSize: return ZoomTo(1.0);
    case Command::FullScreen: return SetFullScreen(!InFullScreen());
    case Command::KeepGames: return flow_.SetKeepGames(!flow_.KeepsGames());
    case Command::BestTimes: return HighScoreBtn_->click();
    case Command::Help: return HelpBtn_->click();
    }
}

void TMainForm::OpenCommandMenu(QPoint at) {
    if (commandMenu_->isVisible()) return;
    // The menu grows with the window, like its dialogs.
    commandMenu_->setFont(ZoomedFont(QApplication::font(commandMenu_), layout_.zoom));
    commandMenu_->popup(at);
}

QPoint TMainForm::MenuPlaceForKeys() const {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus)) focus = box_;
    return focus->mapToGlobal(QPoint(focus->width() / 4, focus->height() / 4));
}

namespace {

// The wood's outer band, up to the inlaid line, around every puzzle's board: no press
// acts there.
constexpr int kFrameBand = 8;

bool OnFrame(QPoint board) {
    return board.x() < kFrameBand || board.y() < kFrameBand || board.x() >= kBoardWidth - kFrameBand ||
           board.y() >= kBoardHeight - kFrameBand;
}

}  // namespace

void TMainForm::contextMenuEvent(QContextMenuEvent* event) {
    // The board's right clicks are moves, and the level button's a level down.
    const QWidget* under = childAt(event->pos());
    const bool onBoard = under && (under == box_ || box_->isAncestorOf(under));
    const bool plays = under == OptionBtn_ || (onBoard && !OnFrame(box_->ToBoard(box_->mapFrom(this, event->pos()))));
    if (event->reason() == QContextMenuEvent::Mouse && plays) return event->ignore();
    OpenCommandMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : MenuPlaceForKeys());
}

}  // namespace spindora
