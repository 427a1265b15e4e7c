#include "rules/Random.h"

#include <chrono>

namespace spindora {
namespace {

uint64_t SplitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

SeededRandom::SeededRandom(uint64_t seed) { Reseed(seed); }

void SeededRandom::Reseed(uint64_t seed) {
    for (auto& s : state_) s = SplitMix(seed);
}

uint64_t SeededRandom::NextBits() {
    const uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
}

int SeededRandom::Random(int n) {
    if (n <= 1) return 0;
    // Lemire's multiply-and-reject: exact uniformity without a division per draw.
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t threshold = (0 - range) % range;
    for (;;) {
        const unsigned __int128 product = static_cast<unsigned __int128>(NextBits()) * range;
        if (static_cast<uint64_t>(product) >= threshold) return static_cast<int>(product >> 64);
    }
}

uint64_t ClockSeed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto mono = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint64_t>(wall) ^ (static_cast<uint64_t>(mono) << 21);
}

}  // namespace spindora
