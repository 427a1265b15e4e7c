#include "puzzles/pluf/PlufSheetPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "assets/PaintKit.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/pluf/PlufArt.h"
#include "puzzles/pluf/PlufPieces.h"
#include "puzzles/pluf/PlufSheet.h"

namespace spindora::pluf {
namespace {

using paint::Circle;
using paint::DropShadow;

// The cloth is sunk into the wood and holds every turntable.
constexpr QRect kCloth(12, 12, 476, 309);
const paint::Cloth kPetrol{QColor(10, 40, 58), QColor(30, 96, 120), QPointF(150, 90), 340, 0x0C1077u};
// The brass plaque that frames the level button's two figures.
constexpr QRectF kPlaque(435.5, 290.5, 58, 37);

QPointF PlateMiddle(int plate) { return QPointF(PlateCorner(plate)) + QPointF(kPlateCentre, kPlateCentre); }

// A device pixel of a turntable's square that the turntable covers: its place in the
// square, its colour and how much of it the turntable covers.
struct TurntableDot {
    QPoint at;
    QRgb colour;
    double cover;
};

// Every turntable is computed from the same offsets to its middle, so the plate
// sprites, painted onto one, fit all of them exactly; and so one is worked out for all.
std::vector<TurntableDot> Turntable(int s) {
    std::vector<TurntableDot> dots;
    paint::ClearUpperVectorHalves();
    for (int y = 0; y < kPlateSize * s; ++y)
        for (int x = 0; x < kPlateSize * s; ++x) {
            const double dx = paint::LogicalPixel(x, s) + 0.5 - kPlateCentre;
            const double dy = paint::LogicalPixel(y, s) + 0.5 - kPlateCentre;
            // The edge is smoothed over one device pixel, however dense the picture.
            const double cover = std::clamp(
                (art::kTurntableRadius + 0.5 / s - std::hypot(dx, dy)) * s, 0.0, 1.0);
            if (cover > 0) dots.push_back({QPoint(x, y), art::TurntablePixel(dx, dy), cover});
        }
    return dots;
}

void PaintTurntables(QImage& board, QPainter& p) {
    for (int plate = 1; plate <= kPlates; ++plate)
        DropShadow(p, Circle(PlateMiddle(plate), art::kTurntableRadius), QPointF(2.0, 2.6), 2, 190);
    p.end();
    const int s = paint::ScaleOf(board);
    const std::vector<TurntableDot> turntable = Turntable(s);
    for (int plate = 1; plate <= kPlates; ++plate) {
        const QPoint corner = PlateCorner(plate) * s;
        for (const TurntableDot& dot : turntable) {
            QRgb& pixel = reinterpret_cast<QRgb*>(board.scanLine(corner.y() + dot.at.y()))[corner.x() + dot.at.x()];
            pixel = paint::Blend(pixel, dot.colour, dot.cover);
        }
    }
}

void PaintTitle(QPainter& p) {
    // "PLUF" in the cast gold of every board's name, at the top right.
    QPainterPath letters;
    letters.addText(0, 0, paint::BoldSans(30), QStringLiteral("PLUF"));
    letters.translate(484.0 - letters.boundingRect().right(), 44.0);
    const QRectF placed = letters.boundingRect();
    paint::PaintGoldTitle(p, letters);
    paint::PaintTitleRule(p, placed.left() - 4, placed.right() + 2, placed.bottom() + 5.5);
}

void PaintLevelPlaque(QPainter& p) {
    // The face of every level button; the two figures fill its window at run time.
    paint::PaintPlaque(p, kPlaque, 5);
    p.setPen(QPen(QColor(176, 140, 84), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(kLevelFigureAt, QSizeF(50, 30)).adjusted(-0.5, -0.5, 0.5, 0.5));
}

// Buttons round a plate of radius `r`, from the top clockwise.
void PaintPlateWithButtons(QPainter& p, QPointF centre, double r, const int (&colours)[kSlots]) {
    art::PaintPlate(p, centre, r, 0.0);
    for (int j = 0; j < kSlots; ++j)
        art::PaintButton(p, paint::PointOnCircle(centre, 0.58 * r, paint::Radians(-90.0 + 60.0 * j)),
                         0.23 * r, colours[j]);
}

// The rules card steps round the level plaque, so both read on their own: the card's
// lower right corner is cut away where the plaque stands.
QPainterPath RulesCardShape() {
    const double left = kRulesRect.left() + 0.5, top = kRulesRect.top() + 0.5;
    QPainterPath band, column;
    band.addRoundedRect(QRectF(left, top, kRulesRect.width() - 1.0, 49.5), 7, 7);
    column.addRoundedRect(QRectF(left, top, 56.0, kRulesRect.height() - 1.0), 7, 7);
    return band.united(column).simplified();
}

// The rules: a click turns a plate (left against the clock, right with it); facing
// buttons of neighbours must match; when they all do, the board is solved.
void PaintRules(QPainter& p) {
    paint::PaintRulesCard(p, RulesCardShape());
    const double x0 = kRulesRect.left(), y0 = kRulesRect.top();
    const QColor lit = paint::kMouseLit, arrow(200, 86, 20), line(196, 150, 80);

    // Left: a plate between the two mice, each with the way its click turns the plate.
    PaintPlateWithButtons(p, QPointF(x0 + 35, y0 + 25), 15.5, {2, 0, 9, 2, 25, 9});
    paint::PaintRulesMouse(p, QRectF(x0 + 6, y0 + 7, 10, 15), true, lit);
    paint::PaintRulesMouse(p, QRectF(x0 + 54, y0 + 7, 10, 15), false, lit);
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    // Both arrows end at the top, heading the way the plate's top edge goes.
    p.drawPath(paint::ArcArrow(QPointF(x0 + 11, y0 + 35), 6, 510, 270, 2.0, 4.0));
    p.drawPath(paint::ArcArrow(QPointF(x0 + 59, y0 + 35), 6, 30, 270, 2.0, 4.0));
    p.setPen(QPen(line, 1.0));
    p.drawLine(QPointF(x0 + 70.5, y0 + 8), QPointF(x0 + 70.5, y0 + 42));

    // Right: two neighbours whose facing buttons match, ringed in green.
    const QPointF upper(x0 + 91.5, y0 + 14.5), lower(x0 + 91.5, y0 + 36.5);
    PaintPlateWithButtons(p, upper, 10.0, {9, 25, 0, 13, 2, 0});
    PaintPlateWithButtons(p, lower, 10.0, {13, 2, 9, 25, 0, 2});
    p.setPen(QPen(QColor(30, 160, 50), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(upper.x() - 4.5, upper.y() + 2.5, 9, lower.y() - upper.y() - 5), 4.5, 4.5);

    // Below: matching pairs everywhere make a solved board.
    p.setPen(QPen(line, 1.0));
    p.drawLine(QPointF(x0 + 8, y0 + 52.5), QPointF(x0 + 49, y0 + 52.5));
    const double y = y0 + 69;
    art::PaintButton(p, QPointF(x0 + 12.5, y), 5.5, 13);
    art::PaintButton(p, QPointF(x0 + 30.5, y), 5.5, 13);
    p.setPen(QPen(QColor(110, 62, 14), 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0 + 19, y - 2), QPointF(x0 + 24, y - 2));
    p.drawLine(QPointF(x0 + 19, y + 2), QPointF(x0 + 24, y + 2));
    QPainterPath tick;
    tick.moveTo(x0 + 39, y);
    tick.lineTo(x0 + 43, y + 5);
    tick.lineTo(x0 + 52, y - 7);
    paint::PaintTick(p, tick, 4.0);
}

QImage PaintBoard() {
    QImage board = paint::WoodenBoard(QSize(kBoardWidth, kBoardHeight));
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing);
    paint::PaintCloth(p, kCloth, kPetrol);
    PaintTitle(p);
    PaintRules(p);
    PaintLevelPlaque(p);
    PaintTurntables(board, p);
    return board;
}

}  // namespace

QImage PaintPlufSheet(int scale) {
    const paint::ArtScaleScope density(scale);
    QImage sheet = paint::SheetWithBoard(QSize(kSheetWidth, kSheetHeight), PaintBoard());
    PaintPlufPieces(sheet);
    return sheet;
}

}  // namespace spindora::pluf
