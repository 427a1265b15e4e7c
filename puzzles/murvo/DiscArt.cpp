#include "puzzles/murvo/DiscArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "assets/PaintKit.h"

namespace spindora::murvo {
namespace {

using paint::Circle;
using paint::Polygon;

QPainterPath Triangle() { return Polygon({{0, -1.0}, {0.95, 0.72}, {-0.95, 0.72}}); }

QPainterPath Star() {
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? 1.08 : 0.46;
        const QPointF corner = paint::PointOnCircle({0, 0}, r, paint::Radians(-90.0 + 36.0 * k));
        if (k == 0) star.moveTo(corner);
        else star.lineTo(corner);
    }
    star.closeSubpath();
    return star;
}

QPainterPath Plus() {
    QPainterPath across, down;
    across.addRect(QRectF(-0.95, -0.33, 1.9, 0.66));
    down.addRect(QRectF(-0.33, -0.95, 0.66, 1.9));
    return across.united(down);
}

QPainterPath Ring() { return Circle({0, 0}, 0.92).subtracted(Circle({0, 0}, 0.42)); }

QPainterPath Crescent() {
    return Circle({0, 0}, 0.95).subtracted(Circle({0.48, -0.22}, 0.78));
}

QPainterPath Square() {
    QPainterPath square;
    square.addRect(QRectF(-0.74, -0.74, 1.48, 1.48));
    return square;
}

struct RowLook {
    // The body of variants 0, 1 and 2: middle, light and deep. The three differ in
    // lightness as much as any two colours of the set, so even at half size they are three
    // pieces, not one.
    QRgb tones[kVariants];
    // The symbol outline within a unit circle, pointing up.
    QPainterPath (*symbol)();
    paint::ShapeFamily family;
};

// Six hues, each in three tones, all eighteen far apart for the eye; and for each hue a
// symbol of its own family, so a player who cannot tell two hues apart still reads it.
const RowLook kLooks[kRows] = {
    {{qRgb(255, 102, 101), qRgb(255, 203, 198), qRgb(168, 1, 36)}, Triangle, paint::ShapeFamily::Triangle},
    {{qRgb(185, 148, 1), qRgb(255, 210, 77), qRgb(101, 80, 1)}, Star, paint::ShapeFamily::Star},
    {{qRgb(50, 174, 70), qRgb(123, 240, 130), qRgb(0, 96, 27)}, Plus, paint::ShapeFamily::Cross},
    {{qRgb(6, 170, 168), qRgb(3, 239, 237), qRgb(0, 92, 92)}, Ring, paint::ShapeFamily::Ring},
    {{qRgb(58, 155, 254), qRgb(197, 216, 254), qRgb(7, 84, 146)}, Crescent, paint::ShapeFamily::Crescent},
    {{qRgb(227, 106, 216), qRgb(255, 197, 247), qRgb(146, 21, 139)}, Square, paint::ShapeFamily::Square},
};

const QColor kIvory(255, 250, 236);
const QColor kInk(22, 14, 26);

int Luma(const QColor& c) { return (77 * c.red() + 150 * c.green() + 29 * c.blue()) >> 8; }

}  // namespace

QColor DiscColour(int row, int variant) { return QColor::fromRgb(kLooks[row].tones[variant]); }

paint::ShapeFamily DiscFamily(int row) { return kLooks[row].family; }

void PaintDiscArt(QPainter& p, QPointF c, double r, int row, int variant) {
    const RowLook& look = kLooks[row];
    const QColor body = DiscColour(row, variant);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // A domed token lit from the top left, with a dark edge to stand off the cloth.
    const double edge = std::max(0.7, 0.07 * r);
    p.setBrush(body.darker(variant == 2 ? 220 : 300));
    p.drawEllipse(c, r, r);
    const double inner = r - edge;
    p.setBrush(paint::Sphere(c, inner * 1.05, body));
    p.drawEllipse(c, inner, inner);

    // Each variant has a pattern of its own besides its tone: the middle tone carries a
    // light symbol, the light tone a dark one, and the deep tone a light symbol inside a
    // light ring along the rim, where it leaves the symbol its room.
    const QColor ink = Luma(body) > 160 ? kInk : kIvory;
    double symbolRadius = 0.76 * inner;
    if (variant == 2) {
        const double line = std::max(0.9, 0.09 * r);
        const double at = inner - line / 2 - std::max(0.35, 0.05 * r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, line));
        p.drawEllipse(c, at, at);
        p.setPen(Qt::NoPen);
        symbolRadius = std::min(symbolRadius, at - line / 2 - std::max(0.5, 0.06 * r));
    }

    QTransform place;
    place.translate(c.x(), c.y() + (row == 0 ? 0.1 * symbolRadius : 0.0));
    place.scale(symbolRadius, symbolRadius);
    const QPainterPath symbol = place.map(look.symbol());
    if (r < 8) {
        p.setBrush(ink);
        p.drawPath(symbol);
    } else {
        paint::FillOutlined(p, symbol, ink, ink == kInk ? kInk : body.darker(250), 0.8);
    }

    // Gloss over the top left of the whole disc.
    QPainterPath gloss;
    gloss.addEllipse(QRectF(c.x() - 0.82 * r, c.y() - 0.88 * r, 1.2 * r, 0.8 * r));
    QLinearGradient shine(c + QPointF(-0.4 * r, -0.9 * r), c + QPointF(-0.1 * r, -0.1 * r));
    shine.setColorAt(0.0, QColor(255, 255, 255, r < 8 ? 70 : 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(gloss.intersected(Circle(c, inner - 0.5)));
    p.restore();
}

QImage DiscSprite(int size, int row, int variant) {
    return paint::RoundSprite(size, size / 2.0, [=](QPainter& p) {
        PaintDiscArt(p, QPointF(size / 2.0, size / 2.0), size / 2.0, row, variant);
    });
}

QImage DiscMaskSprite(int size) { return paint::RoundMask(size, size / 2.0); }

}  // namespace spindora::murvo
