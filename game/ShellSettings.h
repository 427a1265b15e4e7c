#pragma once
#include <cstdint>

#include "puzzles/LevelSettings.h"
#include "settings/SettingsStore.h"

namespace spindora {

// What the shell reads at start-up and writes at close.
struct ShellSettings {
    int tongue = -1;
    uint8_t mode = 0;
    LevelSettings levels;
    bool sound = true;
    bool music = true;
    // The window's zoom in percent, and whether it was full screen.
    int zoom = 100;
    bool fullScreen = false;
    // Whether unfinished games are kept between runs.
    bool keepGames = false;
};

// Reads the shell's values from section "common" in their fixed order, each limited to
// what the puzzles can deal; missing or unreadable values give the defaults of a first start.
ShellSettings ReadShellSettings(const SettingsStore& store);

// Writes them in their fixed order, every one whether changed or not. False when any
// write failed.
bool WriteShellSettings(SettingsStore& store, const ShellSettings& settings);

}  // namespace spindora
