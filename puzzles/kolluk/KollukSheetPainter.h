#pragma once
#include <QImage>

namespace spindora::kolluk {

// b2.bmp: the empty board at (0, 0) with its ring tracks, level button and rules drawing;
// below it the platforms of every level and the thirteen balls with their mask; right of
// it the four level pictures; all at the places KollukSheet.h names. Format_RGB32.
// At `scale` device pixels per board pixel the same drawing comes denser, for the
// screens that show more pixels; the places stay those of the 1:1 sheet times `scale`.
QImage PaintKollukSheet(int scale = 1);

}  // namespace spindora::kolluk
