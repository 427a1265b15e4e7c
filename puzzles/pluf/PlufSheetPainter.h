#pragma once
#include <QImage>

namespace spindora::pluf {

// b3.bmp: the empty board at (0, 0) with its turntables, level plaque and rules drawing,
// and the sprites beside and below it at the places PlufSheet.h names. Format_RGB32.
// At `scale` device pixels per board pixel the same drawing comes denser, for the
// screens that show more pixels; the places stay those of the 1:1 sheet times `scale`.
QImage PaintPlufSheet(int scale = 1);

}  // namespace spindora::pluf
