#pragma once
// How a dealt level-1 MURVO board is solved with the fewest presses, for the tests that
// solve one with the mouse.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include "puzzles/MurvoRules.h"

namespace spindora::test::murvo_rules {

// Eighteen places of three colours fit two bits each. A step is 2 * move + (1 if clockwise).
using Packed = uint64_t;

inline Packed Pack(const Board& board) {
    Packed packed = 0;
    for (int p = 0; p < 18; ++p) packed |= Packed(board[p] / 20) << (2 * p);
    return packed;
}

inline Packed Step(Packed state, int step) {
    const std::vector<int>& ring = kRingsAndHotSpots[step / 2].ring;
    const size_t n = ring.size();
    const auto at = [&](size_t k) { return (state >> (2 * (ring[k % n] - 1))) & 3; };
    Packed next = state;
    for (size_t k = 0; k < n; ++k) {
        // Clockwise the disc on p(k) goes to p(k + 1); the other way to p(k - 1).
        const size_t to = step % 2 ? k + 1 : k + n - 1;
        const int shift = 2 * (ring[to % n] - 1);
        next = (next & ~(Packed(3) << shift)) | (at(k) << shift);
    }
    return next;
}

// The shortest presses from `start` to `goal`, searched from both ends at once; a dealt
// level 1 board lies about ten presses from its pattern.
inline std::vector<int> Solve(Packed start, Packed goal) {
    std::unordered_map<Packed, int> seen[2];  // state -> step that reached it, -1 at the ends
    std::deque<Packed> frontier[2] = {{start}, {goal}};
    seen[0][start] = -1;
    seen[1][goal] = -1;
    Packed meet = start;
    bool met = start == goal;
    while (!met) {
        const int side = frontier[0].size() <= frontier[1].size() ? 0 : 1;
        std::deque<Packed> next;
        for (const Packed state : frontier[side]) {
            for (int step = 0; step < 26 && !met; ++step) {  // the moves of levels 1 to 4
                const Packed reached = Step(state, step);
                if (!seen[side].emplace(reached, step).second) continue;
                next.push_back(reached);
                if (seen[1 - side].count(reached)) {
                    met = true;
                    meet = reached;
                }
            }
            if (met) break;
        }
        frontier[side] = std::move(next);
    }
    std::vector<int> steps;
    for (Packed state = meet; seen[0][state] != -1;) {
        const int step = seen[0][state];
        steps.push_back(step);
        state = Step(state, step ^ 1);
    }
    std::reverse(steps.begin(), steps.end());
    for (Packed state = meet; seen[1][state] != -1;) {
        const int back = seen[1][state] ^ 1;
        steps.push_back(back);
        state = Step(state, back);
    }
    return steps;
}

}  // namespace spindora::test::murvo_rules
