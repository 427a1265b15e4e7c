// Bounded, seeded fuzz loops over everything the game reads that a player, a hand edit or
// another program may have touched. Each loop starts from a real file and must finish
// without a crash, a hang or a sanitizer report, and whatever the reader accepts must obey
// the rules a player relies on.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "dialogs/HighscoreList.h"
#include "fuzz/Mutator.h"
#include "help/ChmLibrary.h"
#include "help/HelpFile.h"
#include "pictures/BoardPicture.h"
#include "audio/MidiPlayer.h"
#include "settings/SettingsStore.h"
#include "game/ShellSettings.h"
#include "shell/WindowPlacement.h"

namespace spindora {
namespace {

using test::Mutator;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A new file for each input: rewriting one file over and over makes the file system wait
// for the disk on every round.
QString FreshFile(const QTemporaryDir& dir, int round, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("input-%1").arg(round));
    EXPECT_TRUE(WriteAll(path, bytes)) << path.toStdString();
    return path;
}

// A settings file as the game writes it at close, with highscores and the window's place.
QByteArray WrittenSettingsFile(const QString& path) {
    SettingsStore store(path);
    ShellSettings settings;
    settings.tongue = 1;
    settings.mode = 2;
    settings.levels = {4, 3, 2, 5, 7};
    EXPECT_TRUE(WriteShellSettings(store, settings));
    HighscoreList list;
    list[0] = {QStringLiteral("Anna, die Große"), 73};
    list[1] = {QStringLiteral("Bo"), 734};
    EXPECT_TRUE(SaveHighscores(store, QStringLiteral("pluf02"), list));
    EXPECT_TRUE(store.WriteText(QStringLiteral("highscore"), QStringLiteral("player"), QStringLiteral("Bo")));
    EXPECT_TRUE(store.WriteText(QStringLiteral("Common"), QStringLiteral("MainForm"),
                                QStringLiteral("200,0,1,150,120,650,486")));
    return ReadAll(path);
}

TEST(Fuzz, SettingsFilesKeepEveryLevelInRangeAndStayWritable) {
    QTemporaryDir dir;
    const QByteArray seed = WrittenSettingsFile(dir.filePath(QStringLiteral("V1.conf")));
    ASSERT_FALSE(seed.isEmpty());
    Mutator mutator(13);
    for (int round = 0; round < 1500; ++round) {
        // A file of its own each round: the settings reader caches a file by its size and
        // time, which a mutation within the same second may leave unchanged.
        const QString path = dir.filePath(QStringLiteral("V1-%1.conf").arg(round));
        const QByteArray input = round % 2 ? mutator.MutateText(seed) : mutator.Mutate(seed, 6);
        ASSERT_TRUE(WriteAll(path, input));
        SettingsStore store(path);
        const ShellSettings s = ReadShellSettings(store);
        SCOPED_TRACE(input.toStdString());
        EXPECT_TRUE(s.levels.gmode >= 1 && s.levels.gmode <= 9) << s.levels.gmode;
        EXPECT_TRUE(s.levels.hmode >= 1 && s.levels.hmode <= 4) << s.levels.hmode;
        EXPECT_TRUE(s.levels.dmode >= 1 && s.levels.dmode <= 4) << s.levels.dmode;
        EXPECT_TRUE(s.levels.pmode >= 2 && s.levels.pmode <= 5) << s.levels.pmode;
        EXPECT_TRUE(s.levels.rmode >= 1 && s.levels.rmode <= 10) << s.levels.rmode;
        for (const HighscoreEntry& entry : LoadHighscores(store, QStringLiteral("pluf02")))
            EXPECT_GE(entry.time, 0);
        if (const auto place = ParsePlacement(store.ReadText(QStringLiteral("common"),
                                                             QStringLiteral("MainForm"), {})))
            (void)KeepOnDesktop(*place, QSize(500, 366), QRect(0, 0, 800, 600));
        // What the store says it wrote, it reads back, whatever the file held before.
        if (round % 100 == 0 && store.WriteInteger(QStringLiteral("common"), QStringLiteral("rmode"), 6)) {
            EXPECT_EQ(ReadShellSettings(store).levels.rmode, 6);
        }
        QFile::remove(path);
    }
}

TEST(Fuzz, HighscoreEntriesReadAsAnEntryOrAsEmpty) {
    const HighscoreEntry written[] = {{QStringLiteral("Mr. Brain"), 734},
                                      {QStringLiteral("A, B"), 1},
                                      {QStringLiteral("Jürgen 🎲"), 999999}};
    Mutator mutator(15);
    int read = 0;
    for (int round = 0; round < 6000; ++round) {
        const HighscoreEntry& from = written[round % 3];
        const QByteArray seed = ScrambleEntry(FormatEntry(from)).toUtf8();
        const QString stored = QString::fromUtf8(round % 2 ? mutator.MutateText(seed) : mutator.Mutate(seed, 3));
        const std::optional<QString> plain = UnscrambleEntry(stored);
        if (!plain) continue;
        const HighscoreEntry entry = ParseEntry(*plain);
        read += entry.time > 0;
        ASSERT_GE(entry.time, 0) << stored.toStdString();
        // Whatever was read is stored again as it reads.
        const std::optional<QString> again = UnscrambleEntry(ScrambleEntry(FormatEntry(entry)));
        ASSERT_TRUE(again.has_value()) << stored.toStdString();
        EXPECT_EQ(ParseEntry(*again), entry) << stored.toStdString();
        // Plain text that was never scrambled reads as an entry or as empty, too.
        EXPECT_GE(ParseEntry(stored).time, 0);
    }
    EXPECT_GT(read, 50) << "too few mutations still read as an entry to test the rest";
}

QByteArray SmallBitmap(QImage::Format format) {
    QImage image(13, 7, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 19, y * 31, (x ^ y) * 7));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(format).save(&buffer, "BMP");
    return bytes;
}

TEST(Fuzz, PictureFilesLoadOnlyWhole) {
    QTemporaryDir dir;
    const QByteArray board = ReadAll(QStringLiteral(SPINDORA_BUILD_DIR "b1.bmp"));
    ASSERT_GT(board.size(), 500 * 333 * 3);
    const QByteArray small[] = {SmallBitmap(QImage::Format_RGB888), SmallBitmap(QImage::Format_Indexed8),
                                SmallBitmap(QImage::Format_RGB32)};
    Mutator mutator(17);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        const QByteArray& seed = small[round % 3];
        const QByteArray input = mutator.Mutate(seed, 4, round % 2 ? 64 : 0);
        const bool whole = HoldsWholeBitmap(input);
        const QString path = FreshFile(dir, round, input);
        const QImage picture = LoadBoardPicture(path, QSize(13, 7));
        QFile::remove(path);
        if (!picture.isNull()) {
            ++loaded;
            EXPECT_TRUE(whole) << "a damaged bitmap was taken, round " << round;
            EXPECT_GE(picture.width(), 13);
            EXPECT_GE(picture.height(), 7);
        }
    }
    EXPECT_GT(loaded, 100) << "too few mutations still load to test the rest";
    // The real board picture: damage in its header, or a cut anywhere.
    for (int round = 0; round < 300; ++round) {
        const QByteArray input = mutator.Mutate(board, 2, round % 3 ? 128 : 0);
        const bool whole = HoldsWholeBitmap(input);
        if (round % 10 != 0) continue;
        const QString path = FreshFile(dir, round, input);
        const QImage picture = LoadBoardPicture(path, QSize(500, 333));
        QFile::remove(path);
        if (!picture.isNull()) {
            EXPECT_TRUE(whole) << "round " << round;
        }
    }
    EXPECT_TRUE(HoldsWholeBitmap(board));
    EXPECT_FALSE(HoldsWholeBitmap(board.left(board.size() - 1)));
}

// A Standard MIDI File of format 1 with a tempo track and one track of notes.
QByteArray MadeMidi() {
    const auto chunk = [](const char* tag, const QByteArray& body) {
        QByteArray out(tag, 4);
        char length[4];
        qToBigEndian<quint32>(static_cast<quint32>(body.size()), length);
        return out + QByteArray(length, 4) + body;
    };
    const QByteArray header("\x00\x01\x00\x02\x01\xe0", 6);
    const QByteArray tempo("\x00\xff\x51\x03\x07\xa1\x20\x00\xff\x2f\x00", 11);
    QByteArray notes;
    for (int n = 0; n < 8; ++n)
        notes += QByteArray("\x00\x90", 2) + char(60 + n) + char(100) + QByteArray("\x83\x60\x80", 3) +
                 char(60 + n) + char(0);
    notes += QByteArray("\x00\xff\x2f\x00", 4);
    return chunk("MThd", header) + chunk("MTrk", tempo) + chunk("MTrk", notes);
}

TEST(Fuzz, MidiFilesAreCheckedBeforeTheSynthesiserSeesThem) {
    const QByteArray seed = MadeMidi();
    ASSERT_TRUE(IsStandardMidi(seed));
    EXPECT_FALSE(IsStandardMidi(seed.left(seed.size() - 1))) << "a cut track";
    Mutator mutator(19);
    int accepted = 0;
    for (int round = 0; round < 6000; ++round) {
        const QByteArray input = mutator.Mutate(seed, 4, round % 2 ? 40 : 0);
        if (!IsStandardMidi(input)) continue;
        ++accepted;
        // What passes has its header and every chunk whole inside the bytes.
        ASSERT_TRUE(input.startsWith("MThd"));
        const quint32 headerLength = qFromBigEndian<quint32>(input.constData() + 4);
        qsizetype at = 8 + qsizetype(headerLength);
        while (at + 8 <= input.size()) at += 8 + qsizetype(qFromBigEndian<quint32>(input.constData() + at + 4));
        EXPECT_LE(at, input.size()) << "round " << round;
    }
    EXPECT_GT(accepted, 100) << "too few mutations still pass to test the rest";
}

TEST(Fuzz, HelpFilesOpenOrAreRefusedAndTheirContentsParse) {
    const ChmLibrary library;
    if (!library.Present()) GTEST_SKIP() << "libmspack is not installed: " << library.Failure().toStdString();
    const QByteArray seed = ReadAll(QStringLiteral(SPINDORA_BUILD_DIR "spdr.chm"));
    ASSERT_FALSE(seed.isEmpty());
    QTemporaryDir dir;
    Mutator mutator(23);
    int opened = 0;
    for (int round = 0; round < 400; ++round) {
        // The header and directory lie in the first kilobytes; the rest is compressed pages.
        const QByteArray input = mutator.Mutate(seed, 3, round % 4 ? 8192 : 0);
        const QString path = FreshFile(dir, round, input);
        const std::unique_ptr<HelpFile> file = HelpFile::Open(library, path);
        QFile::remove(path);  // the open file stays readable
        if (!file) continue;
        ++opened;
        for (uint32_t context : {1u, 2u, 3u}) {
            if (const auto page = file->PageForContext(context)) (void)file->Read(*page);
        }
        for (const ContentsEntry& entry : file->Contents()) EXPECT_GE(entry.depth, 0);
    }
    EXPECT_GT(opened, 0) << "no mutation left the file readable: the loop tested nothing";

    // The contents list is read by our own parser: damage it as a text.
    const std::unique_ptr<HelpFile> whole = HelpFile::Open(library, QStringLiteral(SPINDORA_BUILD_DIR "spdr.chm"));
    ASSERT_NE(whole, nullptr);
    const QByteArray sitemap = whole->Read(QStringLiteral("/toc.hhc"));
    ASSERT_FALSE(sitemap.isEmpty());
    const QByteArray tokens[] = {"<", ">", "<LI>", "<UL>", "</UL>", "<OBJECT type=\"text/sitemap\">",
                                 "</OBJECT>", "<param name=\"Local\" value=\"", "\"", "'", "&amp;"};
    for (int round = 0; round < 3000; ++round) {
        QByteArray text = mutator.Mutate(sitemap, 3);
        for (int n = mutator.Below(4); n > 0; --n)
            text.insert(mutator.Below(static_cast<int>(text.size()) + 1), tokens[mutator.Below(11)]);
        for (const ContentsEntry& entry : ParseSitemap(QString::fromUtf8(text))) EXPECT_GE(entry.depth, 0);
    }
}

}  // namespace
}  // namespace spindora
