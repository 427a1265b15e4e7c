#include "rules/murvo/MurvoRules.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "rules/RulesHash.h"
#include "rules/murvo/Patterns.h"

namespace spindora::murvo {
namespace {

constexpr int kMappingSwaps = 1000;
constexpr int kScrambleSteps = 5000;

}  // namespace

Position StartPosition() {
    Position position;
    for (size_t level = 0; level < std::size(FixedPatterns); ++level)
        std::copy(std::begin(FixedPatterns[level]), std::end(FixedPatterns[level]),
                  position.patterns[level].begin());
    // Level 10 invents its pattern at every deal; until the first one, a fixed full
    // pattern keeps every code drawable.
    position.patterns[kLevels - 1] = position.patterns[kLevels - 2];
    position.board = position.patterns[kLevels - 1];
    return position;
}

bool IsSolved(const Position& position, int level) {
    const Board& pattern = position.Pattern(level);
    return std::equal(pattern.begin(), pattern.begin() + PlacesInPlay(level), position.board.begin());
}

void Apply(Position& position, const Move& move) {
    const Ring& ring = RingAt(move.ring);
    Board& board = position.board;
    const auto at = [&](int k) -> uint8_t& { return board[ring.places[k] - 1u]; };
    if (move.clockwise) {
        const uint8_t last = at(ring.size - 1);
        for (int k = ring.size - 1; k > 0; --k) at(k) = at(k - 1);
        at(0) = last;
    } else {
        const uint8_t first = at(0);
        for (int k = 0; k < ring.size - 1; ++k) at(k) = at(k + 1);
        at(ring.size - 1) = first;
    }
}

std::vector<Move> Moves(int level) {
    std::vector<Move> moves;
    for (const uint8_t ring : OfferedRings(level))
        for (const bool clockwise : {true, false}) moves.push_back({ring, clockwise});
    return moves;
}

Position Deal(int level, RandomSource& random) {
    Position position = StartPosition();
    auto& rows = position.colourRows;
    for (int swap = 0; swap < kMappingSwaps; ++swap) {
        const int i = random.Random(kColours);
        const int j = random.Random(kColours);
        std::swap(rows[static_cast<size_t>(i)], rows[static_cast<size_t>(j)]);
    }

    for (uint8_t& code : position.patterns[kLevels - 1]) {
        const int colour = random.Random(kColours);
        const int variant = random.Random(3);
        code = static_cast<uint8_t>(10 * colour + variant + 10);
    }

    position.board = position.Pattern(level);
    const auto offered = OfferedRings(level);
    for (int step = 0; step < kScrambleSteps; ++step) {
        const uint8_t ring = offered[static_cast<size_t>(random.Random(static_cast<int>(offered.size())))];
        const int turns = random.Random(RingAt(ring).size) + 1;
        for (int t = 0; t < turns; ++t) Apply(position, {ring, true});
    }
    return position;
}

uint64_t Hash(const Position& position) {
    uint64_t words[5] = {};
    std::memcpy(words, position.board.data(), sizeof position.board);
    uint64_t hash = 0;
    for (const uint64_t word : words) hash = SpreadBits(hash ^ word);
    return hash;
}

}  // namespace spindora::murvo
