#pragma once
#include <QString>
#include <cstdint>

#include "puzzles/LevelSettings.h"
#include "shell/Mode.h"

namespace spindora {

// What assistive tools read out for the board and the clock.
QString BoardAccessibleName(Mode mode, const LevelSettings& levels, int tongue);
// The best-times list's window title: which puzzle and level the list belongs to.
QString HighscoreTitle(Mode mode, const LevelSettings& levels, int tongue);
QString ClockAccessibleDescription(int32_t ticks, int tongue);

}  // namespace spindora
