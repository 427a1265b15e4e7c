#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <functional>
#include <random>
#include <vector>

#include "pictures/BoardPicture.h"
#include "game/FakeShell.h"

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
// followed by the three masks, and by an alpha mask when there is one.
QByteArray WithColourMasks(QByteArray b, quint32 red, quint32 green, quint32 blue, quint32 alpha = 0) {
    QByteArray masks(alpha ? 16 : 12, '\0');
    qToLittleEndian(red, masks.data());
    qToLittleEndian(green, masks.data() + 4);
    qToLittleEndian(blue, masks.data() + 8);
    if (alpha) qToLittleEndian(alpha, masks.data() + 12);
    b.insert(54, masks);
    qToLittleEndian(quint32{alpha ? 6u : 3u}, b.data() + 30);
    qToLittleEndian(static_cast<quint32>(54 + masks.size()), b.data() + 10);
    qToLittleEndian(static_cast<quint32>(b.size()), b.data() + 2);
    return b;
}

// A 16 or 32-bit picture holding `pixels` as they are, top row first.
QByteArray PixelBitmap(int width, int height, int depth, std::vector<quint32> pixels) {
    const int rowBytes = (width * depth + 31) / 32 * 4;
    QByteArray b = BitmapHeaders(54 + rowBytes * height, 54, width, height, depth);
    for (int i = 0; i < width * height; ++i) {
        const int at = 54 + (height - 1 - i / width) * rowBytes + i % width * depth / 8;
        if (depth == 16) qToLittleEndian(static_cast<quint16>(pixels[i]), b.data() + at);
        else Put32(b, at, pixels[i]);
    }
    return b;
}

// Palette entry i is PaletteEntry(i): every entry differs from every other.
QRgb PaletteEntry(int i) { return qRgb(i, 255 - i, 99); }
QByteArray WithPalette(QByteArray b) {
    for (int i = 0; i < (1 << b[28]); ++i) Put32(b, 54 + 4 * i, PaletteEntry(i));
    return b;
}

// 4 x 3, bottom row first: one pixel of entry 7, a jump one right and one up, another pixel,
// the row ended early, then a whole top row.
QByteArray SkippingRunLengthBitmap() {
    return WithPalette(MakeRunLengthBitmap(4, 3, 8, 0, QByteArray("\1\7\0\2\1\1\1\7\0\0\4\7\0\1", 14)));
}

// Puts `bytes` in the file at `path`, whatever it held before.
QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) ADD_FAILURE() << "cannot write " << path.toStdString();
    file.write(bytes);
    return path;
}

TEST(BoardPicture, ShowsEveryBodyMaskAndPaletteAsItMust) {
    const QRgb white = qRgb(255, 255, 255), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    const QRgb z = PaletteEntry(0), c3 = PaletteEntry(3), c7 = PaletteEntry(7), black = qRgb(0, 0, 0);
    // OS/2: a 12-byte header, three 3-byte palette entries, one row of indices.
    QByteArray os2("BM\0\0\0\0\0\0\0\0\x23\0\0\0\x0c\0\0\0\4\0\1\0\1\0\x08\0"
                   "\x0a\x14\x1e\x28\x32\x3c\x46\x50\x5a\0\1\2\5", 39);
    QImage mono(3, 1, QImage::Format_Mono);
    mono.setColorTable({z, c7});
    for (const int x : {0, 2}) mono.setPixel(x, 0, 1);
    mono.setPixel(1, 0, 0);
    QByteArray monoBmp;
    QBuffer buffer(&monoBmp);
    buffer.open(QIODevice::WriteOnly);
    mono.save(&buffer, "BMP");
    const struct { const char* name; QByteArray bytes; int width; std::vector<QRgb> shown; } rows[] = {
        {"16-bit 5-5-5", PixelBitmap(2, 2, 16, {0x7FFF, 0x4210, 0x7C00, 0x0001}), 2,
         {white, qRgb(132, 132, 132), red, qRgb(0, 0, 8)}},
        {"16-bit 5-6-5", WithColourMasks(PixelBitmap(2, 2, 16, {0xFFFF, 0x0400, 0xF800, 0x001F}), 0xF800, 0x7E0, 0x1F), 2,
         {white, qRgb(0, 130, 0), red, blue}},
        {"16-bit 1-bit channels", WithColourMasks(PixelBitmap(2, 1, 16, {5, 2}), 4, 2, 1), 2, {qRgb(255, 0, 255), qRgb(0, 255, 0)}},
        {"32-bit 10-10-10", WithColourMasks(PixelBitmap(2, 1, 32, {512u << 20 | 1023u << 10 | 1, 0x3FFFFFFF}), 0x3FF00000, 0xFFC00, 0x3FF), 2,
         {qRgb(128, 255, 0), white}},
        {"32-bit 11-11-10", WithColourMasks(PixelBitmap(1, 1, 32, {1024u << 21 | 2047u << 10}), 0xFFE00000, 0x1FFC00, 0x3FF), 1,
         {qRgb(128, 255, 0)}},
        {"32-bit with alpha, which a board ignores",
         WithColourMasks(PixelBitmap(1, 1, 32, {0x40FF8040}), 0xFF0000, 0xFF00, 0xFF, 0xFF000000), 1, {qRgb(255, 128, 64)}},
        {"32-bit 20-6-6", WithColourMasks(PixelBitmap(1, 1, 32, {1u << 31 | 63u << 6 | 21}), 0xFFFFF000, 0xFC0, 0x3F), 1,
         {qRgb(128, 255, 85)}},
        {"8-bit run-length, skipping", SkippingRunLengthBitmap(), 4, {c7, c7, c7, c7, z, z, c7, z, c7, z, z, z}},
        {"4-bit run-length, skipping",
         WithPalette(MakeRunLengthBitmap(4, 2, 4, 0, QByteArray("\0\3\x73\x70\0\0\0\2\2\0\2\x37\0\1", 14))), 4,
         {z, z, c3, c7, c7, c3, c7, z}},
        {"8-bit run-length ended early by its end marker",
         WithPalette(MakeRunLengthBitmap(4, 3, 8, 0, QByteArray("\2\7\0\1", 4))), 4, {z, z, z, z, z, z, z, z, c7, c7, z, z}},
        {"4-bit run-length of only the end marker", WithPalette(MakeRunLengthBitmap(2, 2, 4, 0, QByteArray("\0\1", 2))), 2, {z, z, z, z}},
        {"OS/2 with a short palette", os2, 4, {qRgb(30, 20, 10), qRgb(60, 50, 40), qRgb(90, 80, 70), black}},
        {"1-bit", monoBmp, 3, {c7, z, c7}},
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        const int height = static_cast<int>(row.shown.size()) / row.width;
        const QImage picture = LoadBoardPicture(WriteFile(dir.filePath("b.bmp"), row.bytes), QSize(row.width, height));
        ASSERT_EQ(picture.size(), QSize(row.width, height)) << row.name;
        for (size_t i = 0; i < row.shown.size(); ++i)
            EXPECT_EQ(picture.pixel(static_cast<int>(i) % row.width, static_cast<int>(i) / row.width),
                      row.shown[i]) << row.name << ", pixel " << i;
    }
}

// Skipped pixels are the same whatever the allocator leaves in fresh memory: the test runs
// itself again under two fills, each run writing the pixels where the variable says.
TEST(BoardPicture, SkippedPixelsDoNotDependOnTheAllocator) {
    QTemporaryDir dir;
    const QImage picture = LoadBoardPicture(WriteFile(dir.filePath("b.bmp"), SkippingRunLengthBitmap()), QSize(4, 3));
    const QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    if (qEnvironmentVariableIsSet("SPINDORA_PIXELS_TO")) {
        QFile out(qEnvironmentVariable("SPINDORA_PIXELS_TO"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(pixels);
        return;
    }
    for (const char* fill : {"85", "170"}) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MALLOC_PERTURB_", fill);
        env.insert("SPINDORA_PIXELS_TO", dir.filePath("pixels"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=BoardPicture.SkippedPixelsDoNotDependOnTheAllocator"});
        ASSERT_TRUE(child.waitForFinished(30000)) << fill;
        QFile in(dir.filePath("pixels"));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << fill;
        EXPECT_EQ(in.readAll(), pixels) << "MALLOC_PERTURB_=" << fill;
    }
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

// A dense picture that is no whole PNG of a fitting size is refused with the reason, and
// libpng adds no line of its own to the game's one.
TEST(BoardPicture, RefusesDensePicturesThatAreNoWholePngOfTheirSize) {
    const auto Png = [](int width, int height) {
        QImage made(width, height, QImage::Format_RGB32);
        made.fill(qRgb(10, 140, 150));
        QByteArray png;
        QBuffer out(&png);
        out.open(QIODevice::WriteOnly);
        made.save(&out, "PNG");
        return png;
    };
    const QByteArray whole = Png(24, 16);
    QByteArray flipped = whole;
    flipped[whole.size() - 20] ^= 0x10;  // in the pixel data
    const struct { QByteArray bytes; const char* why; } rows[] = {
        {whole, ""},
        {whole.left(whole.size() - 1), "cut short"},
        {whole.left(40), "cut short"},
        {flipped, "damaged (chunk IDAT fails its checksum)"},
        {MakeBitmap(24, 16, 24, 0), "not a PNG picture"},
        {Png(120, 16), "too large (declared 120 x 16)"},
        {Png(23, 16), "too small (declared 23 x 16, the board needs 24 x 16)"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("b1@2x.png");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        WriteFile(path, row.bytes);
        testing::internal::CaptureStderr();
        const BoardPictureLoad read =
            ReadDensePicture(path, QSize(24, 16), MostBoardPicture(QSize(24, 16)));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(read.refusal.toStdString(), row.why);
        EXPECT_EQ(read.picture.isNull(), *row.why != '\0');
    }
}

// Every damaged picture is refused like a missing one: at start-up and at a mode switch,
// naming the file.
TEST_F(GameFlowTest, DamagedBoardPicturesAreRefusedAndNamed) {
    const QRgb teal = qRgb(10, 140, 150);
    const QByteArray whole = MakeBitmap(812, 333, 24, qRgb(200, 100, 50));
    auto Writing = [](QByteArray bytes) { return [bytes](const QString& p) { WriteFile(p, bytes); }; };
    const struct { const char* name; std::function<void(const QString&)> write; } damaged[] = {
        {"cut after the headers", Writing(whole.left(54))},
        {"cut at half", Writing(whole.left(whole.size() / 2))},
        {"one byte short", Writing(whole.left(whole.size() - 1))},
        {"header claims more rows", Writing(WithHeight(whole, 334))},
        {"zero width", Writing(WithWidth(whole, 0))},
        {"negative width", Writing(WithWidth(whole, -812))},
        {"empty file", Writing({})},
        {"a directory", [&](const QString& p) { QDir().mkpath(p); }},
        {"8-bit run-length body of one run", Writing(MakeRunLengthBitmap(812, 333, 8, teal, QByteArray("\xff\7", 2)))},
        {"8-bit run-length random codes", Writing(MakeRunLengthBitmap(812, 333, 8, teal, RandomBytes(18, 60000)))},
        {"4-bit run-length random codes", Writing(MakeRunLengthBitmap(812, 333, 4, teal, RandomBytes(19, 60000)))},
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
        EXPECT_EQ(flow.CurrentMode(), 0);
        ASSERT_EQ(view.failures.size(), 1u);
        EXPECT_EQ(view.failures[0], b2);
        EXPECT_EQ(view.log, (std::vector<std::string>{"stop", "start"}))
            << "the clock stands still while the message waits";
        QDir(b2).removeRecursively();
        QFile::remove(b2);
        WritePicture("b2.bmp");
    }
}

// A refused picture says which file and why, in one line on standard error.
TEST_F(GameFlowTest, RefusedBoardPicturesSayWhy) {
    const QByteArray whole = MakeBitmap(812, 333, 24, qRgb(200, 100, 50));
    QByteArray jpeg = whole;
    Put32(jpeg, 30, 4);
    // 5700 x 5600 in a few bytes: jumps down to the last row, which runs fill.
    QByteArray giant;
    for (int i = 0; i < 21; ++i) giant.append("\0\2\0\xff", 4);
    giant.append("\0\2\0\xf4", 4);
    for (int i = 0; i < 25; ++i) giant.append("\xe4\7", 2);
    giant.append("\0\1", 2);
    const struct { QByteArray bytes; const char* why; } rows[] = {
        {{}, "missing"},
        {whole.left(whole.size() - 1), "cut short"},
        {MakeRunLengthBitmap(812, 333, 8, 0, WholeRunLengthBody(813, 333, 8, false)), "damaged body"},
        {jpeg, "unsupported kind (JPEG body)"},
        {MakeRunLengthBitmap(5700, 5600, 8, 0, giant), "too large (declared 5700 x 5600)"},
    };
    const QString b1 = dir.filePath("b1.bmp");
    for (const auto& row : rows) {
        QFile::remove(b1);
        if (!row.bytes.isEmpty()) WriteFile(b1, row.bytes);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(flow.FormCreate({}));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "spindora: cannot load " + b1.toStdString() + ": " + row.why + "\n");
    }
}

}  // namespace
}  // namespace spindora
