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
    if (isVisible()) repaint(ToWidget(rect));
}

void BoardWidget::BeginBatch() { ++batchDepth_; }

void BoardWidget::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    const QRegion region = pending_;
    pending_ = QRegion();
    if (!isVisible() || region.isEmpty()) return;
    if (!Zoomed()) {
        repaint(region);
        return;
    }
    QRegion shown;
    for (const QRect& rect : region) shown += ToWidget(rect);
    repaint(shown);
}

void BoardWidget::SetLayout(const ZoomLayout& layout, const QRect& design) {
    layout_ = layout;
    design_ = design;
    const QRect place = layout.Place(design);
    setFixedSize(place.size());
    move(place.topLeft());
    update();
}

QPoint BoardWidget::ToBoard(QPointF local) const {
    if (!Zoomed()) return local.toPoint();
    return layout_.DesignPoint(local + QPointF(pos())) - design_.topLeft();
}

QRect BoardWidget::ShownRect(const QRect& board) const {
    if (!Zoomed()) return board;
    const double sx = double(width()) / kBoardWidth, sy = double(height()) / kBoardHeight;
    return QRectF(board.x() * sx, board.y() * sy, board.width() * sx, board.height() * sy).toAlignedRect();
}

QRect BoardWidget::ToWidget(const QRect& board) const {
    if (!Zoomed()) return board;
    return ShownRect(board).adjusted(-1, -1, 1, 1).intersected(rect());
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (Zoomed()) {
        // The surface holds whole device pixels per board pixel; the widget shows it at the
        // zoom's own density, reduced (or, until a denser sheet is ready, enlarged) smoothly.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipRegion(event->region());
        painter.drawImage(QRectF(rect()), image_, QRectF(image_.rect()));
        painter.scale(double(width()) / kBoardWidth, double(height()) / kBoardHeight);
        if (paintOver) paintOver(painter);
        return;
    }
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
    const QPoint at = ToBoard(event->position());
    if (onMouseDown) onMouseDown(at.x(), at.y(), button);
}

bool BoardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt ? hintAt(ToBoard(help->pos())) : QString();
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
