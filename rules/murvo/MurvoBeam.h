#pragma once
// A way to MURVO's solved state found by a beam search: it keeps, depth after depth, the
// positions whose discs lie nearest to places that want them.
#include <atomic>
#include <optional>
#include <vector>

#include "rules/murvo/MurvoRules.h"

namespace spindora::murvo {

// As Solve, but with no promise of a shortest way; for any level. Also std::nullopt if the
// beam ever ran out of new positions, which no deal tried has done.
std::optional<std::vector<Move>> BeamSolve(const Position& position, int level, const std::atomic<bool>& cancelled);

}  // namespace spindora::murvo
