#pragma once

namespace spindora::zibbo {

// TurnTable[level-1][pressed][affected]: twelfth turns that a forward press adds.
extern const signed char TurnTable[9][9][9];

}  // namespace spindora::zibbo
