#pragma once
#include <cstdint>

#include "puzzles/LevelSettings.h"

namespace spindora {

// What the shell reads at start-up and writes at close.
struct ShellSettings {
    int tongue = -1;
    uint8_t mode = 0;
    LevelSettings levels;
    bool sound = true;
    bool music = true;
};

// Clamps the levels into the ranges the puzzles can deal.
void ApplyLimits(ShellSettings& settings);

// The one place the shell takes its stored settings from. Until a store exists this
// yields the defaults of a first start.
ShellSettings ReadShellSettings();

}  // namespace spindora
