#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "assets/Glyphs.h"

namespace spindora {

// The pictures the program carries inside itself, made at build time.
inline constexpr int kDigitStripItem = 0;
inline constexpr int kDialogBackgroundItem = 1;

// Item 0: the clock's digit strip; item 1: the dialog background. Format_RGB32.
const QImage& Bitmaps(int item);
// A button glyph; two-image glyphs give the right image for the disabled state.
QIcon GlyphIcon(Glyph glyph);
QIcon ProgramIcon();
// The splash picture (200 x 150) and the about box's maker logo (100 x 75).
QPixmap SplashPicture();
QPixmap AboutPicture();

// Resource paths the build-time generator writes and the program reads.
QString GlyphResourceName(const GlyphLayout& info);
inline constexpr const char* kDigitStripResource = "digits.bmp";
inline constexpr const char* kDialogBackgroundResource = "dialog.bmp";
inline constexpr const char* kProgramIconResource = "icon.png";
inline constexpr const char* kSplashResource = "splash.bmp";
inline constexpr const char* kAboutResource = "about.bmp";

}  // namespace spindora
