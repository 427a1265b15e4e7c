#pragma once
#include <cstdint>
#include <span>

namespace spindora::murvo {

// A ring of 3, 4 or 6 places (1 to 36), listed clockwise on screen; a move turns the discs
// on it one place.
struct Ring {
    uint8_t size;
    uint8_t places[6];
};

inline constexpr int kRings = 37;
const Ring& RingAt(int ring);

// The rings a level lets the player turn, in the order the hit test and the deal go
// through them.
std::span<const uint8_t> OfferedRings(int level);

}  // namespace spindora::murvo
