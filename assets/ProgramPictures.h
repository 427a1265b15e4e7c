#pragma once
#include <QImage>

namespace spindora {

inline constexpr int kSplashWidth = 200;
inline constexpr int kSplashHeight = 150;
inline constexpr int kAboutWidth = 100;
inline constexpr int kAboutHeight = 75;

// The splash: "SPINDORA" in gold on the walnut board finish, the spinning-top logo among
// the four puzzles' marks, and a line of small print at the lower right. Format_RGB32.
// At `scale` the same picture comes with that many pixels to each of its own.
QImage PaintSplashPicture(int scale = 1);

// The about box's maker logo: Brizzel's head drawn large on a cream plaque over walnut,
// with the maker's name under it. Format_RGB32.
QImage PaintAboutPicture(int scale = 1);

}  // namespace spindora
