#pragma once
// ZIBBO's rules as plain values: nine dials, each pointing one of twelve ways; a press on a
// dial turns the dials that its level's table names, each by its own number of twelfths.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "rules/Random.h"
#include "rules/RulesHash.h"

namespace spindora::zibbo {

inline constexpr int kDials = 9;
inline constexpr int kLevels = 9;
inline constexpr int kDirections = 12;
inline constexpr int kUpright = 11;

struct Position {
    // Where each dial points, row by row from the top left: 0 to 11, 11 upright.
    std::array<int, kDials> directions{kUpright, kUpright, kUpright, kUpright, kUpright,
                                       kUpright, kUpright, kUpright, kUpright};
    friend bool operator==(const Position&, const Position&) = default;
};

// A press on one dial: forward for the left button, backward for the right. The level's
// table decides which dials it turns, so the move carries the level.
struct Move {
    uint8_t level;  // 1 to 9
    uint8_t dial;   // 0 to 8
    bool forward;
    friend bool operator==(const Move&, const Move&) = default;
};

bool IsSolved(const Position& position);
void Apply(Position& position, const Move& move);
constexpr Move Inverse(Move move) {
    move.forward = !move.forward;
    return move;
}
// Every dial both ways, dial by dial.
std::vector<Move> Moves(int level);
// The solved position turned by 101 to 1100 random runs of presses of the level.
Position Deal(int level, RandomSource& random);
uint64_t Hash(const Position& position);

}  // namespace spindora::zibbo

template <>
struct std::hash<spindora::zibbo::Position> : spindora::HashByRules<spindora::zibbo::Position> {};
