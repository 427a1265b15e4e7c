#pragma once
// The face of the dialogs' push buttons, in the boards' own finish: a cream plaque in a
// polished brass rim, like every board's level button, framed in walnut.
#include <QColor>
#include <QRectF>

class QPainter;

namespace spindora::paint {

struct ButtonLook {
    bool down = false;
    bool hovered = false;
    bool enabled = true;
    bool focused = false;
};

// Painted in logical pixels with antialiasing, so the face scales with the screen.
void PaintButtonFace(QPainter& painter, const QRectF& box, const ButtonLook& look);
// The ink of a button's caption on that face.
QColor ButtonInk(bool enabled);

}  // namespace spindora::paint
