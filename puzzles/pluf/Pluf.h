#pragma once
#include <QImage>
#include <array>

#include "puzzles/Puzzle.h"
#include "puzzles/pluf/PlufSheet.h"

namespace spindora::pluf {

enum class Turn { CounterClockwise, Clockwise };

class Pluf final : public Puzzle {
public:
    using Slots = std::array<int, kSlots>;

    explicit Pluf(PuzzleHost& host);

    void NewBoard() override;
    void PaintBoard() override;
    void ChangeLevel(MouseButton button) override;
    void BoardMouseDown(int x, int y, MouseButton button) override;
    QSize SheetSize() const override;
    std::vector<PressTarget> PressTargets() const override;
    QRect LevelButtonArea() const override;

    // Plates in play at the current level.
    int Count() const;
    // The plate in play whose inner square holds (x, y), or 0.
    int PlateAt(int x, int y) const;
    // Moves the plate's buttons one slot on, data only.
    void TurnData(int plate, Turn turn);
    // A player's turn: sound, animation, clock tick, solved test.
    void PlayerTurn(int plate, Turn turn);
    bool IsSolved() const;
    void DrawPlate(int plate, int phase);

    // Button colours of plate p (1 to 22), slot by slot.
    Slots& Buttons(int plate) { return buttons_[plate - 1]; }
    const Slots& Buttons(int plate) const { return buttons_[plate - 1]; }
    // The colours of the current deal: entries 0 to pmode.
    const std::array<int, kMostColours>& Palette() const { return palette_; }

private:
    void DealPalette();
    void DealSolvedPosition();
    void Scramble();
    void ShowPhase(int plate, int phase);

    std::array<Slots, kPlates> buttons_{};
    std::array<int, kMostColours> palette_{};
    // Where a plate is composed before it joins the work area; made once, so that a
    // turn allocates nothing.
    QImage scratch_;
};

}  // namespace spindora::pluf
