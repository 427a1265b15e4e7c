#pragma once
#include <QFont>
#include <QImage>
#include <QPushButton>
#include <QRect>
#include <initializer_list>

#include "assets/Glyphs.h"

class QPainter;

namespace spindora {

// What the borderless dialogs share: the face they paint and the buttons and fonts they use.

// The bottom rows of the dialog background under a window of `size` (so the logo keeps its
// place at the lower left), a black outline round the window and round each frame.
void PaintDialogFace(QPainter& painter, const QImage& background, QSize size,
                     std::initializer_list<QRect> frames);

// A push button 27 high at `place` with a glyph; a two-image glyph shows its second image
// while the button is disabled.
QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QRect& place, Glyph glyph);

// The glyph a button made by MakeGlyphButton shows (an int), for drawing it anew at a zoom.
inline constexpr const char* kGlyphProperty = "spindoraGlyph";

// A font by the name the windows use, at a character height in pixels.
QFont PixelFont(const char* family, int pixels, bool bold = false);

inline constexpr int kDialogButtonHeight = 27;

// Centred across the main window, with its middle at the middle of the main window's
// client area; both divisions truncate toward zero.
QPoint PlaceOverClient(const QRect& mainFrame, int mainClientHeight, QSize size);

}  // namespace spindora
