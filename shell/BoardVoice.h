#pragma once
#include <QAccessible>
#include <QObject>
#include <QString>
#include <cstdint>

#include "shell/Mode.h"
#include "shell/BoardWords.h"

namespace spindora {

class BoardKeys;
class GameFlow;

// Keeps what screen readers hear of the board in step with the game. Whatever changes the
// board repaints it, so after each paint (once the move, its animation and any dialog it
// opened have let the event loop run again) the board is read anew: the pieces whose words
// changed are told, the focus follows the focus mark, and a move, a new deal or the solve is
// announced on the board.
class BoardVoice final : public QObject {
    Q_OBJECT
public:
    BoardVoice(QWidget& board, GameFlow& flow, const BoardKeys& keys);

    const BoardWords& Words() const { return words_; }
    // The piece the keys press, or -1 while the keys are elsewhere.
    int FocusedPiece() const;
    const QString& Announcement() const { return announcement_; }
    // Says `text` on the board now, also when it is the same as last time.
    void Announce(const QString& text);
    // Reads the board now and tells what changed since it was last read.
    void CatchUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CatchUpSoon();
    // Sends `event` for a piece, or for the board itself at -1.
    void Tell(int piece, QAccessible::Event event) const;

    QWidget& board_;
    GameFlow& flow_;
    const BoardKeys& keys_;
    BoardWords words_;
    QString announcement_;
    // The game as it was last read.
    bool read_ = false;
    Mode mode_ = kZibbo;
    int tongue_ = -1;
    uint8_t state_ = 0;
    int toldFocus_ = -1;
    bool pending_ = false;
};

// The voice of `board`, or nullptr.
BoardVoice* VoiceOf(const QWidget* board);

// Says `text` on the board of the window: for a hint, an undo, anything the player should
// hear there.
void AnnounceOnBoard(QWidget& board, const QString& text);

}  // namespace spindora
