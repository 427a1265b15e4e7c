#pragma once
#include <cstdint>

namespace spindora {

// Every shuffle draws from one source so that a seed reproduces a whole run.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform integer in 0 .. n-1 (n >= 1).
    virtual int Random(int n) = 0;
};

// xoshiro256** with our own unbiased mapping to 0..n-1, so that a seed deals the same
// positions on every standard library.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed);
    void Reseed(uint64_t seed);
    int Random(int n) override;
    uint64_t NextBits();

private:
    uint64_t state_[4] = {};
};

// Seed from the wall clock and a monotonic counter, for players who give no --seed.
uint64_t ClockSeed();

}  // namespace spindora
