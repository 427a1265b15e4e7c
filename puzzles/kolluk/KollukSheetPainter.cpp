#include "puzzles/kolluk/KollukSheetPainter.h"

#include <QFont>
#include <QPainter>
#include <cmath>

#include "assets/PaintKit.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/kolluk/KollukPieces.h"
#include "puzzles/kolluk/KollukSheet.h"
#include "puzzles/kolluk/KollukTables.h"

namespace spindora::kolluk {
namespace {

using paint::ArcArrow;
using paint::Circle;
using paint::Diagonal;
using paint::DropShadow;
using paint::MouseStepMark;
using paint::Stroke;

// The cloth is three overlapping discs, one about each ring, so its outline says "three
// rings" before a ball has moved.
constexpr double kClothRadius = 97.0;
constexpr double kRailWidth = 15.0;
constexpr double kGrooveWidth = 8.0;
constexpr double kHubRadius = 16.5;

QPointF PlaceCentre(int place) {
    return QPointF(PlaceOrigin[place]) + QPointF(kPlatformSize / 2.0, kPlatformSize / 2.0);
}

QPointF RingCentre(int ring) {
    QPointF sum;
    for (int place : Rings[ring]) sum += PlaceCentre(place);
    return sum / kRingLength;
}

QPainterPath ClothShape(double radius) {
    QPainterPath shape;
    for (int r = 0; r < kRings; ++r) shape = shape.united(Circle(RingCentre(r), radius));
    return shape.simplified();
}

// The path the balls roll along: straight from place to place, as the animation moves them.
QPainterPath Track(int ring) {
    QPainterPath path;
    path.moveTo(PlaceCentre(Rings[ring][0]));
    for (int j = 1; j < kRingLength; ++j) path.lineTo(PlaceCentre(Rings[ring][j]));
    path.closeSubpath();
    return path;
}

// Deep blue velvet with a pool of lamp light at the upper left.
const paint::Cloth kVelvet{QColor(10, 20, 58), QColor(40, 70, 150), QPointF(150, 90), 270, 0x0B1E5u};

void PaintCloth(QPainter& p) {
    const QPainterPath inlay = ClothShape(kClothRadius + 3.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 18, 4, 170), 3.0));
    p.drawPath(inlay);
    p.setPen(QPen(QColor(230, 188, 104, 220), 1.2));
    p.drawPath(inlay);

    paint::PaintCloth(p, ClothShape(kClothRadius), kVelvet);
}

void PaintTracks(QPainter& p) {
    // All brass rails first and all grooves after, so where two rings share a stretch the
    // grooves run on unbroken.
    for (int r = 0; r < kRings; ++r)
        DropShadow(p, Stroke(Track(r), kRailWidth), QPointF(2, 2.5), 2, 170);
    for (int r = 0; r < kRings; ++r) {
        const QPainterPath rail = Stroke(Track(r), kRailWidth);
        paint::FillOutlined(p, rail, paint::Brass(rail.boundingRect()), QColor(50, 28, 4), 1.0);
    }
    for (int r = 0; r < kRings; ++r) {
        const QPainterPath groove = Stroke(Track(r), kGrooveWidth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(16, 12, 8));
        p.drawPath(groove);
        p.setBrush(QColor(74, 52, 22));
        p.drawPath(Stroke(Track(r), kGrooveWidth - 3.0).translated(0.8, 1.0));
    }
}

void PaintHub(QPainter& p, QPointF c) {
    // A brass boss in each ring's middle, where a press rolls it: the left arrow turns the
    // ring as a left click does (counter-clockwise), the right arrow as a right click does.
    DropShadow(p, Circle(c, kHubRadius), QPointF(2, 2.5), 2, 180);
    p.setPen(QPen(QColor(50, 28, 4), 1.0));
    p.setBrush(Diagonal(QRectF(c.x() - kHubRadius, c.y() - kHubRadius, 2 * kHubRadius,
                               2 * kHubRadius),
                        QColor(255, 240, 180), QColor(128, 86, 28)));
    p.drawEllipse(c, kHubRadius, kHubRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 226, 150));
    p.drawEllipse(c, kHubRadius - 2.5, kHubRadius - 2.5);
    const QPainterPath arrows = ArcArrow(c, 9.5, 235, 125, 2.2, 3.8).united(
        ArcArrow(c, 9.5, -55, 55, 2.2, 3.8));
    p.setBrush(QColor(255, 250, 220));
    p.drawPath(arrows.translated(0.6, 0.7));
    p.setBrush(QColor(96, 52, 10));
    p.drawPath(arrows);
}

void PaintTitle(QPainter& p) {
    // "K", a ball standing in for the "O", then "LLUK", in the gold of every board's title.
    const paint::TitlePlace title = paint::PaintGoldTitle(
        p, paint::BoldSans(27), QStringLiteral("K"), QStringLiteral("LLUK"), 431.0, 266.0, 1.0);
    PaintBall(p, title.piece, title.pieceRadius, 3);

    paint::PaintTitleRule(p, title.left, title.right, 266.0 + 12.5);
}

// The plaque of the level button within its 45 x 50 picture, with room for its shadow.
constexpr QRectF kPlaque(1.0, 1.5, 41.5, 45.5);

void PaintLevelPlaque(QPainter& p) {
    // The face of the level button; each level picture prints its number on a copy of it.
    paint::PaintPlaque(p, kPlaque.translated(kLevelPictureAt), 7);
}

// A small ring of six balls with an arrow round it, turning the way one mouse button rolls.
void PaintRollExample(QPainter& p, QPointF mouse, QPointF centre, bool leftButton) {
    const QColor ink(110, 62, 14), lit = paint::kMouseLit;
    MouseStepMark(p, QRectF(mouse, QSizeF(11, 24)), leftButton, ink, lit, QString());
    p.setPen(QPen(QColor(170, 124, 60), 2.4));
    p.setBrush(Qt::NoBrush);
    QPolygonF hexagon;
    for (int k = 0; k < kRingLength; ++k)
        hexagon << paint::PointOnCircle(centre, 15.0, paint::Radians(-90.0 + 60.0 * k));
    p.drawPolygon(hexagon);
    const int colours[kRingLength] = {3, 2, 12, 1, 4, 7};
    for (int k = 0; k < kRingLength; ++k) PaintBall(p, hexagon[k], 5.4, colours[k]);
    const QPainterPath arrow = leftButton ? ArcArrow(centre, 25.0, -25, -155, 2.8, 4.8)
                                          : ArcArrow(centre, 25.0, -155, -25, 2.8, 4.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 96, 20));
    p.drawPath(arrow);
}

void PaintTick(QPainter& p, QPointF at) {
    QPainterPath tick;
    tick.moveTo(at + QPointF(-8, 1));
    tick.lineTo(at + QPointF(-2, 7));
    tick.lineTo(at + QPointF(9, -8));
    paint::PaintTick(p, tick, 5.5);
}

void PaintCross(QPainter& p, QPointF at) {
    QPainterPath cross;
    cross.moveTo(at + QPointF(-6, -6));
    cross.lineTo(at + QPointF(6, 6));
    cross.moveTo(at + QPointF(6, -6));
    cross.lineTo(at + QPointF(-6, 6));
    const QPainterPath shape = Stroke(cross, 4.5);
    DropShadow(p, shape, QPointF(1.2, 1.6), 1, 150);
    paint::FillOutlined(p, shape, QColor(214, 40, 30), QColor(90, 10, 6), 1.0);
}

void PaintRules(QPainter& p) {
    const QRectF card = QRectF(kRulesRect).adjusted(0.5, 0.5, -0.5, -0.5);
    paint::PaintRulesCard(p, card);
    const double x0 = kRulesRect.left(), y0 = kRulesRect.top();

    // Top: a left click rolls a ring counter-clockwise, a right click clockwise.
    PaintRollExample(p, QPointF(x0 + 6, y0 + 30), QPointF(x0 + 47, y0 + 44), true);
    PaintRollExample(p, QPointF(x0 + 143, y0 + 30), QPointF(x0 + 113, y0 + 44), false);
    p.setPen(QPen(QColor(196, 150, 80), 1.0));
    p.drawLine(QPointF(x0 + 80, y0 + 12), QPointF(x0 + 80, y0 + 66));
    p.drawLine(QPointF(x0 + 10, y0 + 72.5), QPointF(x0 + 150, y0 + 72.5));

    // Bottom: a ball belongs on the platform with its colour and mark.
    const double platform = 30.0;
    const QRectF good(x0 + 12, y0 + 86, platform, platform);
    PaintPlatform(p, good, 3);
    PaintBall(p, good.center(), 10.0, 3);
    PaintTick(p, QPointF(x0 + 58, y0 + 101));
    const QRectF bad(x0 + 88, y0 + 86, platform, platform);
    PaintPlatform(p, bad, 2);
    PaintBall(p, bad.center(), 10.0, 1);
    PaintCross(p, QPointF(x0 + 136, y0 + 101));
}

QImage PaintBoardPicture() {
    QImage board = paint::WoodenBoard(QSize(kBoardWidth, kBoardHeight));
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing);
    PaintCloth(p);
    PaintTracks(p);
    for (int r = 0; r < kRings; ++r) PaintHub(p, RingCentre(r));
    PaintTitle(p);
    PaintLevelPlaque(p);
    PaintRules(p);
    p.end();
    return board;
}

QImage PlatformPicture(const QImage& board, int place, int level) {
    QImage tile = paint::CopyLogical(board, QRect(PlaceOrigin[place], QSize(kPlatformSize, kPlatformSize)));
    QPainter p(&tile);
    PaintPlatform(p, QRectF(0, 0, kPlatformSize, kPlatformSize), LevelLayouts[level - 1][place]);
    return tile;
}

QImage LevelPictureOf(const QImage& board, int level) {
    const QRect area(kLevelPictureAt, QSize(kLevelPictureWidth, kLevelPictureHeight));
    QImage picture = paint::CopyLogical(board, area);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // Left click raises the level, right click lowers it, as on every board.
    paint::PaintLevelMarks(p, kPlaque, 4.5, 8.5, 27.0);
    paint::PaintLevelNumber(p, QPointF(kPlaque.center().x(), 17.5), level, 19);
    // Under the number, one bar for each level, lit up to this one.
    paint::PaintLevelBars(p, QPointF(kPlaque.center().x() - 7.7, 40.5), kLevels, 2.8, 3.4, 4.0,
                          2.4, level);
    return picture;
}

}  // namespace

QImage PaintKollukSheet(int scale) {
    const paint::ArtScaleScope density(scale);
    const QImage board = PaintBoardPicture();
    QImage sheet = paint::SheetWithBoard(QSize(kSheetWidth, kSheetHeight), board);
    QPainter p(&sheet);
    for (int level = 1; level <= kLevels; ++level) {
        for (int place = 0; place < kPlaces; ++place)
            p.drawImage(PlatformImage(place, level).topLeft(), PlatformPicture(board, place, level));
        p.drawImage(LevelPicture(level).topLeft(), LevelPictureOf(board, level));
    }
    for (int colour = 1; colour <= kColours; ++colour)
        p.drawImage(BallImage(colour).topLeft(), BallSprite(colour));
    p.drawImage(kBallMask.topLeft(), BallMask());
    p.end();
    return sheet;
}

}  // namespace spindora::kolluk
