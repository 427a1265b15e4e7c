#pragma once
// The pieces of KOLLUK's artwork that the sheet, the title and the rules drawing share:
// the thirteen ball colours, the mark that goes with each, the ball and the platform.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include "assets/PaintKit.h"

class QPainter;

namespace spindora::kolluk {

// Colour number 1 to 13 as paint.
QColor BallColour(int colour);
// The ink that stands out on a platform of that colour: dark on light colours, light on
// dark ones.
QColor MarkInk(int colour);
// Each colour's own symbol, so no player has to tell the colours apart by hue alone:
// a filled outline about `size` pixels across, centred on `centre`.
QPainterPath Mark(int colour, QPointF centre, double size);
paint::ShapeFamily MarkFamily(int colour);

// A shaded ball with its mark on a white spot, as on a billiard ball.
void PaintBall(QPainter& painter, QPointF centre, double radius, int colour);
// A raised tile of the colour with a round socket for the ball, the mark large in the
// socket and small in all four corners, where a ball never hides it.
void PaintPlatform(QPainter& painter, const QRectF& square, int colour);

// The 23 x 23 ball sprite (black outside its shape) and the one mask that all share.
QImage BallSprite(int colour);
QImage BallMask();

}  // namespace spindora::kolluk
