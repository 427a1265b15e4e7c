#pragma once
#include <QString>
#include <QStringList>

#include "help/ChmLibrary.h"

namespace spindora {

// What the diagnostic log's header says about the machine and the program.
struct HeaderFacts {
    QString logFile, date;
    QString systemName, servicePack;  // "Linux", the distribution's name
    int major = 0, minor = 0, build = 0;  // from the kernel release
    unsigned lcid = 0;                    // the Windows locale id of the user's locale
    QString decimalSeparator;
    QString exePath, exeVersion, parameters, actualCommandLine, runDir, moduleName, moduleDir;
    bool helpInstalled = false;
    QString helpVersion, helpFriendly;
    bool browserInstalled = false;
    QString browserVersion, browserFriendly;
};

HeaderFacts GatherHeaderFacts(const QString& logFile, const QString& programPath,
                              const QStringList& arguments, const ChmLibrary& library);

// The header's lines, in the form TDLogFile::Write takes them (rules as "-" and "=").
QStringList HeaderLines(const HeaderFacts& facts);

// The Windows locale id for a locale name such as "de_DE"; 0 for one it does not know.
unsigned LocaleId(const QString& localeName);

}  // namespace spindora
