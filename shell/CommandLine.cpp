#include "shell/CommandLine.h"

namespace spindora {

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        QString value;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.help = true;
            continue;
        }
        if (arg == QLatin1String("--version")) {
            result.version = true;
            continue;
        }
        if (arg == QLatin1String("--config") || arg.startsWith(QLatin1String("--config="))) {
            if (arg.size() > 8) {
                result.config = arg.mid(9);
            } else if (i + 1 < arguments.size()) {
                result.config = arguments[++i];
            }
            if (result.config.isEmpty()) {
                result.error = QStringLiteral("--config needs a file name");
                return result;
            }
            continue;
        }
        if (arg == QLatin1String("--seed")) {
            if (i + 1 >= arguments.size()) {
                result.error = QStringLiteral("--seed needs a number");
                return result;
            }
            value = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--seed="))) {
            value = arg.mid(7);
        } else {
            continue;
        }
        bool ok = false;
        const qulonglong seed = value.toULongLong(&ok);
        if (!ok) {
            result.error = QStringLiteral("--seed needs a whole number from 0 to 2^64-1, not '%1'").arg(value);
            return result;
        }
        result.seed = seed;
    }
    return result;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: spindora [--seed N] [--config FILE] [-debug]\n"
        "Four logic puzzles in one window: ZIBBO, KOLLUK, PLUF and MURVO.\n"
        "\n"
        "  --seed N     deal from seed N (0 to 18446744073709551615) instead of the clock,\n"
        "               so that the same seed and moves give the same boards\n"
        "  --config FILE  keep the settings, the window's place and the best times in FILE\n"
        "               instead of ~/.config/Brizzels/Spindora/V1.conf\n"
        "  -debug, /debug  (any letter case, or a file debug.debug beside the program)\n"
        "               write a diagnostic log HHDebug.txt beside the program, or in\n"
        "               $XDG_STATE_HOME/Spindora (~/.local/state/Spindora) when that\n"
        "               folder is not writable\n"
        "  --version    print the version and end\n"
        "  --help       print this text and end\n"
        "\n"
        "Music: the notes button plays the MIDI files (*.mid) of two folders in turn, in\n"
        "alphabetical order: the program's folder (/usr/lib/games/spindora/ when\n"
        "installed, build/ for a build) and the player's own music folder\n"
        "~/.local/share/spindora/music/ ($XDG_DATA_HOME/spindora/music/ when that\n"
        "variable holds an absolute path).\n");
}

}  // namespace spindora
