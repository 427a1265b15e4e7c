#pragma once
// Where b1.bmp keeps what ZIBBO draws. Both the puzzle and the painter of the sheet read
// this one header, so the two cannot disagree.
#include <QPoint>
#include <QRect>

#include "rules/zibbo/ZibboRules.h"

namespace spindora::zibbo {

inline constexpr int kSheetWidth = 812;
inline constexpr int kSheetHeight = 333;
inline constexpr int kPieceSize = 78;
inline constexpr int kGridOrigin = 40;
inline constexpr int kGridPitch = 90;

// Board position of ZIBBO k (row by row from the top left).
constexpr QPoint PiecePosition(int k) {
    return {kGridOrigin + kGridPitch * (k % 3), kGridOrigin + kGridPitch * (k / 3)};
}

// The image of a ZIBBO whose pointer shows direction v: three columns of four.
constexpr QRect DirectionImage(int v) {
    return {500 + kPieceSize * (v / 4), kPieceSize * (v % 4), kPieceSize, kPieceSize};
}

inline constexpr QRect kMaskRect{734, 0, kPieceSize, kPieceSize};

// Level button: the press area is exclusive on all four sides.
inline constexpr int kLevelLeft = 430, kLevelRight = 480, kLevelTop = 125, kLevelBottom = 175;
constexpr bool OnLevelButton(int x, int y) {
    return x > kLevelLeft && x < kLevelRight && y > kLevelTop && y < kLevelBottom;
}
inline constexpr int kLevelTextCentreX = 454;
inline constexpr int kLevelTextTop = 139;
// Arial 14 pt at 96 dots per inch.
inline constexpr int kLevelTextPixels = 19;

inline constexpr QRect kRulesRect{353, 187, 126, 126};

}  // namespace spindora::zibbo
