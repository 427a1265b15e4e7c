#pragma once
#include <QImage>
#include <QPointF>

class QPainter;

namespace spindora::murvo {

// A disc of sprite row `row` (its colour and its symbol) and `variant` (its face: full
// colour, an ivory inlay or a dark inlay), centred on `centre`. Works from the small
// pattern discs up to the title's.
void PaintDiscArt(QPainter& painter, QPointF centre, double radius, int row, int variant);

// The sprite and its mask for a square of `size`: the image black outside the disc, the
// mask black on it and white elsewhere, cut from one circle so they always agree.
QImage DiscSprite(int size, int row, int variant);
QImage DiscMaskSprite(int size);

}  // namespace spindora::murvo
