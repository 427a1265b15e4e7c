#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace spindora {

// Decodes a picture whose format is known (BMP or PNG) with Qt's own reader. Left to guess,
// or even told the format but allowed to guess, Qt first loads every image plugin it has
// (GIF, ICO, JPEG and the JPEG library) to ask each whether it knows better: a third of a
// MiB and three library loads for pictures it reads itself. A null image when the bytes
// are no such picture. The format comes from the file name's suffix.
QImage ReadPicture(const QString& path);

// A picture decoded from bytes already read, or why there is none.
struct DecodedPicture {
    QImage picture;
    QString fault;  // e.g. "too large (declared 5700 x 5600)"
};

// Decodes `bytes` as `format` in the same way, once `judgeSize` has passed the size the
// picture declares (it returns why it refuses one, or nothing): a few bytes that promise
// a giant picture are refused before anything is decoded.
DecodedPicture DecodePicture(const QByteArray& bytes, const char* format,
                             const std::function<QString(QSize)>& judgeSize);

}  // namespace spindora
