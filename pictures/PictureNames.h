#pragma once
// Where each board picture lies: the 1:1 bitmap's path is given, the denser pictures' names
// are made from it. Nothing here reads a file.
#include <QImage>
#include <QString>

namespace spindora {

// The denser board pictures are the game's own, not the design's, and lie beside the
// program as PNG, which holds them in a sixth of a bitmap's bytes: only those for screens
// at twice the density, the common ones ("b1.bmp" has "b1@2x.png"). Those for denser
// screens would double the installed size; they are painted when such a screen first needs
// them and kept in the player's cache.
inline constexpr int kDenseFileScale = 2;
QString DenseFileName(const QString& path);

// Sheets painted while the game runs are kept between runs, for painting one takes a moment
// a player notices, at the start and at every switch to its puzzle. They lie as PNG under
// $XDG_CACHE_HOME/spindora (~/.cache/spindora), a folder for each version of the game,
// named by the board picture, the scale and a fingerprint of the checked 1:1 picture: a
// board drawn anew gets a new 1:1 picture, so an older sheet is never shown for it.
QString KeptSheetPath(const QString& picturePath, const QImage& oneToOne, int scale);

}  // namespace spindora
