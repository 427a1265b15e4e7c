#include "game/BusyWait.h"

#include <chrono>

namespace spindora {

uint32_t SystemTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

void BusyWait(unsigned ms, const TickCounter& ticks) {
    const uint32_t start = ticks();
    const uint32_t limit = static_cast<uint32_t>(ms) * 1000u;
    while (static_cast<uint32_t>(ticks() - start) <= limit) {
    }
}

}  // namespace spindora
