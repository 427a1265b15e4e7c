#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>

namespace spindora {

// The three block transfers that every sprite is drawn with. Both images must be
// Format_RGB32; the source rectangle is clipped to both images.
enum class RasterOp { Copy, And, Or };

void CopyRect(QImage& dest, QPoint at, const QImage& src, const QRect& from,
              RasterOp op = RasterOp::Copy);

// Converts any loaded picture to the one format the raster copies work on.
QImage ToRasterFormat(const QImage& image);

}  // namespace spindora
