#include "shell/BoardVoice.h"

#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "shell/BoardKeys.h"
#include "game/GameFlow.h"
#include "shell/NewsLine.h"

namespace spindora {

BoardVoice::BoardVoice(QWidget& board, GameFlow& flow, const BoardKeys& keys)
    : QObject(&board), board_(board), flow_(flow), keys_(keys) {
    board_.installEventFilter(this);
    connect(&flow_.tongue, &Tongue::changed, this, &BoardVoice::CatchUpSoon);
}

int BoardVoice::FocusedPiece() const {
    const int focus = keys_.Focus();
    return board_.hasFocus() && focus < words_.targets ? focus : -1;
}

void BoardVoice::Announce(const QString& text) { Announce(text, QString()); }

void BoardVoice::Announce(const QString& text, const QString& afterword) {
    announcement_ = text;
    unspoken_ = afterword.isEmpty() ? text : text + QStringLiteral(". ") + afterword;
    Tell(-1, QAccessible::DescriptionChanged);
    // The news waits for the next reading, which tells the focus first.
    if (!text.isEmpty()) CatchUpSoon();
    else NewsLine::Of(*board_.window()).Tell(QString());
}

void BoardVoice::TellReplay(Replay replay, const std::function<void()>& play) {
    replay_ = replay;
    const uint64_t before = flow_.MovesBegun();
    play();
    if (flow_.MovesBegun() != before) return;
    replay_ = Replay::None;
    Announce(NothingToReplayAnnouncement(replay, flow_.tongue.value()));
}

bool BoardVoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &board_) {
        if (event->type() == QEvent::Paint || event->type() == QEvent::FocusIn) CatchUpSoon();
        // Focus that comes back is told again, wherever it lands.
        if (event->type() == QEvent::FocusOut) toldFocus_ = -1;
    }
    return false;
}

void BoardVoice::CatchUpSoon() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, &BoardVoice::CatchUp);
}

void BoardVoice::CatchUp() {
    // What this reading announces is spoken at its end, not at another reading.
    pending_ = true;
    const Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    if (!puzzle) {
        pending_ = false;
        return;
    }
    const Mode mode = flow_.CurrentMode();
    const int tongue = flow_.tongue.value();
    BoardWords now = DescribeBoard(*puzzle, mode, flow_.Levels(), tongue);
    const QString boardName = BoardAccessibleName(mode, flow_.Levels(), tongue);
    const bool sameShape = now.targets == words_.targets && now.pieces.size() == words_.pieces.size();
    // Only play, in one puzzle and one language, is announced; a first reading, a switch of
    // puzzle or of language only renames.
    const bool sameGame = read_ && mode == mode_ && tongue == tongue_;
    const bool switched = read_ && mode != mode_;
    std::vector<int> renamed, redescribed, changed;
    if (sameShape)
        for (size_t i = 0; i < now.pieces.size(); ++i) {
            const bool named = now.pieces[i].name != words_.pieces[i].name;
            const bool described = now.pieces[i].description != words_.pieces[i].description;
            if (named) renamed.push_back(static_cast<int>(i));
            if (described) redescribed.push_back(static_cast<int>(i));
            if (named || described) changed.push_back(static_cast<int>(i));
        }
    const uint8_t state = flow_.GameState(mode);
    const bool solvedNow = sameGame && state == kSolved && state_ != kSolved;
    const bool boardChanged = !sameShape || !changed.empty();
    words_ = std::move(now);
    read_ = true;
    mode_ = mode;
    tongue_ = tongue;
    state_ = state;

    if (sameShape) {
        for (const int i : renamed) Tell(i, QAccessible::NameChanged);
        for (const int i : redescribed) Tell(i, QAccessible::DescriptionChanged);
    } else {
        Tell(-1, QAccessible::ObjectReorder);
    }
    const int focus = FocusedPiece();
    if (focus >= 0 && (focus != toldFocus_ || !sameShape)) Tell(focus, QAccessible::Focus);
    toldFocus_ = focus;

    if (switched) {
        // The focus may stay on the same place of the board, which a screen reader takes as
        // no news: the new board is told with the piece the keys are on.
        const QString piece = focus >= 0 ? words_.pieces[static_cast<size_t>(focus)].name : QString();
        Announce(piece.isEmpty() ? boardName : boardName + QStringLiteral(": ") + piece);
    } else if (!sameGame && !announcement_.isEmpty()) {
        // What was said in the other language is no longer true.
        Announce(QString());
    } else if (solvedNow) {
        Announce(SolvedAnnouncement(flow_.ClockTicks(mode), tongue));
    } else if (sameGame && boardChanged && state == kReady) {
        // Nothing but a deal changes a board that has not started: a shuffle or a level.
        Announce(boardName != boardName_ ? LevelAnnouncement(boardName, tongue) : DealAnnouncement(tongue));
    } else if (sameGame && !changed.empty()) {
        Announce(MoveWords(changed));
    }
    boardName_ = boardName;
    // A replay waits for the move it makes; any change of the board has told it.
    if (boardChanged) replay_ = Replay::None;
    pending_ = false;
    if (!unspoken_.isEmpty()) NewsLine::Of(*board_.window()).Tell(std::exchange(unspoken_, QString()));
}

QString BoardVoice::MoveWords(const std::vector<int>& changed) const {
    const auto wasChanged = [&changed](int piece) {
        return std::find(changed.begin(), changed.end(), piece) != changed.end();
    };
    // The keys pressed the focused piece; a move made otherwise (the mouse, an undo of
    // another piece) is told by the places it turned.
    int lead = FocusedPiece();
    if (!wasChanged(lead)) lead = -1;
    QStringList turned;
    for (const int i : changed)
        if (i != lead && !words_.pieces[static_cast<size_t>(i)].brief.isEmpty())
            turned << words_.pieces[static_cast<size_t>(i)].brief;
    if (lead < 0 && turned.isEmpty()) lead = changed.front();
    QString leadWords;
    if (lead >= 0) {
        const BoardPiece& piece = words_.pieces[static_cast<size_t>(lead)];
        leadWords = piece.description.isEmpty() ? piece.name : piece.name + QStringLiteral(": ") + piece.description;
    }
    return MoveAnnouncement(replay_, leadWords, turned, tongue_);
}

void BoardVoice::Tell(int piece, QAccessible::Event event) const {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&board_);
    QAccessibleInterface* child = piece >= 0 && board ? board->child(piece) : nullptr;
    if (child) {
        QAccessibleEvent told(child, event);
        QAccessible::updateAccessibility(&told);
    } else {
        QAccessibleEvent told(&board_, event);
        QAccessible::updateAccessibility(&told);
    }
}

BoardVoice* VoiceOf(const QWidget* board) {
    return board ? board->findChild<BoardVoice*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void AnnounceOnBoard(QWidget& board, const QString& text, const QString& afterword) {
    if (BoardVoice* voice = VoiceOf(&board)) voice->Announce(text, afterword);
}

void ReplayOnBoard(QWidget& board, Replay replay, const std::function<void()>& play) {
    if (BoardVoice* voice = VoiceOf(&board)) voice->TellReplay(replay, play);
    else play();
}

}  // namespace spindora
