// Files beside the program or in the player's folders that are no regular files: a FIFO
// with no writer, a folder, a device node, a link to one. None may hang or end the game,
// none is read as content, and none is ever replaced.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "help/HelpFile.h"
#include "pictures/BoardPicture.h"
#include "audio/MusicFiles.h"
#include "settings/SettingsStore.h"
#include "game/ShellSettings.h"

namespace spindora {
namespace {

struct Special {
    const char* what;
    // Makes the special file at `path` in a scratch folder; false when this system cannot.
    std::function<bool(const QString& path, const QString& scratch)> make;
    mode_t type;  // what lstat must still find there afterwards
};

bool MakeDevice(const QByteArray& path) {
    // A node for the endless zero device, made here: reading it would never stop.
    return ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
}

const Special kSpecials[] = {
    {"a FIFO", [](const QString& p, const QString&) { return ::mkfifo(QFile::encodeName(p), 0666) == 0; }, S_IFIFO},
    {"a folder", [](const QString& p, const QString&) { return QDir().mkdir(p); }, S_IFDIR},
    {"a device node", [](const QString& p, const QString&) { return MakeDevice(QFile::encodeName(p)); }, S_IFCHR},
    {"a link to a device node",
     [](const QString& p, const QString& scratch) {
         const QString node = scratch + QStringLiteral("/zero");
         return (QFile::exists(node) || MakeDevice(QFile::encodeName(node))) && QFile::link(node, p);
     },
     S_IFLNK},
};

struct Reader {
    const char* name;
    // True when the file was taken as content.
    std::function<bool(const QString& dir, const QString& path)> accepts;
};

const Reader kReaders[] = {
    {"x.mid", [](const QString& dir, const QString&) { return !MidiSearch(dir).IsEmpty(); }},
    {"b2.bmp", [](const QString&, const QString& path) { return !LoadBoardPicture(path, QSize(1, 1)).isNull(); }},
    {"spdr.chm", [](const QString&, const QString& path) { return HelpFile::Open(ChmLibrary::Shared(), path) != nullptr; }},
    {"V1.conf", [](const QString&, const QString& path) {
         SettingsStore store(path);
         return ReadShellSettings(store).levels.pmode != 3 || WriteShellSettings(store, ShellSettings{});
     }},
};

TEST(SpecialFiles, AreNeitherReadNorReplacedAndNothingHangs) {
    for (const Special& special : kSpecials) {
        for (const Reader& reader : kReaders) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QString::fromLatin1(reader.name));
            if (!special.make(path, dir.path())) {
                ASSERT_NE(geteuid(), 0u) << "cannot make " << special.what;
                continue;  // device nodes need root
            }
            EXPECT_FALSE(reader.accepts(dir.path(), path)) << special.what << " as " << reader.name;
            struct stat st {};
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & S_IFMT, special.type) << special.what << " as " << reader.name;
        }
    }
}

// A picture no larger than a board yet padded beyond any sane size is refused unread.
TEST(SpecialFiles, AnOversizedPictureIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b2.bmp"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SPINDORA_BUILD_DIR "b2.bmp"), path));
    ASSERT_FALSE(LoadBoardPicture(path, QSize(1, 1)).isNull()) << "the picture as built loads";
    QFile file(path);
    ASSERT_TRUE(file.resize(64 * 1024 * 1024 + 1));  // sparse: costs no disk
    EXPECT_TRUE(LoadBoardPicture(path, QSize(1, 1)).isNull());
}

}  // namespace
}  // namespace spindora
