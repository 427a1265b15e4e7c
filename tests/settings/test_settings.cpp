#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/FileReplace.h"
#include "settings/SettingsStore.h"
#include "game/ShellSettings.h"
#include "shell/WindowPlacement.h"

namespace spindora {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("Brizzels/Spindora/V1.conf"); }
    void WriteFile(const QByteArray& text) {
        QDir().mkpath(QFileInfo(Path()).absolutePath());
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        // QSettings keeps a parsed copy of each file and rereads it only when its size or
        // its time (in milliseconds) changed: two texts of one length written within the
        // same millisecond would read as the first. Each write gets a time of its own.
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addSecs(++writes), QFileDevice::FileModificationTime);
    }
    QByteArray FileText() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Each case gets a file of its own: a file rewritten within the same instant at the
    // same size looks unchanged to the settings reader's cache.
    ShellSettings Read(const QByteArray& text) { return ReadShellSettings(SettingsStore(WriteCase(text))); }
    QString WriteCase(const QByteArray& text) {
        const QString path = dir.filePath(QStringLiteral("case-%1.conf").arg(++cases));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    int cases = 0;
    QTemporaryDir dir;
    int writes = 0;
};

TEST_F(SettingsTest, AnEmptyStoreGivesTheFirstStartAndReadingCreatesNothing) {
    const ShellSettings s = ReadShellSettings(SettingsStore(Path()));
    EXPECT_EQ(s.mode, 0);
    EXPECT_EQ(s.levels.gmode, 1);
    EXPECT_EQ(s.levels.hmode, 1);
    EXPECT_EQ(s.levels.dmode, 1);
    EXPECT_EQ(s.levels.pmode, 3);
    EXPECT_EQ(s.levels.rmode, 1);
    EXPECT_TRUE(s.sound);
    EXPECT_TRUE(s.music);
    EXPECT_EQ(s.tongue, -1) << "the language question comes";
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Brizzels"))) << "reads create no folder";
}

TEST_F(SettingsTest, StoredValuesAreLimitedAsTheyAreRead) {
    auto levels = [&](const QByteArray& text) { return Read("[common]\n" + text).levels; };
    EXPECT_EQ(levels("gmode=0\n").gmode, 1);
    EXPECT_EQ(levels("gmode=-7\n").gmode, 1);
    EXPECT_EQ(levels("gmode=12\n").gmode, 9);
    EXPECT_EQ(levels("hmode=5\n").hmode, 4);
    EXPECT_EQ(levels("hmode=abc\n").hmode, 1) << "text that is no number gives the default";
    EXPECT_EQ(levels("dmode=0\n").dmode, 1);
    EXPECT_EQ(levels("rmode=11\n").rmode, 10);
    EXPECT_EQ(levels("pmode=1\n").pmode, 2);
    EXPECT_EQ(levels("pmode=-4\n").pmode, 2);
    EXPECT_EQ(levels("pmode=9\n").pmode, 5);
    EXPECT_EQ(levels("pmode=4x\n").pmode, 3);
    EXPECT_EQ(Read("[common]\nmode=258\n").mode, 2) << "the low eight bits";
    EXPECT_EQ(Read("[common]\nmode=3\n").mode, 3);
    EXPECT_EQ(Read("[common]\nsound=0\nmusic=7\n").sound, false);
    EXPECT_EQ(Read("[common]\nsound=0\nmusic=7\n").music, true) << "any non-zero is on";
    EXPECT_EQ(Read("[common]\nmusic=loud\n").music, true);
    EXPECT_EQ(Read("[common]\ntongue=1\n").tongue, 1);
    EXPECT_EQ(Read("[common]\ntongue=99999999999\n").tongue, -1) << "too large for an integer";
    // A section spelled with capitals, as a person may write it, is the same section.
    EXPECT_EQ(Read("[Common]\ngmode=4\nTongue=1\n").levels.gmode, 4);
    EXPECT_EQ(Read("[COMMON]\nTongue=1\n").tongue, 1);
    // A file that is not settings at all gives the defaults.
    EXPECT_EQ(Read("\x01\x02 not [an ini\n==\n").levels.pmode, 3);
}

TEST_F(SettingsTest, WrittenValuesComeBackAndNothingElseIsLost) {
    WriteFile("[common]\nfuture=kept\n[Common]\nMainForm=\"200,0,1,10,20,516,425\"\n"
              "[highscore]\nplayer=Jörg\n");
    SettingsStore store(Path());
    ShellSettings s;
    s.tongue = 1;
    s.mode = 2;
    s.levels = {7, 3, 4, 1, 10};
    s.sound = false;
    s.music = false;
    ASSERT_TRUE(WriteShellSettings(store, s));

    const ShellSettings back = ReadShellSettings(store);
    EXPECT_EQ(back.tongue, 1);
    EXPECT_EQ(back.mode, 2);
    EXPECT_EQ(back.levels.gmode, 7);
    EXPECT_EQ(back.levels.hmode, 3);
    EXPECT_EQ(back.levels.dmode, 4);
    EXPECT_EQ(back.levels.pmode, 2) << "a colour setting of 1 comes back as 2";
    EXPECT_EQ(back.levels.rmode, 10);
    EXPECT_FALSE(back.sound);
    EXPECT_FALSE(back.music);
    EXPECT_EQ(store.ReadText("common", "future", ""), "kept") << "unknown keys survive a write";
    EXPECT_EQ(store.ReadText("highscore", "player", ""), "Jörg");
    EXPECT_EQ(store.ReadText("common", "MainForm", ""), "200,0,1,10,20,516,425");
    // Stored as the text of the number, in one section however it was spelled.
    const QByteArray text = FileText();
    EXPECT_TRUE(text.contains("pmode=1\n")) << text.constData();
    EXPECT_TRUE(text.contains("tongue=1\n")) << text.constData();
    EXPECT_TRUE(text.contains("sound=0\n")) << text.constData();

    // Texts with umlauts, commas and quotes come back as they went in.
    const QString name = QStringLiteral("Grüße, \"Ärger\" = ß; 100%");
    ASSERT_TRUE(store.WriteText("highscore", "player", name));
    EXPECT_EQ(SettingsStore(Path()).ReadText("HighScore", "Player", ""), name);
    EXPECT_EQ(store.ReadInteger("common", "missing", -5), -5);
}

TEST_F(SettingsTest, AnUnwritableStoreFailsWithoutHarm) {
    QFile blocker(dir.filePath("plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // Its folder would have to be made inside a plain file: impossible, even for root.
    SettingsStore store(dir.filePath("plain-file/Spindora/V1.conf"));
    EXPECT_FALSE(store.WriteInteger("common", "mode", 1));
    EXPECT_FALSE(WriteShellSettings(store, ShellSettings{}));
    EXPECT_EQ(ReadShellSettings(store).levels.pmode, 3);

    SettingsStore nowhere;
    EXPECT_TRUE(nowhere.WriteInteger("common", "mode", 1)) << "a store without a file drops writes";
    EXPECT_EQ(nowhere.ReadInteger("common", "mode", 0), 0);
}

// Files as earlier versions of the game wrote them, escapes and all, read as they were meant.
TEST_F(SettingsTest, FilesWrittenByEarlierVersionsReadTheSame) {
    const struct {
        QByteArray stored;
        QString text;
    } rows[] = {
        {"player=\"J\xC3\xB6rg \xC3\x96tzi, Esq.\"", QStringLiteral("Jörg Ötzi, Esq.")},
        {"player=@@home", "@home"},
        {"player=tab\\there\\nand a new line", "tab\there\nand a new line"},
        {"player=back\\\\slash \\\"quoted\\\"", "back\\slash \"quoted\""},
        {"player=\" spaced \"", " spaced "},
        {"player=a, b,c", "a,b,c"},
        {"pl%E4yer=key with an umlaut", "key with an umlaut"},
    };
    for (const auto& row : rows) {
        SettingsStore store(WriteCase("[highscore]\n" + row.stored + "\n"));
        const QString name = row.stored.startsWith("pl%") ? QStringLiteral("pläyer") : QStringLiteral("player");
        EXPECT_EQ(store.ReadText("highscore", name, "?"), row.text) << row.stored.constData();
    }
}

// The ways a disk lets a write down: full halfway through, unable to flush, unable to
// rename. Each must leave the old file as it was, and no new file beside it.
TEST_F(SettingsTest, AFailedWriteKeepsTheOldFileWholeAndLeavesNothingBeside) {
    struct Fault {
        const char* what;
        ReplaceCalls calls;
    };
    const ReplaceCalls real = ReplaceSystemCalls();
    const Fault faults[] = {
        {"a write cut short by a full disk",
         {[](int fd, const void* data, size_t size) -> ssize_t {
              static bool first = true;
              if (std::exchange(first, false)) return ::write(fd, data, size / 2);
              errno = ENOSPC;
              return -1;
          },
          ::fsync, ::rename}},
        {"a flush that fails",
         {::write, [](int) { errno = EIO; return -1; }, ::rename}},
        {"a rename that fails",
         {::write, ::fsync, [](const char*, const char*) { errno = EXDEV; return -1; }}},
    };
    const QByteArray old = "[common]\nmode=3\ngmode=5\n\n[highscore]\nplayer=Ida\nzib01=abc\n";
    for (const Fault& fault : faults) {
        WriteFile(old);
        SettingsStore store(Path());
        ReplaceSystemCalls() = fault.calls;
        ShellSettings s;
        s.levels.gmode = 2;
        const bool written = WriteShellSettings(store, s);
        ReplaceSystemCalls() = real;
        EXPECT_FALSE(written) << fault.what << " is reported";
        EXPECT_EQ(FileText(), old) << fault.what;
        EXPECT_EQ(QDir(QFileInfo(Path()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"V1.conf"}) << fault.what;
    }
}

// Held writes stay in memory and reach the file in one replacement.
TEST_F(SettingsTest, HeldWritesReachTheFileAllAtOnce) {
    WriteFile("[common]\nmode=3\n");
    SettingsStore store(Path());
    store.HoldWrites();
    const ReplaceCalls real = ReplaceSystemCalls();
    static int renames = 0;
    renames = 0;
    ReplaceSystemCalls().rename = [](const char* from, const char* to) {
        ++renames;
        return ::rename(from, to);
    };
    ShellSettings s;
    s.mode = 2;
    EXPECT_TRUE(WriteShellSettings(store, s));
    EXPECT_TRUE(store.WriteText("Common", "MainForm", "200,0,1,1,2,3,4"));
    EXPECT_EQ(FileText(), "[common]\nmode=3\n") << "nothing written before the flush";
    EXPECT_EQ(store.ReadInteger("common", "mode", 0), 2) << "but every read sees the new value";
    EXPECT_TRUE(store.Flush());
    ReplaceSystemCalls() = real;
    EXPECT_EQ(renames, 1);
    const QByteArray text = FileText();
    EXPECT_TRUE(text.contains("mode=2\n")) << text.constData();
    EXPECT_TRUE(text.contains("MainForm=\"200,0,1,1,2,3,4\"\n")) << text.constData();
}

// A settings file of more than a mebibyte is no settings file: the run starts afresh and
// the file is kept aside, whole, for whoever wants to look at it.
TEST_F(SettingsTest, AnOversizedFileIsKeptAsideAndNeverOverwritten) {
    const QByteArray huge = "[common]\nmode=3\n" + QByteArray(1024 * 1024, ';');
    WriteFile(huge);
    testing::internal::CaptureStderr();
    SettingsStore store(Path());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("V1.conf"), std::string::npos) << said;
    EXPECT_EQ(store.ReadInteger("common", "mode", 0), 0) << "read as empty";
    ASSERT_TRUE(store.WriteInteger("common", "gmode", 4));
    EXPECT_EQ(FileText(), "[common]\ngmode=4\n");
    QFile aside(Path() + ".damaged");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), huge);
}

// A settings file kept elsewhere behind a link stays there, and the link stays a link.
TEST_F(SettingsTest, ALinkedFileHasItsTargetRewritten) {
    const QString real = dir.filePath("dotfiles/spindora.conf");
    QDir().mkpath(dir.filePath("dotfiles"));
    QDir().mkpath(QFileInfo(Path()).absolutePath());
    QFile target(real);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write("[highscore]\nplayer=Ida\n");
    target.close();
    ASSERT_TRUE(QFile::link(real, Path()));
    SettingsStore store(Path());
    EXPECT_EQ(store.ReadText("highscore", "player", ""), "Ida");
    ASSERT_TRUE(store.WriteInteger("common", "mode", 2));
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), "[highscore]\nplayer=Ida\n\n[common]\nmode=2\n");
}

TEST(WindowPlacement, SevenNumbersMarkedTwoHundredGiveTheCorner) {
    EXPECT_EQ(FormatPlacement(QRect(30, 40, 506, 395), 1), "200,0,1,30,40,536,435");
    EXPECT_EQ(ParsePlacement("200,0,1,30,40,536,435"), QPoint(30, 40));
    EXPECT_EQ(ParsePlacement("200,2,3,-8,-9,1,1"), QPoint(-8, -9));
    for (const char* bad : {"", "200", "200,0,1,30,40,536", "200,0,1,30,40,536,435,9",
                            "100,0,1,30,40,536,435", "200,0,1,x,40,536,435", "200;0;1;30;40;536;435",
                            "200,0,1,2147483148,100,0,0"})
        EXPECT_FALSE(ParsePlacement(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(WindowPlacement, APlaceOffTheDesktopIsMovedBackRightBottomLeftTop) {
    const QRect desktop(0, 0, 800, 600);
    const QSize window(506, 395);
    EXPECT_EQ(KeepOnDesktop({100, 100}, window, desktop), QPoint(100, 100));
    EXPECT_EQ(KeepOnDesktop({500, 100}, window, desktop), QPoint(294, 100));
    EXPECT_EQ(KeepOnDesktop({100, 400}, window, desktop), QPoint(100, 205));
    EXPECT_EQ(KeepOnDesktop({-50, -60}, window, desktop), QPoint(0, 0));
    // Larger than the desktop: the left and top tests come last and win.
    EXPECT_EQ(KeepOnDesktop({300, 300}, QSize(900, 700), desktop), QPoint(0, 0));
    EXPECT_EQ(KeepOnDesktop({900, 50}, window, QRect(100, 20, 800, 600)), QPoint(394, 50));
    EXPECT_EQ(CentredOnScreen(window, desktop), QPoint(147, 102));
    EXPECT_EQ(CentredOnScreen(QSize(501, 367), desktop), QPoint(149, 116));
    // Larger than the screen (a 3x window on 1280 x 1024): the top-left corner stays on it.
    EXPECT_EQ(CentredOnScreen(QSize(1500, 1098), QRect(0, 0, 1280, 1024)), QPoint(0, 0));
    EXPECT_EQ(CentredOnScreen(QSize(1500, 900), QRect(1280, 0, 1280, 1024)), QPoint(1280, 62));
}

}  // namespace
}  // namespace spindora
