#pragma once
// Where MURVO's places and the hot spots of its rings lie on the board.
#include <QPoint>
#include <cstdint>
#include <span>

#include "rules/murvo/Position.h"

namespace spindora::murvo {

// Offset of place p (1 to 36) from the board centre; all offsets are even.
QPoint PlaceOffset(int place);

// Offset from the board centre of the spot a press turns ring `ring` (0 to 36) at.
QPoint HotSpot(int ring);

// A line of the white board grid and of the pattern's silver grid, as two places.
struct GridLine {
    uint8_t from, to;
};
std::span<const GridLine> GridLines(int level);

}  // namespace spindora::murvo
