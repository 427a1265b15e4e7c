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

// A hint names its piece by where it stands, so every piece of a level needs a name of its own.
TEST(HintTexts, EveryPieceOfEveryLevelIsNamedByWhereItStandsInBothLanguages) {
    const struct { Mode mode; int level, target; const char *english, *german; } rows[] = {
        // Level 1 plays three columns of plates; plate 1 tops the middle one.
        {kPluf, 1, 0, "the first plate from the top in the second column", "die erste Scheibe von oben in der zweiten Spalte"},
        {kMurvo, 5, 8, "the outer triangle between 3 and 4 o'clock", "das äußere Dreieck zwischen 3 und 4 Uhr"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PressTargetName(row.mode, AtLevel(row.mode, row.level), row.target, 0).toStdString(), row.english);
        EXPECT_EQ(PressTargetName(row.mode, AtLevel(row.mode, row.level), row.target, 1).toStdString(), row.german);
    }
    EXPECT_EQ(MoveHintText(kZibbo, AtLevel(kZibbo, 1), {1, MouseButton::Left}, 0).toStdString(),
              "Hint: the middle dial of the top row, left button");
    EXPECT_EQ(MoveHintText(kZibbo, AtLevel(kZibbo, 1), {1, MouseButton::Right}, 1).toStdString(),
              "Tipp: der mittlere ZIBBO der oberen Reihe, rechte Maustaste");

    for (const Mode mode : kAllModes)
        for (int level = 1; level <= Describe(mode).levels; ++level) {
            const size_t pieces = mode == kZibbo ? 9 : mode == kKolluk ? 3
                                : mode == kPluf  ? static_cast<size_t>(pluf::PlatesInPlay(level))
                                                 : murvo::OfferedRings(level).size();
            for (const int tongue : {0, 1}) {
                std::set<QString> names;
                for (size_t target = 0; target < pieces; ++target)
                    names.insert(PressTargetName(mode, AtLevel(mode, level), static_cast<int>(target), tongue));
                EXPECT_EQ(names.size(), pieces) << "mode " << int(mode) << " level " << level;
            }
        }
}

}  // namespace
}  // namespace spindora
