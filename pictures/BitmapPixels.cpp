#include "pictures/BitmapPixels.h"

#include <algorithm>
#include <array>
#include <climits>

#include "pictures/BitmapBody.h"

namespace spindora {
namespace {

constexpr QRgb kBlack = 0xFF000000u;

using Colours = std::array<QRgb, 256>;

Colours ColoursOf(const BitmapLayout& layout) {
    Colours colours;
    colours.fill(kBlack);
    std::copy_n(layout.palette.begin(), std::min(layout.palette.size(), colours.size()),
                colours.begin());
    return colours;
}

QRgb* Row(QImage& image, int64_t row) {
    return reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(row)));
}

void DecodeRunLength(const QByteArray& bmp, const BitmapLayout& layout, QImage& image) {
    const Colours colours = ColoursOf(layout);
    image.fill(colours[0]);
    const int64_t lastRow = layout.height - 1;
    WalkRunLengthData(bmp, layout, [&](int64_t x, int64_t y, const uint8_t* indices, int count) {
        QRgb* out = Row(image, lastRow - y) + x;
        for (int i = 0; i < count; ++i) out[i] = colours[indices[i]];
    });
}

void DecodeIndexedRow(const uint8_t* in, int64_t width, unsigned depth, const Colours& colours,
                      QRgb* out) {
    for (int64_t x = 0; x < width; ++x) {
        uint8_t index;
        switch (depth) {
        case 8: index = in[x]; break;
        case 4: index = x % 2 == 0 ? in[x / 2] >> 4 : in[x / 2] & 0x0F; break;
        default: index = (in[x / 8] >> (7 - x % 8)) & 1; break;
        }
        out[x] = colours[index];
    }
}

class MaskedRow {
public:
    explicit MaskedRow(const BitmapLayout& layout)
        : red_(layout.masks[0]), green_(layout.masks[1]), blue_(layout.masks[2]),
          bytes_(layout.depth / 8) {}
    void operator()(const uint8_t* in, int64_t width, QRgb* out) const {
        switch (bytes_) {
        case 2: return Decode<2>(in, width, out);
        case 3: return Decode<3>(in, width, out);
        default: return Decode<4>(in, width, out);
        }
    }

private:
    // The pixel size fixed at compile time, so the byte loop unrolls: the dense pictures
    // hold millions of pixels.
    template <unsigned kBytes>
    void Decode(const uint8_t* in, int64_t width, QRgb* out) const {
        for (int64_t x = 0; x < width; ++x, in += kBytes) {
            uint32_t pixel = 0;
            for (unsigned b = 0; b < kBytes; ++b) pixel |= uint32_t{in[b]} << (8 * b);
            out[x] = kBlack | uint32_t{red_(pixel)} << 16 | uint32_t{green_(pixel)} << 8 |
                     blue_(pixel);
        }
    }

    MaskedChannel red_, green_, blue_;
    unsigned bytes_;
};

}  // namespace

QImage DecodeBitmap(const QByteArray& bmp, const BitmapLayout& layout) {
    if (layout.width > INT_MAX || layout.height > INT_MAX) return {};
    QImage image(static_cast<int>(layout.width), static_cast<int>(layout.height),
                 QImage::Format_RGB32);
    if (image.isNull()) return image;
    if (layout.coding != BitmapCoding::Plain) {
        DecodeRunLength(bmp, layout, image);
        return image;
    }
    const auto* data = reinterpret_cast<const uint8_t*>(bmp.constData()) + layout.dataOffset;
    const int64_t rowBytes = RowBytes(layout);
    const auto eachRow = [&](const auto& decodeRow) {
        for (int64_t row = 0; row < layout.height; ++row)
            decodeRow(data + row * rowBytes,
                      Row(image, layout.topDown ? row : layout.height - 1 - row));
    };
    if (layout.depth <= 8) {
        const Colours colours = ColoursOf(layout);
        eachRow([&](const uint8_t* in, QRgb* out) {
            DecodeIndexedRow(in, layout.width, layout.depth, colours, out);
        });
    } else {
        const MaskedRow masked(layout);
        eachRow([&](const uint8_t* in, QRgb* out) { masked(in, layout.width, out); });
    }
    return image;
}

}  // namespace spindora
