#pragma once
// A way from a MURVO position to its solved state, searched on the rules alone.
#include <atomic>
#include <optional>
#include <vector>

#include "rules/murvo/MurvoRules.h"

namespace spindora::murvo {

// The moves from `position` to a solved board at `level`, in playing order; empty when the
// board is solved already. std::nullopt when `cancelled` was set before the search ended.
// A shortest solution at level 1; at levels 2 to 10 a solution found by a beam search.
std::optional<std::vector<Move>> Solve(const Position& position, int level,
                                       const std::atomic<bool>& cancelled);

}  // namespace spindora::murvo
