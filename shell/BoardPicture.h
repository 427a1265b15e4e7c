#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace spindora {

// True when `bmp` is a Windows bitmap whose pixel data is all there: the image reader
// fills the rows of a file cut short and calls that success, so the header's promise is
// checked against the bytes themselves (width, height, depth, row padding and offset).
bool HoldsWholeBitmap(const QByteArray& bmp);

// Reads a board picture; a null image unless the file is a whole bitmap at least `least`
// in size. The result is in the raster copies' format.
QImage LoadBoardPicture(const QString& path, QSize least);

// The board picture for a surface of `scale` device pixels per board pixel, given the
// checked 1:1 picture `oneToOne` of `path`. The denser file is a nicety: when it is missing
// or damaged, one line on standard error says so and the 1:1 picture is scaled up.
QImage DenseBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least);

}  // namespace spindora
