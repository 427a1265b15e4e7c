#include "puzzles/murvo/MurvoSheetPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "assets/PaintKit.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/murvo/DiscArt.h"
#include "puzzles/murvo/MurvoSheet.h"

namespace spindora::murvo {
namespace {

using paint::Blend;
using paint::Circle;
using paint::Diagonal;
using paint::DropShadow;
using paint::ValueNoise;

// The cloth square is centred on the board centre; the round dish on it holds every place.
constexpr QRect kCloth{24, 21, 293, 293};
constexpr double kDishRadius = 133.0;
constexpr double kDishRim = 3.5;
// The pattern sits in a smaller dish of its own, the board in miniature.
constexpr QRectF kPatternPanel(334.5, 33.5, 131, 133);
constexpr QRectF kRulesCard(336.5, 224.5, 146, 44);
constexpr int kFrame = 7;

// ---------------------------------------------------------------------------------------
// Wood, frame and cloth: the materials every board of the game is made of.

void PaintWalnut(QImage& board) {
    const ValueNoise figure(0x4D55Au, 64), fibre(0x7A3E1u, 64);
    const QRgb dark = qRgb(72, 37, 17), mid = qRgb(126, 71, 35), light = qRgb(170, 106, 57);
    for (int y = 0; y < board.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = 0; x < board.width(); ++x) {
            // Rings bent by slow noise, crossed by fine fibres along the plank.
            const double bend = 8.5 * figure.At(x * 0.011, y * 0.029) +
                                2.2 * figure.At(x * 0.055 + 9, y * 0.1 + 3);
            const double ring = std::pow(0.5 + 0.5 * std::sin((y + 3.1 * bend) * 0.41), 2);
            const double t = 0.55 * ring + 0.3 * fibre.At(x * 0.021, y * 0.88) +
                             0.15 * fibre.At(x * 0.29 + 21, y * 1.65 + 7);
            line[x] = t < 0.5 ? Blend(dark, mid, 2 * t) : Blend(mid, light, 2 * t - 1);
        }
    }
}

void PaintBevelFrame(QPainter& p) {
    const int w = kBoardWidth, h = kBoardHeight;
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < kFrame; ++i) {
        const double fade = 1.0 - double(i) / kFrame;
        p.setPen(QColor(255, 226, 182, static_cast<int>(112 * fade)));
        p.drawLine(i, i, w - 1 - i, i);
        p.drawLine(i, i, i, h - 1 - i);
        p.setPen(QColor(22, 9, 0, static_cast<int>(150 * fade)));
        p.drawLine(i + 1, h - 1 - i, w - 1 - i, h - 1 - i);
        p.drawLine(w - 1 - i, i + 1, w - 1 - i, h - 1 - i);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(30, 12, 2));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(QColor(40, 18, 4, 160));
    p.drawRect(kFrame + 1, kFrame + 1, w - 2 * kFrame - 3, h - 2 * kFrame - 3);
    p.setPen(QColor(224, 182, 100, 200));
    p.drawRect(kFrame + 2, kFrame + 2, w - 2 * kFrame - 5, h - 2 * kFrame - 5);
}

// Green baize with a soft pool of light; `deep` darkens it for the dishes.
QRgb Baize(const ValueNoise& nap, int x, int y, QPointF lamp, double reach, double deep) {
    const double n = 0.6 * nap.At(x * 0.7, y * 0.7) + 0.4 * nap.At(x * 0.08, y * 0.08);
    const double light = std::max(0.0, 1.0 - std::hypot(x - lamp.x(), y - lamp.y()) / reach);
    const QRgb shade = Blend(qRgb(14, 58, 44), qRgb(36, 110, 82), 0.35 * n + 0.65 * light);
    return paint::Shade(shade, 1.0 - deep);
}

// A recess cut into the wood: its inner walls shade the top and left edges, and a lit
// lip runs along the bottom and right.
void SinkInto(QPainter& p, const QPainterPath& hole) {
    QPainterPath outside;
    outside.addRect(hole.boundingRect().adjusted(-30, -30, 30, 30));
    p.save();
    p.setClipPath(hole);
    DropShadow(p, outside.subtracted(hole), QPointF(2.5, 3), 3, 200);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(24, 10, 2), 1.0));
    p.drawPath(hole);
}

void PaintBrassRing(QPainter& p, const QPainterPath& outer, const QPainterPath& inner) {
    const QRectF box = outer.boundingRect();
    DropShadow(p, outer.subtracted(inner), QPointF(1.5, 2), 2, 150);
    QLinearGradient brass(box.topLeft(), box.bottomRight());
    brass.setColorAt(0.0, QColor(255, 238, 170));
    brass.setColorAt(0.4, QColor(214, 168, 78));
    brass.setColorAt(0.75, QColor(146, 100, 34));
    brass.setColorAt(1.0, QColor(92, 60, 18));
    paint::FillOutlined(p, outer.subtracted(inner), brass, QColor(50, 30, 6), 0.8);
}

void PaintCloth(QImage& board, QPainter& p) {
    const ValueNoise nap(0xBA5E1u, 64);
    const QPointF centre(kBoardCentre);
    for (int y = kCloth.top(); y <= kCloth.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = kCloth.left(); x <= kCloth.right(); ++x) {
            const bool inDish = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) < kDishRadius;
            line[x] = Baize(nap, x, y, QPointF(120, 110), inDish ? 250 : 280, inDish ? 0.28 : 0.0);
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cloth;
    cloth.addRect(QRectF(kCloth).adjusted(0, 0, 1, 1));
    SinkInto(p, cloth);
    p.setPen(QPen(QColor(220, 176, 110, 170), 1.0));
    p.drawLine(QPointF(kCloth.left() - 1.5, kCloth.bottom() + 2.5),
               QPointF(kCloth.right() + 2.5, kCloth.bottom() + 2.5));
    p.drawLine(QPointF(kCloth.right() + 2.5, kCloth.top() - 1.5),
               QPointF(kCloth.right() + 2.5, kCloth.bottom() + 2.5));

    // The dish is turned a little lower than the cloth, with a brass ring for its rim.
    const QPainterPath dish = Circle(centre, kDishRadius);
    p.save();
    p.setClipPath(dish);
    DropShadow(p, Circle(centre, kDishRadius + 40).subtracted(dish), QPointF(2, 2.5), 3, 170);
    p.restore();
    PaintBrassRing(p, Circle(centre, kDishRadius + kDishRim), dish);
}

// ---------------------------------------------------------------------------------------
// The right part: the pattern's dish, the name, the rules card and the level steps.

void PaintPatternPanel(QImage& board, QPainter& p) {
    const ValueNoise nap(0x9A77Eu, 64);
    QPainterPath panel;
    panel.addRoundedRect(kPatternPanel, 14, 14);
    const QRect area = kPatternPanel.toAlignedRect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (panel.contains(QPointF(x + 0.5, y + 0.5)))
                line[x] = Baize(nap, x, y, QPointF(370, 70), 150, 0.3);
    }
    p.setRenderHint(QPainter::Antialiasing);
    SinkInto(p, panel);
    QPainterPath outer;
    outer.addRoundedRect(kPatternPanel.adjusted(-3.5, -3.5, 3.5, 3.5), 17, 17);
    PaintBrassRing(p, outer, panel);
}

void PaintTitle(QPainter& p) {
    // "MURV" in gold, with a disc standing in for the "O".
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(36);
    QPainterPath letters;
    letters.addText(0, 0, font, QStringLiteral("MURV"));
    const QRectF raw = letters.boundingRect();
    const double discRadius = raw.height() / 2.0 + 0.5;
    const double total = raw.width() + 3 + 2 * discRadius;
    letters.translate(411.0 - total / 2.0 - raw.left(), 212.0);
    const QRectF placed = letters.boundingRect();
    const QPointF discCentre(placed.right() + 3 + discRadius, placed.center().y());

    p.setRenderHint(QPainter::Antialiasing);
    DropShadow(p, letters, QPointF(2.5, 3.0), 2, 190);
    DropShadow(p, Circle(discCentre, discRadius), QPointF(2.5, 3.0), 2, 190);
    QLinearGradient gold(0, placed.top(), 0, placed.bottom());
    gold.setColorAt(0.0, QColor(255, 250, 200));
    gold.setColorAt(0.45, QColor(255, 204, 72));
    gold.setColorAt(0.55, QColor(240, 160, 30));
    gold.setColorAt(1.0, QColor(176, 90, 10));
    paint::FillWithHalo(p, letters, gold, QColor(40, 16, 2), 3.2);
    p.save();
    p.setClipPath(letters);
    p.setPen(QPen(QColor(255, 255, 235, 170), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters.translated(1.0, 1.2));
    p.restore();
    PaintDiscArt(p, discCentre, discRadius, 0, 0);
}

// A small mouse with one button lit, for the rules card.
void PaintMouse(QPainter& p, QRectF body, bool leftButton, const QColor& lit) {
    QPainterPath shell;
    shell.addRoundedRect(body, body.width() / 2, body.width() / 2);
    const double split = body.top() + body.height() * 0.42;
    QPainterPath button;
    button.addRect(QRectF(leftButton ? body.left() : body.center().x(), body.top(),
                          body.width() / 2, split - body.top()));
    p.setPen(QPen(QColor(40, 40, 50), 1.1));
    p.setBrush(Diagonal(body, QColor(255, 255, 255), QColor(176, 180, 190)));
    p.drawPath(shell);
    p.setBrush(lit);
    p.drawPath(button.intersected(shell));
    p.setPen(QPen(QColor(40, 40, 50), 0.9));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), split));
    p.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
}

void PaintRules(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(kRulesCard, 7, 7);
    DropShadow(p, card, QPointF(2.5, 3.0), 3, 190);
    p.setPen(QPen(QColor(60, 34, 8), 1.0));
    p.setBrush(Diagonal(kRulesCard, QColor(255, 251, 234), QColor(232, 214, 170)));
    p.drawPath(card);
    p.setPen(QPen(QColor(196, 150, 80), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kRulesCard.adjusted(3, 3, -3, -3), 4.5, 4.5);

    // A press in the middle of three joined discs turns them: the left button one way
    // round, the right button the other.
    const QPointF middle(kRulesCard.center().x() + 1, kRulesCard.center().y() + 1);
    QPointF discs[3];
    for (int k = 0; k < 3; ++k)
        discs[k] = paint::PointOnCircle(middle, 10.5, paint::Radians(-90.0 + 120.0 * k));
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    for (int k = 0; k < 3; ++k) p.drawLine(discs[k], discs[(k + 1) % 3]);
    for (int k = 0; k < 3; ++k) PaintDiscArt(p, discs[k], 6.2, 2 * k, k);
    p.setPen(QPen(QColor(60, 30, 10), 1.2));
    p.drawLine(middle - QPointF(2.5, 0), middle + QPointF(2.5, 0));
    p.drawLine(middle - QPointF(0, 2.5), middle + QPointF(0, 2.5));

    const QColor left(236, 120, 30), right(40, 120, 220);
    p.setPen(Qt::NoPen);
    p.setBrush(left);
    p.drawPath(paint::ArcArrow(middle, 20, 250, 110, 2.4, 4.2));
    p.setBrush(right);
    p.drawPath(paint::ArcArrow(middle, 20, -70, 70, 2.4, 4.2));
    PaintMouse(p, QRectF(kRulesCard.left() + 12, kRulesCard.top() + 9, 15, 24), true, left);
    PaintMouse(p, QRectF(kRulesCard.right() - 27, kRulesCard.top() + 9, 15, 24), false, right);
    p.setPen(QPen(QColor(120, 80, 40), 1.5, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(kRulesCard.left() + 31, middle.y()), QPointF(middle.x() - 27, middle.y()));
    p.drawLine(QPointF(middle.x() + 27, middle.y()), QPointF(kRulesCard.right() - 31, middle.y()));
}

void PaintLevelSteps(QPainter& p) {
    // Ten rising bars, one for each level, leading to the level figure.
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 10; ++i) {
        const double height = 5.0 + 2.6 * i;
        const QRectF bar(343.0 + 7.6 * i, 309.0 - height, 5.6, height);
        const QColor colour = QColor::fromHsvF(0.33f * (1.0f - i / 9.0f), 0.78f, 0.95f);
        QPainterPath shape;
        shape.addRoundedRect(bar, 1.2, 1.2);
        DropShadow(p, shape, QPointF(1.5, 2.0), 1, 170);
        QLinearGradient shade(bar.topLeft(), bar.topRight());
        shade.setColorAt(0.0, colour.lighter(135));
        shade.setColorAt(1.0, colour.darker(125));
        paint::FillOutlined(p, shape, shade, QColor(40, 16, 2), 0.9);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 210, 150, 200));
    p.drawPath(paint::Polygon({{426.0, 291.0}, {421.0, 287.0}, {421.0, 295.0}}));
}

QImage PaintBoardPicture() {
    QImage board(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    PaintWalnut(board);
    QPainter p(&board);
    PaintBevelFrame(p);
    PaintCloth(board, p);
    PaintPatternPanel(board, p);
    PaintTitle(p);
    PaintRules(p);
    PaintLevelSteps(p);
    return board;
}

// ---------------------------------------------------------------------------------------
// Level figures: the brass plaque of the family with the level's number, and the two
// mouse marks saying that the left button raises it and the right button lowers it.

QImage PaintLevelFigure(const QImage& board, int level) {
    QImage figure = board.copy(QRect(kLevelFigureAt, kLevelFigureSize));
    QPainter p(&figure);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plaque(0.5, 0.5, 37.5, 38.5);
    QPainterPath shape;
    shape.addRoundedRect(plaque, 6, 6);
    DropShadow(p, shape, QPointF(1.5, 2.0), 1, 200);
    QLinearGradient rim(plaque.topLeft(), plaque.bottomRight());
    rim.setColorAt(0.0, QColor(255, 244, 196));
    rim.setColorAt(0.5, QColor(226, 180, 90));
    rim.setColorAt(1.0, QColor(128, 82, 24));
    p.setPen(QPen(QColor(50, 28, 4), 1.0));
    p.setBrush(rim);
    p.drawPath(shape);
    const QRectF face = plaque.adjusted(3, 3, -3, -3);
    QLinearGradient cream(face.topLeft(), face.bottomLeft());
    cream.setColorAt(0.0, QColor(255, 250, 228));
    cream.setColorAt(1.0, QColor(240, 222, 172));
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawRoundedRect(face, 3.5, 3.5);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(level >= 10 ? 12 : 15);
    if (level >= 10) font.setLetterSpacing(QFont::AbsoluteSpacing, -0.6);
    p.setBrush(QColor(30, 16, 4));
    p.drawPath(paint::CentredText(font, QString::number(level), QPointF(19.0, 19.5)));

    const QColor ink(110, 62, 14), lit(236, 120, 30);
    paint::MouseStepMark(p, QRectF(3.0, 7.0, 8.0, 25.0), true, ink, lit, QStringLiteral("+"));
    paint::MouseStepMark(p, QRectF(27.5, 7.0, 8.0, 25.0), false, ink, lit, QStringLiteral("-"));
    return figure;
}

}  // namespace

QImage PaintMurvoSheet() {
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    const QImage board = PaintBoardPicture();
    QPainter p(&sheet);
    p.drawImage(0, 0, board);
    for (int row = 0; row < kRows; ++row)
        for (int variant = 0; variant < kVariants; ++variant) {
            p.drawImage(DiscImage(row, variant).topLeft(), DiscSprite(kDiscSize, row, variant));
            p.drawImage(SmallDiscImage(row, variant).topLeft(),
                        DiscSprite(kSmallDiscSize, row, variant));
        }
    p.drawImage(kDiscMask.topLeft(), DiscMaskSprite(kDiscSize));
    p.drawImage(kSmallDiscMask.topLeft(), DiscMaskSprite(kSmallDiscSize));
    for (int level = 1; level <= 10; ++level)
        p.drawImage(LevelFigure(level).topLeft(), PaintLevelFigure(board, level));
    p.end();
    return sheet;
}

}  // namespace spindora::murvo
