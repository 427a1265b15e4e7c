#include "puzzles/zibbo/ZibboSheetPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "assets/PaintKit.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/zibbo/ZibboSheet.h"

namespace spindora::zibbo {
namespace {

using paint::Circle;
using paint::DropShadow;
using paint::PaintPlaque;
using paint::PaintRulesCard;
using paint::PointOnCircle;
using paint::Polygon;
using paint::Radians;

// The dial is a disc of this radius about the middle of its 78 x 78 square. The mask is
// cut from the same circle, so the outline cannot depend on the pointer.
constexpr double kDialRadius = 37.0;
constexpr double kCellCentre = kPieceSize / 2.0;

// The dial's own colours, each the lit middle of its part's shading.
constexpr QRgb kRingRed = qRgb(238, 60, 52);
constexpr QRgb kFaceBlue = qRgb(58, 128, 235);
constexpr QRgb kPointerGreen = qRgb(64, 214, 72);
constexpr QRgb kHubGold = qRgb(238, 190, 60);
constexpr QRgb kTickCream = qRgb(255, 232, 214);

// ---------------------------------------------------------------------------------------
// The dial. Everything but the pointer is lit from the top left in screen space; only the
// pointer's outline turns, and even its shading stays put, so the knob reads as one object
// under one lamp in every direction.

QPainterPath PointerOutline() {
    // Pointing up, in units of a dial of radius 37: an arrow with a round counterweight.
    const QPainterPath head = Polygon({{0, -26.5}, {9.0, -11.0}, {3.2, -12.6}, {3.2, 7.0},
                                       {-3.2, 7.0}, {-3.2, -12.6}, {-9.0, -11.0}});
    return head.united(Circle(QPointF(0, 9.5), 4.4)).simplified();
}

// Tiny dials cannot show a slender needle, so they get a fat arrow filling the face.
QPainterPath StubbyPointerOutline() {
    return Polygon({{0, -25.0}, {15.0, -4.0}, {6.0, -4.0}, {6.0, 19.0}, {-6.0, 19.0},
                    {-6.0, -4.0}, {-15.0, -4.0}});
}

void PaintDial(QPainter& p, QPointF c, double r, double angle, bool detailed) {
    const double s = r / kDialRadius;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Dark rim, slightly larger than the mask so the mask edge lands on solid colour.
    p.setBrush(QColor(52, 6, 10));
    p.drawEllipse(c, r + 0.6, r + 0.6);

    // The red ring: a raised torus, brightest to the top left.
    QRadialGradient ring(c + QPointF(-0.42 * r, -0.48 * r), 1.45 * r,
                         c + QPointF(-0.55 * r, -0.6 * r));
    ring.setColorAt(0.0, QColor(255, 170, 150));
    ring.setColorAt(0.25, QColor::fromRgb(kRingRed));
    ring.setColorAt(0.62, QColor(196, 22, 30));
    ring.setColorAt(1.0, QColor(98, 6, 14));
    p.setBrush(ring);
    p.drawEllipse(c, r - 1.3 * s, r - 1.3 * s);

    // A thin bright bevel line along the outer top-left edge of the ring.
    {
        QPen bevel(QColor(255, 200, 185, 150), std::max(0.8, 1.1 * s));
        bevel.setCapStyle(Qt::RoundCap);
        p.setPen(bevel);
        p.setBrush(Qt::NoBrush);
        const double e = r - 2.6 * s;
        p.drawArc(QRectF(c.x() - e, c.y() - e, 2 * e, 2 * e), 100 * 16, 110 * 16);
        p.setPen(Qt::NoPen);
    }

    // The blue face sits lower than the ring.
    const double face = 26.5 * s;
    p.setBrush(QColor(40, 4, 10));
    p.drawEllipse(c, face + 1.2 * s, face + 1.2 * s);
    QRadialGradient blue(c + QPointF(-0.35 * face, -0.4 * face), 1.45 * face,
                         c + QPointF(-0.45 * face, -0.5 * face));
    blue.setColorAt(0.0, QColor(150, 210, 255));
    blue.setColorAt(0.3, QColor::fromRgb(kFaceBlue));
    blue.setColorAt(0.7, QColor(22, 70, 178));
    blue.setColorAt(1.0, QColor(10, 34, 100));
    p.setBrush(blue);
    p.drawEllipse(c, face, face);
    {
        // The ring shades the face along its top left and the face catches light at the
        // bottom right, which is what makes it look sunk.
        const QPainterPath disc = Circle(c, face);
        p.setBrush(QColor(0, 0, 30, 120));
        p.drawPath(disc.subtracted(Circle(c + QPointF(1.8 * s, 2.2 * s), face)));
        p.setBrush(QColor(170, 220, 255, 70));
        p.drawPath(disc.subtracted(Circle(c - QPointF(1.4 * s, 1.6 * s), face)));
    }

    if (detailed) {
        // Twelve ticks on the ring; twelve o'clock is a triangle so "up" is never in doubt.
        for (int k = 0; k < 12; ++k) {
            QTransform t;
            t.translate(c.x(), c.y());
            t.rotate(30.0 * k);
            t.scale(s, s);
            QPainterPath tick;
            if (k == 0) {
                tick = Polygon({{-4.6, -35.0}, {4.6, -35.0}, {0, -28.2}});
            } else {
                const double half = k % 3 == 0 ? 1.35 : 1.0;
                tick.addRoundedRect(QRectF(-half, -34.6, 2 * half, k % 3 == 0 ? 5.6 : 4.4), 0.9,
                                    0.9);
            }
            const QPainterPath shape = t.map(tick);
            p.setBrush(QColor(70, 0, 8, 150));
            p.drawPath(shape.translated(0.7 * s, 0.9 * s));
            // Twelve o'clock differs by its shape; a colour of its own would sit too near
            // the hub's gold.
            p.setBrush(QColor::fromRgb(kTickCream));
            p.drawPath(shape);
        }
    }

    // The pointer: shadow, body and outline. Thicker proportions at small sizes so it stays
    // legible as an arrow.
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(angle);
    t.scale(s, s);
    const QPainterPath pointer = t.map(detailed ? PointerOutline() : StubbyPointerOutline());
    p.setBrush(QColor(0, 8, 30, 110));
    p.drawPath(pointer.translated(1.8 * s + 0.3, 2.3 * s + 0.3));
    QLinearGradient green(c + QPointF(-0.7 * r, -0.7 * r), c + QPointF(0.7 * r, 0.7 * r));
    green.setColorAt(0.0, QColor(180, 255, 150));
    green.setColorAt(0.45, QColor::fromRgb(kPointerGreen));
    green.setColorAt(1.0, QColor(10, 120, 40));
    p.setBrush(green);
    p.setPen(QPen(QColor(4, 48, 14), detailed ? std::max(1.0, 1.4 * s) : 0.9));
    p.drawPath(pointer);

    // The hub is round, so its shading never turns either.
    if (!detailed) {
        p.restore();
        return;
    }
    const double hub = 5.6 * s;
    QRadialGradient cap(c - QPointF(0.4 * hub, 0.45 * hub), 1.4 * hub);
    cap.setColorAt(0.0, QColor(255, 250, 205));
    cap.setColorAt(0.5, QColor::fromRgb(kHubGold));
    cap.setColorAt(1.0, QColor(130, 84, 10));
    p.setBrush(cap);
    p.setPen(QPen(QColor(70, 40, 0), std::max(0.8, 1.0 * s)));
    p.drawEllipse(c, hub, hub);

    // Glass gloss over the top left of the whole knob.
    {
        p.setPen(Qt::NoPen);
        const QPainterPath clip = Circle(c, r - 1.5 * s);
        QPainterPath gloss;
        gloss.addEllipse(QRectF(c.x() - 0.86 * r, c.y() - 0.9 * r, 1.25 * r, 0.92 * r));
        QLinearGradient shine(c + QPointF(-0.5 * r, -0.9 * r), c + QPointF(-0.1 * r, 0.0));
        shine.setColorAt(0.0, QColor(255, 255, 255, 120));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(shine);
        p.drawPath(gloss.intersected(clip));
    }
    p.restore();
}

// Pointer angle for a direction: 11 is straight up, each step a twelfth turn clockwise.
double DirectionAngle(int v) { return 30.0 * ((v + 1) % kDirections); }

QImage DialImage(int v) {
    return paint::RoundSprite(kPieceSize, kDialRadius, [v](QPainter& p) {
        PaintDial(p, QPointF(kCellCentre, kCellCentre), kDialRadius, DirectionAngle(v), true);
    });
}

// ---------------------------------------------------------------------------------------
// The board.

constexpr QRectF kFelt(21, 21, 297, 297);
constexpr double kSocketGap = 39.6;   // dark gap between dial and bezel
constexpr double kBezelOuter = 43.5;

// Deep green baize with a faint nap, sunk into the wood.
const paint::Cloth kBaize{QColor(14, 58, 44), QColor(36, 110, 82), QPointF(110, 100), 260, 0xBA12Eu};

void PaintSocket(QPainter& p, QPointF c) {
    p.setRenderHint(QPainter::Antialiasing);
    DropShadow(p, Circle(c, kBezelOuter), QPointF(2.5, 3.5), 3, 170);

    // Brass bezel, lit from the top left.
    p.setPen(QPen(QColor(44, 26, 4), 1.0));
    p.setBrush(paint::Brass(QRectF(c.x() - kBezelOuter, c.y() - kBezelOuter, 2 * kBezelOuter,
                                   2 * kBezelOuter)));
    p.drawEllipse(c, kBezelOuter, kBezelOuter);
    // The bore of the bezel faces the other way, so its lighting is reversed.
    QLinearGradient bore(c + QPointF(-kSocketGap, -kSocketGap), c + QPointF(kSocketGap, kSocketGap));
    bore.setColorAt(0.0, QColor(98, 64, 20));
    bore.setColorAt(1.0, QColor(250, 220, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(bore);
    p.drawEllipse(c, kSocketGap + 1.4, kSocketGap + 1.4);

    // The well the dial sits in, darkest where the dial shades it (bottom right).
    QRadialGradient well(c + QPointF(2.5, 3.0), kSocketGap);
    well.setColorAt(0.0, QColor(0, 0, 0));
    well.setColorAt(0.9, QColor(10, 6, 2));
    well.setColorAt(1.0, QColor(44, 30, 12));
    p.setBrush(well);
    p.drawEllipse(c, kSocketGap, kSocketGap);
}

void PaintTitle(QPainter& p) {
    // "ZIBB" in carved gold letters, then a little dial standing in for the "O".
    const paint::TitlePlace title =
        paint::PaintGoldTitle(p, paint::BoldSans(44), QStringLiteral("ZIBB"), QString(), 410.0, 80.0, 1.0);
    PaintDial(p, title.piece, title.pieceRadius, 0.0, false);
    p.setPen(QPen(QColor(40, 16, 2), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(title.piece, title.pieceRadius + 0.6, title.pieceRadius + 0.6);
    // A brass rule under the name.
    paint::PaintTitleRule(p, title.left, title.right, 80.0 + 14.5);
}

void PaintLevelButton(QPainter& p) {
    // A raised cream plaque filling the press area; the level digit is printed on its
    // middle at run time.
    const QRectF plaque(kLevelLeft + 1.5, kLevelTop + 1.5, 47, 47);
    PaintPlaque(p, plaque, 7);

    // A left-button mark with "+" on the left and a right-button mark with "-" on the
    // right: the two clicks and what each does to the level.
    paint::PaintLevelMarks(p, plaque, 3.5, 9.0, 27.0);
}

void PaintMouse(QPainter& p, QRectF body) {
    // The left button pressed, and click rays off its corner.
    paint::PaintRulesMouse(p, body, true, paint::kZibboMouseLit);
    p.setPen(QPen(QColor(200, 80, 20), 1.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF o(body.left() + 2, body.top() + 1);
    for (int k = 0; k < 3; ++k) {
        const double a = Radians(200.0 + 35.0 * k);
        p.drawLine(PointOnCircle(o, 4, a), PointOnCircle(o, 8, a));
    }
}

void PaintRules(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    PaintRulesCard(p, QRectF(kRulesRect).adjusted(0.5, 0.5, -0.5, -0.5));

    const double x0 = kRulesRect.left(), y0 = kRulesRect.top();
    // Top: a click turns a dial by a step.
    PaintMouse(p, QRectF(x0 + 11, y0 + 22, 19, 29));
    const QPointF dial(x0 + 82, y0 + 36);
    PaintDial(p, dial, 19, 90, false);
    p.setPen(QPen(QColor(40, 16, 2), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(dial, 19.6, 19.6);
    {
        // Clockwise arrow round the dial's upper right.
        const double ar = 25.0;
        QPen pen(QColor(214, 96, 20), 2.6, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.drawArc(QRectF(dial.x() - ar, dial.y() - ar, 2 * ar, 2 * ar), 120 * 16, -100 * 16);
        const double a = Radians(-120.0 + 100.0);  // end of the arc, screen angle
        const QPointF tip = dial + QPointF(ar * std::cos(a), -ar * std::sin(a));
        const QPointF along(-std::sin(a), -std::cos(a));  // clockwise tangent on screen
        const QPointF normal(std::cos(a), -std::sin(a));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 96, 20));
        p.drawPath(Polygon({tip + 5.5 * along, tip - 1.0 * along + 4.5 * normal,
                            tip - 1.0 * along - 4.5 * normal}));
    }
    // Arrow from mouse to dial.
    p.setPen(QPen(QColor(120, 80, 40), 1.6, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(x0 + 35, y0 + 37), QPointF(x0 + 54, y0 + 37));

    // Bottom: when all nine point up, you have won.
    p.setPen(QPen(QColor(196, 150, 80), 1.0));
    p.drawLine(QPointF(x0 + 12, y0 + 66.5), QPointF(x0 + 114, y0 + 66.5));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QPointF m(x0 + 22 + 16.5 * c, y0 + 81 + 16.5 * r);
            PaintDial(p, m, 7.2, 0, false);
            p.setPen(QPen(QColor(40, 16, 2), 0.7));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(m, 7.6, 7.6);
        }
    QPainterPath tick;
    tick.moveTo(x0 + 84, y0 + 97);
    tick.lineTo(x0 + 94, y0 + 108);
    tick.lineTo(x0 + 113, y0 + 80);
    paint::PaintTick(p, tick, 7);
}

QImage PaintBoard() {
    QImage board = paint::WoodenBoard(QSize(kBoardWidth, kBoardHeight));
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing);
    paint::PaintCloth(p, kFelt.toRect(), kBaize);
    for (int k = 0; k < 9; ++k)
        PaintSocket(p, QPointF(PiecePosition(k)) + QPointF(kCellCentre, kCellCentre));
    PaintTitle(p);
    PaintLevelButton(p);
    PaintRules(p);
    p.end();
    return board;
}

}  // namespace

std::vector<DialPart> DialColours() {
    using enum paint::ShapeFamily;
    return {{QColor::fromRgb(kRingRed), Ring},
            {QColor::fromRgb(kFaceBlue), Disc},
            {QColor::fromRgb(kPointerGreen), Arrow},
            {QColor::fromRgb(kHubGold), Disc},
            {QColor::fromRgb(kTickCream), Bars}};
}

QImage PaintZibboSheet(int scale) {
    const paint::ArtScaleScope density(scale);
    QImage sheet = paint::SheetWithBoard(QSize(kSheetWidth, kSheetHeight), PaintBoard());
    QPainter p(&sheet);
    for (int v = 0; v < kDirections; ++v) p.drawImage(DirectionImage(v).topLeft(), DialImage(v));
    p.drawImage(kMaskRect.topLeft(), paint::RoundMask(kPieceSize, kDialRadius));
    p.end();
    return sheet;
}

}  // namespace spindora::zibbo
