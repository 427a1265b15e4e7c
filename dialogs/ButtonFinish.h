#pragma once

class QAbstractButton;

namespace spindora {

// Dresses a dialog's push button in the game's own finish, in place of the desktop's grey:
// its face, hover, pressed and keyboard-focus looks are drawn by the game. Size, caption,
// glyph and behaviour stay the button's own.
void GiveGameFinish(QAbstractButton* button);

}  // namespace spindora
