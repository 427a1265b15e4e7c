#pragma once
#include <QPainterPath>

class QPainter;

namespace spindora {

// Strokes the focus mark over the board on screen; the board's own picture is untouched.
void PaintFocusMark(QPainter& painter, const QPainterPath& mark);

}  // namespace spindora
