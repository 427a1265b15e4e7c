#include "shell/ClockCells.h"

namespace spindora {

std::array<int, kClockCells> ClockCells(int32_t ticks) {
    // The count never goes negative in play; show its magnitude rather than garbage.
    uint32_t value = ticks < 0 ? 0u - static_cast<uint32_t>(ticks) : static_cast<uint32_t>(ticks);
    std::array<int, kClockCells> digits{};
    for (int i = kClockCells - 1; i >= 0; --i) {
        digits[i] = static_cast<int>(value % 10);
        value /= 10;
    }
    bool seenNonZero = false;
    for (int i = 0; i < kClockCells; ++i) {
        if (digits[i] != 0) seenNonZero = true;
        if (!seenNonZero && i < kClockCells - 1) digits[i] = kBlankCell;
    }
    return digits;
}

}  // namespace spindora
