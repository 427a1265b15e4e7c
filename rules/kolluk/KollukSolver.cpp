#include "rules/kolluk/KollukSolver.h"

#include "rules/MeetInTheMiddle.h"

namespace spindora::kolluk {
namespace {

// Four bits a place: balls of one colour are alike, so positions that differ only in which of
// them stands where are one.
uint64_t Pack(const Position& position) {
    uint64_t packed = 0;
    for (int place = 0; place < kPlaces; ++place) packed |= static_cast<uint64_t>(position.balls[place]) << (4 * place);
    return packed;
}

// Move 2 * ring is the ring's clockwise roll and 2 * ring + 1 its counter-clockwise one, as
// in Moves().
struct PackedMoves {
    PackedMoves() {
        for (int move = 0; move < 2 * kRings; ++move) rolls[move] = {Rings[move / 2], kRingLength, 4, move % 2 == 0};
    }
    uint64_t operator()(uint64_t packed, int move) const { return rolls[move](packed); }
    PackedRoll rolls[2 * kRings];
};

const PackedMoves kPackedMoves;

}  // namespace

std::optional<std::vector<Move>> Solve(const Position& position, int level, const std::atomic<bool>& cancelled) {
    const auto path = ShortestPath(Pack(position), Pack(Goal(level)), 2 * kRings, kPackedMoves, cancelled);
    if (!path) return std::nullopt;
    std::vector<Move> moves;
    for (const int move : *path) moves.push_back({static_cast<uint8_t>(move / 2), move % 2 == 0});
    return moves;
}

}  // namespace spindora::kolluk
