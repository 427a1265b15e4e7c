#include "shell/ClockWidget.h"

#include <QPainter>

#include "assets/DigitStrip.h"
#include "assets/Raster.h"
#include "shell/ClockCells.h"

namespace spindora {

inline constexpr int kClockWidth = 77;

QImage ComposeClock(const QImage& digitStrip, int32_t ticks) {
    QImage clock = MakeSurface(QSize(kClockWidth, kDigitCellHeight), SurfaceScale(digitStrip));
    const auto cells = ClockCells(ticks);
    for (int i = 0; i < kClockCells; ++i) {
        const QRect cell(cells[i] * kDigitCellWidth, 0, kDigitCellWidth, kDigitCellHeight);
        CopyRect(clock, QPoint(kClockPitch * i, 0), digitStrip, cell);
    }
    return clock;
}

ClockWidget::ClockWidget(QWidget* parent, const QImage& digitStrip)
    : QWidget(parent), strip_(digitStrip), image_(ComposeClock(digitStrip, 0)) {
    setFixedSize(kClockWidth, kDigitCellHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClockWidget::Draw(int32_t ticks) {
    ticks_ = ticks;
    image_ = ComposeClock(strip_, ticks);
    if (isVisible()) repaint();
}

void ClockWidget::SetZoomed(QSize size, const QImage& digitStrip) {
    setFixedSize(size);
    strip_ = digitStrip;
    image_ = ComposeClock(strip_, ticks_);
    update();
}

void ClockWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (size() != QSize(kClockWidth, kDigitCellHeight)) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(rect()), image_, QRectF(image_.rect()));
        return;
    }
    // Between two densities the clock is held at the next one up and scaled down here.
    if (devicePixelRatioF() < SurfaceScale(image_)) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, image_);
}

}  // namespace spindora
