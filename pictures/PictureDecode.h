#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Finding, reading and decoding the board pictures; nothing here paints or keeps one.
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

// Reads a board picture, refused unless it is a whole bitmap of at least `least` and at
// most `most` pixels. The declared size is checked before anything is decoded.
BoardPictureLoad ReadBoardPicture(const QString& path, QSize least, QSize most);

// The largest picture worth decoding for a board of `least`: room for a denser picture, yet
// a few bytes that declare a giant one cannot take the memory.
inline QSize MostBoardPicture(QSize least) { return least * 4; }

// As ReadBoardPicture, without the reason, up to the largest picture any board could use.
QImage LoadBoardPicture(const QString& path, QSize least);

// One line on standard error: the required picture `path` cannot be loaded, and why.
void SayBoardPictureRefused(const QString& path, const QString& why);

// The denser board pictures are the game's own, not the design's, and lie beside the
// program as PNG, which holds them in a sixth of a bitmap's bytes: only those for screens
// at twice the density, the common ones ("b1.bmp" has "b1@2x.png"). Those for denser
// screens would double the installed size; they are painted when such a screen first needs
// them and kept in the player's cache (pictures/SheetCache.h).
inline constexpr int kDenseFileScale = 2;
QString DenseFileName(const QString& path);

// Reads a dense picture as ReadBoardPicture reads a bitmap, its declared size checked
// before anything is decoded.
BoardPictureLoad ReadDensePicture(const QString& path, QSize least, QSize most);

}  // namespace spindora
