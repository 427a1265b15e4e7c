#include "help/LogHeader.h"

#include <sys/utsname.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace spindora {
namespace {

// Windows locale ids of the locales a player of a German and English game is likely to have.
struct KnownLocale {
    const char* name;
    unsigned lcid;
};
constexpr KnownLocale kLocales[] = {
    {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007},
    {"de_LI", 0x1407}, {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09},
    {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"fr_FR", 0x040C},
    {"it_IT", 0x0410}, {"es_ES", 0x0C0A}, {"nl_NL", 0x0413}, {"C", 0x007F},
};

// Short names for the libmspack builds Debian ships, keyed by the library file's version.
struct KnownVersion {
    const char* version;
    const char* name;
};
constexpr KnownVersion kHelpVersions[] = {
    {"0.1.0.0", "libmspack 0.11"},
};

QString FriendlyHelpVersion(const QString& version) {
    for (const KnownVersion& known : kHelpVersions)
        if (version == QLatin1String(known.version)) return QLatin1String(known.name);
    return version.isEmpty() ? QString() : QStringLiteral("libmspack");
}

QString OsReleaseName() {
    for (const char* file : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile release{QString::fromLatin1(file)};
        if (!release.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
        while (!release.atEnd()) {
            const QString line = QString::fromUtf8(release.readLine()).trimmed();
            if (line.startsWith(QLatin1String("PRETTY_NAME=")))
                return line.mid(12).remove(QLatin1Char('"'));
        }
    }
    return {};
}

QString ActualCommandLine() {
    QFile cmdline(QStringLiteral("/proc/self/cmdline"));
    if (!cmdline.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = cmdline.readAll();
    if (bytes.endsWith('\0')) bytes.chop(1);
    return QString::fromLocal8Bit(bytes.replace('\0', ' '));
}

// The desktop's handler for web addresses stands in for the browser component.
void ReadWebHandler(HeaderFacts& facts) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/https")});
    if (!query.waitForFinished(2000) || query.exitCode() != 0) return;
    const QString desktopId = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (desktopId.isEmpty()) return;
    facts.browserInstalled = true;
    facts.browserVersion = desktopId;
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    if (file.isEmpty()) return;
    QFile desktop(file);
    if (!desktop.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    while (!desktop.atEnd()) {
        const QString line = QString::fromUtf8(desktop.readLine()).trimmed();
        if (line.startsWith(QLatin1String("Name="))) {
            facts.browserFriendly = line.mid(5);
            return;
        }
    }
}

QString Hex4(unsigned value) {
    return QLatin1String("0x") + QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString IdLine(const char* label, unsigned value) {
    return QStringLiteral("!%1\t%2 (%3)").arg(QLatin1String(label), Hex4(value)).arg(value);
}

QString YesNo(bool yes) { return yes ? QStringLiteral("YES") : QStringLiteral("NO"); }

}  // namespace

unsigned LocaleId(const QString& localeName) {
    const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    for (const KnownLocale& known : kLocales)
        if (name == QLatin1String(known.name)) return known.lcid;
    return name == QLatin1String("POSIX") ? 0x007F : 0;
}

HeaderFacts GatherHeaderFacts(const QString& logFile, const QString& programPath,
                              const QStringList& arguments, const ChmLibrary& library) {
    HeaderFacts facts;
    facts.logFile = logFile;
    const QLocale locale = QLocale::system();
    facts.date = locale.toString(QDate::currentDate(), QLocale::ShortFormat) + QLatin1Char(' ') +
                 QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    utsname system {};
    if (uname(&system) == 0) {
        facts.systemName = QString::fromLocal8Bit(system.sysname);
        const auto numbers = QRegularExpression(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"))
                                 .match(QString::fromLocal8Bit(system.release));
        facts.major = numbers.captured(1).toInt();
        facts.minor = numbers.captured(2).toInt();
        facts.build = numbers.captured(3).toInt();
    }
    facts.servicePack = OsReleaseName();
    if (facts.servicePack.isEmpty()) facts.servicePack = QStringLiteral("No Service Pack");
    facts.lcid = LocaleId(locale.name() == QLatin1String("C") ? QStringLiteral("C") : locale.name());
    facts.decimalSeparator = locale.decimalPoint();

    const QFileInfo program(programPath);
    facts.exePath = program.absoluteFilePath();
    facts.exeVersion = QStringLiteral("%1.0.0").arg(QLatin1String(SPINDORA_VERSION));
    facts.parameters = arguments.join(QLatin1String(" | "));
    facts.actualCommandLine = ActualCommandLine();
    facts.runDir = QDir::currentPath();
    facts.moduleName = program.fileName();
    facts.moduleDir = program.absolutePath() + QLatin1Char('/');

    facts.helpInstalled = library.Present();
    facts.helpVersion = library.Version();
    facts.helpFriendly = FriendlyHelpVersion(facts.helpVersion);
    ReadWebHandler(facts);
    return facts;
}

QStringList HeaderLines(const HeaderFacts& f) {
    const auto line = [](const char* label, const QString& value) {
        return QStringLiteral("!%1\t%2").arg(QLatin1String(label), value);
    };
    return {
        QStringLiteral("="),
        line("Log File:             ", f.logFile),
        line("Date:                 ", f.date),
        QStringLiteral("!Operating System:      \t%1 %2.%3 (Build %4) %5")
            .arg(f.systemName).arg(f.major).arg(f.minor).arg(f.build).arg(f.servicePack),
        IdLine("SysLocale.DefaultLCID: ", f.lcid),
        IdLine("SysLocale.PriLangID:   ", f.lcid & 0x3FF),
        IdLine("SysLocale.SubLangID:   ", f.lcid >> 10),
        line("DecimalSeparator:      ", f.decimalSeparator),
        QStringLiteral("-"),
        line("EXE Path =          ", f.exePath),
        line("EXE Version =       ", f.exeVersion),
        line("Cmdline Param(s) =  ", f.parameters),
        line("Actual CmdLine =  ", f.actualCommandLine),
        line("_RunDir =           ", f.runDir),
        line("_ModuleName =       ", f.moduleName),
        line("_ModuleDir =        ", f.moduleDir),
        line("_ModulePath =        ", f.exePath),
        line("Module Version =       ", f.exeVersion),
        QStringLiteral("-"),
        line("_hhInstalled =      ", YesNo(f.helpInstalled)),
        line("_hhVerStr =         ", f.helpVersion),
        line("_hhFriendlyVerStr = ", f.helpFriendly),
        QStringLiteral("-"),
        line("_ieInstalled =      ", YesNo(f.browserInstalled)),
        line("_ieVerStr =         ", f.browserVersion),
        line("_ieFriendlyVerStr = ", f.browserFriendly),
        QStringLiteral("="),
    };
}

}  // namespace spindora
