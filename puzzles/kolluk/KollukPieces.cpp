#include "puzzles/kolluk/KollukPieces.h"

#include <QPainter>
#include <QTransform>

#include "assets/PaintKit.h"
#include "puzzles/kolluk/KollukSheet.h"
#include "puzzles/kolluk/KollukTables.h"

namespace spindora::kolluk {
namespace {

using paint::Circle;
using paint::Diagonal;
using paint::DropShadow;
using paint::Polygon;
using paint::Sphere;

// Hues far apart, and light and dark ones mixed, so that even neighbours in the list
// differ in brightness as well as hue. The first three and the twelfth make level 1.
constexpr QRgb kPalette[kColours] = {
    qRgb(222, 34, 34),   // 1 red
    qRgb(34, 86, 222),   // 2 blue
    qRgb(252, 214, 30),  // 3 yellow
    qRgb(24, 150, 60),   // 4 green
    qRgb(252, 132, 20),  // 5 orange
    qRgb(132, 54, 190),  // 6 purple
    qRgb(60, 206, 236),  // 7 sky
    qRgb(250, 120, 190), // 8 pink
    qRgb(128, 76, 36),   // 9 brown
    qRgb(172, 230, 40),  // 10 lime
    qRgb(150, 154, 166), // 11 silver
    qRgb(244, 240, 228), // 12 white
    qRgb(44, 44, 52),    // 13 black
};

int Luma(const QColor& c) { return (77 * c.red() + 150 * c.green() + 29 * c.blue()) >> 8; }

// Marks in a unit box from -1 to 1, y downward.
QPainterPath UnitMark(int colour) {
    QPainterPath path;
    switch (colour) {
    case 1: return Circle({0, 0}, 0.52);
    case 2: path.addRect(QRectF(-0.7, -0.7, 1.4, 1.4)); return path;
    case 3: return Polygon({{0, -0.95}, {1.0, 0.8}, {-1.0, 0.8}});
    case 4: return Polygon({{0, -1.05}, {0.85, 0}, {0, 1.05}, {-0.85, 0}});
    case 5:
    case 6: {
        path.addRect(QRectF(-0.27, -1.0, 0.54, 2.0));
        path.addRect(QRectF(-1.0, -0.27, 2.0, 0.54));
        path.setFillRule(Qt::WindingFill);
        path = path.simplified();
        if (colour == 6) path = QTransform().rotate(45).scale(1.12, 1.12).map(path);
        return path;
    }
    case 7: {
        QPolygonF star;
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 == 0 ? 1.08 : 0.46;
            star << paint::PointOnCircle({0, 0.08}, r, paint::Radians(-90.0 + 36.0 * k));
        }
        path.addPolygon(star);
        path.closeSubpath();
        return path;
    }
    case 8:
        path.moveTo(0, 0.95);
        path.cubicTo(-0.35, 0.6, -1.0, 0.2, -1.0, -0.32);
        path.cubicTo(-1.0, -0.85, -0.32, -1.05, 0, -0.5);
        path.cubicTo(0.32, -1.05, 1.0, -0.85, 1.0, -0.32);
        path.cubicTo(1.0, 0.2, 0.35, 0.6, 0, 0.95);
        return path;
    case 9: {
        path = Circle({0, -0.52}, 0.42).united(Circle({-0.58, 0.46}, 0.42));
        return path.united(Circle({0.58, 0.46}, 0.42));
    }
    case 10:
        path.moveTo(-0.9, -0.75);
        path.lineTo(0.9, -0.75);
        path.lineTo(-0.9, 0.75);
        path.lineTo(0.9, 0.75);
        return paint::Stroke(path, 0.42, Qt::FlatCap);
    case 11: return Circle({0, 0}, 0.92).subtracted(Circle({0.42, -0.26}, 0.78));
    case 12: return Polygon({{-0.85, -0.95}, {0.85, -0.95}, {0.14, 0}, {0.85, 0.95}, {-0.85, 0.95},
                             {-0.14, 0}});
    default:
        path.addRect(QRectF(-0.95, -0.72, 1.9, 0.5));
        path.addRect(QRectF(-0.95, 0.22, 1.9, 0.5));
        return path;
    }
}

}  // namespace

paint::ShapeFamily MarkFamily(int colour) {
    using enum paint::ShapeFamily;
    // Yellow and lime, red and brown run together for a red-blind or green-blind eye, so
    // their marks come from different families.
    constexpr paint::ShapeFamily kFamilies[kColours] = {Disc,  Square,   Triangle,  Diamond, Cross,
                                                        Cross, Star,     Heart,     Dots,    Zigzag,
                                                        Crescent, Hourglass, Bars};
    return kFamilies[colour - 1];
}

QColor BallColour(int colour) { return QColor::fromRgb(kPalette[colour - 1]); }

QColor MarkInk(int colour) {
    return Luma(BallColour(colour)) > 140 ? QColor(28, 20, 12) : QColor(255, 252, 240);
}

QPainterPath Mark(int colour, QPointF centre, double size) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(size / 2, size / 2);
    return t.map(UnitMark(colour));
}

void PaintBall(QPainter& p, QPointF centre, double radius, int colour) {
    const QColor base = BallColour(colour);
    const double s = radius / 11.5;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(base.darker(280));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Sphere(centre, radius - 0.8 * s, base));
    p.drawEllipse(centre, radius - 0.8 * s, radius - 0.8 * s);

    // The white spot faces the player; the lamp's reflection sits above it to the left.
    const QPointF spot = centre + QPointF(0.3 * s, 0.4 * s);
    QRadialGradient white(spot - QPointF(1.5 * s, 1.8 * s), 8.0 * s);
    white.setColorAt(0.0, QColor(255, 255, 255));
    white.setColorAt(1.0, QColor(206, 204, 196));
    p.setPen(QPen(QColor(0, 0, 0, 110), 0.8 * s));
    p.setBrush(white);
    p.drawEllipse(spot, 6.4 * s, 6.4 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 14, 12));
    p.drawPath(Mark(colour, spot, 8.4 * s));

    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(centre + QPointF(-6.2 * s, -6.4 * s), 2.1 * s, 1.6 * s);
    p.restore();
}

void PaintPlatform(QPainter& p, const QRectF& square, int colour) {
    const QColor base = BallColour(colour);
    const double s = square.width() / kPlatformSize;
    const QRectF tile = square.adjusted(1.5 * s, 1.5 * s, -2.0 * s, -2.0 * s);
    const QPointF middle = square.topLeft() + s * QPointF(kPlatformSize / 2.0, kPlatformSize / 2.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(tile, 5 * s, 5 * s);
    DropShadow(p, shape, s * QPointF(1.2, 1.6), 1, 170);
    p.setPen(QPen(base.darker(300), 1.0));
    p.setBrush(Diagonal(tile, base.lighter(140), base.darker(135)));
    p.drawPath(shape);
    // A bright bevel on the upper and left edges.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0 * s));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tile.adjusted(1.2 * s, 1.2 * s, -1.2 * s, -1.2 * s), 4 * s, 4 * s);

    // The socket is sunk: its upper left lies in shadow, its lower right catches light.
    const double socket = 12.2 * s;
    p.setPen(Qt::NoPen);
    p.setBrush(base.darker(175));
    p.drawEllipse(middle, socket, socket);
    QRadialGradient floor(middle + s * QPointF(1.2, 1.5), socket);
    floor.setColorAt(0.0, base.darker(110));
    floor.setColorAt(1.0, base.darker(150));
    p.setBrush(floor);
    p.drawEllipse(middle + s * QPointF(0.8, 1.0), socket - 1.4 * s, socket - 1.4 * s);

    const QColor ink = MarkInk(colour);
    p.setBrush(ink);
    p.drawPath(Mark(colour, middle + s * QPointF(0.4, 0.5), 11.5 * s));
    // The ball hides the socket's mark, so the corners carry the mark as large as the space
    // round the ball allows, each on a faint halo so it stands off the tile's shading.
    const double corner = 6.9 * s, far = kPlatformSize * s - 7.4 * s;
    const QColor halo = Luma(ink) > 128 ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 110);
    for (const QPointF& at : {QPointF(corner, corner), QPointF(far, corner), QPointF(corner, far),
                              QPointF(far, far)}) {
        const QPainterPath mark = Mark(colour, square.topLeft() + at, 9.6 * s);
        p.setBrush(halo);
        p.drawPath(paint::Stroke(mark, 1.6 * s).united(mark));
        p.setBrush(ink);
        p.drawPath(mark);
    }
    p.restore();
}

// The ball sprite and its mask share one circle.
constexpr double kBallRadius = 11.4;

QImage BallSprite(int colour) {
    return paint::RoundSprite(kBallSize, kBallRadius, [colour](QPainter& p) {
        PaintBall(p, QPointF(kBallSize / 2.0, kBallSize / 2.0), kBallSize / 2.0, colour);
    });
}

QImage BallMask() { return paint::RoundMask(kBallSize, kBallRadius); }

}  // namespace spindora::kolluk
