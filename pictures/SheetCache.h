#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace spindora {

// Sheets painted while the game runs are kept between runs, for painting one takes a moment
// a player notices, at the start and at every switch to its puzzle. They lie as PNG under
// $XDG_CACHE_HOME/spindora (~/.cache/spindora), a folder for each version of the game,
// named by the board picture, the scale and a fingerprint of the checked 1:1 picture: a
// board drawn anew gets a new 1:1 picture, so an older sheet is never shown for it.
QString KeptSheetPath(const QString& picturePath, const QImage& oneToOne, int scale);

// The kept sheet at `path` as strictly read as the dense pictures beside the program (a
// sheet of at least `least` device pixels); null when there is none or it is refused.
QImage ReadKeptSheet(const QString& path, QSize least);

// Keeps `sheet` at `path`, written whole under another name and then renamed, so that no
// reader ever finds half a file; the older sheets of the same board and scale go. Why it
// could not, or nothing.
QString KeepSheet(const QString& path, const QImage& sheet);

// The sheet of `picturePath` at `scale`: the kept one, or else painted by `paint` and kept.
// A sheet that cannot be kept costs the game nothing but one line on standard error, once.
QImage KeptOrPaintedSheet(const QString& picturePath, const QImage& oneToOne, int scale,
                          QSize least, QImage (*paint)(int scale));

}  // namespace spindora
