#include "shell/PuzzleRegistry.h"

#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/zibbo/Zibbo.h"

namespace spindora {

void InstallPuzzles(GameFlow& flow) {
    flow.SetPuzzle(0, std::make_unique<zibbo::Zibbo>(flow));
    flow.SetPuzzle(1, std::make_unique<kolluk::Kolluk>(flow));
    flow.SetPuzzle(3, std::make_unique<murvo::Murvo>(flow));
    flow.SetPuzzle(2, std::make_unique<pluf::Pluf>(flow));
}

}  // namespace spindora
