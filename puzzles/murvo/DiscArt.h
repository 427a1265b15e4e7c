#pragma once
#include <QColor>
#include <QImage>
#include <QPointF>

#include "assets/PaintKit.h"
#include "puzzles/murvo/MurvoSheet.h"

class QPainter;

namespace spindora::murvo {

// The body colour of a disc of sprite row `row` in `variant`, and the family of that row's
// symbol.
QColor DiscColour(int row, int variant);
paint::ShapeFamily DiscFamily(int row);

// A disc of sprite row `row` (its colour and its symbol) and `variant` (its tone and the
// pattern on its rim), centred on `centre`. Works from the small pattern discs up to the
// title's.
void PaintDiscArt(QPainter& painter, QPointF centre, double radius, int row, int variant);

// The sprite and its mask for a square of `size`: the image black outside the disc, the
// mask black on it and white elsewhere, cut from one circle so they always agree.
QImage DiscSprite(int size, int row, int variant);
QImage DiscMaskSprite(int size);

}  // namespace spindora::murvo
