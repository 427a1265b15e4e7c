#include "pictures/BoardPicture.h"

#include <QFileInfo>
#include <atomic>
#include <cstdio>

#include "assets/Raster.h"
#include "files/ForeignFile.h"
#include "pictures/SheetCache.h"

namespace spindora {
namespace {

// As large as Qt's own reader goes: a GiB of pixels.
constexpr QSize kLargestPicture(16384, 16384);

QImage KeptOrPaintedSheet(const QString& picturePath, const QImage& oneToOne, int scale,
                          QSize least, SheetPainter paint) {
    const QString path = KeptSheetPath(picturePath, oneToOne, scale);
    if (QImage kept = ReadKeptSheet(path, least * scale); !kept.isNull()) return kept;
    // Without a painter only a kept sheet will do.
    if (!paint) return {};
    QImage painted = ToRasterFormat(paint(scale));
    if (const QString why = KeepSheet(path, painted); !why.isEmpty()) {
        // Sheets are painted away from the window's thread as well.
        static std::atomic<bool> said = false;
        if (!said.exchange(true))
            std::fprintf(stderr, "spindora: cannot keep the painted board in %s: %s\n",
                         qPrintable(path), qPrintable(why));
    }
    return painted;
}

}  // namespace

BoardPictureLoad ReadBoardPicture(const QString& path, QSize least, QSize most) {
    return DecodeBoardBitmap(ReadForeignFile(path, FileKind::Picture), least, most);
}

QImage LoadBoardPicture(const QString& path, QSize least) {
    return ReadBoardPicture(path, least, kLargestPicture).picture;
}

void SayBoardPictureRefused(const QString& path, const QString& why) {
    // "cannot load" and the path: what install checks look for.
    std::fprintf(stderr, "spindora: cannot load %s: %s\n", qPrintable(path), qPrintable(why));
}

BoardPictureLoad ReadDensePicture(const QString& path, QSize least, QSize most) {
    return DecodeDensePng(ReadForeignFile(path, FileKind::Picture), least, most);
}

QImage ReadKeptSheet(const QString& path, QSize least) {
    if (!QFileInfo::exists(path)) return {};
    return ReadDensePicture(path, least, MostBoardPicture(least)).picture;
}

QImage DenseBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least,
                         SheetPainter paint) {
    if (scale <= 1) return oneToOne;
    if (scale != kDenseFileScale) {
        QImage painted = KeptOrPaintedSheet(path, oneToOne, scale, least, paint);
        painted.setDevicePixelRatio(scale);
        return painted;
    }
    const QString densePath = DenseFileName(path);
    const QSize denseLeast = least * scale;
    BoardPictureLoad dense = ReadDensePicture(densePath, denseLeast, MostBoardPicture(denseLeast));
    if (dense.picture.isNull()) {
        std::fprintf(stderr, "spindora: %s: %s; using %s scaled up\n", qPrintable(densePath),
                     qPrintable(dense.refusal), qPrintable(path));
        // Pixel for pixel, so the masks stay pure black and white.
        dense.picture = oneToOne.scaled(oneToOne.size() * scale, Qt::IgnoreAspectRatio,
                                        Qt::FastTransformation);
    }
    dense.picture.setDevicePixelRatio(scale);
    return dense.picture;
}

QImage ReadyBoardPicture(const QString& path, const QImage& oneToOne, int scale, QSize least) {
    return DenseBoardPicture(path, oneToOne, scale, least, nullptr);
}

}  // namespace spindora
