#pragma once
#include <cstddef>
#include <cstdint>

namespace spindora {

// The last step of SplitMix64: a packed position's bits spread over the whole word, so
// positions that differ in one piece land far apart in a hash table.
constexpr uint64_t SpreadBits(uint64_t x) {
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The hash of a board whose pieces each fit four bits (0 to 15): packed first piece
// highest, sixteen pieces at most, so the packing alone tells boards apart.
template <typename Pieces>
constexpr uint64_t HashFourBitPieces(const Pieces& pieces) {
    uint64_t packed = 0;
    for (const int piece : pieces) packed = packed << 4 | static_cast<uint64_t>(piece & 15);
    return SpreadBits(packed);
}

// What std::hash of a puzzle's position derives from: the Hash that the position's own
// namespace offers.
template <typename Position>
struct HashByRules {
    size_t operator()(const Position& position) const noexcept { return Hash(position); }
};

}  // namespace spindora
