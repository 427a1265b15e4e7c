#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

#include "puzzles/LevelSettings.h"
#include "game/Mode.h"

namespace spindora {

// What assistive tools read out for the board and the clock.
QString BoardAccessibleName(Mode mode, const LevelSettings& levels, int tongue);
// The best-times list's window title: which puzzle and level the list belongs to.
QString HighscoreTitle(Mode mode, const LevelSettings& levels, int tongue);
QString ClockAccessibleDescription(int32_t ticks, int tongue);

// What is announced on the board when a puzzle is solved, and after a new deal: at the same
// level, or at another one, named by the board's new name.
QString SolvedAnnouncement(int32_t ticks, int tongue);
QString DealAnnouncement(int tongue);
QString LevelAnnouncement(const QString& boardName, int tongue);
// How a move came about: pressed, or taken back or played again.
enum class Replay { None, Undo, Redo };
// A move's news: the pressed piece's new words (`lead`), then the places of the other pieces
// it turned: "top row, left dial: pointer at 3 o'clock; also turned: top middle, middle left".
// Without a lead, the places alone.
QString MoveAnnouncement(Replay replay, const QString& lead, const QStringList& turned, int tongue);
// Ctrl+Z or Ctrl+Y with no move to play.
QString NothingToReplayAnnouncement(Replay replay, int tongue);
// What is announced while a hint is searched, and once it shows: "Hint: top row, middle
// dial, left button".
QString SearchingHintAnnouncement(int tongue);
// Shown and announced when a search ends without a move, say for want of memory.
QString NoHintText(int tongue);
// The note of a game's first hint: the game will not enter the best times.
QString NoBestTimeNote(int tongue);
QString HintAnnouncement(Mode mode, const LevelSettings& levels, int target, bool leftButton, int tongue);

// The tool-bar buttons as screen readers name them: what each does, and its key.
enum class Tool { Mix, Option, Pause, Sound, Music, HighScore, Exit, Zibbo, Kolluk, Pluf, Murvo,
                  Tongue, Help, Info, Brizzel };
QString ToolName(Tool tool, int tongue);
// S and M: "Sound effects off", "Music on"; and M while there is no music to play.
QString ToggleAnnouncement(Tool tool, bool on, int tongue);
QString MusicMissingAnnouncement(bool noFiles, int tongue);
// After P: the game goes on, or there was no running game to pause.
QString PauseAnnouncement(bool paused, int tongue);
// Why the music button cannot be pressed: no "*.mid" file in either folder (the player is
// sent to `userFolder`, the one they can write to), or none that plays.
QString MusicUnavailableText(bool noFiles, const QString& programFolder, const QString& userFolder, int tongue);

}  // namespace spindora
