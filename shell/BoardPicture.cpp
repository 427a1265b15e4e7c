#include "shell/BoardPicture.h"

#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

#include "assets/EmbeddedAssets.h"
#include "puzzles/Raster.h"

namespace spindora {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // the oldest variant, with 16-bit sizes
constexpr uint32_t kRle8 = 1, kRle4 = 2;

uint32_t U32(const QByteArray& b, int at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t U16(const QByteArray& b, int at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) |
                                 static_cast<uint8_t>(b[at + 1]) << 8);
}

}  // namespace

bool HoldsWholeBitmap(const QByteArray& bmp) {
    if (bmp.size() < kFileHeaderSize + 4 || bmp[0] != 'B' || bmp[1] != 'M') return false;
    const int64_t fileSize = bmp.size();
    const int64_t dataOffset = U32(bmp, 10);
    const uint32_t infoSize = U32(bmp, kFileHeaderSize);
    if (infoSize < kCoreHeaderSize || kFileHeaderSize + int64_t{infoSize} > fileSize) return false;

    int64_t width, height;
    unsigned planes, depth;
    uint32_t compression = 0, imageSize = 0;
    if (infoSize == kCoreHeaderSize) {
        width = U16(bmp, 18);
        height = U16(bmp, 20);
        planes = U16(bmp, 22);
        depth = U16(bmp, 24);
    } else {
        if (infoSize < 40) return false;
        width = static_cast<int32_t>(U32(bmp, 18));
        height = static_cast<int32_t>(U32(bmp, 22));  // negative: rows run top-down
        planes = U16(bmp, 26);
        depth = U16(bmp, 28);
        compression = U32(bmp, 30);
        imageSize = U32(bmp, 34);
    }
    if (width <= 0 || height == 0 || planes != 1) return false;
    if (height < 0) height = -height;
    if (dataOffset < kFileHeaderSize + int64_t{infoSize} || dataOffset > fileSize) return false;

    if (compression == kRle8 || compression == kRle4) {
        // Run-length data has no size of its own to compute; the header must state it.
        return imageSize > 0 && dataOffset + int64_t{imageSize} <= fileSize;
    }
    switch (depth) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    const int64_t rowBytes = (width * depth + 31) / 32 * 4;
    return dataOffset + rowBytes * height <= fileSize;
}

QImage LoadBoardPicture(const QString& path, QSize least) {
    if (!QFileInfo(path).isFile()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    if (!HoldsWholeBitmap(bytes)) return {};
    const QImage loaded = QImage::fromData(bytes, "BMP");
    if (loaded.isNull() || loaded.width() < least.width() || loaded.height() < least.height())
        return {};
    return ToRasterFormat(loaded);
}

QImage DenseBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least) {
    if (scale <= 1) return oneToOne;
    // "b1.bmp" at 2 is "b1@2x.bmp".
    const QString densePath = DensePictureName(path, scale);
    QImage dense = LoadBoardPicture(densePath, least * scale);
    if (dense.isNull()) {
        std::fprintf(stderr, "spindora: %s is missing or damaged; using %s scaled up\n",
                     qPrintable(densePath), qPrintable(path));
        // Pixel for pixel, so the masks stay pure black and white.
        dense = oneToOne.scaled(oneToOne.size() * scale, Qt::IgnoreAspectRatio,
                                Qt::FastTransformation);
    }
    dense.setDevicePixelRatio(scale);
    return dense;
}

}  // namespace spindora
