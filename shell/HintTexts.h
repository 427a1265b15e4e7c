#pragma once
// What the board tells assistive tools of a hint, in the player's language.
#include <QString>

#include "puzzles/LevelSettings.h"
#include "puzzles/Puzzle.h"
#include "shell/Mode.h"

namespace spindora {

// While the search runs.
QString SearchingHintText(int tongue);
// "Hint: the middle dial of the top row, left button".
QString MoveHintText(Mode mode, const LevelSettings& levels, TargetPress press, int tongue);
// The piece that press target `target` of the board at `levels` acts on, named by where it
// stands: "the middle dial of the top row", "the outer triangle between 3 and 4 o'clock".
QString PressTargetName(Mode mode, const LevelSettings& levels, int target, int tongue);

}  // namespace spindora
