#include "shell/LevelKey.h"

namespace spindora {

QString LevelKeyFor(uint8_t mode, const LevelSettings& levels) {
    static const char* const prefixes[4] = {"zibb", "kol", "pluf", "murv"};
    const int values[4] = {levels.gmode, levels.hmode, levels.dmode, levels.rmode};
    const int m = mode < 4 ? mode : 0;
    return QString::fromLatin1(prefixes[m]) + QStringLiteral("%1").arg(values[m], 2, 10, QChar('0'));
}

}  // namespace spindora
