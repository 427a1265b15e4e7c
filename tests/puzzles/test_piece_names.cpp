// What a screen reader says of each board, for positions set up by hand: every piece by its
// place and its state, in both languages.
#include <gtest/gtest.h>

#include <set>

#include "rules/kolluk/KollukRules.h"
#include "rules/murvo/MurvoRules.h"
#include "rules/pluf/PlufRules.h"
#include "rules/zibbo/ZibboRules.h"
#include "rules/murvo/Moves.h"
#include "shell/AccessibleTexts.h"
#include "puzzles/PieceNames.h"
#include "shell/BoardWords.h"
#include "game/PuzzleDescriptors.h"

namespace spindora {
namespace {

struct Said {
    int piece;
    const char* name;
    const char* description = "";
};

void ExpectSaid(const BoardWords& words, std::initializer_list<Said> expected) {
    for (const Said& said : expected) {
        ASSERT_LT(said.piece, static_cast<int>(words.pieces.size()));
        EXPECT_EQ(words.pieces[said.piece].name, QString::fromUtf8(said.name)) << "piece " << said.piece;
        EXPECT_EQ(words.pieces[said.piece].description, QString::fromUtf8(said.description)) << "piece " << said.piece;
    }
}

TEST(PieceNames, ZibboDialsByRowColumnAndTheHourTheirPointerShows) {
    // 11 points up; each step on is a twelfth further clockwise.
    const zibbo::Position position{{11, 0, 2, 3, 5, 8, 10, 1, 11}};
    const BoardWords words = ZibboWords(position, 0);
    EXPECT_EQ(words.targets, 9);
    ExpectSaid(words, {{0, "top row, left dial: pointer at 12 o'clock"},
                       {1, "top row, middle dial: pointer at 1 o'clock"},
                       {4, "middle row, middle dial: pointer at 6 o'clock"},
                       {6, "bottom row, left dial: pointer at 11 o'clock"},
                       {8, "bottom row, right dial: pointer at 12 o'clock"}});
    ExpectSaid(ZibboWords(position, 1), {{5, "mittlere Reihe, rechter ZIBBO: Zeiger auf 9 Uhr"}});
}

TEST(PieceNames, KollukRingsThenPlacesWithBallAndPlatform) {
    // Level 1's goal with the balls of places 0 and 6 swapped.
    kolluk::Position position{{12, 3, 3, 12, 12, 2, 3, 1, 2, 12, 1, 2, 1}};
    const BoardWords words = KollukWords(position, 1, 0);
    EXPECT_EQ(words.targets, 3);
    EXPECT_EQ(words.pieces.size(), 16u);
    ExpectSaid(words, {{0, "upper ring",
                        "clockwise from the top: ball white (hourglass), platform yellow; ball yellow (triangle), "
                        "platform yellow; ball white (hourglass), platform white; ball yellow (triangle), platform "
                        "white; ball white (hourglass), platform white; ball yellow (triangle), platform yellow"},
                       {3, "upper ring top: ball white (hourglass), platform yellow"},
                       {9, "upper ring bottom, lower left ring upper right, lower right ring upper left: "
                           "ball yellow (triangle), platform white"},
                       {15, "lower right ring bottom: ball red (dot), platform red"}});
    ExpectSaid(KollukWords(position, 1, 1), {{8, "linker unterer Ring links oben: Ball blau (Quadrat), Plattform blau"}});
}

TEST(PieceNames, PlufPlatesByColumnWithTheirButtonsAndMatchingNeighbours) {
    // Level 1: plates 1 to 10 in columns 2 to 4. Plate 1 faces plate 8 on slot 2, plate 2 on
    // slot 3 and plate 5 on slot 4; only plate 2 matches it.
    pluf::Position position{};
    position.buttons[0] = {0, 1, 2, 3, 4, 5};
    position.buttons[1][0] = 3;
    position.buttons[7][5] = 9;
    position.buttons[4][1] = 9;
    const BoardWords words = PlufWords(position, 1, 0);
    EXPECT_EQ(words.targets, 10);
    ExpectSaid(words, {{0, "column 2, plate 1 from the top; buttons clockwise from the top: petrol (dot), copper "
                           "(ring), red (square), slate (hollow square), sky blue (diamond), fir green (hollow "
                           "diamond); matches 1 of 3 neighbours"},
                       {6, "column 1, plate 3 from the top; buttons clockwise from the top: petrol (dot), petrol "
                           "(dot), petrol (dot), petrol (dot), petrol (dot), petrol (dot); matches 3 of 3 "
                           "neighbours"}});
    EXPECT_TRUE(PlufWords(position, 1, 1).pieces[0].name.startsWith(
        QString::fromUtf8("Spalte 2, Platte 1 von oben; Knöpfe im Uhrzeigersinn von oben: petrol (Punkt), kupfer (Ring)")));
}

TEST(PieceNames, MurvoRingsThenDiscsWithWhatThePatternWants) {
    // Level 1's pattern, each colour in the sprite row of its own number, with place 5 given
    // colour 1 in the middle tone instead of colour 5 in the light one.
    const murvo::Board levelOne = {11, 11, 31, 31, 51, 51, 11, 11, 11, 11, 31, 31, 31, 31, 51, 51, 51, 51};
    murvo::Position position;
    position.patterns[0] = position.board = levelOne;
    position.board[4] = 10;
    const BoardWords words = MurvoWords(position, 1, 0);
    EXPECT_EQ(words.targets, 13);
    EXPECT_EQ(words.pieces.size(), 13u + 18u);
    ExpectSaid(words, {{0, "hexagon in the middle",
                        "inner ring, place 3 of 6: light red (triangle), matches the pattern; inner ring, place 4 of 6: "
                        "light red (triangle), matches the pattern; inner ring, place 5 of 6: light green (plus), "
                        "matches the pattern; inner ring, place 6 of 6: light green (plus), matches the pattern; "
                        "inner ring, place 1 of 6: red (triangle), pattern wants light blue (crescent); inner ring, "
                        "place 2 of 6: light blue (crescent), matches the pattern"},
                       {13 + 4, "inner ring, place 1 of 6: red (triangle), pattern wants light blue (crescent)"},
                       {13 + 15, "middle ring, place 1 of 12: light blue (crescent), matches the pattern"}});
    EXPECT_EQ(words.pieces[1].name, "rhombus at 3 o'clock");
    EXPECT_EQ(words.pieces[2].name, "triangle at 4 o'clock");
    // With the outer ring in play, a rhombus at 3 o'clock lies inside and another outside.
    const BoardWords outer = MurvoWords(murvo::StartPosition(), 5, 1);
    EXPECT_EQ(outer.pieces[1].name, "Raute bei 3 Uhr, innen");
    EXPECT_EQ(outer.pieces[7].name, QString::fromUtf8("Raute bei 3 Uhr, außen"));
    EXPECT_EQ(outer.pieces[8].name, QString::fromUtf8("Dreieck bei halb 4, außen"));
    EXPECT_TRUE(outer.pieces[31 + 31].name.startsWith(QString::fromUtf8("äußerer Ring, Platz 1 von 18: ")));
}

// A hint names its target by the place alone, and every target of a level has its own.
TEST(PieceNames, HintsNameEveryTargetOfEveryLevelByAPlaceOfItsOwn) {
    LevelSettings levels;
    EXPECT_EQ(HintAnnouncement(kZibbo, levels, 1, true, 0), "Hint: top row, middle dial, left button");
    EXPECT_EQ(HintAnnouncement(kPluf, levels, 0, false, 1), "Tipp: Spalte 2, Platte 1 von oben, rechte Maustaste");
    for (const Mode mode : kAllModes)
        for (int level = 1; level <= Describe(mode).levels; ++level) {
            const int targets = mode == kZibbo ? 9 : mode == kKolluk ? 3 : mode == kPluf ? pluf::PlatesInPlay(level)
                                : static_cast<int>(murvo::OfferedRings(level).size());
            for (const int tongue : {0, 1}) {
                std::set<QString> places;
                for (int target = 0; target < targets; ++target) places.insert(TargetPlace(mode, level, target, tongue));
                EXPECT_EQ(places.size(), static_cast<size_t>(targets)) << "mode " << int(mode) << ", level " << level;
            }
        }
}

}  // namespace
}  // namespace spindora
