#pragma once
#include <QImage>
#include <vector>

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
QImage PaintGlyph(Glyph id);

// size x size (32 in the window): a white arrow to the upper right across a green ring on red.
QImage PaintProgramIcon(int size = 32);

}  // namespace spindora
