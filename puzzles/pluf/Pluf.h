#pragma once
#include <QImage>
#include <array>

#include "puzzles/RulesPuzzle.h"
#include "puzzles/pluf/PlufSheet.h"
#include "rules/pluf/PlufSolver.h"

namespace spindora::pluf {

class Pluf final : public RulesPuzzle<Pluf, Move, kPlufPress> {
public:
    using Slots = pluf::Slots;

    explicit Pluf(PuzzleHost& host);

    void NewBoard() override;
    void PaintBoard() override;
    void ChangeLevel(MouseButton button) override;
    QSize SheetSize() const override;
    std::vector<PressTarget> PressTargets() const override;
    QRect LevelButtonArea() const override;

    // What a RulesBoard offers (puzzles/RulesPuzzle.h).
    static bool OnLevelButton(int x, int y);
    PieceUnderPress<Move> PieceUnder(int x, int y, MouseButton button) const;
    // The turn's phases, counting a tick of a running clock, with the move among them.
    void PlayMove(const Move& move);
    bool IsSolved() const;
    const Position& Rules() const { return position_; }
    void SetRules(const Position& position) { position_ = position; }
    int Level() const;

    // Plates in play at the current level.
    int Count() const;
    // The plate in play whose inner square holds (x, y), or 0.
    int PlateAt(int x, int y) const;
    // Moves the plate's buttons one slot on, data only.
    void TurnData(int plate, Turn turn);
    void DrawPlate(int plate, int phase);

    // Button colours of plate p (1 to 22), slot by slot.
    Slots& Buttons(int plate) { return position_.buttons[plate - 1]; }
    const Slots& Buttons(int plate) const { return position_.buttons[plate - 1]; }
    // The colours of the current deal: entries 0 to pmode.
    const pluf::Palette& Palette() const { return palette_; }

private:
    void ShowPhase(int plate, int phase);

    Position position_;
    pluf::Palette palette_{};
    // Where a plate is composed before it joins the work area; made once, so that a
    // turn allocates nothing.
    QImage scratch_;
};

}  // namespace spindora::pluf
