#include "assets/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace spindora {

void CopyRect(QImage& dest, QPoint at, const QImage& src, const QRect& from, RasterOp op) {
    Q_ASSERT(dest.format() == QImage::Format_RGB32 && src.format() == QImage::Format_RGB32);
    Q_ASSERT(SurfaceScale(dest) == SurfaceScale(src));
    const int scale = SurfaceScale(src);
    const QRect scaledFrom(from.topLeft() * scale, from.size() * scale);
    QRect source = scaledFrom.intersected(src.rect());
    QPoint target = at * scale + (source.topLeft() - scaledFrom.topLeft());
    QRect destRect = QRect(target, source.size()).intersected(dest.rect());
    if (destRect.isEmpty()) return;
    source = QRect(source.topLeft() + (destRect.topLeft() - target), destRect.size());

    const int width = destRect.width();
    for (int row = 0; row < destRect.height(); ++row) {
        const auto* in = reinterpret_cast<const quint32*>(src.constScanLine(source.top() + row)) +
                         source.left();
        auto* out = reinterpret_cast<quint32*>(dest.scanLine(destRect.top() + row)) +
                    destRect.left();
        switch (op) {
        case RasterOp::Copy:
            std::memmove(out, in, sizeof(quint32) * static_cast<size_t>(width));
            break;
        case RasterOp::And:
            for (int i = 0; i < width; ++i) out[i] &= in[i] | 0xFF000000u;
            break;
        case RasterOp::Or:
            for (int i = 0; i < width; ++i) out[i] |= in[i];
            break;
        }
    }
}

QImage ToRasterFormat(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

int SurfaceScale(const QImage& surface) {
    return std::max(1, static_cast<int>(surface.devicePixelRatio() + 0.5));
}

int SurfaceScaleFor(double ratio) {
    // A ratio a rounding error above a whole number is that number.
    const int scale = static_cast<int>(std::ceil(ratio - 1e-3));
    return std::clamp(scale, 1, kMostSurfaceScale);
}

int ZoomSurfaceScale(double zoom, double ratio) {
    // A product a rounding error above a whole number is that number.
    const int scale = static_cast<int>(std::ceil(zoom * ratio - 1e-3));
    return std::max(SurfaceScaleFor(ratio), std::clamp(scale, 1, kMostZoomScale));
}

QSize ZoomedSize(QSize design, double zoom) {
    return {static_cast<int>(std::lround(design.width() * zoom)), static_cast<int>(std::lround(design.height() * zoom))};
}

QRect ZoomedRect(const QRect& design, double zoom) {
    const auto at = [zoom](int v) { return static_cast<int>(std::lround(v * zoom)); };
    const QPoint topLeft(at(design.left()), at(design.top()));
    const QPoint end(at(design.left() + design.width()), at(design.top() + design.height()));
    return QRect(topLeft, QPoint(end.x() - 1, end.y() - 1));
}

QImage MakeSurface(QSize logical, int scale) {
    QImage surface(logical * scale, QImage::Format_RGB32);
    if (surface.isNull()) return surface;
    surface.setDevicePixelRatio(scale);
    surface.fill(Qt::black);
    return surface;
}

}  // namespace spindora
