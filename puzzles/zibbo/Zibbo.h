#pragma once
#include <array>

#include "puzzles/RulesPuzzle.h"
#include "rules/zibbo/ZibboRules.h"
#include "rules/zibbo/ZibboSolver.h"

namespace spindora::zibbo {

class Zibbo : public RulesPuzzle<Zibbo, Move, kZibboPress> {
public:
    explicit Zibbo(PuzzleHost& host);

    void NewBoard() override;
    void PaintBoard() override;
    void ChangeLevel(MouseButton button) override;
    QSize SheetSize() const override;
    std::vector<PressTarget> PressTargets() const override;
    QRect LevelButtonArea() const override;

    // What a RulesBoard offers (puzzles/RulesPuzzle.h).
    static bool OnLevelButton(int x, int y);
    PieceUnderPress<Move> PieceUnder(int x, int y, MouseButton button) const;
    // Turns the dials and redraws those that turned.
    void PlayMove(const Move& move);
    bool IsSolved() const;
    const Position& Rules() const { return position_; }
    void SetRules(const Position& position) { position_ = position; }
    int Level() const { return host_.Levels().gmode; }

    void DrawZibbo(int k);

    std::array<int, 9>& Directions() { return position_.directions; }
    const std::array<int, 9>& Directions() const { return position_.directions; }

    // The ZIBBO whose press square holds (x, y), or -1.
    static int PieceAt(int x, int y);

private:
    void WriteLevelNumber();

    Position position_;
};

}  // namespace spindora::zibbo
