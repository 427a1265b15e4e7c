#pragma once
#include <QImage>

namespace spindora::murvo {

// b4.bmp: the empty board at (0, 0) (left part behind the discs, right part behind the
// pattern and the level figure), the discs in six rows and three variants with their mask,
// the small pattern discs with theirs, and the ten level figures, at the places
// MurvoSheet.h names. Format_RGB32.
// At `scale` device pixels per board pixel the same drawing comes denser, for the
// screens that show more pixels; the places stay those of the 1:1 sheet times `scale`.
QImage PaintMurvoSheet(int scale = 1);

}  // namespace spindora::murvo
