#include "shell/BoardPicture.h"

#include <cstdint>
#include <cstdio>

#include "assets/EmbeddedAssets.h"
#include "assets/PictureReader.h"
#include "assets/Raster.h"
#include "files/ForeignFile.h"
#include "shell/BitmapBody.h"

namespace spindora {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // the oldest variant, with 16-bit sizes
constexpr uint32_t kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
constexpr int kMasksAt = kFileHeaderSize + 40;  // after a 40-byte header, inside the later ones

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
    // Run-length pictures are bottom-up only; a top-down one is no valid picture.
    if (height < 0 && (compression == kRle8 || compression == kRle4)) return false;
    if (height < 0) height = -height;
    if (dataOffset < kFileHeaderSize + int64_t{infoSize} || dataOffset > fileSize) return false;

    if (compression == kRle8 || compression == kRle4) {
        // Run-length data has no size of its own to compute; the header must state it.
        if (imageSize == 0 || dataOffset + int64_t{imageSize} > fileSize) return false;
        if (depth != (compression == kRle8 ? 8u : 4u)) return false;
        return RunLengthBodyFits(reinterpret_cast<const uint8_t*>(bmp.constData()) + dataOffset,
                                 imageSize, width, height, compression == kRle4);
    }
    if (compression == kBitFields || compression == kAlphaBitFields) {
        const bool withAlpha = compression == kAlphaBitFields || infoSize >= 56;
        const int64_t masksEnd = kMasksAt + (withAlpha ? 16 : 12);
        if (masksEnd > (infoSize == 40 ? dataOffset : kFileHeaderSize + int64_t{infoSize}))
            return false;
        if (!ColourMasksUsable(U32(bmp, kMasksAt), U32(bmp, kMasksAt + 4), U32(bmp, kMasksAt + 8),
                               withAlpha ? U32(bmp, kMasksAt + 12) : 0))
            return false;
    }
    switch (depth) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    const int64_t rowBytes = (width * depth + 31) / 32 * 4;
    return dataOffset + rowBytes * height <= fileSize;
}

QImage LoadBoardPicture(const QString& path, QSize least) {
    const QByteArray bytes = ReadForeignFile(path, FileKind::Picture).bytes;
    if (!HoldsWholeBitmap(bytes)) return {};
    const QImage loaded = ReadPicture(bytes, "BMP");
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
