#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "assets/Glyphs.h"

namespace spindora {

// The pictures the program carries inside itself, made at build time.
inline constexpr int kDigitStripItem = 0;
inline constexpr int kDialogBackgroundItem = 1;

// Item 0: the clock's digit strip; item 1: the dialog background. Format_RGB32, at the
// screen's density rounded up (its device pixel ratio says which).
const QImage& Bitmaps(int item);
// A button glyph; two-image glyphs give the right image for the disabled state.
// `leftPad` transparent columns before the image shift it right where the button centres it.
QIcon GlyphIcon(Glyph glyph, int leftPad = 0);
// The same with its dense image at `scale` device pixels to each of its own (a zoomed
// window), painted where the build carries none that dense.
QIcon GlyphIcon(Glyph glyph, int leftPad, int scale);
// A picture the build carries at `scale` (item 0 or 1 of Bitmaps), painted where it carries
// none that dense; Format_RGB32 with its device pixel ratio set.
QImage BitmapsAt(int item, int scale);
QIcon ProgramIcon();
// The splash picture (200 x 150) and the about box's maker logo (100 x 75).
QPixmap SplashPicture();
QPixmap AboutPicture();
// The same two at `scale` device pixels to each of their own, for a zoomed dialog: read
// where the build carries them that dense, painted otherwise; Format_RGB32, ratio 1.
QImage SplashPictureAt(int scale);
QImage AboutPictureAt(int scale);
// Sound bank item 0..4 as a complete WAVE file image; empty if the build lacks it.
QByteArray WaveList(int item);

// Resource paths the build-time generator writes and the program reads.
QString GlyphResourceName(const GlyphLayout& info, int scale = 1);
inline constexpr const char* kDigitStripResource = "digits.bmp";
inline constexpr const char* kDialogBackgroundResource = "dialog.bmp";
inline constexpr const char* kSplashResource = "splash.bmp";
inline constexpr const char* kAboutResource = "about.bmp";
inline constexpr const char* kProgramIconResource = "icon.png";  // the 32 x 32 one
// The program icon in the sizes desktops show (menus, panels, task switchers).
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128};
QString ProgramIconResourceName(int size);
// The file or resource of the 1:1 picture `name` (a path or a bare name) drawn at `scale`:
// "splash.bmp" at 2 is "splash@2x.bmp"; at 1 it is `name` itself.
QString DensePictureName(const QString& name, int scale);
inline QString DenseResourceName(const char* name, int scale) {
    return DensePictureName(QString::fromLatin1(name), scale);
}
QString WaveResourceName(int item);

}  // namespace spindora
