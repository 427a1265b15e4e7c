#include "shell/CommandLine.h"

namespace spindora {

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        QString value;
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

}  // namespace spindora
