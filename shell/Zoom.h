#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>

#include "assets/Raster.h"
#include "puzzles/BoardGeometry.h"

namespace spindora {

// The window's content (tool bar, clock, board, rules area, level button) is the design's
// 500 x 366 scaled by one factor, `zoom`, and centred; what is left round it is wood.
inline constexpr QSize kDesignSize{kBoardWidth, kToolPanelHeight + kBoardHeight};
// The steps the zoom keys walk, in percent.
inline constexpr std::array<int, 7> kZoomSteps{100, 125, 150, 200, 250, 300, 400};

struct ZoomLayout {
    double zoom = 1.0;
    QPoint origin;  // the content's top-left corner in the window

    // Where a rectangle of the design lies in the window. Edges are rounded rather than
    // sizes, so rectangles that touch in the design touch at every zoom.
    QRect Place(const QRect& design) const;
    // The design pixel under a press at `window`: (x / zoom, y / zoom) from the content's
    // corner, each window pixel counted at its middle. At 100% exactly Qt's own rounding.
    QPoint DesignPoint(QPointF window) const;
    bool operator==(const ZoomLayout&) const = default;
};

// The largest zoom at the design's proportions that fits `area`, never below 100%, with the
// content centred on it.
ZoomLayout FitLayout(QSize area);

// The client size of a window at `zoom`.
QSize ZoomedSize(double zoom);

// The next step up (`direction` +1) or down (-1) from `zoom`, in percent, no further than the
// steps whose window fits `room`: `zoom` as it is when there is none that way.
double StepZoom(double zoom, int direction, QSize room);

// A kept zoom in percent as the next start takes it: at least 100%, and the largest step
// that `room` holds when it does not fit there itself.
double ZoomThatFits(int percent, QSize room);

// ZoomSurfaceScale, the density the board is painted for at a zoom, lives with the surfaces
// in assets/Raster.h: the dialogs paint for it too.

}  // namespace spindora
