#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "pictures/BitmapBody.h"

namespace spindora {

enum class BitmapCoding { Plain, RunLength8, RunLength4 };

// Where and how a Windows or OS/2 bitmap file keeps its pixels, as its headers say.
struct BitmapLayout {
    int64_t width = 0, height = 0;  // both positive, whichever way the rows run
    bool topDown = false;
    unsigned depth = 0;  // bits a pixel: 1, 4, 8, 16, 24 or 32
    BitmapCoding coding = BitmapCoding::Plain;
    std::array<uint32_t, 3> masks{};  // red, green and blue of 16, 24 and 32-bit pixels
    std::vector<uint32_t> palette;    // 0xffRRGGBB, for 1, 4 and 8-bit pixels
    int64_t dataOffset = 0;
    int64_t dataSize = 0;  // of run-length data; plain rows follow from the size
};

struct LayoutRead {
    std::optional<BitmapLayout> layout;
    QString fault;  // why there is none, e.g. "cut short" or "unsupported kind (JPEG body)"
};

// Reads the headers and the palette of `bmp`: the 12-byte OS/2 header with its 3-byte
// palette entries, and the 40, 52, 56, 64, 108 and 124-byte Windows headers; plain, run-length
// and bit-field bodies. A palette the header gives no size for fills the room up to the
// pixel data, at most one entry for each index.
LayoutRead ReadBitmapLayout(const QByteArray& bmp);

// Bytes a row of plain pixel data takes: whole 32-bit words.
int64_t RowBytes(const BitmapLayout& layout);

// Walks the run-length data of `bmp` (see WalkRunLengthBody).
RunLengthBody WalkRunLengthData(const QByteArray& bmp, const BitmapLayout& layout,
                                const RunLengthPainter& paint = {});

// Empty when the pixel data holds every row the layout promises and, run-length coded,
// paints inside the picture and ends with its end marker; otherwise why not ("cut short",
// "damaged body").
QString CheckBitmapBody(const QByteArray& bmp, const BitmapLayout& layout);

}  // namespace spindora
