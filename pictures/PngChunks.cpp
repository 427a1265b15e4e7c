#include "pictures/PngChunks.h"

#include <QtEndian>
#include <array>
#include <cstdint>

namespace spindora {
namespace {

const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr qsizetype kChunkFrame = 12;  // length, type and checksum around the data

uint32_t BigEndian32(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// The CRC-32 of ISO 3309 that PNG computes over a chunk's type and data.
uint32_t ChunkChecksum(const char* data, qsizetype size) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ static_cast<uint8_t>(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace

QString CheckPngChunks(const QByteArray& png) {
    if (!png.startsWith(kSignature)) return QStringLiteral("not a PNG picture");
    for (qsizetype at = kSignature.size();;) {
        if (png.size() - at < kChunkFrame) return QStringLiteral("cut short");
        const qsizetype length = BigEndian32(png, at);
        if (length > png.size() - at - kChunkFrame) return QStringLiteral("cut short");
        const QByteArray type = png.mid(at + 4, 4);
        if (at == kSignature.size() && type != "IHDR")
            return QStringLiteral("damaged (%1 where the header chunk belongs)")
                .arg(QLatin1String(type));
        const uint32_t checksum = BigEndian32(png, at + 8 + length);
        if (ChunkChecksum(png.constData() + at + 4, length + 4) != checksum)
            return QStringLiteral("damaged (chunk %1 fails its checksum)").arg(QLatin1String(type));
        if (type == "IEND") return {};
        at += kChunkFrame + length;
    }
}

}  // namespace spindora
