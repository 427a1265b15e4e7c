#pragma once
#include <Qt>

#include "puzzles/PuzzleHost.h"

namespace spindora {

// Left and right step a level or turn a piece; every other button (middle, and the back
// and forward thumb buttons) is "any other button", which must never count as a left press.
constexpr MouseButton ToMouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Middle;
    }
}

}  // namespace spindora
