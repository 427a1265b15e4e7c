#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "rules/Random.h"
#include "shell/CommandLine.h"
#include "shell/TMainForm.h"

namespace spindora {

// Creates the main window with its puzzles and settings. On failure to load the board
// picture it shows the start-up message, names the file on standard error and returns
// nullptr; the program then ends.
// `settingsFile` is the store's file; empty keeps nothing (tests).
std::unique_ptr<TMainForm> CreateMainForm(RandomSource& random, const QString& programDir,
                                          const QString& settingsFile = QString());

// Answers --help, --version and unusable arguments on the terminal, without a window, and
// gives the exit status; nothing when the game is to start.
std::optional<int> AnswerWithoutWindow(const CommandLine& options);

// The whole game after the application object exists: reads the arguments (without the
// program name), starts up and runs the event loop until the window closes. Returns the
// program's exit status.
int RunGame(const QStringList& arguments, const QString& programDir);

// Fonts the windows name that Linux knows under other names.
void InstallFontSubstitutes();

}  // namespace spindora
