#include "shell/HintFlow.h"

#include <QToolTip>

#include "shell/BoardKeys.h"
#include "shell/BoardWidget.h"
#include "shell/FocusMark.h"
#include "game/GameFlow.h"
#include "shell/HintMarks.h"
#include "shell/AccessibleTexts.h"
#include "shell/BoardVoice.h"

namespace spindora {

HintFlow::HintFlow(GameFlow& flow, BoardWidget& board, BoardKeys& keys)
    : flow_(flow), board_(board), keys_(keys) {
    keys_.paintMark = [this](QPainter& painter, const QPainterPath& mark) { PaintMark(painter, mark); };
    pulse_.setInterval(100);
    connect(&pulse_, &QTimer::timeout, this, &HintFlow::Pulse);
    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(5000);
    connect(&noteTimer_, &QTimer::timeout, this, &HintFlow::EndNote);
}

HintFlow::~HintFlow() { keys_.paintMark = nullptr; }

void HintFlow::Ask() {
    Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    const uint8_t state = flow_.GameState(flow_.CurrentMode());
    if (!puzzle || (state != kReady && state != kRunning) || thinking_) return;
    if (shown_) return Play(*shown_);
    if (const std::optional<TargetPress> kept = puzzle->HintPress()) return Show(*kept);
    HintSearch search = puzzle->SearchHint();
    if (!search) return;
    thinking_ = true;
    keys_.FocusOn(keys_.Focus());
    pulse_.start();
    Say();
    // The answer is taken on this thread, and only with the ticket still current: a move,
    // a new deal or a switch since then has made it stale. A search that found nothing
    // reports too, so that the mark stops thinking; so does one that failed, say for want
    // of memory, which is no reason to end the game.
    worker_.Ask([this, search = std::move(search)](const std::atomic<bool>& cancelled) {
        const uint64_t ticket = SearchWorker::Ticket();
        std::function<void()> keep;
        try {
            keep = search(cancelled);
        } catch (...) {
        }
        QMetaObject::invokeMethod(
            this, [this, ticket, keep = std::move(keep)] { Take(ticket, keep); }, Qt::QueuedConnection);
    });
}

void HintFlow::Play(TargetPress press) {
    const QPoint at = flow_.PuzzleOf(flow_.CurrentMode())->PressTargets()[static_cast<size_t>(press.target)].press();
    flow_.boxMouseDown(at.x(), at.y(), press.button);
}

void HintFlow::Take(uint64_t ticket, const std::function<void()>& keep) {
    // Every drop cancels the search, so a current ticket is one the game still waits for.
    if (!worker_.IsCurrent(ticket)) return;
    if (keep) keep();
    StopThinking();
    const std::optional<TargetPress> press = flow_.PuzzleOf(flow_.CurrentMode())->HintPress();
    if (press) Show(*press);
    else SayNoHint();
}

void HintFlow::SayNoHint() {
    const QString text = NoHintText(flow_.tongue.value());
    AnnounceOnBoard(board_, text);
    // Beside the focus mark, where the player watched the game think; the next key or
    // click takes it away.
    const QPainterPath mark = keys_.Mark();
    const QRect area = ThinkingMarkArea(mark);
    const QPoint at = mark.isEmpty() ? board_.rect().center() : QPoint(area.center().x(), area.bottom());
    QToolTip::showText(board_.mapToGlobal(board_.ShownRect(QRect(at, QSize(1, 1))).topLeft()), text, &board_);
}

void HintFlow::Show(TargetPress press) {
    const std::vector<PressTarget> targets = flow_.PuzzleOf(flow_.CurrentMode())->PressTargets();
    const PressTarget& target = targets[static_cast<size_t>(press.target)];
    shown_ = press;
    // The player learns what a hint costs as the first one shows, not after the solve.
    const bool first = !flow_.HintShown(flow_.CurrentMode());
    flow_.MarkHintShown();
    signCentre_ = HintSignCentre(target.mark, board_.rect());
    pressAt_ = target.press();
    signArea_ = HintSignArea(signCentre_) | PressDotArea(pressAt_);
    if (first) {
        note_ = NoBestTimeNote(flow_.tongue.value());
        noteArea_ = HintNoteArea(target.mark.boundingRect(), note_, board_.rect());
        noteTimer_.start();
    }
    keys_.FocusOn(press.target);
    board_.UpdateBoard(signArea_ | (first ? noteArea_ : QRect()));
    Say();
}

void HintFlow::EndNote() {
    noteTimer_.stop();
    if (note_.isEmpty()) return;
    note_.clear();
    board_.UpdateBoard(noteArea_);
}

void HintFlow::Drop() {
    if (!thinking_ && !shown_) return;
    if (thinking_) {
        worker_.Cancel();
        StopThinking();
    }
    if (shown_) {
        shown_.reset();
        board_.UpdateBoard(signArea_);
    }
    EndNote();
    Say();
}

void HintFlow::StopThinking() {
    thinking_ = false;
    pulse_.stop();
    board_.UpdateBoard(ThinkingMarkArea(keys_.Mark()));
}

void HintFlow::Pulse() {
    ++phase_;
    board_.UpdateBoard(ThinkingMarkArea(keys_.Mark()));
}

void HintFlow::Say() {
    const int tongue = flow_.tongue.value();
    if (thinking_) AnnounceOnBoard(board_, SearchingHintAnnouncement(tongue));
    else if (shown_)
        AnnounceOnBoard(board_, HintAnnouncement(flow_.CurrentMode(), flow_.Levels(), shown_->target,
                                                 shown_->button == MouseButton::Left, tongue),
                        note_);
    else AnnounceOnBoard(board_, QString());
}

void HintFlow::PaintMark(QPainter& painter, const QPainterPath& mark) const {
    if (thinking_) PaintThinkingMark(painter, mark, phase_);
    else PaintFocusMark(painter, mark);
    if (!shown_) return;
    const Mode mode = flow_.CurrentMode();
    PaintHintSign(painter, signCentre_, shown_->button, HintSignColour(mode, shown_->button));
    if (!note_.isEmpty()) PaintHintNote(painter, noteArea_, note_);
    // MURVO's mark rings the discs its move turns, while the press belongs in the gap
    // between them; the dot stays on top of all.
    if (mode == kMurvo) PaintPressDot(painter, pressAt_);
}

}  // namespace spindora
