#include "rules/kolluk/KollukRules.h"

#include <algorithm>

#include "rules/RulesHash.h"

namespace spindora::kolluk {

Position Goal(int level) {
    Position position;
    std::copy(std::begin(LevelLayouts[level - 1]), std::end(LevelLayouts[level - 1]), position.balls.begin());
    return position;
}

bool IsSolved(const Position& position, int level) {
    return std::equal(position.balls.begin(), position.balls.end(), std::begin(LevelLayouts[level - 1]));
}

void Apply(Position& position, const Move& move) {
    const int* places = Rings[move.ring];
    const int step = RingStep(move.clockwise);
    std::array<int, kRingLength> moved;
    for (int j = 0; j < kRingLength; ++j) moved[(j + step) % kRingLength] = position.balls[places[j]];
    for (int j = 0; j < kRingLength; ++j) position.balls[places[j]] = moved[j];
}

std::vector<Move> Moves() {
    std::vector<Move> moves;
    for (int ring = 0; ring < kRings; ++ring)
        for (const bool clockwise : {true, false}) moves.push_back({static_cast<uint8_t>(ring), clockwise});
    return moves;
}

Position Deal(int level, RandomSource& random) {
    Position position = Goal(level);
    const int steps = random.Random(1000) + 100;
    for (int step = 0; step < steps; ++step) {
        const int ring = random.Random(kRings);
        const bool counterClockwise = random.Random(2) == 1;
        const int times = random.Random(3) + 1;
        for (int t = 0; t < times; ++t) Apply(position, {static_cast<uint8_t>(ring), !counterClockwise});
    }
    return position;
}

// Colours 1 to 13 fit four bits, so thirteen places pack into 52.
uint64_t Hash(const Position& position) { return HashFourBitPieces(position.balls); }

}  // namespace spindora::kolluk
