#pragma once
// The board of the current mode in words, for screen readers: each puzzle's own words
// (puzzles/PieceNames.h), chosen by mode.
#include <QString>

#include "puzzles/LevelSettings.h"
#include "puzzles/PieceNames.h"
#include "game/Mode.h"

namespace spindora {

class Puzzle;

BoardWords DescribeBoard(const Puzzle& puzzle, Mode mode, const LevelSettings& levels, int tongue);

// Where press target `target` of the board at `level` stands, without its state: the words a
// hint names it by, and the start of its name on the board.
QString TargetPlace(Mode mode, int level, int target, int tongue);

}  // namespace spindora
