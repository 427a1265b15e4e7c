#pragma once
#include <QByteArray>
#include <QImage>

#include "pictures/BitmapLayout.h"

namespace spindora {

// The pixels of `bmp`, laid out as `layout` says and checked whole (CheckBitmapBody), in
// the raster copies' format. Every pixel is written: the ones a run-length body skips take
// palette entry 0, and an index past the end of the palette is black. A null image when
// there is no memory for it.
QImage DecodeBitmap(const QByteArray& bmp, const BitmapLayout& layout);

}  // namespace spindora
