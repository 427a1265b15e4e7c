#pragma once
#include "puzzles/BoardGeometry.h"
#include "puzzles/PuzzleHost.h"

namespace spindora {

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

    // The least size of the background picture: the board and the sheet beside it.
    virtual QSize SheetSize() const { return kBoardRect.size(); }

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
