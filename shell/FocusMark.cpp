#include "shell/FocusMark.h"

#include <QPainter>
#include <QPen>

#include "puzzles/Puzzle.h"

namespace spindora {

void PaintFocusMark(QPainter& painter, const QPainterPath& mark) {
    PaintFocusMark(painter, mark, kFocusMarkWidth);
}

void PaintFocusMark(QPainter& painter, const QPainterPath& mark, double width) {
    if (mark.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Dark under light dashes: the mark stays visible on every board colour.
    painter.setPen(QPen(kFocusMarkDark, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(mark);
    QPen dashes(kFocusMarkLight, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2.0, 1.0});
    painter.setPen(dashes);
    painter.drawPath(mark);
    painter.restore();
}

}  // namespace spindora
