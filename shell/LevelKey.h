#pragma once
#include <QString>
#include <cstdint>

#include "puzzles/LevelSettings.h"

namespace spindora {

// "zibb01", "kol03", "pluf04", "murv10": names the highscore list of a mode and level.
QString LevelKeyFor(uint8_t mode, const LevelSettings& levels);

}  // namespace spindora
