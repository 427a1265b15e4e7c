#include "rules/zibbo/ZibboRules.h"

#include <algorithm>

#include "rules/RulesHash.h"
#include "rules/zibbo/TurnTable.h"

namespace spindora::zibbo {

bool IsSolved(const Position& position) {
    return std::all_of(position.directions.begin(), position.directions.end(),
                       [](int direction) { return direction == kUpright; });
}

void Apply(Position& position, const Move& move) {
    const signed char* turns = TurnTable[move.level - 1][move.dial];
    const int sign = move.forward ? 1 : -1;
    // Every dial at once, those the press leaves alone by a turn of nothing: no branch to
    // mispredict, and the loop vectorises.
    for (int i = 0; i < kDials; ++i)
        position.directions[i] = (position.directions[i] + sign * turns[i] + kDirections) % kDirections;
}

std::vector<Move> Moves(int level) {
    std::vector<Move> moves;
    for (int dial = 0; dial < kDials; ++dial)
        for (const bool forward : {true, false})
            moves.push_back({static_cast<uint8_t>(level), static_cast<uint8_t>(dial), forward});
    return moves;
}

Position Deal(int level, RandomSource& random) {
    Position position;
    const int steps = random.Random(1000) + 101;
    for (int step = 0; step < steps; ++step) {
        const int times = random.Random(11) + 1;
        const int dial = random.Random(kDials);
        const bool forward = random.Random(2) == 0;
        const Move move{static_cast<uint8_t>(level), static_cast<uint8_t>(dial), forward};
        for (int t = 0; t < times; ++t) Apply(position, move);
    }
    return position;
}

// Directions 0 to 11 fit four bits.
uint64_t Hash(const Position& position) { return HashFourBitPieces(position.directions); }

}  // namespace spindora::zibbo
