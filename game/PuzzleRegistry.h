#pragma once
#include "game/GameFlow.h"

namespace spindora {

// Gives every mode whose puzzle this build has its puzzle.
void InstallPuzzles(GameFlow& flow);

}  // namespace spindora
