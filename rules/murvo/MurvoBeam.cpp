#include "rules/murvo/MurvoBeam.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

#include "rules/MeetInTheMiddle.h"

namespace spindora::murvo {
namespace {

// Wide enough that every deal tried was solved, narrow enough that level 10 takes about a
// second at worst.
constexpr size_t kBeamWidth = 300;
constexpr int kCodes = 256;

// How far each disc code lies from the nearest place in play whose pattern wants it, in
// single-place steps along the level's rings. A board scores the sum over its places: 0 only
// when solved, and a move changes it on the turned ring's places alone.
class Distances {
public:
    Distances(const Board& pattern, int level) : inPlay_(PlacesInPlay(level)) {
        constexpr uint8_t kFar = 255;
        uint8_t steps[kPlaces][kPlaces];
        for (auto& row : steps) std::fill(std::begin(row), std::end(row), kFar);
        for (int place = 0; place < inPlay_; ++place) steps[place][place] = 0;
        for (const uint8_t ring : OfferedRings(level)) {
            const Ring& r = RingAt(ring);
            for (int k = 0; k < r.size; ++k) {
                const int a = r.places[k] - 1, b = r.places[(k + 1) % r.size] - 1;
                steps[a][b] = steps[b][a] = 1;
            }
        }
        // Floyd-Warshall over at most 36 places.
        for (int via = 0; via < inPlay_; ++via)
            for (int a = 0; a < inPlay_; ++a)
                for (int b = 0; b < inPlay_; ++b)
                    steps[a][b] = static_cast<uint8_t>(std::min<int>(steps[a][b], steps[a][via] + steps[via][b]));
        for (auto& row : away_) row.fill(kFar);
        for (int place = 0; place < inPlay_; ++place)
            for (int wanting = 0; wanting < inPlay_; ++wanting) {
                uint8_t& away = away_[pattern[static_cast<size_t>(wanting)]][static_cast<size_t>(place)];
                away = std::min(away, steps[place][wanting]);
            }
    }
    int Score(const Board& board) const {
        int score = 0;
        for (int place = 0; place < inPlay_; ++place) score += Away(board, place);
        return score;
    }
    int Away(const Board& board, int place) const {
        return away_[board[static_cast<size_t>(place)]][static_cast<size_t>(place)];
    }

private:
    int inPlay_;
    std::array<std::array<uint8_t, kPlaces>, kCodes> away_;
};

struct Node {
    Board board;
    uint64_t key;  // the board's hash, as a key of a PackedTable
    int score;
    int parent;
    Move move;
};

uint64_t KeyOf(const Position& position) {
    return (Hash(position) & (kPresentBit - 1)) | kPresentBit;
}

// The score after `move`, from the one before: only the ring's places change.
int ScoreAfter(const Distances& distances, const Board& before, const Board& after, int score, const Move& move) {
    const Ring& ring = RingAt(move.ring);
    for (int k = 0; k < ring.size; ++k) {
        const int place = ring.places[k] - 1;
        score += distances.Away(after, place) - distances.Away(before, place);
    }
    return score;
}

}  // namespace

std::optional<std::vector<Move>> BeamSolve(const Position& position, int level, const std::atomic<bool>& cancelled) {
    const Distances distances(position.Pattern(level), level);
    const std::vector<Move> moves = Moves(level);
    // Every node of every depth, for the way back; the beam is the last depth's.
    std::vector<Node> nodes{{position.board, KeyOf(position), distances.Score(position.board), -1, {}}};
    // The positions the beam has held, and those met at this depth, by their hashes (a rare
    // clash only drops a position). Only the kept are remembered, which keeps memory low.
    PackedTable kept;
    kept.Insert(nodes[0].key);
    // Only the board changes, so one scratch position serves every move.
    Position turned = position;
    size_t beamBegin = 0, beamEnd = 1;
    int solved = nodes[0].score == 0 ? 0 : -1;
    std::vector<Node> candidates;
    while (solved < 0) {
        if (beamBegin == beamEnd) return std::nullopt;
        candidates.clear();
        PackedTable met;
        for (size_t at = beamBegin; at < beamEnd; ++at) {
            if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
            const Node& node = nodes[at];
            for (const Move& move : moves) {
                if (node.parent >= 0 && move == Inverse(node.move)) continue;
                turned.board = node.board;
                Apply(turned, move);
                const uint64_t key = KeyOf(turned);
                if (kept.Find(key) != 0 || !met.Insert(key)) continue;
                candidates.push_back({turned.board, key,
                                      ScoreAfter(distances, node.board, turned.board, node.score, move),
                                      static_cast<int>(at), move});
            }
        }
        const size_t width = std::min(kBeamWidth, candidates.size());
        const auto better = [](const Node& a, const Node& b) {
            return std::tie(a.score, a.key) < std::tie(b.score, b.key);
        };
        std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(width), candidates.end(),
                          better);
        beamBegin = nodes.size();
        nodes.insert(nodes.end(), candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(width));
        beamEnd = nodes.size();
        for (size_t at = beamBegin; at < beamEnd; ++at) kept.Insert(nodes[at].key);
        if (width > 0 && nodes[beamBegin].score == 0) solved = static_cast<int>(beamBegin);
    }
    std::vector<Move> way;
    for (int at = solved; nodes[static_cast<size_t>(at)].parent >= 0; at = nodes[static_cast<size_t>(at)].parent)
        way.push_back(nodes[static_cast<size_t>(at)].move);
    std::reverse(way.begin(), way.end());
    return way;
}

}  // namespace spindora::murvo
