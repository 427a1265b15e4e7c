#pragma once
#include <array>

#include "puzzles/RulesPuzzle.h"
#include "rules/kolluk/KollukSolver.h"
#include "puzzles/kolluk/KollukTables.h"

namespace spindora::kolluk {

// Thirteen balls on three overlapping rings of six places; a press rolls one ring.
class Kolluk final : public RulesPuzzle<Kolluk, Move, kKollukPress> {
public:
    explicit Kolluk(PuzzleHost& host);

    void NewBoard() override;
    void PaintBoard() override;
    void ChangeLevel(MouseButton button) override;
    QSize SheetSize() const override;
    std::vector<PressTarget> PressTargets() const override;
    QRect LevelButtonArea() const override;

    // What a RulesBoard offers (puzzles/RulesPuzzle.h).
    static bool OnLevelButton(int x, int y);
    PieceUnderPress<Move> PieceUnder(int x, int y, MouseButton button) const;
    // The roll's ten frames, counting two ticks of a running clock, then the move.
    void PlayMove(const Move& move);
    bool IsSolved() const;
    const Position& Rules() const { return position_; }
    void SetRules(const Position& position) { position_ = position; }
    int Level() const { return host_.Levels().hmode; }

    void Rotate(int ring, bool clockwise);
    // Frame 1 to 10 of a roll: the ring's rectangle composed in OffScreen and shown whole.
    void DrawRollFrame(int ring, bool clockwise, int frame);
    void DrawBall(int place);

    std::array<int, kPlaces>& BallColours() { return position_.balls; }
    const std::array<int, kPlaces>& BallColours() const { return position_.balls; }

    // The ring whose press square holds (x, y), or -1.
    static int RingAt(int x, int y);
    // Where the ball leaving place `from` for place `to` is drawn in frame 0 to 10.
    static QPoint RollingBallAt(int from, int to, int frame);

private:
    Position position_;
};

}  // namespace spindora::kolluk
