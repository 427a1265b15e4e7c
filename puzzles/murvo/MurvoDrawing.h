#pragma once
#include "puzzles/PuzzleHost.h"
#include "rules/murvo/MurvoRules.h"

namespace spindora::murvo {

// The whole board at `level`: the clean copy with its white grid is rebuilt in OffScreen
// first, since disc drawing and the move animation take their backgrounds from it.
void PaintMurvoBoard(PuzzleHost& host, const Position& position, int level);

// The disc on `place` (1 to 36), through OffScreen onto the board.
void DrawDisc(PuzzleHost& host, const Position& position, int place);

// Slides every disc of the ring to its next place in four 40 ms frames, drawing from the
// board as it is before the turn. The last frame shows the turned ring, so the model's
// turn that follows needs no drawing.
void AnimateMove(PuzzleHost& host, const Position& position, const Move& move);

}  // namespace spindora::murvo
