#pragma once
#include <cstdint>
#include <functional>

namespace spindora {

// A 32-bit tick counter in microseconds; it wraps after about 71 minutes. A millisecond
// counter would make every "more than n ms" wait last up to a whole extra millisecond, and
// an animation of ten 30 ms frames a few per cent too long.
using TickCounter = std::function<uint32_t()>;
uint32_t SystemTickCount();

// Spins until more than `ms` milliseconds have passed on `ticks`, without handling any
// window message. The difference is taken modulo 2^32 so a wrap of the counter is harmless.
void BusyWait(unsigned ms, const TickCounter& ticks);

}  // namespace spindora
