#pragma once
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "puzzles/Puzzle.h"
#include "rules/SearchWorker.h"

class QPainter;

namespace spindora {

class BoardKeys;
class BoardWidget;
class GameFlow;

// The H key. The first press shows the next move of a solution: the focus mark moves to its
// piece and a sign beside it shows the button. H again while it shows plays that move through
// the very press a player would make. The search runs on a worker thread, so the clock, the
// animations and every input go on; until its answer comes the mark shows the game thinking.
class HintFlow final : public QObject {
    Q_OBJECT
public:
    HintFlow(GameFlow& flow, BoardWidget& board, BoardKeys& keys);
    ~HintFlow() override;

    void Ask();
    // Plays `press` on the current board, as the player's own press would.
    void Play(TargetPress press);
    // What was asked or shown goes: the board changed, or play stops.
    void Drop();
    bool Thinking() const { return thinking_; }
    const std::optional<TargetPress>& Shown() const { return shown_; }
    // The note the first hint of a game shows beside its sign, that the game will not enter
    // the best times; empty once it has gone.
    const QString& Note() const { return note_; }
    // The note goes, after a few seconds or with the hint.
    void EndNote();
    // One step of the thinking mark; its timer calls it.
    void Pulse();
    SearchWorker& worker() { return worker_; }

private:
    void Take(uint64_t ticket, const std::function<void()>& keep);
    void Show(TargetPress press);
    void StopThinking();
    // Says on the board what the hint is doing, for screen readers.
    void Say();
    // A search that ends without a move says so, on screen and to screen readers.
    void SayNoHint();
    void PaintMark(QPainter& painter, const QPainterPath& mark) const;

    GameFlow& flow_;
    BoardWidget& board_;
    BoardKeys& keys_;
    bool thinking_ = false;
    int phase_ = 0;
    QTimer pulse_;
    std::optional<TargetPress> shown_;
    QPointF signCentre_;
    // The exact press of the move shown, which MURVO's dot marks.
    QPoint pressAt_;
    // Where the sign, its dot and its note stand, for their repaints.
    QRect signArea_;
    QString note_;
    QRect noteArea_;
    QTimer noteTimer_;
    // Last, so that it stops before anything its answers reach goes.
    SearchWorker worker_;
};

}  // namespace spindora
