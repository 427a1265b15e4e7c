#include "puzzles/BoardBox.h"

#include "puzzles/BoardGeometry.h"

namespace spindora {

ImageBoardBox::ImageBoardBox() : image_(kBoardWidth, kBoardHeight, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

void ImageBoardBox::show(const QRect& rect) {
    ++showCount_;
    lastShown_ = rect;
}

}  // namespace spindora
