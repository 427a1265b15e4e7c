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

}  // namespace spindora
