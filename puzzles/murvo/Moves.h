#pragma once
#include <QPoint>
#include <cstdint>
#include <span>

namespace spindora::murvo {

// A move turns the discs on its ring, a cycle of 3, 4 or 6 places listed clockwise on
// screen. It is made by a press near its hot spot, an offset from the board centre.
struct Move {
    uint8_t size;
    uint8_t ring[6];
    QPoint hotSpot;
};

inline constexpr int kMoves = 37;
const Move& MoveAt(int move);

// The moves a level offers, in the order the hit test and the deal go through them.
std::span<const uint8_t> OfferedMoves(int level);

}  // namespace spindora::murvo
