#pragma once
#include <QObject>
#include <QTimer>

namespace spindora {

class GameFlow;
class HintFlow;

// Shift+H: the rest of the hint's shortest way, played one move at a time through the very
// press a player would make, until the game is solved. Any key or click stops it. A game
// shown its solution is one with a hint shown, so its time is not entered in the best times.
class SolutionPlay final : public QObject {
    Q_OBJECT
public:
    SolutionPlay(GameFlow& flow, HintFlow& hints);
    ~SolutionPlay() override;

    // Nothing for a game that is not ready or running.
    void Start();
    void Stop();
    bool Playing() const { return playing_; }
    // One move, or the wait for the search that finds the way; the timer calls it, tests call
    // it by hand.
    void Step();
    QTimer& timer() { return timer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GameFlow& flow_;
    HintFlow& hints_;
    QTimer timer_;
    bool playing_ = false;
    // The press runs the puzzle's animation and, at the solve, its messages, which take keys.
    bool pressing_ = false;
    bool searched_ = false;
};

}  // namespace spindora
