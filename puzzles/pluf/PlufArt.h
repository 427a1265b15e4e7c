#pragma once
// The look of PLUF's pieces, shared by the sheet's sprites, its level figures and its
// rules drawing, so a plate or button in the rules looks like the one on the board.
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRgb>

#include "assets/PaintKit.h"

class QPainter;

namespace spindora::pluf::art {

// Colour c (0 to 41), no two alike.
QColor ButtonColour(int colour);
// The family of button c's mark.
paint::ShapeFamily ButtonMarkFamily(int colour);
// The mark that tells button c from every other without its colour; a unit-sized
// outline about the origin, about 2 across.
QPainterPath ButtonMark(int colour);
// A domed button of `colour` with its mark, `radius` about 7.5 for the 16 x 16 sprite.
void PaintButton(QPainter& p, QPointF centre, double radius, int colour);

// A hexagonal plate with bevelled edges, flat side up at angle 0 and turned
// counter-clockwise by `degrees`; lit from the top left whatever its turn.
void PaintPlate(QPainter& p, QPointF centre, double radius, double degrees);
// The round hollow in a plate that a button sits in.
void PaintSocket(QPainter& p, QPointF at, double radius);
QPainterPath Hexagon(QPointF centre, double radius, double degrees);

// The brass turntable under each plate, pixel by pixel from its offset to the middle, so
// that every turntable on the board is the same to the last bit.
inline constexpr double kTurntableRadius = 35.5;
QRgb TurntablePixel(double dx, double dy);

}  // namespace spindora::pluf::art
