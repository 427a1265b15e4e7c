#pragma once
#include <QRect>

namespace spindora {

inline constexpr int kBoardWidth = 500;
inline constexpr int kBoardHeight = 333;
// The tool bar above the board, as wide as the board.
inline constexpr int kToolPanelHeight = 33;
inline constexpr int kOffScreenWidth = 666;
inline constexpr int kOffScreenHeight = 333;
inline constexpr QRect kBoardRect{0, 0, kBoardWidth, kBoardHeight};

}  // namespace spindora
