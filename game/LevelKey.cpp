#include "game/LevelKey.h"

#include "game/PuzzleDescriptors.h"

namespace spindora {

QString LevelKeyFor(Mode mode, const LevelSettings& levels) {
    const PuzzleDescriptor& puzzle = Describe(mode);
    return QString::fromLatin1(puzzle.levelKeyPrefix) +
           QStringLiteral("%1").arg(levels.*puzzle.level, 2, 10, QChar('0'));
}

}  // namespace spindora
