#include "shell/Zoom.h"

#include <algorithm>
#include <cmath>

#include "assets/Raster.h"

namespace spindora {

QRect ZoomLayout::Place(const QRect& design) const {
    return ZoomedRect(design, zoom).translated(origin);
}

QPoint ZoomLayout::DesignPoint(QPointF window) const {
    const QPointF local = window - QPointF(origin);
    return {static_cast<int>(std::floor((local.x() + 0.5) / zoom)),
            static_cast<int>(std::floor((local.y() + 0.5) / zoom))};
}

ZoomLayout FitLayout(QSize area) {
    ZoomLayout layout;
    layout.zoom = std::max(1.0, std::min(double(area.width()) / kDesignSize.width(),
                                         double(area.height()) / kDesignSize.height()));
    const QSize content = ZoomedSize(layout.zoom);
    // A window the window manager made smaller than the content shows its top-left part.
    layout.origin = QPoint(std::max(0, (area.width() - content.width()) / 2),
                           std::max(0, (area.height() - content.height()) / 2));
    return layout;
}

QSize ZoomedSize(double zoom) { return ZoomedSize(kDesignSize, zoom); }

namespace {

bool Fits(int percent, QSize room) {
    const QSize size = ZoomedSize(percent / 100.0);
    return size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

double StepZoom(double zoom, int direction, QSize room) {
    const double percent = zoom * 100.0;
    if (direction > 0) {
        for (const int step : kZoomSteps)
            if (step > percent + 0.5) return Fits(step, room) ? step / 100.0 : zoom;
        return zoom;
    }
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step)
        if (*step < percent - 0.5) return *step / 100.0;
    return zoom;
}

double ZoomThatFits(int percent, QSize room) {
    const int wanted = std::max(percent, kZoomSteps.front());
    if (Fits(wanted, room)) return wanted / 100.0;
    int best = kZoomSteps.front();
    for (const int step : kZoomSteps)
        if (step < wanted && Fits(step, room)) best = step;
    return best / 100.0;
}


}  // namespace spindora
