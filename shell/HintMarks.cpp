#include "shell/HintMarks.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <utility>

#include "puzzles/Puzzle.h"
#include "shell/FocusMark.h"

namespace spindora {
namespace {

const QColor kWhite(0xFF, 0xFB, 0xF0);
constexpr double kDotWidth = kFocusMarkWidth + 1;
constexpr double kSignRadius = 11;
// The sign with its ring: kept whole on the board, and repainted whole.
constexpr double kSignReach = kSignRadius + 2;

}  // namespace

void PaintThinkingMark(QPainter& painter, const QPainterPath& mark, int phase) {
    if (mark.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // A faint bed where the mark will stand, and round dots running along it, each with a
    // dark rim so that it shows on light pieces as on dark ones.
    QColor bed = kFocusMarkDark;
    bed.setAlpha(120);
    painter.setPen(QPen(bed, kFocusMarkWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(mark);
    constexpr double kPeriod = 2.5 * kDotWidth;  // pixels from dot to dot
    const double shift = kPeriod - (phase % 4) * kPeriod / 4;
    for (const auto& [colour, width] :
         {std::pair{kFocusMarkDark, kDotWidth + 2}, std::pair{kFocusMarkLight, kDotWidth}}) {
        // Dash lengths and offsets count in pen widths.
        QPen dots(colour, width, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
        dots.setDashPattern({0.001, kPeriod / width - 0.001});
        dots.setDashOffset(shift / width);
        painter.setPen(dots);
        painter.drawPath(mark);
    }
    painter.restore();
}

QRect ThinkingMarkArea(const QPainterPath& mark) {
    const int margin = static_cast<int>(kDotWidth) + 3;
    return mark.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

QPointF HintSignCentre(const QPainterPath& mark, const QRect& board) {
    // The point of the mark furthest up and to the right.
    QPointF best = mark.boundingRect().topRight();
    double bestScore = -1e9;
    for (const QPolygonF& polygon : mark.toSubpathPolygons())
        for (const QPointF& p : polygon)
            if (p.x() - p.y() > bestScore) {
                bestScore = p.x() - p.y();
                best = p;
            }
    return {std::clamp(best.x(), board.left() + kSignReach, board.right() - kSignReach),
            std::clamp(best.y(), board.top() + kSignReach, board.bottom() - kSignReach)};
}

QRect HintSignArea(QPointF centre) {
    return QRectF(centre - QPointF(kSignReach, kSignReach), QSizeF(2 * kSignReach, 2 * kSignReach))
        .toAlignedRect();
}

void PaintHintSign(QPainter& painter, QPointF centre, MouseButton button) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark disc ringed in the mark's yellow.
    painter.setPen(QPen(kFocusMarkLight, 1.5));
    painter.setBrush(kFocusMarkDark);
    painter.drawEllipse(centre, kSignRadius, kSignRadius);

    // The mouse: a rounded body, its two buttons above a line across it.
    const QRectF body(centre.x() - 5, centre.y() - 7.5, 10, 15);
    QPainterPath shape;
    shape.addRoundedRect(body, 5, 5);
    const double split = body.top() + 6.5;
    const bool left = button == MouseButton::Left;
    QPainterPath pressed;
    pressed.addRect(QRectF(left ? body.left() : centre.x(), body.top(), body.width() / 2, split - body.top()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFocusMarkLight);
    painter.drawPath(shape.intersected(pressed));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kWhite, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);
    painter.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
    painter.drawLine(QPointF(centre.x(), body.top()), QPointF(centre.x(), split));
    painter.restore();
}

}  // namespace spindora
