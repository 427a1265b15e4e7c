#pragma once
#include "puzzles/Puzzle.h"
#include "puzzles/murvo/Position.h"

namespace spindora::murvo {

class Murvo final : public Puzzle {
public:
    explicit Murvo(PuzzleHost& host);

    void NewBoard() override;
    void PaintBoard() override;
    void ChangeLevel(MouseButton button) override;
    void BoardMouseDown(int x, int y, MouseButton button) override;
    QSize SheetSize() const override;
    std::vector<PressTarget> PressTargets() const override;
    QRect LevelButtonArea() const override;

    // Turns the ring of `move` by one place in the model only.
    void Turn(int move, bool clockwise);
    bool IsSolved() const;

    // The move whose hot spot holds board point (x, y) at `level`, or -1.
    static int MoveUnder(int level, int x, int y);

    Position& State() { return position_; }
    const Position& State() const { return position_; }

private:
    int Level() const { return host_.Levels().rmode; }

    Position position_;
};

}  // namespace spindora::murvo
