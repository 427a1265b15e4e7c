#include "assets/ButtonFace.h"

#include <QPainter>
#include <QPainterPath>
#include <utility>

#include "assets/PaintKit.h"

namespace spindora::paint {
namespace {

constexpr double kRadius = 4.5;
constexpr double kRim = 3.0;
const QColor kWalnut(58, 32, 10);

}  // namespace

void PaintButtonFace(QPainter& p, const QRectF& box, const ButtonLook& look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = box.adjusted(0.5, 0.5, -0.5, -0.5);

    // The rim catches the light from the top left; pressed in, it is lit from the other side.
    p.setPen(QPen(kWalnut, 1.0));
    p.setBrush(look.down ? Brass(QRectF(outer.bottomRight(), outer.topLeft())) : Brass(outer));
    p.drawRoundedRect(outer, kRadius, kRadius);

    const QRectF face = outer.adjusted(kRim, kRim, -kRim, -kRim);
    QColor top(255, 250, 228), bottom(238, 218, 166);
    if (look.hovered && look.enabled) {
        top = QColor(255, 253, 240);
        bottom = QColor(248, 232, 186);
    }
    if (look.down) std::swap(top, bottom);
    if (!look.enabled) {
        top = Mix(top, QColor(200, 196, 186), 0.6);
        bottom = Mix(bottom, QColor(180, 176, 166), 0.6);
    }
    QLinearGradient cream(face.topLeft(), face.bottomLeft());
    cream.setColorAt(0.0, top);
    cream.setColorAt(1.0, bottom);
    p.setPen(QPen(QColor(120, 78, 24), 0.8));
    p.setBrush(cream);
    p.drawRoundedRect(face, kRadius - 2.0, kRadius - 2.0);

    // Keyboard focus: a dotted walnut ring just inside the face, plain on any caption.
    if (look.focused) {
        QPen ring(kWalnut, 1.0, Qt::DotLine);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(2.0, 2.0, -2.0, -2.0), 1.5, 1.5);
    }
    p.restore();
}

QColor ButtonInk(bool enabled) { return enabled ? QColor(44, 24, 6) : QColor(128, 112, 90); }

}  // namespace spindora::paint
