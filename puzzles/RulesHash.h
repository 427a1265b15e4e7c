#pragma once
#include <cstdint>

namespace spindora {

// The last step of SplitMix64: a packed position's bits spread over the whole word, so
// positions that differ in one piece land far apart in a hash table.
constexpr uint64_t SpreadBits(uint64_t x) {
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace spindora
