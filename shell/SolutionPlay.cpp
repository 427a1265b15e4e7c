#include "shell/SolutionPlay.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include "game/GameFlow.h"
#include "shell/HintFlow.h"

namespace spindora {

// A pause between moves about as long as a move's animation, so that each can be followed.
constexpr int kStepMs = 300;

SolutionPlay::SolutionPlay(GameFlow& flow, HintFlow& hints) : flow_(flow), hints_(hints) {
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, &SolutionPlay::Step);
}

SolutionPlay::~SolutionPlay() { Stop(); }

void SolutionPlay::Start() {
    const uint8_t state = flow_.GameState(flow_.CurrentMode());
    if (playing_ || !flow_.PuzzleOf(flow_.CurrentMode()) || (state != kReady && state != kRunning)) return;
    playing_ = true;
    searched_ = false;
    flow_.MarkHintShown();
    QCoreApplication::instance()->installEventFilter(this);
    timer_.start();
    Step();
}

void SolutionPlay::Stop() {
    if (!playing_) return;
    playing_ = false;
    timer_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    hints_.Drop();
}

void SolutionPlay::Step() {
    if (!playing_ || pressing_ || hints_.Thinking()) return;
    const Mode mode = flow_.CurrentMode();
    const uint8_t state = flow_.GameState(mode);
    if (state != kReady && state != kRunning) return Stop();
    if (const std::optional<TargetPress> press = flow_.PuzzleOf(mode)->HintPress()) {
        pressing_ = true;
        hints_.Play(*press);
        pressing_ = false;
        if (flow_.GameState(mode) == kSolved) Stop();
        return;
    }
    // A search that found no way ends the play; the hint says so.
    if (searched_) return Stop();
    searched_ = true;
    hints_.Ask();
}

bool SolutionPlay::eventFilter(QObject* watched, QEvent* event) {
    if (!playing_ || pressing_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as the key itself, so that no shortcut acts on the key that stops the play.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Stop();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace spindora
