#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <functional>
#include <random>

#include "shell/BoardPicture.h"
#include "shell/FakeShell.h"

namespace spindora {
namespace {

using test::GameFlowTest;

void Put32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

// The 14-byte file header and the 40-byte info header, written byte by byte after the file
// format, independent of any image writer; `size` bytes in all, pixels from `offset` on.
QByteArray BitmapHeaders(int size, int offset, int width, int height, int depth) {
    QByteArray b(size, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<quint32>(size));
    Put32(b, 10, static_cast<quint32>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<quint32>(width));
    Put32(b, 22, static_cast<quint32>(height));
    qToLittleEndian(quint16{1}, b.data() + 26);
    qToLittleEndian(static_cast<quint16>(depth), b.data() + 28);
    return b;
}

// A whole bitmap: palette for 8 bits, rows padded to 4 bytes.
QByteArray MakeBitmap(int width, int height, int depth, QRgb colour) {
    const int rows = height < 0 ? -height : height;
    const int rowBytes = (width * depth + 31) / 32 * 4;
    const int palette = depth == 8 ? 256 * 4 : 0;
    const int offset = 14 + 40 + palette;
    QByteArray b = BitmapHeaders(offset + rowBytes * rows, offset, width, height, depth);
    auto put32 = [&](int at, quint32 v) { Put32(b, at, v); };
    if (depth == 8) {
        put32(46, 256);
        put32(54 + 4 * 7, colour & 0xFFFFFF);  // palette entry 7
    }
    for (int y = 0; y < rows; ++y) {
        char* row = b.data() + offset + y * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (depth == 8) row[x] = 7;
            else {
                char* px = row + x * depth / 8;
                px[0] = static_cast<char>(qBlue(colour));
                px[1] = static_cast<char>(qGreen(colour));
                px[2] = static_cast<char>(qRed(colour));
            }
        }
    }
    return b;
}

QByteArray WithHeight(QByteArray b, qint32 height) {
    qToLittleEndian(static_cast<quint32>(height), b.data() + 22);
    return b;
}
QByteArray WithWidth(QByteArray b, qint32 width) {
    qToLittleEndian(static_cast<quint32>(width), b.data() + 18);
    return b;
}

// A run-length coded bitmap (8 or 4 bits) with `body` as its pixel data; palette entry 7 is
// `colour`.
QByteArray MakeRunLengthBitmap(int width, int height, int depth, QRgb colour, const QByteArray& body) {
    const int colours = 1 << depth;
    const int offset = 14 + 40 + 4 * colours;
    QByteArray b = BitmapHeaders(offset, offset, width, height, depth);
    auto put32 = [&](int at, quint32 v) { Put32(b, at, v); };
    put32(30, depth == 8 ? 1 : 2);
    put32(34, static_cast<quint32>(body.size()));
    put32(46, static_cast<quint32>(colours));
    put32(54 + 4 * 7, colour & 0xFFFFFF);
    b += body;
    put32(2, static_cast<quint32>(b.size()));
    return b;
}

// Every row of entry 7: three pixels given one by one (padded to a 16-bit boundary), then
// runs of at most 255. Rows end with an end of line and the end marker follows, or, as some
// writers do, the marker takes the last row's end of line.
QByteArray WholeRunLengthBody(int width, int height, int depth, bool markerEndsLastRow) {
    QByteArray body;
    for (int y = 0; y < height; ++y) {
        if (depth == 8) body.append("\0\3\7\7\7\0", 6);
        else body.append("\0\3\x77\x70", 4);
        for (int x = 3; x < width; x += 255) {
            body += static_cast<char>(std::min(255, width - x));
            body += depth == 8 ? '\7' : '\x77';
        }
        if (y < height - 1 || !markerEndsLastRow) body.append("\0\0", 2);
    }
    return body.append("\0\1", 2);
}

QByteArray RandomBytes(unsigned seed, int size) {
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A 32-bit picture whose colours are cut out by the given masks: the 40-byte header is
// followed by the three masks.
QByteArray WithColourMasks(QByteArray b, quint32 red, quint32 green, quint32 blue) {
    QByteArray masks(12, '\0');
    qToLittleEndian(red, masks.data());
    qToLittleEndian(green, masks.data() + 4);
    qToLittleEndian(blue, masks.data() + 8);
    b.insert(54, masks);
    qToLittleEndian(quint32{3}, b.data() + 30);
    qToLittleEndian(static_cast<quint32>(54 + 12), b.data() + 10);
    qToLittleEndian(static_cast<quint32>(b.size()), b.data() + 2);
    return b;
}

TEST(BoardPicture, AcceptsWholeBitmapsOfEveryDepthAndRowOrder) {
    const QRgb teal = qRgb(10, 140, 150);
    const struct { const char* name; QByteArray bytes; } good[] = {
        {"24-bit bottom-up", MakeBitmap(812, 333, 24, teal)},
        {"24-bit odd width, padded rows", MakeBitmap(813, 334, 24, teal)},
        {"8-bit with palette", MakeBitmap(812, 333, 8, teal)},
        {"32-bit top-down", MakeBitmap(812, -333, 32, teal)},
        {"32-bit with colour masks", WithColourMasks(MakeBitmap(812, 333, 32, teal), 0xFF0000, 0xFF00, 0xFF)},
        {"8-bit run-length", MakeRunLengthBitmap(812, 333, 8, teal, WholeRunLengthBody(812, 333, 8, false))},
        {"4-bit run-length, marker ends the last row",
         MakeRunLengthBitmap(812, 333, 4, teal, WholeRunLengthBody(812, 333, 4, true))},
    };
    QTemporaryDir dir;
    for (const auto& g : good) {
        EXPECT_TRUE(HoldsWholeBitmap(g.bytes)) << g.name;
        QFile file(dir.filePath("b.bmp"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(g.bytes);
        file.close();
        const QImage picture = LoadBoardPicture(file.fileName(), QSize(812, 333));
        ASSERT_FALSE(picture.isNull()) << g.name;
        EXPECT_EQ(picture.format(), QImage::Format_RGB32) << g.name;
        EXPECT_EQ(picture.pixel(0, 0), teal) << g.name;
        EXPECT_EQ(picture.pixel(811, 332), teal) << g.name;
    }
    // The game's own writer's output passes too.
    QImage saved(812, 333, QImage::Format_RGB888);
    saved.fill(teal);
    ASSERT_TRUE(saved.save(dir.filePath("saved.bmp"), "BMP"));
    EXPECT_FALSE(LoadBoardPicture(dir.filePath("saved.bmp"), QSize(812, 333)).isNull());
    EXPECT_TRUE(LoadBoardPicture(dir.filePath("saved.bmp"), QSize(813, 333)).isNull())
        << "narrower than the sheet";
}

// Every damaged picture is refused like a missing one: at start-up and at a mode switch,
// naming the file.
TEST_F(GameFlowTest, DamagedBoardPicturesAreRefusedAndNamed) {
    const QRgb teal = qRgb(10, 140, 150);
    const QByteArray whole = MakeBitmap(812, 333, 24, qRgb(200, 100, 50));
    auto Writing = [](QByteArray bytes) {
        return [bytes](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(bytes); };
    };
    const struct { const char* name; std::function<void(const QString&)> write; } damaged[] = {
        {"cut after the headers", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(whole.left(54)); }},
        {"cut at half", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(whole.left(whole.size() / 2)); }},
        {"one byte short", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(whole.left(whole.size() - 1)); }},
        {"header claims more rows", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(WithHeight(whole, 334)); }},
        {"zero width", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(WithWidth(whole, 0)); }},
        {"negative width", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(WithWidth(whole, -812)); }},
        {"empty file", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); }},
        {"a directory", [&](const QString& p) { QDir().mkpath(p); }},
        {"8-bit run-length body of only the end marker", Writing(MakeRunLengthBitmap(812, 333, 8, teal, QByteArray("\0\1", 2)))},
        {"4-bit run-length body of only the end marker", Writing(MakeRunLengthBitmap(812, 333, 4, teal, QByteArray("\0\1", 2)))},
        {"8-bit run-length body of one run", Writing(MakeRunLengthBitmap(812, 333, 8, teal, QByteArray("\xff\7", 2)))},
        {"4-bit run-length body of one run, then the end marker",
         Writing(MakeRunLengthBitmap(812, 333, 4, teal, QByteArray("\xff\x77\0\1", 4)))},
        {"8-bit run-length random codes", Writing(MakeRunLengthBitmap(812, 333, 8, teal, RandomBytes(18, 60000)))},
        {"4-bit run-length random codes", Writing(MakeRunLengthBitmap(812, 333, 4, teal, RandomBytes(19, 60000)))},
        {"8-bit run-length one row short", Writing(MakeRunLengthBitmap(812, 334, 8, teal, WholeRunLengthBody(812, 333, 8, false)))},
        {"8-bit run-length stored top-down", Writing(MakeRunLengthBitmap(812, -333, 8, teal, WholeRunLengthBody(812, 333, 8, false)))},
        {"8-bit run-length runs past the row's end", Writing(MakeRunLengthBitmap(811, 333, 8, teal, WholeRunLengthBody(812, 333, 8, false)))},
        {"4-bit run-length jumps off the picture's side",
         Writing(MakeRunLengthBitmap(812, 333, 4, teal, WholeRunLengthBody(812, 333, 4, false).prepend("\xff\x77\xff\x77\x5a\x77\0\2\xff\0", 10)))},
        {"8-bit run-length jumps below the last row",
         Writing(MakeRunLengthBitmap(812, 333, 8, teal, QByteArray("\0\2\0\xff\0\2\0\x4e\0\1", 10)))},
        {"colour masks all zero", Writing(WithColourMasks(MakeBitmap(812, 333, 32, teal), 0, 0, 0))},
        {"colour masks overlap", Writing(WithColourMasks(MakeBitmap(812, 333, 32, teal), 0xFFFF00, 0xFF00, 0xFF))},
    };
    const QString b1 = dir.filePath("b1.bmp"), b2 = dir.filePath("b2.bmp");
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.name);
        ASSERT_TRUE(QFile::remove(b1));
        d.write(b1);
        EXPECT_FALSE(flow.FormCreate({}));
        EXPECT_EQ(flow.FailedFile(), b1);
        QDir(b1).removeRecursively();
        QFile::remove(b1);
        WritePicture("b1.bmp");

        Start();
        flow.boxMouseDown(1, 1, MouseButton::Left);
        ASSERT_TRUE(QFile::remove(b2));
        d.write(b2);
        view.failures.clear();
        view.log.clear();
        flow.SwitchMode(1);
        EXPECT_EQ(flow.CurrentMode, 0);
        ASSERT_EQ(view.failures.size(), 1u);
        EXPECT_EQ(view.failures[0], b2);
        EXPECT_EQ(view.log, (std::vector<std::string>{"stop", "start"}))
            << "the clock stands still while the message waits";
        QDir(b2).removeRecursively();
        QFile::remove(b2);
        WritePicture("b2.bmp");
    }
}

}  // namespace
}  // namespace spindora
