#pragma once
#include <QColor>
#include <QPainterPath>

class QPainter;

namespace spindora {

// The focus mark's colours, dark under light: the mark shows on every board colour. The
// hint's marks wear them too.
inline const QColor kFocusMarkDark(0x20, 0x18, 0x10);
inline const QColor kFocusMarkLight(0xFF, 0xE0, 0x40);

// Strokes the focus mark over the board on screen; the board's own picture is untouched.
// The tool bar's buttons wear the same mark, thinner.
void PaintFocusMark(QPainter& painter, const QPainterPath& mark, double width);
void PaintFocusMark(QPainter& painter, const QPainterPath& mark);

}  // namespace spindora
