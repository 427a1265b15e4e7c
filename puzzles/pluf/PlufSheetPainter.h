#pragma once
#include <QImage>

namespace spindora::pluf {

// b3.bmp: the empty board at (0, 0) with its turntables, level plaque and rules drawing,
// and the sprites beside and below it at the places PlufSheet.h names. Format_RGB32.
QImage PaintPlufSheet();

}  // namespace spindora::pluf
