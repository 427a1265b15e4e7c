#pragma once
#include <QPainterPath>
#include <QRect>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "puzzles/BoardGeometry.h"
#include "puzzles/PuzzleHost.h"

namespace spindora {

// A place on the board that a press acts on. The keyboard presses the middle of its area
// through BoardMouseDown, just as a mouse press there would, and the pointer turns into a
// hand over it.
struct PressTarget {
    QRect area;  // board coordinates, every pixel of it a hit
    // The focus mark: drawn around or between the pieces, never over one.
    QPainterPath mark;
    QPoint press() const { return area.center(); }
};
// The focus mark is stroked this wide along its path; a puzzle keeps that clear of its pieces.
inline constexpr double kFocusMarkWidth = 3.0;
// The pixels strictly between two bounds on each axis, as the level buttons' hit tests have them.
constexpr QRect BetweenBounds(int left, int top, int right, int bottom) {
    return QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1));
}

// The press that makes a move: which of PressTargets() and which button.
struct TargetPress {
    int target;
    MouseButton button;
    friend bool operator==(const TargetPress&, const TargetPress&) = default;
};

// A search for the moves that solve the board, run away from the window's thread on a copy
// of the position. What it returns is run on the window's thread, and only while the board
// is as it was searched: it keeps the moves found. Nothing when the search was cancelled.
using HintSearch = std::function<std::function<void()>(const std::atomic<bool>& cancelled)>;

// A board as a game kept between runs holds it: its position and its moves made and
// waiting to be redone, as numbers (rules/KeptPositions.h).
struct KeptBoard {
    std::vector<int> position, done, undone;
    friend bool operator==(const KeptBoard&, const KeptBoard&) = default;
};

// The five operations through which the shell drives the puzzle of the current mode.
class Puzzle {
public:
    explicit Puzzle(PuzzleHost& host) : host_(host) {}
    virtual ~Puzzle() = default;
    Puzzle(const Puzzle&) = delete;
    Puzzle& operator=(const Puzzle&) = delete;

    virtual void NewBoard() = 0;
    virtual void PaintBoard() = 0;
    virtual void MixBoard() {
        NewBoard();
        PaintBoard();
    }
    virtual void ChangeLevel(MouseButton button) = 0;
    virtual void BoardMouseDown(int x, int y, MouseButton button) = 0;

    // The pieces a press acts on at the current level; the keyboard focus starts on the first.
    virtual std::vector<PressTarget> PressTargets() const { return {}; }
    // The level button drawn on the board; empty for a board without one.
    virtual QRect LevelButtonArea() const { return {}; }

    // The least size of the background picture: the board and the sheet beside it.
    virtual QSize SheetSize() const { return kBoardRect.size(); }

    // Undo and redo play a move of the board's record; false when there is none to play.
    virtual bool UndoMove() { return false; }
    virtual bool RedoMove() { return false; }
    // Whether UndoMove and RedoMove have a move to play, so that a menu can grey them.
    virtual bool CanUndo() const { return false; }
    virtual bool CanRedo() const { return false; }
    // A new deal: no move before it can be undone.
    virtual void ForgetMoves() {}
    // The board to keep, and a kept one set up at the level the host holds: false, with the
    // board as it was, when it is no position of that level or a move none of its moves.
    virtual std::optional<KeptBoard> Kept() const { return std::nullopt; }
    virtual bool Restore(const KeptBoard&) { return false; }
    // The press of the next move of a solution kept from an earlier search, if any.
    virtual std::optional<TargetPress> HintPress() const { return std::nullopt; }
    // A search from the board as it stands; empty for a puzzle that offers no hints.
    virtual HintSearch SearchHint() { return {}; }

protected:
    PuzzleHost& host_;
};

// Levels run 1..top and wrap round at both ends.
constexpr int NextLevel(int level, int top) { return level % top + 1; }
constexpr int PreviousLevel(int level, int top) { return (level + top - 2) % top + 1; }
// The common level step: left raises, right lowers, any other button keeps the level.
constexpr void StepLevel(int& level, int top, MouseButton button) {
    if (button == MouseButton::Left) level = NextLevel(level, top);
    else if (button == MouseButton::Right) level = PreviousLevel(level, top);
}

// Masked sprite drawing: a clean patch of the board at `at` in OffScreen must already be
// in place; AND the mask, OR the image.
void ComposeSprite(QImage& offScreen, QPoint at, const QImage& sheet, const QRect& mask,
                   const QRect& picture);

}  // namespace spindora
