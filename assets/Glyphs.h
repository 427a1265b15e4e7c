#pragma once
#include <QImage>
#include <vector>

class QPainter;

namespace spindora {

// Button pictures. A glyph with two images holds them side by side: the normal one on
// the left, the one for a disabled button on the right.
enum class Glyph {
    Mix, Option, Pause, Sound, Midi, HighScore, Exit, Zibbo, Kolluk, Pluf, Murvo,
    Tongue, Help, Info, Brizzel, Smiley, Cross, Tick, EnglishFlags, GermanFlags,
};

struct GlyphLayout {
    Glyph id;
    const char* name;  // file stem in the embedded resources
    int width;
    int height;
    int images;
};

const std::vector<GlyphLayout>& AllGlyphs();
const GlyphLayout& LayoutOf(Glyph id);

// Painted at build time; transparent (alpha 0) outside the motif.
// At `scale` the same glyph comes with that many pixels to each of its own (for dense
// screens), otherwise at the art scale of the picture it goes into.
QImage PaintGlyph(Glyph id, int scale = 0);

// The maker's mascot of the BrizzelBtn glyph, as shapes in its 26 x 20 cell at the
// painter's origin, so it can be drawn large by scaling the painter.
void PaintBrizzelHead(QPainter& painter);

// A white arrow to the upper right across a green ring on red; drawn for 32 x 32 and
// scaled as a drawing (not as pixels) to the other sizes a desktop asks for.
QImage PaintProgramIcon(int size = 32);

}  // namespace spindora
