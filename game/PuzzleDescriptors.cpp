#include "game/PuzzleDescriptors.h"

#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/kolluk/KollukSheetPainter.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/murvo/MurvoSheetPainter.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/pluf/PlufSheetPainter.h"
#include "puzzles/zibbo/Zibbo.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"

namespace spindora {
namespace {

template <typename P>
std::unique_ptr<Puzzle> Make(PuzzleHost& host) {
    return std::make_unique<P>(host);
}

constexpr std::array<PuzzleDescriptor, kModes> kPuzzles{{
    {"ZIBBO", "ZibboBtn", Glyph::Zibbo, Hint::Zibbo, "b1.bmp", QRect(353, 187, 126, 126),
     {"Klicke auf die ZIBBOS. Stelle alle Zeiger nach oben.",
      "Click the ZIBBOS. Let all pointers show upwards."},
     true, "zibb", "gmode", &LevelSettings::gmode, zibbo::kLevels, "zibbo", &Make<zibbo::Zibbo>,
     &zibbo::PaintZibboSheet},
    {"KOLLUK", "KollukBtn", Glyph::Kolluk, Hint::Kolluk, "b2.bmp", QRect(320, 22, 160, 132),
     {"Laß die KOLLUK-Bälle rollen, bis alle Bälle\rauf der richtigfärbigen Plattform liegen.",
      "Let the KOLLUK-balls roll, until each ball\rlays on a platform of the same color."},
     true, "kol", "hmode", &LevelSettings::hmode, kolluk::kLevels, "kolluk", &Make<kolluk::Kolluk>,
     &kolluk::PaintKollukSheet},
    {"PLUF", "PlufBtn", Glyph::Pluf, Hint::Pluf, "b3.bmp", QRect(373, 236, 114, 85),
     {"Drehe die PLUF-Scheiben, bis die Knöpfe an\rsich gegenüberstehenden Kanten gleich sind.",
      "Rotate the PLUF-plates. Buttons, which\rlay next to each other, must look same."},
     true, "pluf", "dmode", &LevelSettings::dmode, pluf::kLevels, "pluf", &Make<pluf::Pluf>,
     &pluf::PaintPlufSheet},
    {"MURVO", "MurvoBtn", Glyph::Murvo, Hint::Murvo, "b4.bmp", QRect(317, 223, 165, 70),
     {"Verschiebe die MURVO-Plättchen, bis das Muster erreicht ist.",
      "Move the discs, until the MURVO looks like the pattern."},
     true, "murv", "rmode", &LevelSettings::rmode, murvo::kLevels, "murvo", &Make<murvo::Murvo>,
     &murvo::PaintMurvoSheet},
}};

}  // namespace

const PuzzleDescriptor& Describe(Mode mode) { return kPuzzles[mode]; }

}  // namespace spindora
