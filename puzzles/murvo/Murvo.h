#pragma once
#include "puzzles/RulesPuzzle.h"
#include "rules/murvo/MurvoRules.h"
#include "rules/murvo/MurvoSolver.h"

namespace spindora::murvo {

class Murvo final : public RulesPuzzle<Murvo, Move, kMurvoPress> {
public:
    explicit Murvo(PuzzleHost& host);

    void NewBoard() override;
    void PaintBoard() override;
    void ChangeLevel(MouseButton button) override;
    QSize SheetSize() const override;
    std::vector<PressTarget> PressTargets() const override;
    QRect LevelButtonArea() const override;

    // What a RulesBoard offers (puzzles/RulesPuzzle.h).
    static bool OnLevelButton(int x, int y);
    PieceUnderPress<Move> PieceUnder(int x, int y, MouseButton button) const;
    // The discs slide to their new places, then the model turns.
    void PlayMove(const Move& move);
    bool IsSolved() const;
    const Position& Rules() const { return position_; }
    void SetRules(const Position& position) { position_ = position; }
    int Level() const { return host_.Levels().rmode; }

    // Turns the ring of `move` by one place in the model only.
    void Turn(int move, bool clockwise);

    // The move whose hot spot holds board point (x, y) at `level`, or -1.
    static int MoveUnder(int level, int x, int y);

    Position& State() { return position_; }
    const Position& State() const { return position_; }

private:
    Position position_;
};

}  // namespace spindora::murvo
