#include "puzzles/pluf/PlufSheetPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "assets/PaintKit.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/pluf/PlufArt.h"
#include "puzzles/pluf/PlufPieces.h"
#include "puzzles/pluf/PlufSheet.h"

namespace spindora::pluf {
namespace {

using paint::ArcArrow;
using paint::Circle;
using paint::Diagonal;
using paint::DropShadow;
using paint::FillWithHalo;
using paint::Mix;
using paint::MouseStepMark;
using paint::Stroke;
using paint::ValueNoise;

constexpr int kRim = 6;
// The cloth is sunk into the wood and holds every turntable.
constexpr QRect kCloth(12, 12, 476, 309);
// The brass plaque that frames the level button's two figures.
constexpr QRectF kPlaque(435.5, 290.5, 58, 37);

// Walnut: dark, tight rings running along the board, with slow waves in them.
void PaintWalnut(QImage& board) {
    const ValueNoise wave(0x7A1707u, 64), speck(0x2B5EEDu, 64);
    const QColor deep(62, 32, 16), middle(112, 62, 30), pale(158, 98, 52);
    for (int y = 0; y < board.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = 0; x < board.width(); ++x) {
            const double bend = 11.0 * wave.At(x * 0.01, y * 0.025) + 3.0 * wave.At(x * 0.045, y * 0.08);
            const double ring = std::pow(0.5 + 0.5 * std::sin((y + 3.0 * bend) * 0.38), 2.0);
            const double fibre = 0.7 * speck.At(x * 0.018, y * 0.85) + 0.3 * speck.At(x * 0.27, y * 1.9);
            const double t = 0.58 * ring + 0.42 * fibre;
            row[x] = (t < 0.5 ? Mix(deep, middle, 2 * t) : Mix(middle, pale, 2 * t - 1)).rgb();
        }
    }
}

void PaintRim(QPainter& p) {
    const int w = kBoardWidth, h = kBoardHeight;
    for (int i = 0; i < kRim; ++i) {
        const double fade = 1.0 - double(i) / kRim;
        p.setPen(QColor(255, 228, 186, static_cast<int>(120 * fade)));
        p.drawLine(i, i, w - 1 - i, i);
        p.drawLine(i, i, i, h - 1 - i);
        p.setPen(QColor(16, 6, 0, static_cast<int>(160 * fade)));
        p.drawLine(i + 1, h - 1 - i, w - 1 - i, h - 1 - i);
        p.drawLine(w - 1 - i, i + 1, w - 1 - i, h - 1 - i);
    }
    p.setPen(QColor(28, 12, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
}

// Petrol-blue baize: a faint nap and a pool of lamp light from the top left.
void PaintCloth(QImage& board, QPainter& p) {
    const ValueNoise nap(0x0C1077u, 64);
    for (int y = kCloth.top(); y <= kCloth.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = kCloth.left(); x <= kCloth.right(); ++x) {
            const double fuzz = 0.55 * nap.At(x * 0.75, y * 0.75) + 0.45 * nap.At(x * 0.06, y * 0.06);
            const double lamp = std::max(0.0, 1.0 - std::hypot((x - 150.0) / 380.0, (y - 90.0) / 300.0));
            row[x] = Mix(QColor(10, 40, 58), QColor(30, 96, 120), 0.3 * fuzz + 0.7 * lamp).rgb();
        }
    }
    // The wood's inner walls shade the cloth along the top and left.
    QPainterPath wall;
    wall.addRect(QRectF(kCloth).adjusted(-40, -40, 40, 40));
    QPainterPath hole;
    hole.addRect(QRectF(kCloth));
    p.save();
    p.setClipRect(kCloth);
    DropShadow(p, wall.subtracted(hole), QPointF(2.5, 3.0), 3, 210);
    p.restore();
    // A brass inlay round the recess, lit on its lower and right edges.
    const QRectF edge = QRectF(kCloth).adjusted(-1.5, -1.5, 1.5, 1.5);
    p.setPen(QPen(QColor(20, 8, 0), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(edge);
    p.setPen(QPen(QColor(226, 184, 104, 200), 1.0));
    p.drawLine(edge.bottomLeft() + QPointF(0, 1), edge.bottomRight() + QPointF(1, 1));
    p.drawLine(edge.topRight() + QPointF(1, 0), edge.bottomRight() + QPointF(1, 1));
}

QPointF PlateMiddle(int plate) { return QPointF(PlateCorner(plate)) + QPointF(kPlateCentre, kPlateCentre); }

// Every turntable is computed from the same offsets to its middle, so the plate
// sprites, painted onto one, fit all of them exactly.
void PaintTurntables(QImage& board, QPainter& p) {
    for (int plate = 1; plate <= kPlates; ++plate)
        DropShadow(p, Circle(PlateMiddle(plate), art::kTurntableRadius), QPointF(2.0, 2.6), 2, 190);
    p.end();
    for (int plate = 1; plate <= kPlates; ++plate) {
        const QPoint corner = PlateCorner(plate);
        for (int y = 0; y < kPlateSize; ++y)
            for (int x = 0; x < kPlateSize; ++x) {
                const double dx = x + 0.5 - kPlateCentre, dy = y + 0.5 - kPlateCentre;
                const double cover = std::clamp(art::kTurntableRadius + 0.5 - std::hypot(dx, dy), 0.0, 1.0);
                if (cover <= 0) continue;
                QRgb& pixel = reinterpret_cast<QRgb*>(board.scanLine(corner.y() + y))[corner.x() + x];
                pixel = paint::Blend(pixel, art::TurntablePixel(dx, dy), cover);
            }
    }
}

void PaintTitle(QPainter& p) {
    // "PLUF" in cast gold, a small plate turning beside it.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(30);
    QPainterPath letters;
    letters.addText(0, 0, font, QStringLiteral("PLUF"));
    const QRectF bounds = letters.boundingRect();
    letters.translate(484.0 - bounds.right(), 44.0);
    const QRectF placed = letters.boundingRect();
    DropShadow(p, letters, QPointF(2.0, 2.5), 2, 200);
    QLinearGradient gold(0, placed.top(), 0, placed.bottom());
    gold.setColorAt(0.0, QColor(255, 250, 200));
    gold.setColorAt(0.45, QColor(255, 204, 72));
    gold.setColorAt(0.6, QColor(236, 156, 30));
    gold.setColorAt(1.0, QColor(170, 88, 10));
    FillWithHalo(p, letters, gold, QColor(36, 14, 2), 3.0);
    p.save();
    p.setClipPath(letters);
    p.setPen(QPen(QColor(255, 255, 235, 160), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters.translated(0.9, 1.1));
    p.restore();
    // A brass rule under the name.
    const double y = placed.bottom() + 5.5;
    QLinearGradient rule(placed.left(), 0, placed.right(), 0);
    rule.setColorAt(0.0, QColor(224, 182, 100, 0));
    rule.setColorAt(0.25, QColor(240, 200, 120));
    rule.setColorAt(0.75, QColor(240, 200, 120));
    rule.setColorAt(1.0, QColor(224, 182, 100, 0));
    p.setPen(QPen(QBrush(rule), 1.2));
    p.drawLine(QPointF(placed.left() - 4, y), QPointF(placed.right() + 2, y));
}

void PaintPlaque(QPainter& p) {
    // A raised brass frame; the two figures fill its window at run time.
    QPainterPath shape;
    shape.addRoundedRect(kPlaque, 5, 5);
    DropShadow(p, shape, QPointF(2.5, 3.0), 2, 210);
    QLinearGradient brass(kPlaque.topLeft(), kPlaque.bottomRight());
    brass.setColorAt(0.0, QColor(255, 240, 180));
    brass.setColorAt(0.45, QColor(222, 174, 80));
    brass.setColorAt(1.0, QColor(120, 76, 20));
    p.setPen(QPen(QColor(46, 26, 4), 1.0));
    p.setBrush(brass);
    p.drawPath(shape);
    const QRectF window(kLevelFigureAt, QSizeF(50, 30));
    p.setPen(QPen(QColor(90, 56, 12), 1.0));
    p.setBrush(QColor(240, 226, 180));
    p.drawRect(window.adjusted(-0.5, -0.5, 0.5, 0.5));
}

// The rules card: a click turns a plate (left against the clock, right with it), and
// buttons that face each other must match.
void PaintRules(QPainter& p) {
    const QRectF card = QRectF(kRulesRect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(card, 7, 7);
    DropShadow(p, shape, QPointF(2.5, 3.0), 3, 190);
    p.setPen(QPen(QColor(60, 34, 8), 1.0));
    p.setBrush(Diagonal(card, QColor(255, 251, 234), QColor(232, 214, 170)));
    p.drawPath(shape);
    p.setPen(QPen(QColor(196, 150, 80), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(3, 3, -3, -3), 4.5, 4.5);

    const double x0 = kRulesRect.left(), y0 = kRulesRect.top();
    const QColor ink(110, 62, 14), lit(236, 120, 30), arrow(200, 86, 20);

    // A plate between the two mouse buttons, each with the way it turns the plate.
    const QPointF plate(x0 + 40, y0 + 27);
    const double r = 16.5;
    art::PaintPlate(p, plate, r, 0.0);
    const int colours[6] = {2, 0, 9, 2, 25, 9};
    for (int j = 0; j < kSlots; ++j) {
        const double a = paint::Radians(-90.0 + 60.0 * j);
        art::PaintButton(p, plate + 9.6 * QPointF(std::cos(a), std::sin(a)), 3.6, colours[j]);
    }
    MouseStepMark(p, QRectF(x0 + 6, y0 + 6, 9, 16), true, ink, lit, QString());
    MouseStepMark(p, QRectF(x0 + 65, y0 + 6, 9, 16), false, ink, lit, QString());
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    // Both arrows end at the top, heading the way the plate's top edge goes.
    p.drawPath(ArcArrow(QPointF(x0 + 10.5, y0 + 33), 5.5, 510, 270, 1.7, 3.4));
    p.drawPath(ArcArrow(QPointF(x0 + 69.5, y0 + 33), 5.5, 30, 270, 1.7, 3.4));

    // Two neighbours whose facing buttons match.
    const QPointF upper(x0 + 95, y0 + 19), lower(x0 + 95, y0 + 40.5);
    const double small = 12.2;
    art::PaintPlate(p, upper, small, 0.0);
    art::PaintPlate(p, lower, small, 0.0);
    const int upperColours[6] = {9, 25, 0, 13, 2, 0};
    const int lowerColours[6] = {13, 2, 9, 25, 0, 2};
    for (int j = 0; j < kSlots; ++j) {
        const double a = paint::Radians(-90.0 + 60.0 * j);
        const QPointF along(std::cos(a), std::sin(a));
        art::PaintButton(p, upper + 7.0 * along, 2.8, upperColours[j]);
        art::PaintButton(p, lower + 7.0 * along, 2.8, lowerColours[j]);
    }

    // Below: matching pairs make a solved board.
    p.setPen(QPen(QColor(196, 150, 80), 1.0));
    p.drawLine(QPointF(x0 + 8, y0 + 55.5), QPointF(x0 + 58, y0 + 55.5));
    const double y = y0 + 69;
    art::PaintButton(p, QPointF(x0 + 12, y), 5.5, 13);
    art::PaintButton(p, QPointF(x0 + 32, y), 5.5, 13);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0 + 19, y - 2), QPointF(x0 + 25, y - 2));
    p.drawLine(QPointF(x0 + 19, y + 2), QPointF(x0 + 25, y + 2));
    QPainterPath tick;
    tick.moveTo(x0 + 42, y);
    tick.lineTo(x0 + 47, y + 5.5);
    tick.lineTo(x0 + 58, y - 7);
    const QPainterPath check = Stroke(tick, 4.5);
    QLinearGradient green(x0 + 42, y - 7, x0 + 58, y + 6);
    green.setColorAt(0.0, QColor(140, 240, 110));
    green.setColorAt(1.0, QColor(20, 140, 40));
    p.setPen(QPen(QColor(8, 60, 16), 1.0));
    p.setBrush(green);
    p.drawPath(check);
}

QImage PaintBoard() {
    QImage board(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    PaintWalnut(board);
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing);
    PaintRim(p);
    PaintCloth(board, p);
    PaintTitle(p);
    PaintRules(p);
    PaintPlaque(p);
    PaintTurntables(board, p);
    return board;
}

}  // namespace

QImage PaintPlufSheet() {
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    {
        QPainter p(&sheet);
        p.drawImage(0, 0, PaintBoard());
    }
    PaintPlufPieces(sheet);
    return sheet;
}

}  // namespace spindora::pluf
