#pragma once
// A way from a ZIBBO position to its solved state, searched on the rules alone.
#include <atomic>
#include <optional>
#include <vector>

#include "rules/zibbo/ZibboRules.h"

namespace spindora::zibbo {

// The moves from `position` to a solved board at `level`, in playing order; empty when the
// board is solved already. std::nullopt when `cancelled` was set before the search ended.
// Always a shortest solution. Also std::nullopt for a board no presses of the level solve,
// which no deal of that level makes.
std::optional<std::vector<Move>> Solve(const Position& position, int level,
                                       const std::atomic<bool>& cancelled);

}  // namespace spindora::zibbo
