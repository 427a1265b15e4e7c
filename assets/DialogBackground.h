#pragma once
#include <QImage>
#include <QRect>

class QPainter;

namespace spindora {

inline constexpr int kDialogBackgroundWidth = 320;
inline constexpr int kDialogBackgroundHeight = 200;
// The logo lies within columns 17..73 and rows 141..185 of the picture.
inline constexpr QRect kDialogLogoRect{17, 141, 57, 45};

// Our logo: a spinning top whose striped body carries a bold "S", with whirl lines beside
// it, in a cell the size of kDialogLogoRect at the painter's origin (scale it for more).
void PaintSpinningTop(QPainter& painter);

// Mottled salmon and grey-green with the logo in the lower left; Format_RGB32.
// At `scale` the same picture comes with that many pixels to each of its own.
QImage PaintDialogBackground(int scale = 1);

}  // namespace spindora
