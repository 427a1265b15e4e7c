#pragma once
#include <cstddef>
#include <cstdint>

namespace spindora {

// True when a run-length coded picture body paints exactly the `width` x `height` pixels
// its header announces: every run and every literal stretch stays inside its row, a jump
// lands inside the picture, no escape is unknown, and the end marker follows the last row.
// The image reader would otherwise fill whatever the body leaves out with black and call
// that success. `fourBits` selects the 4-bit code, whose literal stretches pack two pixels
// to a byte.
bool RunLengthBodyFits(const uint8_t* body, size_t size, int64_t width, int64_t height,
                       bool fourBits);

// True when colour masks can make a picture: red, green and blue each own some bits and no
// bit belongs to two channels (alpha 0 means none).
bool ColourMasksUsable(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha);

}  // namespace spindora
