#pragma once
#include <QPainterPath>

class QPainter;

namespace spindora {

// Strokes the focus mark over the board on screen; the board's own picture is untouched.
// The tool bar's buttons wear the same mark, thinner.
void PaintFocusMark(QPainter& painter, const QPainterPath& mark, double width);
void PaintFocusMark(QPainter& painter, const QPainterPath& mark);

}  // namespace spindora
