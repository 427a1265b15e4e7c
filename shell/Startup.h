#pragma once
#include <QString>
#include <memory>

#include "puzzles/Random.h"
#include "shell/TMainForm.h"

namespace spindora {

// Creates the main window with its puzzles and settings. On failure to load the board
// picture it shows the start-up message, names the file on standard error and returns
// nullptr; the program then ends.
std::unique_ptr<TMainForm> CreateMainForm(RandomSource& random, const QString& programDir);

// Fonts the windows name that Linux knows under other names.
void InstallFontSubstitutes();

}  // namespace spindora
