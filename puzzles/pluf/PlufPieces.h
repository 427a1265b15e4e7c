#pragma once
#include <QImage>

namespace spindora::pluf {

// Paints the sprite part of b3.bmp into `sheet` (Format_RGB32, at least the sheet's
// size): the plate in four phases with masks, the two windows, the button mask, the 42
// buttons and the level and colour-setting figures, at the places PlufSheet.h names.
void PaintPlufPieces(QImage& sheet);

}  // namespace spindora::pluf
