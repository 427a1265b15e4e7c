#pragma once
#include <QImage>

namespace spindora::zibbo {

// b1.bmp: the empty board at (0, 0) with its level button and rules drawing, the twelve
// ZIBBO images and their common mask, at the places ZibboSheet.h names. Format_RGB32.
QImage PaintZibboSheet();

}  // namespace spindora::zibbo
