// The diagnostic log: its switches, where it is written, its line formats and its header,
// and that it never writes through a link planted at its place.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "help/LogHeader.h"
#include "help/TDLogFile.h"

namespace spindora {
namespace {

QStringList LinesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DebugLog, SwitchesWriteTheHeaderBesideTheProgramAndAStartWithoutThemRemovesIt) {
    QTemporaryDir dir;
    const QString program = dir.filePath("spindora");
    const QString logPath = dir.filePath("HHDebug.txt");
    const QString state = dir.filePath("state/Spindora");
    {
        TDLogFile log(program, {"--seed", "5", "-DEBUG"}, state);
        EXPECT_TRUE(log.DebugMode());
        EXPECT_EQ(log.FilePath(), logPath);
    }
    const QStringList lines = LinesOf(logPath);
    ASSERT_EQ(lines.size(), 27);
    EXPECT_EQ(lines[0], QString(79, '='));
    EXPECT_EQ(lines[1], "Log File:             \t" + logPath);
    const char* const labels[] = {
        "Date:                 \t", "Operating System:      \t", "SysLocale.DefaultLCID: \t0x",
        "SysLocale.PriLangID:   \t0x", "SysLocale.SubLangID:   \t0x", "DecimalSeparator:      \t"};
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(lines[2 + i].startsWith(labels[i])) << lines[2 + i].toStdString();
    EXPECT_EQ(lines[8], QString(79, '-'));
    EXPECT_EQ(lines[9], "EXE Path =          \t" + program);
    EXPECT_EQ(lines[11], "Cmdline Param(s) =  \t--seed | 5 | -DEBUG");
    EXPECT_EQ(lines[14], "_ModuleName =       \tspindora");
    EXPECT_EQ(lines[15], "_ModuleDir =        \t" + dir.path() + "/");
    EXPECT_EQ(lines[16], "_ModulePath =        \t" + program);
    EXPECT_TRUE(QRegularExpression("^Module Version =       \t\\d+\\.\\d+\\.\\d+\\.\\d+$").match(lines[17]).hasMatch());
    EXPECT_EQ(lines[18], QString(79, '-'));
    EXPECT_TRUE(lines[19] == "_hhInstalled =      \tYES" || lines[19] == "_hhInstalled =      \tNO");
    EXPECT_TRUE(lines[23].startsWith("_ieInstalled =      \t"));
    EXPECT_EQ(lines[22], QString(79, '-'));
    EXPECT_EQ(lines[26], QString(79, '='));
    EXPECT_FALSE(QDir(state).exists());

    {
        TDLogFile log(program, {"--seed", "5"}, state);
        EXPECT_FALSE(log.DebugMode());
        log.Write("dropped");
    }
    EXPECT_FALSE(QFile::exists(logPath));

    // Both spellings in any letter case, and the marker file, switch it on; look-alikes do not.
    for (const char* on : {"/debug", "/DeBuG", "-Debug"}) EXPECT_TRUE(TDLogFile(program, {on}, state).DebugMode()) << on;
    for (const char* off : {"debug", "--debug", "-debugx"}) EXPECT_FALSE(TDLogFile(program, {off}, state).DebugMode()) << off;
    WriteFile(dir.filePath("debug.debug"), "");
    EXPECT_TRUE(TDLogFile(program, {}, state).DebugMode());
}

TEST(DebugLog, RulesTimeStampsAndFormattedLines) {
    QTemporaryDir dir;
    const TDLogFile log(dir.filePath("spindora"), {"/debug"}, dir.filePath("state"));
    QFile::remove(log.FilePath());
    log.Write("-");
    log.Write("=");
    log.Write("!Plain text");
    log.Write("-dash gone");
    log.Write("=equals gone");
    log.Write("hello");
    log.Log("THookHelpSystem.HelpHook(%s, %d)", "1 (HELP_CONTEXT)", 2);
    const QStringList lines = LinesOf(log.FilePath());
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QString(79, '-'));
    EXPECT_EQ(lines[1], QString(79, '='));
    EXPECT_EQ(lines[2], "Plain text");
    EXPECT_EQ(lines[3], "dash gone");
    EXPECT_EQ(lines[4], "equals gone");
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d   hello$").match(lines[5]).hasMatch()) << lines[5].toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d   THookHelpSystem\\.HelpHook\\(1 \\(HELP_CONTEXT\\), 2\\)$")
                    .match(lines[6]).hasMatch()) << lines[6].toStdString();
}

TEST(DebugLog, UnwritableProgramFolderSendsTheLogToTheUsersStateFolder) {
    QTemporaryDir dir;
    // Tests run as root, where permissions stop nothing: a folder below a plain file can
    // never take a file.
    WriteFile(dir.filePath("plain"), "x");
    const QString program = dir.filePath("plain/lib/spindora");
    const QString state = dir.filePath("state/Spindora");
    EXPECT_FALSE(TDLogFile::CanCreateIn(dir.filePath("plain/lib")));
    EXPECT_TRUE(TDLogFile::CanCreateIn(dir.path()));
    EXPECT_FALSE(QFile::exists(dir.filePath("$_Temp_$.$$$")));

    { TDLogFile quiet(program, {}, state); }
    EXPECT_FALSE(QDir(state).exists()) << "a start without the switch makes no folder";
    {
        TDLogFile log(program, {"-debug"}, state);
        EXPECT_EQ(log.FilePath(), state + "/HHDebug.txt");
    }
    EXPECT_EQ(LinesOf(state + "/HHDebug.txt").value(1), "Log File:             \t" + state + "/HHDebug.txt");

    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/somewhere/state");
    EXPECT_EQ(TDLogFile::UserStateDir(), "/somewhere/state/Spindora");
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(TDLogFile::UserStateDir(), QDir::homePath() + "/.local/state/Spindora");
    if (!saved.isNull()) qputenv("XDG_STATE_HOME", saved);
}

TEST(DebugLog, ALinkPlantedAtTheLogsPlaceIsNeitherFollowedNorWrittenThrough) {
    QTemporaryDir dir;
    const QString victim = dir.filePath("victim.txt");
    WriteFile(victim, "the player's own file\n");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("prog")));
    const QString program = dir.filePath("prog/spindora");
    const QString logPath = dir.filePath("prog/HHDebug.txt");
    ASSERT_TRUE(QFile::link(victim, logPath));

    const TDLogFile log(program, {"-debug"}, dir.filePath("state"));
    EXPECT_EQ(ReadFile(victim), "the player's own file\n");
    EXPECT_FALSE(QFileInfo(logPath).isSymLink()) << "the link itself is removed";
    EXPECT_EQ(LinesOf(logPath).value(0), QString(79, '='));

    // A link planted while the game runs is not written through either.
    QFile::remove(logPath);
    ASSERT_TRUE(QFile::link(victim, logPath));
    log.Write("hello");
    EXPECT_EQ(ReadFile(victim), "the player's own file\n");

    // Nor is one planted at the scratch file's place: the folder then counts as unwritable.
    ASSERT_TRUE(QFile::link(victim, dir.filePath("prog/$_Temp_$.$$$")));
    EXPECT_FALSE(TDLogFile::CanCreateIn(dir.filePath("prog")));
    EXPECT_EQ(ReadFile(victim), "the player's own file\n");
}

TEST(DebugLog, ALogThatCannotBeWrittenSaysWhereAndWhyOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("HHDebug.txt")));
    testing::internal::CaptureStderr();
    {
        const TDLogFile log(dir.filePath("spindora"), {"-debug"}, dir.filePath("state"));
        log.Write("hello");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "spindora: cannot write the debug log " +
                                                          dir.filePath("HHDebug.txt").toStdString() +
                                                          ": " + std::strerror(EISDIR) + "\n");
}

TEST(DebugLog, LocaleLinesGiveTheWindowsIdAndItsParts) {
    EXPECT_EQ(LocaleId("de_DE.UTF-8"), 0x0407u);
    EXPECT_EQ(LocaleId("en_GB"), 0x0809u);
    EXPECT_EQ(LocaleId("xx_YY"), 0u);
    HeaderFacts facts;
    facts.lcid = 0x0C07;  // German (Austria): language 7, sub-language 3
    const QStringList lines = HeaderLines(facts);
    EXPECT_TRUE(lines.contains("!SysLocale.DefaultLCID: \t0x0C07 (3079)"));
    EXPECT_TRUE(lines.contains("!SysLocale.PriLangID:   \t0x0007 (7)"));
    EXPECT_TRUE(lines.contains("!SysLocale.SubLangID:   \t0x0003 (3)"));
}

}  // namespace
}  // namespace spindora
