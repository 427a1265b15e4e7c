#include "dialogs/DialogZoom.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QStyle>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "assets/EmbeddedAssets.h"
#include "assets/Raster.h"
#include "dialogs/DialogParts.h"

namespace spindora {
namespace {

int Zoomed(int length, double zoom) { return std::max(1, static_cast<int>(std::lround(length * zoom))); }

// One dialog background per density: every dialog shows the same picture.
const QImage& BackgroundAt(int scale) {
    static QImage held;
    if (held.isNull() || SurfaceScale(held) != scale) held = BitmapsAt(kDialogBackgroundItem, scale);
    return held;
}

}  // namespace

QFont ZoomedFont(QFont font, double zoom) {
    if (font.pixelSize() > 0) font.setPixelSize(Zoomed(font.pixelSize(), zoom));
    else font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

DialogZoom::DialogZoom(QWidget& dialog) : dialog_(dialog), size_(dialog.size()), font_(dialog.font()) {
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        Part part;
        part.widget = child;
        part.place = child->geometry();
        part.font = child->font();
        part.styleSheet = child->styleSheet();
        if (const auto* button = qobject_cast<QAbstractButton*>(child)) part.iconSize = button->iconSize();
        if (const auto* frame = qobject_cast<QFrame*>(child)) part.lineWidth = frame->lineWidth();
        if (const auto* label = qobject_cast<QLabel*>(child))
            part.fitsText = !label->text().isEmpty() && label->size() == label->sizeHint();
        parts_.push_back(part);
    }
}

bool DialogZoom::Set(double zoom) {
    if (zoom == zoom_) return false;
    zoom_ = zoom;
    Apply();
    return true;
}

void DialogZoom::Apply() {
    const double zoom = zoom_;
    dialog_.setFixedSize(Zoomed(size_.width(), zoom), Zoomed(size_.height(), zoom));
    dialog_.setFont(ZoomedFont(font_, zoom));
    const int art = ArtScale();
    for (const Part& part : parts_) {
        QWidget* widget = part.widget;
        if (!widget) continue;
        // Every child gets its font set: one styled by a style sheet no longer follows the
        // dialog's.
        widget->setFont(ZoomedFont(part.font, zoom));
        widget->setGeometry(Place(part.place));
        if (part.fitsText) widget->adjustSize();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setIconSize(QSize(Zoomed(part.iconSize.width(), zoom), Zoomed(part.iconSize.height(), zoom)));
            const QVariant glyph = button->property(kGlyphProperty);
            // At 1 the glyph the button was made with, for the screen's own density.
            if (glyph.isValid())
                button->setIcon(zoom == 1.0 ? GlyphIcon(Glyph(glyph.toInt()))
                                            : GlyphIcon(Glyph(glyph.toInt()), 0, art));
        }
        // The style draws a check box's box at its own size unless told another.
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            const int side = Zoomed(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box), zoom);
            box->setStyleSheet(zoom == 1.0 ? part.styleSheet
                                           : part.styleSheet + QStringLiteral(" QCheckBox::indicator { width: %1px;"
                                                                              " height: %1px; }").arg(side));
        }
        if (auto* frame = qobject_cast<QFrame*>(widget); frame && part.lineWidth > 0)
            frame->setLineWidth(std::max(part.lineWidth, static_cast<int>(part.lineWidth * zoom)));
    }
}

QRect DialogZoom::Place(const QRect& design) const { return ZoomedRect(design, zoom_); }

int DialogZoom::ArtScale() const { return ZoomSurfaceScale(zoom_, dialog_.devicePixelRatioF()); }

QPixmap DialogZoom::Picture(const QImage& dense, QSize design) const {
    const qreal ratio = dialog_.devicePixelRatioF();
    QImage fitted = dense.scaled(QSizeF(QSizeF(design) * zoom_ * ratio).toSize(), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(fitted);
}

void DialogZoom::PaintFace(QPainter& painter, const QImage& background,
                           std::initializer_list<QRect> frames) const {
    if (zoom_ == 1.0) {
        PaintDialogFace(painter, background, size_, frames);
        return;
    }
    const int scale = ArtScale();
    const QImage& face = BackgroundAt(scale);
    const int top = face.height() / scale - size_.height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), dialog_.size()), face,
                      QRect(QPoint(0, top) * scale, size_ * scale));
    const int line = std::max(1, static_cast<int>(zoom_));
    const auto outline = [&](const QRect& area) {
        painter.fillRect(area.x(), area.y(), area.width(), line, Qt::black);
        painter.fillRect(area.x(), area.bottom() - line + 1, area.width(), line, Qt::black);
        painter.fillRect(area.x(), area.y(), line, area.height(), Qt::black);
        painter.fillRect(area.right() - line + 1, area.y(), line, area.height(), Qt::black);
    };
    outline(dialog_.rect());
    for (const QRect& frame : frames) outline(Place(frame));
}

}  // namespace spindora
