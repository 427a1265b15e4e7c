#include "shell/PuzzleRegistry.h"

#include "puzzles/pluf/Pluf.h"
#include "puzzles/zibbo/Zibbo.h"

namespace spindora {

void InstallPuzzles(GameFlow& flow) {
    flow.SetPuzzle(0, std::make_unique<zibbo::Zibbo>(flow));
    flow.SetPuzzle(2, std::make_unique<pluf::Pluf>(flow));
}

}  // namespace spindora
