#include "game/PuzzleRegistry.h"

#include "game/PuzzleDescriptors.h"

namespace spindora {

void InstallPuzzles(GameFlow& flow) {
    for (const Mode mode : kAllModes) flow.SetPuzzle(mode, Describe(mode).make(flow));
}

}  // namespace spindora
