#pragma once
#include <QColor>
#include <QImage>
#include <vector>

#include "assets/PaintKit.h"

namespace spindora::zibbo {

// b1.bmp: the empty board at (0, 0) with its level button and rules drawing, the twelve
// ZIBBO images and their common mask, at the places ZibboSheet.h names. Format_RGB32.
// At `scale` device pixels per board pixel the same drawing comes denser, for the
// screens that show more pixels; the places stay those of the 1:1 sheet times `scale`.
QImage PaintZibboSheet(int scale = 1);

// The colours a dial shows at once (ring, face, pointer, hub and ticks), each with the
// family of the part's shape.
struct DialPart {
    QColor colour;
    paint::ShapeFamily family;
};
std::vector<DialPart> DialColours();

}  // namespace spindora::zibbo
