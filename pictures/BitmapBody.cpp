#include "pictures/BitmapBody.h"

#include <array>
#include <bit>

namespace spindora {
namespace {

constexpr uint8_t kEndOfLine = 0, kEndOfBitmap = 1, kJump = 2;
constexpr unsigned kWidestTable = 16;

// The `count` indices that `bytes` hold: a byte each, or in 4 bits two to a byte, high half
// first. A run holds one byte, repeated (`step` 0); a literal stretch steps through them.
void Spread(const uint8_t* bytes, int count, bool fourBits, int step, uint8_t* out) {
    for (int i = 0; i < count; ++i) {
        const uint8_t b = bytes[step * (fourBits ? i / 2 : i)];
        out[i] = !fourBits ? b : (i % 2 == 0 ? b >> 4 : b & 0x0F);
    }
}

bool OneRunOfBits(uint32_t mask) {
    const uint32_t low = mask >> std::countr_zero(mask);
    return (low & (low + 1)) == 0;  // 0b0..01..1, also when all 32 bits are set
}

}  // namespace

RunLengthBody WalkRunLengthBody(const uint8_t* body, size_t size, int64_t width, int64_t height,
                                bool fourBits, const RunLengthPainter& paint) {
    std::array<uint8_t, 255> indices;
    int64_t x = 0, y = 0;
    size_t at = 0;
    while (size - at >= 2) {
        const uint8_t count = body[at], code = body[at + 1];
        at += 2;
        if (count > 0) {  // a run of one colour (two alternating ones in 4 bits)
            if (y >= height || x + count > width) return RunLengthBody::Damaged;
            if (paint) {
                Spread(body + at - 1, count, fourBits, 0, indices.data());
                paint(x, y, indices.data(), count);
            }
            x += count;
            continue;
        }
        switch (code) {
        case kEndOfLine:
            if (y >= height) return RunLengthBody::Damaged;
            ++y;
            x = 0;
            break;
        case kEndOfBitmap:
            // The marker may come early: what the body never reached keeps palette entry 0,
            // as for a jump. Only a marker past the last row is out of place.
            return y <= height ? RunLengthBody::Whole : RunLengthBody::Damaged;
        case kJump: {
            if (size - at < 2) return RunLengthBody::CutShort;
            const int64_t right = body[at], down = body[at + 1];
            at += 2;
            if (y + down >= height || x + right > width) return RunLengthBody::Damaged;
            x += right;
            y += down;
            break;
        }
        default: {  // `code` pixels given one by one, padded to a 16-bit boundary
            if (y >= height || x + code > width) return RunLengthBody::Damaged;
            const size_t bytes = fourBits ? (code + 1u) / 2 : code;
            const size_t padded = (bytes + 1) & ~size_t{1};
            if (size - at < padded) return RunLengthBody::CutShort;
            if (paint) {
                Spread(body + at, code, fourBits, 1, indices.data());
                paint(x, y, indices.data(), code);
            }
            at += padded;
            x += code;
            break;
        }
        }
    }
    return RunLengthBody::CutShort;  // the body ends without its end marker
}

bool ColourMasksUsable(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha) {
    if (red == 0 || green == 0 || blue == 0) return false;
    if (!OneRunOfBits(red) || !OneRunOfBits(green) || !OneRunOfBits(blue)) return false;
    return (red & green) == 0 && (red & blue) == 0 && (green & blue) == 0 &&
           (alpha & (red | green | blue)) == 0;
}

MaskedChannel::MaskedChannel(uint32_t mask) : mask_(mask) {
    if (mask == 0) mask_ = 1;  // never asked of a usable mask; kept harmless
    shift_ = static_cast<unsigned>(std::countr_zero(mask_));
    const unsigned bits = 32 - shift_ - static_cast<unsigned>(std::countl_zero(mask_));
    full_ = (uint64_t{1} << bits) - 1;
    if (bits <= kWidestTable) {
        table_.resize(full_ + 1);
        for (uint32_t v = 0; v <= full_; ++v) table_[v] = Scale(v);
    }
}

uint8_t MaskedChannel::Scale(uint32_t value) const {
    // round(value * 255 / full) in whole numbers: halves round up.
    return static_cast<uint8_t>((uint64_t{value} * 255 * 2 + full_) / (2 * full_));
}

}  // namespace spindora
