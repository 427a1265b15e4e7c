#pragma once
// How a dealt KOLLUK board is solved with the fewest rolls, for the tests that solve one
// with the mouse.
#include <QPoint>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace spindora::test::kolluk_rules {

using Balls = std::array<int, 13>;

// The board's rules, as a player learns them: each ring's places clockwise from its top;
// a left click rolls a ring one place counter-clockwise, a right click clockwise.
constexpr int kRings[3][6] = {{0, 2, 4, 6, 3, 1}, {3, 6, 9, 11, 8, 5}, {4, 7, 10, 12, 9, 6}};
constexpr QPoint kRingPress[3] = {{207, 112}, {143, 220}, {270, 220}};
constexpr Balls kLevel1 = {3, 3, 3, 12, 12, 2, 12, 1, 2, 12, 1, 2, 1};

struct Roll {
    int ring;
    bool clockwise;
};

inline Balls Rolled(Balls balls, Roll roll) {
    Balls after = balls;
    for (int j = 0; j < 6; ++j) {
        const int from = kRings[roll.ring][j];
        const int to = kRings[roll.ring][(j + (roll.clockwise ? 1 : 5)) % 6];
        after[to] = balls[from];
    }
    return after;
}

inline uint64_t Key(const Balls& balls) {
    uint64_t key = 0;
    for (int colour : balls) key = key * 16 + static_cast<uint64_t>(colour);
    return key;
}

// The fewest rolls from `start` to `goal`, by a breadth-first search over positions.
inline std::vector<Roll> ShortestSolution(const Balls& start, const Balls& goal) {
    struct Step { uint64_t parent; Roll roll; Balls balls; };
    std::unordered_map<uint64_t, Step> seen;
    std::vector<Balls> frontier = {start};
    seen.emplace(Key(start), Step{0, {-1, false}, start});
    while (!frontier.empty() && !seen.count(Key(goal))) {
        std::vector<Balls> next;
        for (const Balls& balls : frontier)
            for (int ring = 0; ring < 3; ++ring)
                for (bool clockwise : {false, true}) {
                    const Balls after = Rolled(balls, {ring, clockwise});
                    if (seen.emplace(Key(after), Step{Key(balls), {ring, clockwise}, after}).second)
                        next.push_back(after);
                }
        frontier = std::move(next);
    }
    std::vector<Roll> path;
    for (uint64_t key = Key(goal); key != Key(start); key = seen.at(key).parent)
        path.insert(path.begin(), seen.at(key).roll);
    return path;
}

}  // namespace spindora::test::kolluk_rules
