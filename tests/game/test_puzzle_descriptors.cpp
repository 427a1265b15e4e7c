#include <gtest/gtest.h>

#include "game/PuzzleDescriptors.h"

namespace spindora {
namespace {

// A value given to the wrong puzzle would load another board, key another list, bound the
// stored level wrongly or put another picture on the help page.
TEST(PuzzleDescriptors, EachModeHasItsOwnPuzzleFilesKeyAndLevels) {
    const struct {
        const char *name, *button, *picture, *prefix, *setting;
        int levels;
        const char* helpPage;
        Glyph glyph;
    } expected[] = {
        {"ZIBBO", "ZibboBtn", "b1.bmp", "zibb", "gmode", 9, "zibbo", Glyph::Zibbo},
        {"KOLLUK", "KollukBtn", "b2.bmp", "kol", "hmode", 4, "kolluk", Glyph::Kolluk},
        {"PLUF", "PlufBtn", "b3.bmp", "pluf", "dmode", 4, "pluf", Glyph::Pluf},
        {"MURVO", "MurvoBtn", "b4.bmp", "murv", "rmode", 10, "murvo", Glyph::Murvo},
    };
    for (const Mode mode : kAllModes) {
        const PuzzleDescriptor& puzzle = Describe(mode);
        const auto& e = expected[mode];
        SCOPED_TRACE(e.name);
        EXPECT_STREQ(puzzle.name, e.name);
        EXPECT_STREQ(puzzle.buttonName, e.button);
        EXPECT_STREQ(puzzle.pictureFile, e.picture);
        EXPECT_STREQ(puzzle.levelKeyPrefix, e.prefix);
        EXPECT_STREQ(puzzle.levelSetting, e.setting);
        EXPECT_EQ(puzzle.levels, e.levels);
        EXPECT_STREQ(puzzle.helpPage, e.helpPage);
        EXPECT_EQ(puzzle.glyph, e.glyph);
        EXPECT_TRUE(puzzle.optionEnabled);
    }
    // Only 0..3 name a mode.
    EXPECT_EQ(Mode::Numbered(3), kMurvo);
    EXPECT_FALSE(Mode::Numbered(4));
    EXPECT_FALSE(Mode::Numbered(-1));
}

}  // namespace
}  // namespace spindora
