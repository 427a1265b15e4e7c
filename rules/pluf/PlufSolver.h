#pragma once
// A way from a PLUF position to its solved state, searched on the rules alone.
#include <atomic>
#include <optional>
#include <vector>

#include "rules/pluf/PlufRules.h"

namespace spindora::pluf {

// The moves from `position` to a solved board at `level`, in playing order; empty when the
// board is solved already. std::nullopt when `cancelled` was set before the search ended.
// Always a shortest solution. Also std::nullopt for a board no turns solve, which no deal
// makes.
std::optional<std::vector<Move>> Solve(const Position& position, int level,
                                       const std::atomic<bool>& cancelled);

}  // namespace spindora::pluf
