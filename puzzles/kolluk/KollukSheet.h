#pragma once
// Where b2.bmp keeps what KOLLUK draws. Both the puzzle and the painter of the sheet read
// this one header, so the two cannot disagree.
#include <QPoint>
#include <QRect>

namespace spindora::kolluk {

inline constexpr int kSheetWidth = 545;
inline constexpr int kSheetHeight = 496;
inline constexpr int kPlatformSize = 35;
inline constexpr int kBallSize = 23;
// A ball on a place sits this far inside the platform's corner.
inline constexpr int kBallInset = 6;

// The platform of place i in the colours of `level` (1 to 4): one row of thirteen a level.
constexpr QRect PlatformImage(int place, int level) {
    return {kPlatformSize * place, 333 + kPlatformSize * (level - 1), kPlatformSize, kPlatformSize};
}

// The ball of colour 1 to 13, black outside its shape, all in one row.
constexpr QRect BallImage(int colour) { return {kBallSize * (colour - 1), 473, kBallSize, kBallSize}; }
inline constexpr QRect kBallMask{299, 473, kBallSize, kBallSize};

// The level button as a whole picture, drawn over the board at kLevelPictureAt.
inline constexpr int kLevelPictureWidth = 45;
inline constexpr int kLevelPictureHeight = 50;
constexpr QRect LevelPicture(int level) {
    return {500, kLevelPictureHeight * (level - 1), kLevelPictureWidth, kLevelPictureHeight};
}
inline constexpr QPoint kLevelPictureAt{400, 160};

// Level button: the press area is exclusive on all four sides.
inline constexpr int kLevelLeft = 400, kLevelRight = 450, kLevelTop = 140, kLevelBottom = 210;
constexpr bool OnLevelButton(int x, int y) {
    return x > kLevelLeft && x < kLevelRight && y > kLevelTop && y < kLevelBottom;
}

inline constexpr QRect kRulesRect{320, 22, 160, 132};
inline constexpr QSize kRingAreaSize{152, 172};

}  // namespace spindora::kolluk
