#pragma once

namespace spindora {

// The five level settings; only the puzzles' ChangeLevel changes them while running.
struct LevelSettings {
    int gmode = 1;  // ZIBBO 1..9
    int hmode = 1;  // KOLLUK 1..4
    int dmode = 1;  // PLUF 1..4
    int pmode = 3;  // PLUF colours minus one, 1..5
    int rmode = 1;  // MURVO 1..10
};

}  // namespace spindora
