#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <functional>

#include "shell/BoardPicture.h"
#include "shell/FakeShell.h"

namespace spindora {
namespace {

using test::GameFlowTest;

// A bitmap written byte by byte after the file format, independent of any image writer:
// 14-byte file header, 40-byte info header, palette for 8 bits, rows padded to 4 bytes.
QByteArray MakeBitmap(int width, int height, int depth, QRgb colour) {
    const int rows = height < 0 ? -height : height;
    const int rowBytes = (width * depth + 31) / 32 * 4;
    const int palette = depth == 8 ? 256 * 4 : 0;
    const int offset = 14 + 40 + palette;
    QByteArray b(offset + rowBytes * rows, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<quint32>(b.size()));
    put32(10, static_cast<quint32>(offset));
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    put16(26, 1);
    put16(28, static_cast<quint16>(depth));
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

TEST(BoardPicture, AcceptsWholeBitmapsOfEveryDepthAndRowOrder) {
    const QRgb teal = qRgb(10, 140, 150);
    const struct { const char* name; QByteArray bytes; } good[] = {
        {"24-bit bottom-up", MakeBitmap(812, 333, 24, teal)},
        {"24-bit odd width, padded rows", MakeBitmap(813, 334, 24, teal)},
        {"8-bit with palette", MakeBitmap(812, 333, 8, teal)},
        {"32-bit top-down", MakeBitmap(812, -333, 32, teal)},
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
    const QByteArray whole = MakeBitmap(812, 333, 24, qRgb(200, 100, 50));
    const struct { const char* name; std::function<void(const QString&)> write; } damaged[] = {
        {"cut after the headers", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(whole.left(54)); }},
        {"cut at half", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(whole.left(whole.size() / 2)); }},
        {"one byte short", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(whole.left(whole.size() - 1)); }},
        {"header claims more rows", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(WithHeight(whole, 334)); }},
        {"zero width", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(WithWidth(whole, 0)); }},
        {"negative width", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); f.write(WithWidth(whole, -812)); }},
        {"empty file", [&](const QString& p) { QFile f(p); f.open(QIODevice::WriteOnly); }},
        {"a directory", [&](const QString& p) { QDir().mkpath(p); }},
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
