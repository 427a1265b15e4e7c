#include "puzzles/Puzzle.h"

#include "assets/Raster.h"

namespace spindora {

void ComposeSprite(QImage& offScreen, QPoint at, const QImage& sheet, const QRect& mask,
                   const QRect& picture) {
    CopyRect(offScreen, at, sheet, mask, RasterOp::And);
    CopyRect(offScreen, at, sheet, picture, RasterOp::Or);
}

}  // namespace spindora
