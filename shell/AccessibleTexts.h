#pragma once
#include <QString>
#include <cstdint>

#include "puzzles/LevelSettings.h"
#include "shell/Mode.h"

namespace spindora {

// What assistive tools read out for the board and the clock.
QString BoardAccessibleName(Mode mode, const LevelSettings& levels, int tongue);
// The best-times list's window title: which puzzle and level the list belongs to.
QString HighscoreTitle(Mode mode, const LevelSettings& levels, int tongue);
QString ClockAccessibleDescription(int32_t ticks, int tongue);

// What is announced on the board when a puzzle is solved, and after a new deal.
QString SolvedAnnouncement(int32_t ticks, int tongue);
QString DealAnnouncement(int tongue);
// What is announced while a hint is searched, and once it shows: "Hint: top row, middle
// dial, left button".
QString SearchingHintAnnouncement(int tongue);
// Shown and announced when a search ends without a move, say for want of memory.
QString NoHintText(int tongue);
QString HintAnnouncement(Mode mode, const LevelSettings& levels, int target, bool leftButton, int tongue);

// The tool-bar buttons as screen readers name them: what each does, and its key.
enum class Tool { Mix, Option, Pause, Sound, Music, HighScore, Exit, Zibbo, Kolluk, Pluf, Murvo,
                  Tongue, Help, Info, Brizzel };
QString ToolName(Tool tool, int tongue);
// Why the music button cannot be pressed: no "*.mid" file in either folder (the player is
// sent to `userFolder`, the one they can write to), or none that plays.
QString MusicUnavailableText(bool noFiles, const QString& programFolder, const QString& userFolder, int tongue);

}  // namespace spindora
