#include "puzzles/murvo/DiscArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "assets/PaintKit.h"

namespace spindora::murvo {
namespace {

using paint::Circle;
using paint::Polygon;

struct RowLook {
    QColor colour;
    // The symbol outline within a unit circle, pointing up.
    QPainterPath (*symbol)();
};

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

// Six colours far apart on the wheel, and for each a shape of its own, so a player who
// cannot tell two colours apart still reads the symbol.
const RowLook kRows[6] = {
    {QColor(214, 36, 36), Triangle}, {QColor(242, 196, 24), Star},
    {QColor(40, 160, 58), Plus},     {QColor(26, 172, 196), Ring},
    {QColor(44, 84, 214), Crescent}, {QColor(156, 58, 196), Square},
};

const QColor kIvory(252, 244, 222);
const QColor kInk(26, 18, 30);

}  // namespace

void PaintDiscArt(QPainter& p, QPointF c, double r, int row, int variant) {
    const RowLook& look = kRows[row];
    const bool small = r < 8;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // A domed token lit from the top left, with a dark edge to stand off the cloth.
    p.setBrush(look.colour.darker(330));
    p.drawEllipse(c, r, r);
    const double body = r - (small ? 0.7 : 1.0);
    p.setBrush(paint::Sphere(c, body * 1.05, look.colour));
    p.drawEllipse(c, body, body);

    // The face: full colour, or an inlay of ivory or of night inside a coloured rim.
    double symbolRadius = 0.56 * r;
    QColor symbolFill = kIvory;
    if (variant > 0) {
        const double inlay = 0.68 * r;
        p.setBrush(look.colour.darker(260));
        p.drawEllipse(c, inlay + (small ? 0.5 : 0.9), inlay + (small ? 0.5 : 0.9));
        QRadialGradient field(c + QPointF(-0.3 * inlay, -0.35 * inlay), 1.3 * inlay);
        if (variant == 1) {
            field.setColorAt(0.0, QColor(255, 255, 250));
            field.setColorAt(1.0, QColor(214, 200, 170));
        } else {
            field.setColorAt(0.0, QColor(70, 66, 84));
            field.setColorAt(1.0, QColor(8, 6, 14));
        }
        p.setBrush(field);
        p.drawEllipse(c, inlay, inlay);
        symbolRadius = 0.5 * r;
        symbolFill = variant == 1 ? look.colour.darker(115) : look.colour.lighter(125);
    }

    QTransform place;
    place.translate(c.x(), c.y() + (row == 0 ? 0.08 * symbolRadius : 0.0));
    place.scale(symbolRadius, symbolRadius);
    const QPainterPath symbol = place.map(look.symbol());
    const QColor edge = variant == 1 ? look.colour.darker(250) : kInk;
    if (small) {
        p.setBrush(symbolFill);
        p.setPen(variant == 0 ? QPen(QColor(20, 12, 24, 230), 0.8) : Qt::NoPen);
        p.drawPath(symbol);
    } else {
        paint::FillOutlined(p, symbol, symbolFill, edge, variant == 0 ? 1.3 : 0.9);
    }

    // Gloss over the top left of the whole disc.
    QPainterPath gloss;
    gloss.addEllipse(QRectF(c.x() - 0.82 * r, c.y() - 0.88 * r, 1.2 * r, 0.8 * r));
    QLinearGradient shine(c + QPointF(-0.4 * r, -0.9 * r), c + QPointF(-0.1 * r, -0.1 * r));
    shine.setColorAt(0.0, QColor(255, 255, 255, small ? 110 : 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(gloss.intersected(Circle(c, body - 0.5)));
    p.restore();
}

QImage DiscSprite(int size, int row, int variant) {
    return paint::RoundSprite(size, size / 2.0, [=](QPainter& p) {
        PaintDiscArt(p, QPointF(size / 2.0, size / 2.0), size / 2.0, row, variant);
    });
}

QImage DiscMaskSprite(int size) { return paint::RoundMask(size, size / 2.0); }

}  // namespace spindora::murvo
