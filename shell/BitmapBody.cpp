#include "shell/BitmapBody.h"

namespace spindora {
namespace {

constexpr uint8_t kEndOfLine = 0, kEndOfBitmap = 1, kJump = 2;

}  // namespace

bool RunLengthBodyFits(const uint8_t* body, size_t size, int64_t width, int64_t height,
                       bool fourBits) {
    int64_t x = 0, y = 0;
    size_t at = 0;
    while (size - at >= 2) {
        const uint8_t count = body[at], code = body[at + 1];
        at += 2;
        if (count > 0) {  // a run of one colour (two alternating ones in 4 bits)
            if (y >= height || x + count > width) return false;
            x += count;
            continue;
        }
        switch (code) {
        case kEndOfLine:
            if (y >= height) return false;
            ++y;
            x = 0;
            break;
        case kEndOfBitmap:
            // Writers end the last row either with its own end of line or with this marker.
            return y == height || (y == height - 1 && x == width);
        case kJump: {
            if (size - at < 2) return false;
            const int64_t right = body[at], down = body[at + 1];
            at += 2;
            if (y + down >= height || x + right > width) return false;
            x += right;
            y += down;
            break;
        }
        default: {  // `code` pixels given one by one, padded to a 16-bit boundary
            if (y >= height || x + code > width) return false;
            const size_t bytes = fourBits ? (code + 1u) / 2 : code;
            const size_t padded = (bytes + 1) & ~size_t{1};
            if (size - at < padded) return false;
            at += padded;
            x += code;
            break;
        }
        }
    }
    return false;  // the body ends without its end marker
}

bool ColourMasksUsable(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha) {
    if (red == 0 || green == 0 || blue == 0) return false;
    return (red & green) == 0 && (red & blue) == 0 && (green & blue) == 0 &&
           (alpha & (red | green | blue)) == 0;
}

}  // namespace spindora
