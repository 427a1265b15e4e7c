#pragma once
// How a hint looks over the board, on screen only, like the focus mark: the mark while the
// game thinks, and the sign beside the hinted piece that shows which button its move takes.
#include <QColor>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include "puzzles/PuzzleHost.h"
#include "game/Mode.h"

class QPainter;

namespace spindora {

// The focus mark as bright dots that march along it, a step further at each `phase`.
void PaintThinkingMark(QPainter& painter, const QPainterPath& mark, int phase);
// What the thinking mark covers, for its repaints.
QRect ThinkingMarkArea(const QPainterPath& mark);

// The sign sits on the mark's upper right, kept whole on the board.
QPointF HintSignCentre(const QPainterPath& mark, const QRect& board);
QRect HintSignArea(QPointF centre);
// The colour the board's rules card lights the mouse's `button` with.
QColor HintSignColour(Mode mode, MouseButton button);
// The rules card's mouse on a dark plate: the button to press filled in `lit`, the other one
// only outlined, so that the sign does not rest on its colour alone.
void PaintHintSign(QPainter& painter, QPointF centre, MouseButton button, const QColor& lit);

// A dot on the very point a press of the hinted move belongs, where the mark leaves it open.
QRect PressDotArea(QPointF at);
void PaintPressDot(QPainter& painter, QPointF at);

// A short line under the mark (over it near the board's bottom), so that it hides neither
// the hinted piece nor the sign, kept on the board.
QRect HintNoteArea(const QRectF& mark, const QString& note, const QRect& board);
void PaintHintNote(QPainter& painter, const QRect& area, const QString& note);

}  // namespace spindora
