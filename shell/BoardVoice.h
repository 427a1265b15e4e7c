#pragma once
#include <QAccessible>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

#include "shell/AccessibleTexts.h"
#include "shell/BoardWords.h"
#include "game/Mode.h"

namespace spindora {

class BoardKeys;
class GameFlow;

// Keeps what screen readers hear of the board in step with the game. Whatever changes the
// board repaints it, so after each paint (once the move, its animation and any dialog it
// opened have let the event loop run again) the board is read anew: the pieces whose words
// changed are told, the focus follows the focus mark, and a move, a new deal, the solve or
// another puzzle is announced on the board. What is announced becomes the board's description and is spoken
// on the window's news line (shell/NewsLine.h), after the focus is told, so that the news is
// what the player hears last.
class BoardVoice final : public QObject {
    Q_OBJECT
public:
    BoardVoice(QWidget& board, GameFlow& flow, const BoardKeys& keys);

    const BoardWords& Words() const { return words_; }
    // The piece the keys press, or -1 while the keys are elsewhere.
    int FocusedPiece() const;
    const QString& Announcement() const { return announcement_; }
    // Says `text` on the board now, also when it is the same as last time; empty says nothing
    // and takes back what waited to be spoken.
    void Announce(const QString& text);
    // The same, with `afterword` spoken after it once; the board's description keeps `text`.
    void Announce(const QString& text, const QString& afterword);
    // Plays an undo or a redo through `play`: the move it makes is told as taken back or
    // played again, and no move as such.
    void TellReplay(Replay replay, const std::function<void()>& play);
    // Reads the board now and tells what changed since it was last read.
    void CatchUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CatchUpSoon();
    // What a move changed, in words: the pressed piece first when the keys are on it.
    QString MoveWords(const std::vector<int>& changed) const;
    // Sends `event` for a piece, or for the board itself at -1.
    void Tell(int piece, QAccessible::Event event) const;

    QWidget& board_;
    GameFlow& flow_;
    const BoardKeys& keys_;
    BoardWords words_;
    QString announcement_;
    // Announced and not spoken yet.
    QString unspoken_;
    // The game as it was last read.
    bool read_ = false;
    Mode mode_ = kZibbo;
    int tongue_ = -1;
    uint8_t state_ = 0;
    QString boardName_;
    int toldFocus_ = -1;
    bool pending_ = false;
    Replay replay_ = Replay::None;
};

// The voice of `board`, or nullptr.
BoardVoice* VoiceOf(const QWidget* board);

// Says `text` on the board of the window: for a hint, a switch, anything the player should
// hear there.
void AnnounceOnBoard(QWidget& board, const QString& text, const QString& afterword = QString());

// An undo or a redo on the board, told as such (BoardVoice::TellReplay); without a voice
// it plays all the same.
void ReplayOnBoard(QWidget& board, Replay replay, const std::function<void()>& play);

}  // namespace spindora
