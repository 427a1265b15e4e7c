#pragma once
// Decoding a board picture from the bytes read for it, every promise of its header checked
// against those bytes; nothing here finds, reads, paints or keeps a file.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "files/ForeignFile.h"

namespace spindora {

// True when `bmp` is a Windows or OS/2 bitmap the board pictures can be read from, with all
// its pixel data there: an image reader would fill the rows of a file cut short and call
// that success, so the header's promise is checked against the bytes themselves.
bool HoldsWholeBitmap(const QByteArray& bmp);

// A board picture as read, or why there is none.
struct BoardPictureLoad {
    QImage picture;   // in the raster copies' format; null when refused
    QString refusal;  // e.g. "missing", "cut short", "too large (declared 5700 x 5600)"
};

// The largest picture worth decoding for a board of `least`: room for a denser picture, yet
// a few bytes that declare a giant one cannot take the memory.
inline QSize MostBoardPicture(QSize least) { return least * 4; }

// The bitmap in `file`, refused unless the file was read whole and is a whole bitmap of at
// least `least` and at most `most` pixels. The declared size is checked before anything is
// decoded.
BoardPictureLoad DecodeBoardBitmap(const ForeignBytes& file, QSize least, QSize most);

// The PNG in `file`, checked as strictly, in the raster copies' format.
BoardPictureLoad DecodeDensePng(const ForeignBytes& file, QSize least, QSize most);

}  // namespace spindora
