#include "pictures/BitmapLayout.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace spindora {
namespace {

constexpr int64_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // OS/2's: 16-bit sizes, 3-byte palette entries
constexpr uint32_t kOs2HeaderSize = 64;   // OS/2's later one, whose codes 3 and 4 differ
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5,
                   kAlphaBitFields = 6;
constexpr int64_t kMasksAt = kFileHeaderSize + 40;  // after a 40-byte header, inside the later ones

const uint8_t* At(const QByteArray& b, int64_t at) {
    return reinterpret_cast<const uint8_t*>(b.constData()) + at;
}
uint32_t U32(const QByteArray& b, int64_t at) { return qFromLittleEndian<quint32>(At(b, at)); }
uint16_t U16(const QByteArray& b, int64_t at) { return qFromLittleEndian<quint16>(At(b, at)); }

LayoutRead Fault(QString why) { return {std::nullopt, std::move(why)}; }
LayoutRead Unsupported(const QString& what) {
    return Fault(QStringLiteral("unsupported kind (%1)").arg(what));
}
LayoutRead Damaged(const char* what) {
    return Fault(QStringLiteral("damaged header (%1)").arg(QLatin1String(what)));
}

bool KnownHeaderSize(uint32_t size) {
    for (const uint32_t known : {kCoreHeaderSize, 40u, 52u, 56u, kOs2HeaderSize, 108u, 124u})
        if (size == known) return true;
    return false;
}

// Reads the coding and, for 16, 24 and 32 bits, the colour masks into `layout`; the fault
// when they cannot be used.
std::optional<LayoutRead> ReadCoding(const QByteArray& bmp, uint32_t infoSize,
                                     uint32_t compression, BitmapLayout& layout) {
    const unsigned depth = layout.depth;
    switch (compression) {
    case kRgb:
        if (depth == 16) layout.masks = {0x7C00, 0x03E0, 0x001F};
        else if (depth > 16) layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
        return std::nullopt;
    case kRle8:
    case kRle4: {
        const bool eight = compression == kRle8;
        if (depth != (eight ? 8u : 4u)) return Damaged("run-length code of another depth");
        // Run-length pictures are bottom-up only; a top-down one is no valid picture.
        if (layout.topDown) return Damaged("run-length rows top-down");
        layout.coding = eight ? BitmapCoding::RunLength8 : BitmapCoding::RunLength4;
        return std::nullopt;
    }
    case kBitFields:
    case kAlphaBitFields: {
        if (infoSize == kOs2HeaderSize) return Unsupported(QStringLiteral("OS/2 compression"));
        if (depth != 16 && depth != 32)
            return Unsupported(QStringLiteral("colour masks at %1 bits").arg(depth));
        const bool withAlpha = compression == kAlphaBitFields || infoSize >= 56;
        const int64_t masksEnd = kMasksAt + (withAlpha ? 16 : 12);
        if (masksEnd > (infoSize == 40 ? layout.dataOffset : kFileHeaderSize + int64_t{infoSize}))
            return Damaged("colour masks missing");
        layout.masks = {U32(bmp, kMasksAt), U32(bmp, kMasksAt + 4), U32(bmp, kMasksAt + 8)};
        const uint32_t alpha = withAlpha ? U32(bmp, kMasksAt + 12) : 0;
        const uint32_t all = layout.masks[0] | layout.masks[1] | layout.masks[2] | alpha;
        if (!ColourMasksUsable(layout.masks[0], layout.masks[1], layout.masks[2], alpha) ||
            (depth < 32 && all >> depth != 0))
            return Damaged("colour masks");
        return std::nullopt;
    }
    case kJpeg: return Unsupported(QStringLiteral("JPEG body"));
    case kPng: return Unsupported(QStringLiteral("PNG body"));
    default: return Unsupported(QStringLiteral("compression %1").arg(compression));
    }
}

// Reads the palette of a 1, 4 or 8-bit picture into `layout`.
std::optional<LayoutRead> ReadPalette(const QByteArray& bmp, uint32_t infoSize,
                                      uint32_t coloursUsed, BitmapLayout& layout) {
    const bool core = infoSize == kCoreHeaderSize;
    const int64_t entrySize = core ? 3 : 4;
    const int64_t start = kFileHeaderSize + infoSize;
    const int64_t room = (layout.dataOffset - start) / entrySize;
    const int64_t most = int64_t{1} << layout.depth;
    int64_t count = std::min(room, most);
    if (coloursUsed != 0) {
        count = std::min<int64_t>(coloursUsed, most);
        if (count > room) return Damaged("palette overlaps the pixels");
    }
    if (count == 0) return Damaged("no palette");
    layout.palette.resize(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) {
        const uint8_t* entry = At(bmp, start + i * entrySize);  // blue, green, red
        layout.palette[static_cast<size_t>(i)] =
            0xFF000000u | uint32_t{entry[2]} << 16 | uint32_t{entry[1]} << 8 | entry[0];
    }
    return std::nullopt;
}

}  // namespace

LayoutRead ReadBitmapLayout(const QByteArray& bmp) {
    if (bmp.size() < 2 || bmp[0] != 'B' || bmp[1] != 'M')
        return Fault(QStringLiteral("not a BMP picture"));
    if (bmp.size() < kFileHeaderSize + 4) return Fault(QStringLiteral("cut short"));
    const int64_t fileSize = bmp.size();
    BitmapLayout layout;
    layout.dataOffset = U32(bmp, 10);
    const uint32_t infoSize = U32(bmp, kFileHeaderSize);
    if (infoSize < kCoreHeaderSize) return Damaged("header size");
    if (!KnownHeaderSize(infoSize))
        return Unsupported(QStringLiteral("%1-byte header").arg(infoSize));
    if (kFileHeaderSize + int64_t{infoSize} > fileSize) return Fault(QStringLiteral("cut short"));

    unsigned planes;
    uint32_t compression = kRgb, coloursUsed = 0;
    if (infoSize == kCoreHeaderSize) {
        layout.width = U16(bmp, 18);
        layout.height = U16(bmp, 20);
        planes = U16(bmp, 22);
        layout.depth = U16(bmp, 24);
    } else {
        layout.width = static_cast<int32_t>(U32(bmp, 18));
        layout.height = static_cast<int32_t>(U32(bmp, 22));  // negative: rows run top-down
        planes = U16(bmp, 26);
        layout.depth = U16(bmp, 28);
        compression = U32(bmp, 30);
        layout.dataSize = U32(bmp, 34);
        coloursUsed = U32(bmp, 46);
    }
    if (planes != 1) return Damaged("planes");
    if (layout.width <= 0 || layout.height == 0) return Damaged("no pixels");
    layout.topDown = layout.height < 0;
    layout.height = std::abs(layout.height);
    switch (layout.depth) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return Unsupported(QStringLiteral("%1 bits a pixel").arg(layout.depth));
    }
    if (layout.dataOffset < kFileHeaderSize + int64_t{infoSize}) return Damaged("pixels inside it");
    if (layout.dataOffset > fileSize) return Fault(QStringLiteral("cut short"));

    if (auto fault = ReadCoding(bmp, infoSize, compression, layout)) return *fault;
    if (layout.depth <= 8) {
        if (auto fault = ReadPalette(bmp, infoSize, coloursUsed, layout)) return *fault;
    }
    return {std::move(layout), {}};
}

int64_t RowBytes(const BitmapLayout& layout) { return (layout.width * layout.depth + 31) / 32 * 4; }

RunLengthBody WalkRunLengthData(const QByteArray& bmp, const BitmapLayout& layout,
                                const RunLengthPainter& paint) {
    return WalkRunLengthBody(At(bmp, layout.dataOffset), static_cast<size_t>(layout.dataSize),
                             layout.width, layout.height,
                             layout.coding == BitmapCoding::RunLength4, paint);
}

QString CheckBitmapBody(const QByteArray& bmp, const BitmapLayout& layout) {
    const int64_t available = bmp.size() - layout.dataOffset;
    if (layout.coding == BitmapCoding::Plain) {
        // Divided, since the product of a hostile width and height overflows.
        return RowBytes(layout) <= available / layout.height ? QString() : QStringLiteral("cut short");
    }
    // Run-length data has no size of its own to compute; the header must state it.
    if (layout.dataSize == 0)
        return QStringLiteral("damaged header (no size of the run-length data)");
    if (layout.dataSize > available) return QStringLiteral("cut short");
    switch (WalkRunLengthData(bmp, layout)) {
    case RunLengthBody::Whole: return {};
    case RunLengthBody::CutShort: return QStringLiteral("cut short");
    case RunLengthBody::Damaged: break;
    }
    return QStringLiteral("damaged body");
}

}  // namespace spindora
