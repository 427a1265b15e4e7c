#include "rules/zibbo/ZibboSolver.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

#include "rules/zibbo/TurnTable.h"

namespace spindora::zibbo {
namespace {

// Presses commute, and twelve presses of a dial turn nothing, so a solution is a count in
// Z12 for each dial: the system  sum_j count_j * turns[j] = upright - directions  (mod 12).
// Z12 splits into Z3 x Z4, and each part is small enough to list in full: every count
// vector of a part with the turns it makes. A position then needs one look-up per part
// for a particular solution, and the solutions differ only by the kernels, which the
// levels keep small (at most 27 and 64 vectors, 432 pairs at level 4). The cheapest of
// those combinations is the shortest solution.
using Counts = std::array<int, kDials>;

// One part of Z12: for every turn pattern the level can make mod `modulus`, one count
// vector that makes it, and every count vector that makes no turn.
class Residues {
public:
    Residues(int level, int modulus) : modulus_(modulus) {
        int size = 1;
        for (int i = 0; i < kDials; ++i) size *= modulus;
        preimage_.assign(static_cast<size_t>(size), kNone);
        // An odometer over the count vectors, with the turns kept up to date column by
        // column: each step adds one press's turns, or takes back a full wrap of a digit.
        Counts counts{}, turns{};
        for (int index = 0; index < size; ++index) {
            uint32_t& slot = preimage_[static_cast<size_t>(Pack(turns))];
            if (slot == kNone) slot = static_cast<uint32_t>(index);
            if (Pack(turns) == 0) kernel_.push_back(counts);
            for (int dial = 0; dial < kDials; ++dial) {
                const bool wraps = ++counts[dial] == modulus;
                const int times = wraps ? 1 - modulus : 1;
                if (wraps) counts[dial] = 0;
                for (int i = 0; i < kDials; ++i)
                    turns[i] = Mod(turns[i] + times * TurnTable[level - 1][dial][i]);
                if (!wraps) break;
            }
        }
    }

    // A count vector that turns the dials by `turns` (mod the part's modulus), or false.
    bool Particular(const Counts& turns, Counts& counts) const {
        Counts reduced;
        for (int i = 0; i < kDials; ++i) reduced[i] = Mod(turns[i]);
        uint32_t index = preimage_[static_cast<size_t>(Pack(reduced))];
        if (index == kNone) return false;
        for (int& count : counts) {
            count = static_cast<int>(index % static_cast<uint32_t>(modulus_));
            index /= static_cast<uint32_t>(modulus_);
        }
        return true;
    }
    const std::vector<Counts>& Kernel() const { return kernel_; }

private:
    static constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();
    int Mod(int value) const { return (value % modulus_ + modulus_) % modulus_; }
    // Digits in the same order as the odometer's, dial 0 the lowest.
    int Pack(const Counts& digits) const {
        int packed = 0;
        for (int i = kDials - 1; i >= 0; --i) packed = packed * modulus_ + digits[i];
        return packed;
    }

    int modulus_;
    std::vector<uint32_t> preimage_;
    std::vector<Counts> kernel_;
};

struct LevelTables {
    Residues three, four;
};

// Built at a level's first hint, by whichever thread asks first, and kept.
const LevelTables& Tables(int level) {
    static std::array<std::once_flag, kLevels> built;
    static std::array<std::unique_ptr<LevelTables>, kLevels> tables;
    std::call_once(built[level - 1], [level] {
        tables[level - 1] = std::make_unique<LevelTables>(LevelTables{Residues(level, 3), Residues(level, 4)});
    });
    return *tables[level - 1];
}

// The count in Z12 that is `three` mod 3 and `four` mod 4.
constexpr int Combine(int three, int four) { return (4 * three + 9 * four) % kDirections; }
// A count of c forward presses is as well 12 - c backward ones.
constexpr int Presses(int count) { return count <= kDirections / 2 ? count : kDirections - count; }

}  // namespace

std::optional<std::vector<Move>> Solve(const Position& position, int level,
                                       const std::atomic<bool>& cancelled) {
    const LevelTables& tables = Tables(level);
    Counts wanted, three, four;
    for (int i = 0; i < kDials; ++i) wanted[i] = kUpright - position.directions[i];
    if (!tables.three.Particular(wanted, three) || !tables.four.Particular(wanted, four))
        return std::nullopt;

    Counts best{};
    int bestPresses = std::numeric_limits<int>::max();
    for (const Counts& kernelThree : tables.three.Kernel())
        for (const Counts& kernelFour : tables.four.Kernel()) {
            Counts counts;
            int presses = 0;
            for (int j = 0; j < kDials; ++j) {
                counts[j] = Combine((three[j] + kernelThree[j]) % 3, (four[j] + kernelFour[j]) % 4);
                presses += Presses(counts[j]);
            }
            if (presses < bestPresses) bestPresses = presses, best = counts;
        }

    if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
    std::vector<Move> moves;
    for (int dial = 0; dial < kDials; ++dial) {
        const bool forward = best[dial] <= kDirections / 2;
        for (int press = 0; press < Presses(best[dial]); ++press)
            moves.push_back({static_cast<uint8_t>(level), static_cast<uint8_t>(dial), forward});
    }
    return moves;
}

}  // namespace spindora::zibbo
