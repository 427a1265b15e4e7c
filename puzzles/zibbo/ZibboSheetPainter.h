#pragma once
#include <QColor>
#include <QImage>
#include <vector>

#include "assets/PaintKit.h"

namespace spindora::zibbo {

// b1.bmp: the empty board at (0, 0) with its level button and rules drawing, the twelve
// ZIBBO images and their common mask, at the places ZibboSheet.h names. Format_RGB32.
QImage PaintZibboSheet();

// The colours a dial shows at once (ring, face, pointer, hub and ticks), each with the
// family of the part's shape.
struct DialPart {
    QColor colour;
    paint::ShapeFamily family;
};
std::vector<DialPart> DialColours();

}  // namespace spindora::zibbo
