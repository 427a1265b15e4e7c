#include <gtest/gtest.h>

#include <set>

#include "puzzles/murvo/Moves.h"
#include "puzzles/pluf/PlufRules.h"
#include "shell/HintTexts.h"
#include "shell/PuzzleDescriptors.h"

namespace spindora {
namespace {

LevelSettings AtLevel(Mode mode, int level) {
    LevelSettings levels;
    levels.*Describe(mode).level = level;
    return levels;
}

TEST(HintTexts, AHintNamesThePieceByWhereItStandsAndTheButton) {
    const struct { Mode mode; int level; int target; const char* english; const char* german; } rows[] = {
        {kZibbo, 1, 1, "the middle dial of the top row", "der mittlere ZIBBO der oberen Reihe"},
        {kZibbo, 9, 6, "the left dial of the bottom row", "der linke ZIBBO der unteren Reihe"},
        {kKolluk, 4, 2, "the lower right ring", "der rechte untere Ring"},
        // Level 1 plays plates 5 to 7, 1 to 4 and 8 to 10 in three columns; plate 1 tops the middle one.
        {kPluf, 1, 0, "the first plate from the top in the second column", "die erste Scheibe von oben in der zweiten Spalte"},
        {kPluf, 4, 3, "the fourth plate from the top in the fourth column", "die vierte Scheibe von oben in der vierten Spalte"},
        {kMurvo, 1, 0, "the hexagon in the centre", "das Sechseck in der Mitte"},
        {kMurvo, 1, 1, "the inner rhombus at 3 o'clock", "die innere Raute bei 3 Uhr"},
        {kMurvo, 1, 4, "the inner triangle at 6 o'clock", "das innere Dreieck bei 6 Uhr"},
        {kMurvo, 5, 8, "the outer triangle between 3 and 4 o'clock", "das äußere Dreieck zwischen 3 und 4 Uhr"},
    };
    for (const auto& row : rows) {
        const LevelSettings levels = AtLevel(row.mode, row.level);
        EXPECT_EQ(PressTargetName(row.mode, levels, row.target, 0).toStdString(), row.english);
        EXPECT_EQ(PressTargetName(row.mode, levels, row.target, 1).toStdString(), row.german);
    }
    const TargetPress middleTop{1, MouseButton::Left};
    EXPECT_EQ(MoveHintText(kZibbo, AtLevel(kZibbo, 1), middleTop, 0).toStdString(),
              "Hint: the middle dial of the top row, left button");
    EXPECT_EQ(MoveHintText(kKolluk, AtLevel(kKolluk, 1), {0, MouseButton::Right}, 1).toStdString(),
              "Tipp: der obere Ring, rechte Maustaste");
}

TEST(HintTexts, EveryPieceOfEveryLevelHasANameOfItsOwnInBothLanguages) {
    for (const Mode mode : kAllModes)
        for (int level = 1; level <= Describe(mode).levels; ++level) {
            const int pieces = mode == kZibbo ? 9 : mode == kKolluk ? 3
                             : mode == kPluf  ? pluf::PlatesInPlay(level)
                                              : static_cast<int>(murvo::OfferedRings(level).size());
            for (const int tongue : {0, 1}) {
                std::set<QString> names;
                for (int target = 0; target < pieces; ++target)
                    names.insert(PressTargetName(mode, AtLevel(mode, level), target, tongue));
                EXPECT_EQ(names.size(), static_cast<size_t>(pieces)) << "mode " << int(mode) << " level " << level;
            }
        }
}

}  // namespace
}  // namespace spindora
