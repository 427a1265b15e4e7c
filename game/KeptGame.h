#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "puzzles/Puzzle.h"
#include "game/Mode.h"

namespace spindora {

// One unfinished game as it is kept between runs, in a file of its own.
struct KeptGame {
    int level = 1;
    int colours = 3;  // PLUF's colour setting; the other puzzles keep the setting they saw
    int32_t clockTicks = 0;
    bool hintShown = false;
    KeptBoard board;
    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

// The folder of the kept games: `$XDG_STATE_HOME/spindora/`, by default under
// `~/.local/state/`; and the file of one puzzle's game in it.
QString KeptFolder();
QString KeptFilePath(Mode mode);

// A few lines of text, the first naming the game's version: another version's file is
// not read. Every value is checked against its range on reading; anything else gives
// nothing. Whether the board is a position of the level the puzzle decides.
QByteArray WriteKeptGame(const KeptGame& game);
std::optional<KeptGame> ReadKeptGame(const QByteArray& bytes, Mode mode);

}  // namespace spindora
