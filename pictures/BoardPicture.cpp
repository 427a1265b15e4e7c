#include "pictures/BoardPicture.h"

#include <cstdio>

#include "pictures/SheetCache.h"

namespace spindora {

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
    if (scale <= 1 || scale == kDenseFileScale)
        return DenseBoardPicture(path, oneToOne, scale, least, nullptr);
    QImage kept = ReadKeptSheet(KeptSheetPath(path, oneToOne, scale), least * scale);
    if (!kept.isNull()) kept.setDevicePixelRatio(scale);
    return kept;
}

}  // namespace spindora
