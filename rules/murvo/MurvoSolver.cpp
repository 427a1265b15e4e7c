#include "rules/murvo/MurvoSolver.h"

#include <algorithm>

#include "rules/MeetInTheMiddle.h"
#include "rules/murvo/MurvoBeam.h"

namespace spindora::murvo {
namespace {

// Level 1 wants three disc codes on 18 places: two bits a place, and discs of one code are
// alike, so its 17 million positions pack into 36 bits and a search from both ends is exact
// and quick. The other levels want more codes on more places.
struct PackedLevel {
    static constexpr int kLevel = 1;
    static constexpr int kWidth = 2;
    static constexpr int kPlacesInPlay = PlacesInPlay(kLevel);

    explicit PackedLevel(const Position& position) {
        const Board& pattern = position.Pattern(kLevel);
        for (int place = 0; place < kPlacesInPlay; ++place)
            if (std::find(codes.begin(), codes.end(), pattern[place]) == codes.end()) codes.push_back(pattern[place]);
        const std::vector<Move> moves = Moves(kLevel);
        for (const Move& move : moves) {
            const Ring& ring = RingAt(move.ring);
            int cycle[6];
            for (int k = 0; k < ring.size; ++k) cycle[k] = ring.places[k] - 1;
            rolls.emplace_back(cycle, ring.size, kWidth, move.clockwise);
        }
        start = Pack(position.board);
        goal = Pack(pattern);
    }
    uint64_t Pack(const Board& board) const {
        uint64_t packed = 0;
        for (int place = 0; place < kPlacesInPlay; ++place) {
            const auto code = std::find(codes.begin(), codes.end(), board[place]);
            packed |= static_cast<uint64_t>(code - codes.begin()) << (kWidth * place);
        }
        return packed;
    }
    uint64_t operator()(uint64_t packed, int move) const { return rolls[move](packed); }

    std::vector<uint8_t> codes;
    std::vector<PackedRoll> rolls;
    uint64_t start = 0, goal = 0;
};

}  // namespace

std::optional<std::vector<Move>> Solve(const Position& position, int level, const std::atomic<bool>& cancelled,
                                       SearchReport* report) {
    if (level != PackedLevel::kLevel) return BeamSolve(position, level, cancelled);
    const PackedLevel packed(position);
    MemoryLimit limit(kExactSearchMemory);
    std::optional<std::vector<int>> path;
    try {
        path = ShortestPath(packed.start, packed.goal, static_cast<int>(packed.rolls.size()), packed, cancelled, &limit);
    } catch (const OverMemoryLimit&) {
        if (report) *report = {limit.Peak(), false};
        return BeamSolve(position, level, cancelled);
    }
    if (report) *report = {limit.Peak(), true};
    if (!path) return std::nullopt;
    const std::vector<Move> moves = Moves(level);
    std::vector<Move> way;
    for (const int move : *path) way.push_back(moves[static_cast<size_t>(move)]);
    return way;
}

}  // namespace spindora::murvo
