#include "shell/HintMarks.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <utility>

#include <QFont>
#include <QFontMetricsF>

#include "assets/PaintKit.h"
#include "puzzles/Puzzle.h"
#include "shell/FocusMark.h"

namespace spindora {
namespace {

const QColor kWhite(0xFF, 0xFB, 0xF0);
constexpr double kDotWidth = kFocusMarkWidth + 1;
// The mouse as tall as the tallest rules card's, on a plate with a rim round it; the sign
// with its ring is kept whole on the board, and repainted whole.
const QSizeF kMouse(19, 30);
const QSizeF kPlate(kMouse.width() + 8, kMouse.height() + 8);
constexpr double kRing = 1.5;
const QSizeF kReach(kPlate.width() / 2 + kRing + 1, kPlate.height() / 2 + kRing + 1);
constexpr double kDotRadius = 4.5;
constexpr int kNotePixels = 11;

QFont NoteFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kNotePixels);
    font.setBold(true);
    return font;
}

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
    return {std::clamp(best.x(), board.left() + kReach.width(), board.right() - kReach.width()),
            std::clamp(best.y(), board.top() + kReach.height(), board.bottom() - kReach.height())};
}

QRect HintSignArea(QPointF centre) {
    return QRectF(centre - QPointF(kReach.width(), kReach.height()), 2 * kReach).toAlignedRect();
}

QColor HintSignColour(Mode mode, MouseButton button) {
    // As each rules card paints its mouse: ZIBBO's brighter orange, MURVO's blue for the
    // right button, and everywhere else the level buttons' orange.
    if (mode == kZibbo) return paint::kZibboMouseLit;
    if (mode == kMurvo && button == MouseButton::Right) return paint::kMurvoRightMouseLit;
    return paint::kMouseLit;
}

void PaintHintSign(QPainter& painter, QPointF centre, MouseButton button, const QColor& lit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark plate ringed in the mark's yellow, so that the light mouse shows on any piece.
    painter.setPen(QPen(kFocusMarkLight, kRing));
    painter.setBrush(kFocusMarkDark);
    painter.drawRoundedRect(QRectF(centre - QPointF(kPlate.width() / 2, kPlate.height() / 2), kPlate), 7, 7);
    paint::PaintRulesMouse(painter, QRectF(centre - QPointF(kMouse.width() / 2, kMouse.height() / 2), kMouse),
                           button == MouseButton::Left, lit);
    painter.restore();
}

QRect PressDotArea(QPointF at) {
    const double reach = kDotRadius + 2;
    return QRectF(at - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).toAlignedRect();
}

void PaintPressDot(QPainter& painter, QPointF at) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // White in a dark rim, so that it stands apart from the mark's yellow dashes round it.
    painter.setPen(QPen(kFocusMarkDark, 2));
    painter.setBrush(kWhite);
    painter.drawEllipse(at, kDotRadius, kDotRadius);
    painter.restore();
}

QRect HintNoteArea(const QRectF& mark, const QString& note, const QRect& board) {
    const QSizeF size(QFontMetricsF(NoteFont()).horizontalAdvance(note) + 12, kNotePixels + 9);
    const double gap = kFocusMarkWidth + 2;
    const double below = mark.bottom() + gap;
    const double top = below + size.height() <= board.bottom() ? below : mark.top() - gap - size.height();
    const double left = std::clamp(mark.center().x() - size.width() / 2, double(board.left()),
                                   std::max(double(board.left()), board.right() - size.width()));
    return QRectF(QPointF(left, top), size).toAlignedRect();
}

void PaintHintNote(QPainter& painter, const QRect& area, const QString& note) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFocusMarkLight, 1));
    painter.setBrush(kFocusMarkDark);
    painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawPath(paint::CentredText(NoteFont(), note, QRectF(area).center()));
    painter.restore();
}

}  // namespace spindora
