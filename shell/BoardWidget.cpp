#include "shell/BoardWidget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"
#include "shell/MouseButtons.h"

namespace spindora {

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), image_(MakeSurface(kBoardRect.size(), SurfaceScaleFor(devicePixelRatioF()))) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kBoardWidth, kBoardHeight);
}

void BoardWidget::show(const QRect& rect) {
    if (batchDepth_ > 0) {
        pending_ += rect;
        return;
    }
    if (isVisible()) repaint(rect);
}

void BoardWidget::BeginBatch() { ++batchDepth_; }

void BoardWidget::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    const QRegion region = pending_;
    pending_ = QRegion();
    if (isVisible() && !region.isEmpty()) repaint(region);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const int scale = SurfaceScale(image_);
    // Between two densities the board is held at the next one up and scaled down here.
    if (devicePixelRatioF() != scale) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& rect : event->region())
        painter.drawImage(rect.topLeft(), image_, QRect(rect.topLeft() * scale, rect.size() * scale));
    if (paintOver) paintOver(painter);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::NoButton) return;
    const MouseButton button = ToMouseButton(event->button());
    const QPoint at = event->position().toPoint();
    if (onMouseDown) onMouseDown(at.x(), at.y(), button);
}

bool BoardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt ? hintAt(help->pos()) : QString();
        if (hint.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), hint, this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace spindora
