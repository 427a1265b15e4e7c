#pragma once
// A way from a MURVO position to its solved state, searched on the rules alone.
#include <atomic>
#include <cstddef>
#include <optional>
#include <vector>

#include "rules/murvo/MurvoRules.h"

namespace spindora::murvo {

// The most level 1's exact search may hold at once in its tables and layers. Its deals need
// 5 MiB at the median and up to 56 MiB, but two in a thousand would need 78 to 80 MiB: those
// are solved by the beam search, and no hint raises the game's peak memory by more than
// 64 MiB.
inline constexpr size_t kExactSearchMemory = size_t{60} << 20;

// How a level 1 search went: the most its exact search held at once, and whether that search
// found the way or, short of memory, left it to the beam search.
struct SearchReport {
    size_t peakBytes = 0;
    bool exact = false;
};

// The moves from `position` to a solved board at `level`, in playing order; empty when the
// board is solved already. std::nullopt when `cancelled` was set before the search ended.
// A shortest solution at level 1 whenever its search fits in kExactSearchMemory, and
// otherwise, as at levels 2 to 10, a solution found by a beam search. Throws bad_alloc when
// the system refuses memory.
std::optional<std::vector<Move>> Solve(const Position& position, int level, const std::atomic<bool>& cancelled,
                                       SearchReport* report = nullptr);

}  // namespace spindora::murvo
