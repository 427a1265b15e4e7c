#include "puzzles/BoardBox.h"

#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"

namespace spindora {

ImageBoardBox::ImageBoardBox(int scale) : image_(MakeSurface(kBoardRect.size(), scale)) {}

void ImageBoardBox::show(const QRect& rect) {
    ++showCount_;
    lastShown_ = rect;
}

}  // namespace spindora
