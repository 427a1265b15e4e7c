#pragma once
#include <cstdint>
#include <functional>

namespace spindora {

// A 32-bit millisecond tick counter, as the system keeps one; it wraps after 49.7 days.
using TickCounter = std::function<uint32_t()>;
uint32_t SystemTickCount();

// Spins until more than `ms` milliseconds have passed on `ticks`, without handling any
// window message. The difference is taken modulo 2^32 so a wrap of the counter is harmless.
void BusyWait(unsigned ms, const TickCounter& ticks);

}  // namespace spindora
