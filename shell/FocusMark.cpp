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
    painter.setPen(QPen(QColor(0x20, 0x18, 0x10), width, Qt::SolidLine, Qt::FlatCap,
                        Qt::MiterJoin));
    painter.drawPath(mark);
    QPen dashes(QColor(0xFF, 0xE0, 0x40), width, Qt::CustomDashLine, Qt::FlatCap,
                Qt::MiterJoin);
    dashes.setDashPattern({2.0, 1.0});
    painter.setPen(dashes);
    painter.drawPath(mark);
    painter.restore();
}

}  // namespace spindora
