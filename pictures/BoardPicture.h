#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include "pictures/BoardPictureFile.h"

namespace spindora {

// Paints a puzzle's sheet at `scale` device pixels per board pixel.
using SheetPainter = QImage (*)(int scale);

// The board picture for a surface of `scale` device pixels per board pixel, given the
// checked 1:1 picture `oneToOne` of `path`: the dense file beside it, or the sheet painted
// by `paint` at scales that have no file. The dense file is a nicety: when it is missing
// or damaged, one line on standard error says so and why, and the 1:1 picture is scaled up.
QImage DenseBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least,
                         SheetPainter paint);

// The same picture where it can be had without painting (the 1:1 picture, the dense file
// beside it, or a sheet kept from an earlier run); null where it would have to be painted.
QImage ReadyBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least);

}  // namespace spindora
