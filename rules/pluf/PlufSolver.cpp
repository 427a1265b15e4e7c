#include "rules/pluf/PlufSolver.h"

#include <array>
#include <bit>
#include <cstdint>

namespace spindora::pluf {
namespace {

// Turns of different plates commute and six turns of one plate turn nothing, so a
// solution is an orientation per plate: r counter-clockwise turns, slot j then showing
// the button that was in slot j + r. It costs r presses, or 6 - r clockwise ones. The
// search below picks orientations plate by plate, depth first, keeping for every plate
// the set of orientations its placed neighbours still allow, and cuts a branch once its
// presses plus the cheapest allowed orientation of every open plate reach the best found.
using Orientations = uint8_t;  // bit r: orientation r allowed
constexpr Orientations kAll = (1 << kSlots) - 1;
constexpr int kUnplaced = -1;

constexpr int Presses(int r) { return r <= kSlots / 2 ? r : kSlots - r; }

// The fewest presses among a set of orientations, for all 64 sets.
constexpr std::array<int8_t, 1 << kSlots> CheapestOf = [] {
    std::array<int8_t, 1 << kSlots> cheapest{};
    for (int set = 0; set < (1 << kSlots); ++set) {
        cheapest[set] = kSlots;
        for (int r = 0; r < kSlots; ++r)
            if (set >> r & 1 && Presses(r) < cheapest[set]) cheapest[set] = static_cast<int8_t>(Presses(r));
    }
    return cheapest;
}();

// Orientations cheapest first, so that the first solutions found are good bounds.
constexpr std::array<int, kSlots> kByPresses = {0, 1, 5, 2, 4, 3};

struct Link {
    int plate;  // the neighbour, 0-based
    // allowed[r]: the neighbour's orientations whose facing button matches this plate's
    // at orientation r.
    std::array<Orientations, kSlots> allowed;
};

class Search {
public:
    Search(const Position& position, int level, const std::atomic<bool>& cancelled)
        : count_(PlatesInPlay(level)), cancelled_(cancelled) {
        for (int p = 0; p < count_; ++p) {
            const Slots& mine = position.buttons[p];
            for (int j = 0; j < kSlots; ++j) {
                const int q = Neighbours[p][j] - 1;
                if (q < 0 || q >= count_) continue;
                const Slots& theirs = position.buttons[q];
                Link link{q, {}};
                for (int r = 0; r < kSlots; ++r)
                    for (int s = 0; s < kSlots; ++s)
                        if (mine[(j + r) % kSlots] == theirs[(FacingSlot(j) + s) % kSlots])
                            link.allowed[r] |= static_cast<Orientations>(1 << s);
                links_[p][linkCount_[p]++] = link;
            }
            allowed_[p] = Distinct(mine);
            placed_[p] = kUnplaced;
        }
    }

    // Orientations per plate of a cheapest solution, or false when none exists or the
    // search was cancelled.
    bool Run() {
        int openBound = 0;
        for (int p = 0; p < count_; ++p) openBound += CheapestOf[allowed_[p]];
        Place(0, openBound);
        return bestPresses_ <= kMostPresses && !stopped_ && !cancelled_.load(std::memory_order_relaxed);
    }
    int Orientation(int plate) const { return best_[plate]; }

private:
    // A plate whose buttons repeat after a turn of k slots looks the same at r and r + k:
    // only the cheapest orientation of each such class is worth trying.
    static Orientations Distinct(const Slots& buttons) {
        int period = 1;
        while (period < kSlots) {
            bool repeats = kSlots % period == 0;
            for (int j = 0; repeats && j < kSlots; ++j) repeats = buttons[j] == buttons[(j + period) % kSlots];
            if (repeats) break;
            ++period;
        }
        Orientations distinct = 0;
        for (int r = 0; r < period; ++r) {
            int cheapest = r;
            for (int other = r; other < kSlots; other += period)
                if (Presses(other) < Presses(cheapest)) cheapest = other;
            distinct |= static_cast<Orientations>(1 << cheapest);
        }
        return distinct;
    }

    // The open plate with the fewest orientations left: it fails or fixes soonest.
    int MostConstrained() const {
        int chosen = -1, fewest = kSlots + 1;
        for (int p = 0; p < count_; ++p)
            if (placed_[p] == kUnplaced && std::popcount(allowed_[p]) < fewest)
                chosen = p, fewest = std::popcount(allowed_[p]);
        return chosen;
    }

    // `presses` spent on the placed plates; `openBound` the least the open ones still cost.
    void Place(int presses, int openBound) {
        if (stopped_ || presses + openBound >= bestPresses_) return;
        if (++nodes_ % kNodesBetweenPolls == 0 && cancelled_.load(std::memory_order_relaxed)) {
            stopped_ = true;
            return;
        }
        const int plate = MostConstrained();
        if (plate < 0) {
            bestPresses_ = presses;
            best_ = placed_;
            return;
        }
        const Orientations options = allowed_[plate];
        const int plateBound = CheapestOf[options];
        const std::array<Orientations, kPlates> saved = allowed_;
        for (const int r : kByPresses) {
            if (!(options >> r & 1)) continue;
            int bound = openBound - plateBound;
            bool possible = true;
            for (int k = 0; possible && k < linkCount_[plate]; ++k) {
                const Link& link = links_[plate][k];
                if (placed_[link.plate] != kUnplaced) continue;
                Orientations& theirs = allowed_[link.plate];
                bound -= CheapestOf[theirs];
                theirs &= link.allowed[r];
                bound += CheapestOf[theirs];
                possible = theirs != 0;
            }
            if (possible) {
                placed_[plate] = static_cast<int8_t>(r);
                Place(presses + Presses(r), bound);
                placed_[plate] = kUnplaced;
            }
            allowed_ = saved;
        }
    }

    static constexpr int kMostPresses = kPlates * kSlots / 2;
    static constexpr long kNodesBetweenPolls = 1024;

    int count_;
    const std::atomic<bool>& cancelled_;
    std::array<std::array<Link, kSlots>, kPlates> links_{};
    std::array<int, kPlates> linkCount_{};
    std::array<Orientations, kPlates> allowed_{};
    std::array<int8_t, kPlates> placed_{}, best_{};
    int bestPresses_ = kMostPresses + 1;
    long nodes_ = 0;
    bool stopped_ = false;
};

}  // namespace

std::optional<std::vector<Move>> Solve(const Position& position, int level,
                                       const std::atomic<bool>& cancelled) {
    Search search(position, level, cancelled);
    if (!search.Run()) return std::nullopt;
    std::vector<Move> moves;
    for (int p = 0; p < PlatesInPlay(level); ++p) {
        const int r = search.Orientation(p);
        const Turn turn = r <= kSlots / 2 ? Turn::CounterClockwise : Turn::Clockwise;
        for (int press = 0; press < Presses(r); ++press) moves.push_back({static_cast<uint8_t>(p + 1), turn});
    }
    return moves;
}

}  // namespace spindora::pluf
