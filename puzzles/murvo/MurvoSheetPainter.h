#pragma once
#include <QImage>

namespace spindora::murvo {

// b4.bmp: the empty board at (0, 0) (left part behind the discs, right part behind the
// pattern and the level figure), the discs in six rows and three variants with their mask,
// the small pattern discs with theirs, and the ten level figures, at the places
// MurvoSheet.h names. Format_RGB32.
QImage PaintMurvoSheet();

}  // namespace spindora::murvo
