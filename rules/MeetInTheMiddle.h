#pragma once
// A shortest way between two positions packed into 64-bit words, by breadth-first searches
// from both ends that meet in the middle. Standard C++ only, like the rules it searches, but
// for its memory (SearchMemory).
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "rules/RulesHash.h"
#include "rules/SearchMemory.h"

namespace spindora {

// A packed position keeps to the low 55 bits; the search sets bit 55, this one, so that no
// position is the empty slot 0, and keeps in the top byte the move that first reached it.
inline constexpr uint64_t kPresentBit = uint64_t{1} << 55;

// An open-addressing set of packed positions with their moves, kept between three eighths and
// three quarters full: eight bytes a slot, where a node-based set takes about forty a position.
// Its slots count against `limit`, when it has one; while it grows, the old ones count too.
class PackedTable {
public:
    static constexpr uint64_t kPositionMask = (uint64_t{1} << 56) - 1;

    explicit PackedTable(MemoryLimit* limit = nullptr) : limit_(limit), slots_(Zeroed(kFirstSize)), size_(kFirstSize) {}

    // The entry of `position`, or 0.
    uint64_t Find(uint64_t position) const {
        for (size_t at = Home(position);; at = (at + 1) & (size_ - 1)) {
            const uint64_t entry = slots_[at];
            if (entry == 0 || (entry & kPositionMask) == position) return entry;
        }
    }
    void Prefetch(uint64_t position) const { __builtin_prefetch(&slots_[Home(position)]); }
    // False when the entry's position is in already.
    bool Insert(uint64_t entry) {
        if (4 * (count_ + 1) > 3 * size_) Grow(nullptr);
        const uint64_t position = entry & kPositionMask;
        size_t at = Home(position);
        for (; slots_[at] != 0; at = (at + 1) & (size_ - 1))
            if ((slots_[at] & kPositionMask) == position) return false;
        slots_[at] = entry;
        ++count_;
        return true;
    }
    // Makes room for `more` entries. Moving millions of entries to a larger table takes tens
    // of milliseconds, so it watches `cancelled`; false when that was set, and the table is of
    // no more use.
    bool Reserve(size_t more, const std::atomic<bool>& cancelled) {
        while (4 * (count_ + more) > 3 * size_)
            if (!Grow(&cancelled)) return false;
        return true;
    }

private:
    static constexpr size_t kFirstSize = 1u << 12;
    struct Give {
        void operator()(uint64_t* slots) const { GiveBlock(slots, size * sizeof(uint64_t), limit); }
        MemoryLimit* limit;
        size_t size;
    };
    using Slots = std::unique_ptr<uint64_t[], Give>;
    // A table of millions of slots costs nothing until Grow, which watches for a cancel,
    // fills it.
    Slots Zeroed(size_t size) const {
        return Slots(static_cast<uint64_t*>(TakeBlock(size * sizeof(uint64_t), limit_)), Give{limit_, size});
    }

    size_t Home(uint64_t position) const { return SpreadBits(position) & (size_ - 1); }
    bool Grow(const std::atomic<bool>* cancelled) {
        const size_t oldSize = size_;
        Slots old = std::exchange(slots_, Zeroed(2 * size_));
        size_ *= 2;
        count_ = 0;
        for (size_t at = 0; at < oldSize; ++at) {
            if (cancelled && at % 65536 == 0 && cancelled->load(std::memory_order_relaxed)) return false;
            if (old[at] != 0) Insert(old[at]);
        }
        return true;
    }

    MemoryLimit* limit_;
    Slots slots_;
    size_t size_, count_ = 0;
};

// The moves, by index, that lead from `start` to `goal`: a shortest such list. Moves 2k and
// 2k + 1 undo each other; `apply(position, move)` gives the packed position after a move.
// std::nullopt when `cancelled` was set, which is looked at every few dozen positions, or
// when no way exists. The tables and layers count against `limit`, if given: OverMemoryLimit
// is thrown when they would not fit, and all they held is given back.
template <typename Apply>
std::optional<std::vector<int>> ShortestPath(uint64_t start, uint64_t goal, int moveCount, Apply apply,
                                             const std::atomic<bool>& cancelled, MemoryLimit* limit = nullptr) {
    constexpr int kMoveShift = 56;
    using Layer = std::vector<uint64_t, BlockAllocator<uint64_t>>;
    struct Side {
        explicit Side(MemoryLimit* limit) : table(limit), layer(BlockAllocator<uint64_t>(limit)), next(layer.get_allocator()) {}
        PackedTable table;
        Layer layer, next;
    };
    Side sides[2] = {Side(limit), Side(limit)};
    for (const int s : {0, 1}) {
        const uint64_t root = (s == 0 ? start : goal) | kPresentBit;
        sides[s].table.Insert(root);
        sides[s].layer.push_back(root);
    }
    // The moves from `from` back to the root of side `s`, as that side's table recorded them.
    const auto toRoot = [&](int s, uint64_t from) {
        std::vector<int> moves;
        for (uint64_t entry = sides[s].table.Find(from); entry >> kMoveShift != 0;) {
            const int back = static_cast<int>((entry >> kMoveShift) - 1) ^ 1;
            moves.push_back(back);
            entry = sides[s].table.Find(apply(entry & ~kPresentBit & PackedTable::kPositionMask, back) | kPresentBit);
        }
        return moves;
    };
    if (start == goal) return std::vector<int>{};

    std::vector<uint64_t> reached;
    for (;;) {
        // Growing the smaller layer keeps both tables small; a whole layer is grown at a time,
        // so the first position both sides hold lies on a shortest way.
        const int s = sides[0].layer.size() <= sides[1].layer.size() ? 0 : 1;
        Side& side = sides[s];
        const PackedTable& other = sides[1 - s].table;
        if (side.layer.empty()) return std::nullopt;
        side.next.clear();
        // The positions a batch of the layer reaches are asked for from memory together, as
        // most look-ups miss the cache once the tables outgrow it.
        constexpr size_t kBatch = 32;
        for (size_t first = 0; first < side.layer.size(); first += kBatch) {
            if (cancelled.load(std::memory_order_relaxed)) return std::nullopt;
            reached.clear();
            for (size_t i = first; i < std::min(first + kBatch, side.layer.size()); ++i) {
                const uint64_t entry = side.layer[i];
                const uint64_t position = entry & ~kPresentBit & PackedTable::kPositionMask;
                const int came = static_cast<int>(entry >> kMoveShift) - 1;
                for (int move = 0; move < moveCount; ++move) {
                    if (came >= 0 && move == (came ^ 1)) continue;
                    const uint64_t next = apply(position, move) | kPresentBit;
                    side.table.Prefetch(next);
                    other.Prefetch(next);
                    reached.push_back(next | static_cast<uint64_t>(move + 1) << kMoveShift);
                }
            }
            if (!side.table.Reserve(reached.size(), cancelled)) return std::nullopt;
            for (const uint64_t tagged : reached) {
                if (!side.table.Insert(tagged)) continue;
                const uint64_t position = tagged & PackedTable::kPositionMask;
                if (other.Find(position) == 0) {
                    side.next.push_back(tagged);
                    continue;
                }
                std::vector<int> way = toRoot(0, position);
                std::reverse(way.begin(), way.end());
                for (int& step : way) step ^= 1;
                const std::vector<int> rest = toRoot(1, position);
                way.insert(way.end(), rest.begin(), rest.end());
                return way;
            }
        }
        side.layer.swap(side.next);
        // The layer done with goes: kept, its room would count until the side's next turn.
        Layer(side.layer.get_allocator()).swap(side.next);
    }
}

// A move that carries the fields of `width` bits at the places of a cycle one place on
// along it, worked out once so that applying it is a few masks and shifts.
class PackedRoll {
public:
    PackedRoll() = default;
    PackedRoll(const int* cycle, int length, int width, bool forward) : length_(length) {
        const uint64_t field = (uint64_t{1} << width) - 1;
        for (int j = 0; j < length; ++j) {
            const int to = cycle[forward ? (j + 1) % length : (j + length - 1) % length];
            from_[j] = cycle[j] * width;
            shift_[j] = (to - cycle[j]) * width;
            keep_ &= ~(field << (cycle[j] * width));
        }
        field_ = field;
    }
    uint64_t operator()(uint64_t packed) const {
        uint64_t rolled = packed & keep_;
        for (int j = 0; j < length_; ++j) {
            const uint64_t moved = packed & field_ << from_[j];
            rolled |= shift_[j] >= 0 ? moved << shift_[j] : moved >> -shift_[j];
        }
        return rolled;
    }

private:
    int length_ = 0;
    int from_[6] = {}, shift_[6] = {};
    uint64_t keep_ = ~uint64_t{0}, field_ = 0;
};

}  // namespace spindora
