#include "shell/PuzzleRegistry.h"

#include "puzzles/zibbo/Zibbo.h"

namespace spindora {

void InstallPuzzles(GameFlow& flow) { flow.SetPuzzle(0, std::make_unique<zibbo::Zibbo>(flow)); }

}  // namespace spindora
