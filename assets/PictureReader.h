#pragma once
#include <QImage>
#include <QString>

namespace spindora {

// Decodes a picture whose format is known (BMP or PNG) with Qt's own reader. Left to guess,
// or even told the format but allowed to guess, Qt first loads every image plugin it has
// (GIF, ICO, JPEG and the JPEG library) to ask each whether it knows better: a third of a
// MiB and three library loads for pictures it reads itself. A null image when the bytes
// are no such picture. The format comes from the file name's suffix.
QImage ReadPicture(const QString& path);

}  // namespace spindora
