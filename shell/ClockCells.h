#pragma once
#include <array>
#include <cstdint>

namespace spindora {

inline constexpr int kClockCells = 6;
inline constexpr int kClockPitch = 13;
inline constexpr int kBlankCell = 10;

// The strip cell (0..9 a digit, 10 blank) for each of the six clock positions:
// leading zeros are blank, the last position always shows its digit.
std::array<int, kClockCells> ClockCells(int32_t ticks);

}  // namespace spindora
