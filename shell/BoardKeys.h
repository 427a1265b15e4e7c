#pragma once
#include <QObject>
#include <QPainterPath>
#include <QPoint>
#include <array>
#include <functional>

#include "puzzles/PuzzleHost.h"
#include "game/GameFlow.h"

class QKeyEvent;
class QPainter;

namespace spindora {

class BoardWidget;

// Plays the board from the keyboard and lets the pointer show where a press will act.
// A key presses the middle of a press target through the same BoardMouseDown as the mouse,
// so questions, sounds, animations and the clock run exactly as for a click.
class BoardKeys final : public QObject {
    Q_OBJECT
public:
    BoardKeys(BoardWidget& board, GameFlow& flow);

    // The focused target of the current board, as an index into its press targets.
    int Focus() const;
    // Where a key press acts: the middle of the focused target, in board coordinates.
    QPoint FocusedPress() const;
    bool MarkShown() const { return markShown_; }
    // The focus mark's path in board coordinates; empty while it is hidden.
    QPainterPath Mark() const;
    // Puts the focus on target `target` of the current board and shows the mark there.
    void FocusOn(int target);
    // How the mark is drawn over the board, when a hint draws its own; else as the focus mark.
    std::function<void(QPainter&, const QPainterPath&)> paintMark;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void GiveKeysBack();
    bool KeyPress(const QKeyEvent& key);
    void Walk(QPoint direction);
    void PressFocused(MouseButton button);
    void PressLevelButton(MouseButton button);
    void ShowMark(bool shown);
    void RepaintMark();
    void ShowPointer(QPoint at);

    BoardWidget& board_;
    GameFlow& flow_;
    std::array<int, kModes> focus_{};
    bool markShown_ = false;
};

// The target an arrow leads to from `from` (`direction` is one of the four unit steps): the
// nearest whose middle lies within 45 degrees of the arrow, else the nearest on its side of
// the board, else `from` itself: the walk stops at the board's edge rather than wrapping round.
int NextTarget(const std::vector<PressTarget>& targets, int from, QPoint direction);

}  // namespace spindora
