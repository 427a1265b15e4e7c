#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace spindora {

// The three block transfers that every sprite is drawn with. Both images must be
// Format_RGB32; the source rectangle is clipped to both images.
enum class RasterOp { Copy, And, Or };

// Rectangles and points are in logical (board) pixels; a surface that holds more device
// pixels per logical pixel says so through its device pixel ratio, and both images of one
// copy hold the same number.
void CopyRect(QImage& dest, QPoint at, const QImage& src, const QRect& from,
              RasterOp op = RasterOp::Copy);

// Converts any loaded picture to the one format the raster copies work on.
QImage ToRasterFormat(const QImage& image);

// Device pixels per logical pixel of a surface: always whole, so every logical rectangle
// covers whole device pixels and copies stay exact.
int SurfaceScale(const QImage& surface);

// The surface scale for a screen of `ratio` device pixels per logical pixel: the nearest
// whole number at or above it, up to the densest pictures there are (3); the screen
// shows anything in between by scaling down smoothly.
int SurfaceScaleFor(double ratio);
inline constexpr int kMostSurfaceScale = 3;

// Device pixels per design pixel of the pictures painted for a zoomed window or dialog at
// `zoom` on a screen of `ratio`: the next whole number at or above, capped at kMostZoomScale
// so that a full screen of 3840 x 2160 stays within its memory; the screen shows any factor
// in between by reducing the picture as it paints. Never below what the screen gets at 100%.
inline constexpr int kMostZoomScale = 4;
int ZoomSurfaceScale(double zoom, double ratio);

// A design rectangle at `zoom`. Edges are rounded rather than sizes, so rectangles that
// touch in the design touch at every zoom.
QRect ZoomedRect(const QRect& design, double zoom);
// Each side multiplied by `zoom`, rounded to the nearest pixel.
QSize ZoomedSize(QSize design, double zoom);

// A black surface of `logical` size holding `scale` device pixels per logical pixel.
QImage MakeSurface(QSize logical, int scale);

}  // namespace spindora
