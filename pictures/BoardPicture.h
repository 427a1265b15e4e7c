#pragma once
// A board picture from its path, one way: find the file (PictureNames), read it
// (files/ForeignFile), decode it (PictureDecode), and keep what was painted (SheetCache).
#include <QImage>
#include <QSize>
#include <QString>

#include "pictures/PictureDecode.h"
#include "pictures/PictureNames.h"

namespace spindora {

// Reads a board picture, refused unless it is a whole bitmap of at least `least` and at
// most `most` pixels.
BoardPictureLoad ReadBoardPicture(const QString& path, QSize least, QSize most);

// As ReadBoardPicture, without the reason, up to the largest picture any board could use.
QImage LoadBoardPicture(const QString& path, QSize least);

// One line on standard error: the required picture `path` cannot be loaded, and why.
void SayBoardPictureRefused(const QString& path, const QString& why);

// Reads a dense picture as ReadBoardPicture reads a bitmap.
BoardPictureLoad ReadDensePicture(const QString& path, QSize least, QSize most);

// The kept sheet at `path` as strictly read as the dense pictures beside the program (a
// sheet of at least `least` device pixels); null when there is none or it is refused.
QImage ReadKeptSheet(const QString& path, QSize least);

// Paints a puzzle's sheet at `scale` device pixels per board pixel.
using SheetPainter = QImage (*)(int scale);

// The board picture for a surface of `scale` device pixels per board pixel, given the
// checked 1:1 picture `oneToOne` of `path`: the dense file beside it, or at scales that
// have no file the sheet kept in the cache, or else painted by `paint` and kept. The dense
// file is a nicety: when it is missing or damaged, one line on standard error says so and
// why, and the 1:1 picture is scaled up. A sheet that cannot be kept costs the game nothing
// but one line on standard error, once.
QImage DenseBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least,
                         SheetPainter paint);

// The same picture where it can be had without painting (the 1:1 picture, the dense file
// beside it, or a sheet kept from an earlier run); null where it would have to be painted.
QImage ReadyBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least);

}  // namespace spindora
