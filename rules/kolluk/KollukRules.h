#pragma once
// KOLLUK's rules as plain values: thirteen balls on thirteen places, three overlapping rings
// of six places, and a move that rolls one ring by one place.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "rules/Random.h"
#include "rules/RulesHash.h"

namespace spindora::kolluk {

inline constexpr int kPlaces = 13;
inline constexpr int kRings = 3;
inline constexpr int kRingLength = 6;
inline constexpr int kColours = 13;
inline constexpr int kLevels = 4;

// Each ring's six places, clockwise on the screen from its topmost place. Ring 0 is the
// upper ring, 1 the lower left, 2 the lower right; they share places 3, 4, 6 and 9.
inline constexpr int Rings[kRings][kRingLength] = {
    {0, 2, 4, 6, 3, 1},
    {3, 6, 9, 11, 8, 5},
    {4, 7, 10, 12, 9, 6},
};

// The colour (1 to 13) that each level asks for on each place: the goal, and the position
// every deal starts from. Row `level - 1`.
inline constexpr int LevelLayouts[kLevels][kPlaces] = {
    {3, 3, 3, 12, 12, 2, 12, 1, 2, 12, 1, 2, 1},
    {2, 2, 2, 4, 6, 1, 12, 3, 1, 5, 3, 1, 3},
    {1, 9, 7, 12, 12, 5, 12, 11, 3, 12, 2, 10, 6},
    {4, 10, 13, 1, 2, 6, 12, 8, 11, 3, 5, 9, 7},
};

struct Position {
    // The colour of the ball on each place.
    std::array<int, kPlaces> balls{};
    friend bool operator==(const Position&, const Position&) = default;
};

struct Move {
    uint8_t ring;  // 0 to 2
    bool clockwise;
    friend bool operator==(const Move&, const Move&) = default;
};

// Clockwise the ball on a ring's place j goes to place j + 1 of the ring, counter-clockwise
// to j - 1: this many places on, modulo six.
constexpr int RingStep(bool clockwise) { return clockwise ? 1 : kRingLength - 1; }

// The level's goal.
Position Goal(int level);
bool IsSolved(const Position& position, int level);
void Apply(Position& position, const Move& move);
constexpr Move Inverse(Move move) {
    move.clockwise = !move.clockwise;
    return move;
}
// Every ring both ways; every level offers the same.
std::vector<Move> Moves();
// The goal rolled by 100 to 1099 random runs of one to three rolls.
Position Deal(int level, RandomSource& random);
uint64_t Hash(const Position& position);

}  // namespace spindora::kolluk

template <>
struct std::hash<spindora::kolluk::Position> : spindora::HashByRules<spindora::kolluk::Position> {};
