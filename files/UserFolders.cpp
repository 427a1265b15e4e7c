#include "files/UserFolders.h"

#include <QDir>

namespace spindora {

QString XdgBaseFolder(const char* variable, const char* fallbackInHome) {
    const QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base)) return QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackInHome);
    return base;
}

}  // namespace spindora
