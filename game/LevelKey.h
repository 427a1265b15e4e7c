#pragma once
#include <QString>

#include "puzzles/LevelSettings.h"
#include "game/Mode.h"

namespace spindora {

// "zibb01", "kol03", "pluf04", "murv10": names the highscore list of a mode and level.
QString LevelKeyFor(Mode mode, const LevelSettings& levels);

}  // namespace spindora
