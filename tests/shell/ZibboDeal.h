#pragma once
// How a seeded ZIBBO deal is undone with the mouse, for the tests that solve one.
#include <array>
#include <QPoint>
#include <cstdint>
#include <vector>

#include "rules/Random.h"
#include "puzzles/zibbo/ZibboSheet.h"

namespace spindora::test {

// Turns add up in any order, so a deal is undone by pressing each ZIBBO as often as the
// deal turned it in all, the other way round.
inline std::array<int, 9> NetTurnsOfDeal(uint64_t seed) {
    SeededRandom replay(seed);
    std::array<int, 9> net{};
    const int steps = replay.Random(1000) + 101;
    for (int i = 0; i < steps; ++i) {
        const int times = replay.Random(11) + 1;
        const int k = replay.Random(9);
        net[k] += replay.Random(2) == 0 ? times : -times;
    }
    return net;
}

// Where to press with the right mouse button, in order, to solve the deal of `seed`, in
// board coordinates; the last press solves it.
inline std::vector<QPoint> UndoingPresses(uint64_t seed) {
    const std::array<int, 9> net = NetTurnsOfDeal(seed);
    std::vector<QPoint> presses;
    for (int k = 0; k < 9; ++k)
        for (int n = ((net[k] % 12) + 12) % 12; n > 0; --n)
            presses.push_back(zibbo::PiecePosition(k) + QPoint(39, 39));
    return presses;
}

}  // namespace spindora::test
