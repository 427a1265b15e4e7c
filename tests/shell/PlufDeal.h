#pragma once
// How a seeded PLUF deal is read back from the generator's draws, for the tests that undo
// one with the mouse.
#include <array>
#include <cstdint>
#include <vector>

#include "rules/Random.h"

namespace spindora::test {

// Passes draws through from a seeded generator and keeps them, so a test can read back
// how a deal was scrambled.
class RecordingRandom final : public RandomSource {
public:
    explicit RecordingRandom(uint64_t seed) : inner_(seed) {}
    int Random(int n) override {
        const int value = inner_.Random(n);
        draws.push_back({n, value});
        return value;
    }
    struct Draw {
        int range, value;
    };
    std::vector<Draw> draws;

private:
    SeededRandom inner_;
};

// Counter-clockwise steps the scramble gave each plate in all, read from the draws that
// followed the deal's step count (range 1000): plate, direction, steps.
inline std::array<int, 23> NetTurns(const std::vector<RecordingRandom::Draw>& draws) {
    std::array<int, 23> net{};
    size_t i = 0;
    while (i < draws.size() && draws[i].range != 1000) ++i;
    for (++i; i + 2 < draws.size() && draws[i].range != 1000; i += 3) {
        const int plate = draws[i].value + 1, steps = draws[i + 2].value + 1;
        net[plate] += draws[i + 1].value == 0 ? steps : -steps;
    }
    return net;
}

}  // namespace spindora::test
