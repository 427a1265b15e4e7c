#pragma once
// MURVO's rules as plain values: discs on up to 36 places, rings of three, four or six
// places that a move turns by one place, and a pattern per level that the discs must show.
#include <cstdint>
#include <vector>

#include "rules/Random.h"
#include "rules/murvo/Moves.h"
#include "rules/murvo/Position.h"

namespace spindora::murvo {

// Clockwise the disc on each place of the ring goes to the next one, counter-clockwise to
// the one before.
struct Move {
    uint8_t ring;  // 0 to 36, one that the level offers
    bool clockwise;
    friend bool operator==(const Move&, const Move&) = default;
};

// The fixed patterns of levels 1 to 9 and, until the first deal invents one, level 9's
// again for level 10; the board shows level 10's pattern and the colours keep their rows.
Position StartPosition();
bool IsSolved(const Position& position, int level);
void Apply(Position& position, const Move& move);
constexpr Move Inverse(Move move) {
    move.clockwise = !move.clockwise;
    return move;
}
// Every offered ring both ways, in the order the level offers them.
std::vector<Move> Moves(int level);
// New sprite rows for the colours, a new level 10 pattern, and the level's pattern turned
// by 5000 random runs of clockwise moves.
Position Deal(int level, RandomSource& random);

}  // namespace spindora::murvo
