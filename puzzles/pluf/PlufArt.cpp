#include "puzzles/pluf/PlufArt.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "assets/PaintKit.h"

namespace spindora::pluf::art {
namespace {

using paint::Circle;
using paint::Mix;
using paint::Polygon;
using paint::Radians;
using paint::Stroke;

// Forty-two colours that any six of can be dealt together, so every two of them lie far
// apart for the eye (CIEDE2000 at least 15). Where two of them run together for a red-blind
// or green-blind eye, their marks come from different families. No colour is a light or
// dark grey, which the marks' own ink would be lost on.
constexpr QRgb kColours[42] = {
    qRgb(12, 98, 118), qRgb(157, 88, 0), qRgb(195, 15, 0), qRgb(77, 74, 114),
    qRgb(45, 202, 255), qRgb(0, 67, 56), qRgb(228, 245, 181), qRgb(247, 110, 162),
    qRgb(197, 2, 153), qRgb(0, 119, 18), qRgb(90, 45, 0), qRgb(125, 143, 9),
    qRgb(186, 204, 0), qRgb(8, 94, 225), qRgb(255, 221, 185), qRgb(255, 90, 0),
    qRgb(109, 96, 0), qRgb(228, 0, 83), qRgb(151, 252, 255), qRgb(105, 15, 75),
    qRgb(28, 148, 255), qRgb(0, 162, 138), qRgb(124, 191, 112), qRgb(2, 255, 199),
    qRgb(145, 114, 206), qRgb(92, 118, 99), qRgb(139, 0, 255), qRgb(255, 179, 176),
    qRgb(0, 26, 167), qRgb(125, 86, 93), qRgb(150, 135, 105), qRgb(255, 197, 26),
    qRgb(180, 120, 105), qRgb(57, 146, 166), qRgb(120, 120, 135), qRgb(255, 190, 248),
    qRgb(183, 200, 250), qRgb(43, 65, 0), qRgb(210, 135, 30), qRgb(112, 1, 22),
    qRgb(255, 45, 255), qRgb(78, 255, 0),
};

// Marks, in a box from -1 to 1. Forty-two unlike pictures: filled and hollow shapes,
// bars, dots, chevrons and signs, each still itself at nine pixels across.
QPainterPath Line(QPointF a, QPointF b, double width = 0.42) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    return Stroke(path, width, Qt::FlatCap);
}

QPainterPath Ring(double radius, double width = 0.4) {
    return Circle(QPointF(0, 0), radius).subtracted(Circle(QPointF(0, 0), radius - width));
}

QPainterPath Outline(const QPainterPath& shape, double width = 0.38) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(shape).simplified();
}

QPainterPath Dots(std::initializer_list<QPointF> centres, double radius = 0.34) {
    QPainterPath path;
    for (const QPointF& c : centres) path.addPath(Circle(c, radius));
    return path.simplified();
}

QPainterPath Box(double half) {
    QPainterPath path;
    path.addRect(QRectF(-half, -half, 2 * half, 2 * half));
    return path;
}

QPainterPath Chevron(double degrees) {
    QPainterPath path;
    path.moveTo(-0.8, 0.45);
    path.lineTo(0, -0.4);
    path.lineTo(0.8, 0.45);
    return QTransform().rotate(degrees).map(Stroke(path, 0.45, Qt::FlatCap));
}

QPainterPath Triangle(double degrees) {
    return QTransform().rotate(degrees).map(Polygon({{0, -0.95}, {0.9, 0.65}, {-0.9, 0.65}}));
}

QPainterPath Star(int points, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = Radians(-90.0 + 180.0 * i / points);
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF point(r * std::cos(a), r * std::sin(a));
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Zigzag() {
    QPainterPath path;
    path.moveTo(-0.75, -0.7);
    path.lineTo(0.75, -0.7);
    path.lineTo(-0.75, 0.7);
    path.lineTo(0.75, 0.7);
    return Stroke(path, 0.38, Qt::FlatCap);
}

QPainterPath MarkShape(int colour) {
    switch (colour) {
    case 0: return Circle(QPointF(0, 0), 0.45);
    case 1: return Ring(0.8);
    case 2: return Box(0.74);
    case 3: return Outline(Box(0.62));
    case 4: return Polygon({{0, -0.95}, {0.8, 0}, {0, 0.95}, {-0.8, 0}});
    case 5: return Outline(Polygon({{0, -0.9}, {0.75, 0}, {0, 0.9}, {-0.75, 0}}));
    case 6: return Triangle(0);
    case 7: return Triangle(180);
    case 8: return Triangle(270);
    case 9: return Triangle(90);
    case 10: return Outline(Polygon({{0, -0.85}, {0.8, 0.6}, {-0.8, 0.6}}));
    case 11: return Line({-0.9, 0}, {0.9, 0}, 0.5).united(Line({0, -0.9}, {0, 0.9}, 0.5));
    case 12: return Line({-0.7, -0.7}, {0.7, 0.7}, 0.48).united(Line({-0.7, 0.7}, {0.7, -0.7}, 0.48));
    case 13: return Star(5, 1.0, 0.42);
    case 14: return Zigzag();
    case 15: return Line({-0.9, 0}, {0.9, 0}, 0.6);
    case 16: return Line({0, -0.95}, {0, 0.95}, 0.8);
    case 17: return Line({-0.65, 0.8}, {0.65, -0.8}, 0.5);
    case 18: return Line({-0.65, -0.8}, {0.65, 0.8}, 0.5);
    case 19: return Line({-0.85, -0.38}, {0.85, -0.38}).united(Line({-0.85, 0.38}, {0.85, 0.38}));
    case 20: return Line({-0.38, -0.85}, {-0.38, 0.85}).united(Line({0.38, -0.85}, {0.38, 0.85}));
    case 21:
        return Line({-0.85, -0.6}, {0.85, -0.6}, 0.32)
            .united(Line({-0.85, 0}, {0.85, 0}, 0.32))
            .united(Line({-0.85, 0.6}, {0.85, 0.6}, 0.32));
    case 22: return Dots({{-0.5, 0}, {0.5, 0}}, 0.36);
    case 23: return Dots({{0, -0.5}, {0, 0.5}}, 0.36);
    case 24: return Dots({{0, -0.5}, {-0.55, 0.45}, {0.55, 0.45}});
    case 25: return Dots({{-0.5, -0.5}, {0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}}, 0.3);
    case 26: return Chevron(0);
    case 27: return Chevron(180);
    case 28: return Chevron(270);
    case 29: return Chevron(90);
    case 30: return Circle(QPointF(0, 0), 0.92).subtracted(Circle(QPointF(0.5, -0.25), 0.68));
    case 31: return Ring(0.85, 0.3).united(Circle(QPointF(0, 0), 0.3));
    case 32: return Polygon({{-0.8, -0.85}, {-0.8, 0.8}, {0.85, 0.8}});
    case 33: {
        QPainterPath half;
        half.addRect(QRectF(-1, -1, 1, 2));
        return Ring(0.85, 0.28).united(Circle(QPointF(0, 0), 0.85).intersected(half));
    }
    case 34: return Polygon({{-0.7, -0.85}, {0.7, -0.85}, {-0.7, 0.85}, {0.7, 0.85}});
    case 35: return Polygon({{-0.85, -0.7}, {-0.85, 0.7}, {0.85, -0.7}, {0.85, 0.7}});
    case 36: return Line({-0.5, -0.9}, {-0.5, 0.6}, 0.45).united(Line({-0.72, 0.6}, {0.8, 0.6}, 0.45));
    case 37: return Line({-0.85, -0.6}, {0.85, -0.6}, 0.45).united(Line({0, -0.6}, {0, 0.9}, 0.45));
    case 38: {
        QPainterPath top;
        top.addRect(QRectF(-0.72, -0.72, 1.44, 0.72));
        return Outline(Box(0.72), 0.3).united(top);
    }
    case 39:
        return Line({-0.35, -0.85}, {-0.35, 0.85}, 0.28)
            .united(Line({0.35, -0.85}, {0.35, 0.85}, 0.28))
            .united(Line({-0.85, -0.35}, {0.85, -0.35}, 0.28))
            .united(Line({-0.85, 0.35}, {0.85, 0.35}, 0.28));
    case 40:
        return Line({0, 0.05}, {0, 0.95}, 0.42)
            .united(Line({0, 0.05}, {-0.8, -0.75}, 0.42))
            .united(Line({0, 0.05}, {0.8, -0.75}, 0.42));
    default: return Outline(Box(0.72), 0.3).united(Circle(QPointF(0, 0), 0.3));
    }
}

}  // namespace

QColor ButtonColour(int colour) { return QColor::fromRgb(kColours[colour]); }

paint::ShapeFamily ButtonMarkFamily(int colour) {
    using enum paint::ShapeFamily;
    constexpr paint::ShapeFamily kFamilies[42] = {
        Disc, Ring, Square, Square, Diamond, Diamond, Triangle,
        Triangle, Triangle, Triangle, Triangle, Cross, Cross, Star,
        Zigzag, Bars, Bars, Bars, Bars, Bars, Bars,
        Bars, Dots, Dots, Dots, Dots, Chevron, Chevron,
        Chevron, Chevron, Crescent, Ring, Triangle, Ring, Hourglass,
        Hourglass, Angle, Angle, Square, Cross, Fork, Square,
    };
    return kFamilies[colour];
}

QPainterPath ButtonMark(int colour) { return MarkShape(colour).simplified(); }

void PaintButton(QPainter& p, QPointF centre, double radius, int colour) {
    const QColor base = ButtonColour(colour);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 18, 14));
    p.drawEllipse(centre, radius, radius);
    // A low dome: brightest up and to the left, a rim of shade at the bottom right.
    QRadialGradient dome(centre + QPointF(-0.35 * radius, -0.4 * radius), 1.5 * radius,
                         centre + QPointF(-0.4 * radius, -0.45 * radius));
    dome.setColorAt(0.0, Mix(base, Qt::white, 0.55));
    dome.setColorAt(0.35, base);
    dome.setColorAt(1.0, base.darker(175));
    p.setBrush(dome);
    p.drawEllipse(centre, radius - 0.9, radius - 0.9);

    // The mark in the ink that stands out most on this colour.
    const bool lightBase = 0.299 * base.redF() + 0.587 * base.greenF() + 0.114 * base.blueF() > 0.6;
    const QColor ink = lightBase ? QColor(22, 20, 30) : QColor(255, 255, 250);
    const QColor halo = lightBase ? QColor(255, 255, 255, 90) : QColor(0, 0, 0, 110);
    const double scale = radius * 0.56;
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(scale, scale);
    const QPainterPath mark = place.map(ButtonMark(colour));
    p.setBrush(halo);
    p.drawPath(mark.translated(lightBase ? -0.5 : 0.5, lightBase ? -0.5 : 0.6));
    p.setBrush(ink);
    p.drawPath(mark);
    p.restore();
}

QPainterPath Hexagon(QPointF centre, double radius, double degrees) {
    QPainterPath path;
    for (int i = 0; i < 6; ++i) {
        // Corners at 0, 60, ... degrees: a flat edge on top; a counter-clockwise turn on
        // screen is a negative screen angle.
        const double a = Radians(60.0 * i - degrees);
        const QPointF corner = centre + radius * QPointF(std::cos(a), std::sin(a));
        if (i == 0) path.moveTo(corner);
        else path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

void PaintPlate(QPainter& p, QPointF centre, double radius, double degrees) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPainterPath outer = Hexagon(centre, radius, degrees);
    const double bevel = std::max(1.2, radius * 0.085);
    const QPainterPath inner = Hexagon(centre, radius - bevel / 0.866, degrees);

    // The bevel: six facets, each as bright as it faces the lamp at the top left.
    const QPointF lamp(-0.6, -0.8);
    for (int i = 0; i < 6; ++i) {
        const double a0 = Radians(60.0 * i - degrees), a1 = Radians(60.0 * (i + 1) - degrees);
        const double mid = (a0 + a1) / 2;
        const double facing = std::cos(mid) * lamp.x() + std::sin(mid) * lamp.y();
        const double ro = radius, ri = radius - bevel / 0.866;
        const QPainterPath facet = Polygon({centre + ro * QPointF(std::cos(a0), std::sin(a0)),
                                            centre + ro * QPointF(std::cos(a1), std::sin(a1)),
                                            centre + ri * QPointF(std::cos(a1), std::sin(a1)),
                                            centre + ri * QPointF(std::cos(a0), std::sin(a0))});
        const QColor lit(255, 250, 232), shade(120, 96, 66);
        p.setBrush(Mix(shade, lit, 0.5 + 0.5 * facing));
        p.drawPath(facet);
    }
    // The top: warm ivory, lighter towards the lamp, with a faint sheen across it.
    QLinearGradient face(centre + radius * QPointF(-0.7, -0.7), centre + radius * QPointF(0.7, 0.7));
    face.setColorAt(0.0, QColor(255, 251, 238));
    face.setColorAt(0.55, QColor(240, 226, 196));
    face.setColorAt(1.0, QColor(212, 190, 150));
    p.setBrush(face);
    p.drawPath(inner);
    p.setPen(QPen(QColor(60, 40, 20), std::max(0.7, radius * 0.03)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outer);
    p.setPen(Qt::NoPen);

    const double hub = radius * 0.2;
    QRadialGradient brass(centre + QPointF(-0.4 * hub, -0.45 * hub), 1.4 * hub);
    brass.setColorAt(0.0, QColor(255, 246, 200));
    brass.setColorAt(0.5, QColor(222, 172, 70));
    brass.setColorAt(1.0, QColor(120, 78, 16));
    p.setBrush(QColor(90, 60, 20, 160));
    p.drawEllipse(centre + QPointF(0.6, 0.8), hub, hub);
    p.setBrush(brass);
    p.setPen(QPen(QColor(80, 50, 10), std::max(0.6, radius * 0.025)));
    p.drawEllipse(centre, hub, hub);
    // A slot across the hub, turning with the plate, so even a plate without buttons
    // shows how far it has turned.
    const double a = Radians(-degrees);
    const QPointF along = 0.7 * hub * QPointF(std::cos(a), std::sin(a));
    p.setPen(QPen(QColor(90, 56, 10), std::max(0.8, hub * 0.28), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - along, centre + along);
    p.restore();
}

void PaintSocket(QPainter& p, QPointF at, double radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Sunk into the plate: dark where the rim shades it at the top left, lit at the
    // bottom right.
    QRadialGradient well(at + QPointF(0.3 * radius, 0.35 * radius), radius * 1.1);
    well.setColorAt(0.0, QColor(66, 48, 30));
    well.setColorAt(0.75, QColor(92, 70, 46));
    well.setColorAt(1.0, QColor(176, 148, 108));
    p.setBrush(well);
    p.drawEllipse(at, radius, radius);
    p.restore();
}

QRgb TurntablePixel(double dx, double dy) {
    const double d = std::hypot(dx, dy);
    // Fine lathe rings on brass, a lit outer lip to the top left, shaded to the bottom
    // right, and the spindle a plate turns on, so an empty turntable still says what
    // belongs there.
    const double rings = 0.5 + 0.5 * std::sin(d * 2.4);
    const double towardLamp = d > 0 ? (-0.6 * dx - 0.8 * dy) / d : 0;
    constexpr double kSpindle = 4.5;
    if (d < kSpindle + 1.0) {
        const double dome = 0.55 + 0.4 * towardLamp * (d / kSpindle);
        const double rim = paint::SmoothStep(kSpindle - 0.8, kSpindle + 0.2, d);
        const QRgb pin = Mix(QColor(60, 40, 14), QColor(255, 236, 170), std::clamp(dome, 0.0, 1.0)).rgb();
        if (d < kSpindle - 0.8) return pin;
        return paint::Blend(pin, qRgb(28, 18, 8), rim);
    }
    const double lip = paint::SmoothStep(kTurntableRadius - 4.0, kTurntableRadius - 1.0, d);
    double light = 0.34 + 0.05 * rings + 0.1 * (d / kTurntableRadius) * towardLamp;
    light += lip * (0.22 + 0.3 * towardLamp);
    // A dark edge, so the turntable stands clear of the cloth.
    light *= 1.0 - 0.55 * paint::SmoothStep(kTurntableRadius - 1.6, kTurntableRadius - 0.2, d);
    const QColor dark(34, 24, 14), bright(236, 196, 118);
    return Mix(dark, bright, light).rgb();
}

}  // namespace spindora::pluf::art
