// The game flow's kept games: each puzzle's unfinished game written whole after every
// change, and read back strictly at start.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "files/FileReplace.h"
#include "files/ForeignFile.h"
#include "game/GameFlow.h"
#include "game/KeptGame.h"
#include "game/PuzzleDescriptors.h"

namespace spindora {

void GameFlow::SetKeepGames(bool on) {
    if (on == keepGames_) return;
    keepGames_ = on;
    if (on) {
        keepFailureSaid_ = false;
        for (const Mode mode : kAllModes) KeepGame(mode);
        return;
    }
    for (const Mode mode : kAllModes) QFile::remove(KeptFilePath(mode));
    // Only an empty folder goes: what else lies there is not the game's.
    QDir().rmdir(KeptFolder());
}

void GameFlow::KeepGame(Mode mode) {
    if (!keepGames_ || !puzzles_[mode] || gameState_[mode] == kNotSetUp) return;
    const QString path = KeptFilePath(mode);
    if (gameState_[mode] == kSolved) {
        QFile::remove(path);
        return;
    }
    const std::optional<KeptBoard> board = puzzles_[mode]->Kept();
    if (!board) return;
    const KeptGame game{levels_.*Describe(mode).level, levels_.pmode, clockTicks_[mode], hintShown_[mode], *board};
    const bool written = QDir().mkpath(KeptFolder()) && ReplaceFile(path, WriteKeptGame(game)) == ReplaceResult::Written;
    // A full disk is said once; the game plays on, and the next move tries again.
    if (!written && !keepFailureSaid_) {
        keepFailureSaid_ = true;
        std::fprintf(stderr, "spindora: the unfinished game cannot be kept in %s\n", qPrintable(path));
    }
}

bool GameFlow::RestoreKeptGame(Mode mode) {
    const QString path = KeptFilePath(mode);
    const ForeignBytes read = ReadForeignFile(path, FileKind::KeptGame);
    if (read.check == FileCheck::Missing) return false;
    const std::optional<KeptGame> game =
        read.check == FileCheck::Regular ? ReadKeptGame(read.bytes, mode) : std::nullopt;
    if (game) {
        const LevelSettings before = levels_;
        levels_.*Describe(mode).level = game->level;
        if (mode == kPluf) levels_.pmode = game->colours;
        if (puzzles_[mode]->Restore(game->board)) {
            gameState_[mode] = kReady;
            clockTicks_[mode] = game->clockTicks;
            hintShown_[mode] = game->hintShown;
            return true;
        }
        levels_ = before;
    }
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    const bool moved = QFile::rename(path, aside);
    std::fprintf(stderr, "spindora: kept game damaged or of another version, %s: %s\n",
                 moved ? "set aside" : "cannot be set aside",
                 qPrintable(moved ? path + QStringLiteral(" -> ") + aside : path));
    return false;
}

}  // namespace spindora
