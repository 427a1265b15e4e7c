#pragma once
#include <QPoint>
#include <cstdint>
#include <span>

namespace spindora::murvo {

// 6 inner, 12 middle and 18 outer places, each ring numbered clockwise on screen.
inline constexpr int kPlaces = 36;

// Levels 1 to 4 play on the inner and middle rings only.
constexpr int PlacesInPlay(int level) { return level <= 4 ? 18 : kPlaces; }

// Offset of place p (1 to 36) from the board centre; all offsets are even.
QPoint PlaceOffset(int place);

// A line of the white board grid and of the pattern's silver grid, as two places.
struct GridLine {
    uint8_t from, to;
};
std::span<const GridLine> GridLines(int level);

}  // namespace spindora::murvo
