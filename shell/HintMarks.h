#pragma once
// How a hint looks over the board, on screen only, like the focus mark: the mark while the
// game thinks, and the sign beside the hinted piece that shows which button its move takes.
#include <QPainterPath>
#include <QRect>

#include "puzzles/PuzzleHost.h"

class QPainter;

namespace spindora {

// The focus mark as bright dots that march along it, a step further at each `phase`.
void PaintThinkingMark(QPainter& painter, const QPainterPath& mark, int phase);
// What the thinking mark covers, for its repaints.
QRect ThinkingMarkArea(const QPainterPath& mark);

// The sign sits on the mark's upper right, kept whole on the board.
QPointF HintSignCentre(const QPainterPath& mark, const QRect& board);
QRect HintSignArea(QPointF centre);
// A mouse with the button to press filled in and the other one empty.
void PaintHintSign(QPainter& painter, QPointF centre, MouseButton button);

}  // namespace spindora
