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

using paint::Circle;
using paint::DropShadow;

// The cloth square is centred on the board centre; the round dish on it holds every place.
constexpr QRect kCloth{24, 21, 293, 293};
constexpr double kDishRadius = 133.0;
constexpr double kDishRim = 3.5;
// The pattern sits in a smaller dish of its own, the board in miniature.
constexpr QRectF kPatternPanel(334.5, 33.5, 131, 133);
constexpr QRectF kRulesCard(336.5, 224.5, 146, 44);
// The level plaque within its figure, with room for its shadow on the board below.
constexpr QRectF kPlaque(0.5, 0.5, 37.5, 38.5);

// Green baize with a pool of lamp light; the dishes are turned lower and lie darker.
const paint::Cloth kBaize{QColor(14, 58, 44), QColor(36, 110, 82), QPointF(120, 110), 280, 0xBA5E1u};
const paint::Cloth kDishBaize{QColor(10, 42, 32), QColor(26, 79, 59), QPointF(120, 110), 250, 0xBA5E1u};
const paint::Cloth kPanelBaize{QColor(10, 41, 31), QColor(25, 77, 57), QPointF(370, 70), 150, 0x9A77Eu};

void PaintBrassRing(QPainter& p, const QPainterPath& outer, const QPainterPath& inner) {
    DropShadow(p, outer.subtracted(inner), QPointF(1.5, 2), 2, 150);
    paint::FillOutlined(p, outer.subtracted(inner), paint::Brass(outer.boundingRect()),
                        QColor(50, 30, 6), 0.8);
}

void PaintCloth(QPainter& p) {
    paint::PaintCloth(p, kCloth, kBaize);
    // The dish is turned a little lower than the cloth, with a brass ring for its rim.
    const QPointF centre(kBoardCentre);
    const QPainterPath dish = Circle(centre, kDishRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(paint::ClothBrush(dish.boundingRect().toAlignedRect(), kDishBaize));
    p.drawPath(dish);
    p.save();
    p.setClipPath(dish);
    DropShadow(p, Circle(centre, kDishRadius + 40).subtracted(dish), QPointF(2, 2.5), 3, 170);
    p.restore();
    PaintBrassRing(p, Circle(centre, kDishRadius + kDishRim), dish);
}

// ---------------------------------------------------------------------------------------
// The right part: the pattern's dish, the name, the rules card and the level steps.

void PaintPatternPanel(QPainter& p) {
    QPainterPath panel;
    panel.addRoundedRect(kPatternPanel, 14, 14);
    paint::PaintCloth(p, panel, kPanelBaize);
    QPainterPath outer;
    outer.addRoundedRect(kPatternPanel.adjusted(-3.5, -3.5, 3.5, 3.5), 17, 17);
    PaintBrassRing(p, outer, panel);
}

void PaintTitle(QPainter& p) {
    // "MURV" in gold, with a disc standing in for the "O".
    const paint::TitlePlace title =
        paint::PaintGoldTitle(p, paint::BoldSans(36), QStringLiteral("MURV"), QString(), 411.0, 212.0, 0.5);
    PaintDiscArt(p, title.piece, title.pieceRadius, 0, 0);
}

void PaintRules(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    paint::PaintRulesCard(p, kRulesCard);

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

    const QColor left = paint::kMouseLit, right = paint::kMurvoRightMouseLit;
    p.setPen(Qt::NoPen);
    p.setBrush(left);
    p.drawPath(paint::ArcArrow(middle, 20, 250, 110, 2.4, 4.2));
    p.setBrush(right);
    p.drawPath(paint::ArcArrow(middle, 20, -70, 70, 2.4, 4.2));
    paint::PaintRulesMouse(p, QRectF(kRulesCard.left() + 12, kRulesCard.top() + 9, 15, 24), true, left);
    paint::PaintRulesMouse(p, QRectF(kRulesCard.right() - 27, kRulesCard.top() + 9, 15, 24), false, right);
    p.setPen(QPen(QColor(120, 80, 40), 1.5, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(kRulesCard.left() + 31, middle.y()), QPointF(middle.x() - 27, middle.y()));
    p.drawLine(QPointF(middle.x() + 27, middle.y()), QPointF(kRulesCard.right() - 31, middle.y()));
}

void PaintLevelPlaque(QPainter& p) {
    // Each level figure prints its number and its lit bars on a copy of this plaque.
    paint::PaintPlaque(p, kPlaque.translated(kLevelFigureAt), 6);
}

QImage PaintBoardPicture() {
    QImage board = paint::WoodenBoard(QSize(kBoardWidth, kBoardHeight));
    QPainter p(&board);
    PaintCloth(p);
    PaintPatternPanel(p);
    PaintTitle(p);
    PaintRules(p);
    PaintLevelPlaque(p);
    return board;
}

// ---------------------------------------------------------------------------------------
// Level figures: the plaque of the family with the level's number, and the two mouse
// marks saying that the left button raises it and the right button lowers it.

QImage PaintLevelFigure(const QImage& board, int level) {
    QImage figure = paint::CopyLogical(board, QRect(kLevelFigureAt, kLevelFigureSize));
    QPainter p(&figure);
    p.setRenderHint(QPainter::Antialiasing);
    // The marks and the number share the upper part; ten bars, lit up to this level, run
    // along the foot of the plaque.
    const QRectF upper(kPlaque.left(), kPlaque.top(), kPlaque.width(), 27.0);
    paint::PaintLevelMarks(p, upper, 3.0, 8.0, 21.0);
    paint::PaintLevelNumber(p, QPointF(upper.center().x(), upper.center().y() - 1.0), level,
                            level >= 10 ? 12 : 16);
    paint::PaintLevelBars(p, QPointF(5.0, 32.0), 10, 2.0, 2.9, 2.5, 0.5, level);
    return figure;
}

}  // namespace

QImage PaintMurvoSheet(int scale) {
    const paint::ArtScaleScope density(scale);
    const QImage board = PaintBoardPicture();
    QImage sheet = paint::SheetWithBoard(QSize(kSheetWidth, kSheetHeight), board);
    QPainter p(&sheet);
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
