#pragma once
#include <array>

#include "puzzles/Puzzle.h"

namespace spindora::zibbo {

class Zibbo final : public Puzzle {
public:
    explicit Zibbo(PuzzleHost& host);

    void NewBoard() override;
    void PaintBoard() override;
    void ChangeLevel(MouseButton button) override;
    void BoardMouseDown(int x, int y, MouseButton button) override;
    QSize SheetSize() const override;
    std::vector<PressTarget> PressTargets() const override;
    QRect LevelButtonArea() const override;

    void Turn(int k, bool forward, bool redraw);
    bool IsSolved() const;
    void DrawZibbo(int k);

    std::array<int, 9>& Directions() { return directions_; }
    const std::array<int, 9>& Directions() const { return directions_; }

    // The ZIBBO whose press square holds (x, y), or -1.
    static int PieceAt(int x, int y);

private:
    void WriteLevelNumber();

    std::array<int, 9> directions_;
};

}  // namespace spindora::zibbo
