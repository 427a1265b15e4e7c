#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace spindora {

// What walking a run-length coded picture body found.
enum class RunLengthBody {
    Whole,     // every code stays inside the picture and the end marker closes it
    CutShort,  // the bytes end before the end marker, or inside a code
    Damaged,   // a run or jump leaves the picture, or a code follows the last row
};

// Receives the palette indices a run-length body paints: `count` pixels from column `x` of
// row `y`, counted from the bottom row as the file stores them.
using RunLengthPainter =
    std::function<void(int64_t x, int64_t y, const uint8_t* indices, int count)>;

// Walks a run-length coded picture body of `width` x `height` pixels. It may skip pixels
// with a jump, a row ended early or an end marker before the last row; the reader shows
// those pixels in palette entry 0. Bytes that end before the marker are a cut-short file.
// `fourBits` selects the 4-bit code, whose literal stretches pack two pixels to a byte.
// `paint`, when given, receives what the body paints, of a faulty body what comes before the
// fault.
RunLengthBody WalkRunLengthBody(const uint8_t* body, size_t size, int64_t width, int64_t height,
                                bool fourBits, const RunLengthPainter& paint = {});

// True when colour masks can make a picture: red, green and blue each own one unbroken run
// of bits and no bit belongs to two channels (alpha 0 means none).
bool ColourMasksUsable(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha);

// One colour channel cut out of a pixel by a mask of 1 to 32 unbroken bits, its value
// scaled to 0..255 exactly (value x 255 / (2^bits - 1), rounded), so full is 255 at any
// width.
class MaskedChannel {
public:
    explicit MaskedChannel(uint32_t mask);
    uint8_t operator()(uint32_t pixel) const {
        const uint32_t value = (pixel & mask_) >> shift_;
        return table_.empty() ? Scale(value) : table_[value];
    }

private:
    uint8_t Scale(uint32_t value) const;

    uint32_t mask_;
    unsigned shift_ = 0;
    uint64_t full_;
    std::vector<uint8_t> table_;  // every value's result, for the usual narrow channels
};

}  // namespace spindora
