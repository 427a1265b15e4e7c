#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>

#include "TestSupport.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/zibbo/Zibbo.h"
#include "puzzles/zibbo/ZibboSheet.h"

namespace spindora::zibbo {
namespace {

using test::FakeHost;
using test::ScriptedRandom;

constexpr int kUp = 11;  // the upright pointer

std::array<int, 9> AllUpright() {
    std::array<int, 9> d;
    d.fill(kUp);
    return d;
}

// Top-left corners of the nine 78 x 78 ZIBBOS on the board, row by row.
constexpr QPoint kCorner[9] = {{40, 40},  {130, 40},  {220, 40},  {40, 130}, {130, 130},
                               {220, 130}, {40, 220}, {130, 220}, {220, 220}};
constexpr int kSide = 78;

TEST(Zibbo, PressSquaresIncludeTheGapToTheRightAndBelow) {
    struct Case { int x, y, piece; };
    const Case cases[] = {
        {39, 100, -1}, {100, 39, -1}, {40, 40, 0}, {117, 40, 0}, {118, 40, 0}, {129, 129, 0},
        {130, 40, 1}, {208, 40, 1}, {219, 40, 1}, {220, 40, 2}, {309, 40, 2}, {310, 40, -1},
        {40, 129, 0}, {40, 130, 3}, {40, 219, 3}, {40, 220, 6}, {309, 309, 8}, {40, 310, -1},
        {309, 310, -1}, {499, 332, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Zibbo::PieceAt(c.x, c.y), c.piece) << c.x << "," << c.y;

    FakeHost host(test::ZibboSheet());
    Zibbo zibbo(host);
    zibbo.Directions() = AllUpright();
    zibbo.BoardMouseDown(310, 100, MouseButton::Left);  // right of the grid
    zibbo.BoardMouseDown(100, 320, MouseButton::Left);  // below the grid
    zibbo.BoardMouseDown(100, 100, MouseButton::Middle);
    EXPECT_EQ(zibbo.Directions(), AllUpright());
    EXPECT_TRUE(host.effects.empty());
    EXPECT_EQ(host.state, kReady);
    EXPECT_EQ(host.board.showCount(), 0);
}

TEST(Zibbo, LevelButtonBoundsAreExclusiveAndPassTheButtonOn) {
    FakeHost host(test::ZibboSheet());
    Zibbo zibbo(host);
    const std::array<int, 9> before = zibbo.Directions();
    const struct { int x, y; bool hit; } cases[] = {
        {431, 126, true}, {479, 174, true}, {454, 150, true}, {430, 150, false},
        {480, 150, false}, {454, 125, false}, {454, 175, false},
    };
    for (const auto& c : cases) {
        host.optionPresses.clear();
        zibbo.BoardMouseDown(c.x, c.y, MouseButton::Right);
        EXPECT_EQ(host.optionPresses.size(), c.hit ? 1u : 0u) << c.x << "," << c.y;
    }
    host.optionPresses.clear();
    host.state = kSolved;
    zibbo.BoardMouseDown(440, 140, MouseButton::Middle);
    ASSERT_EQ(host.optionPresses.size(), 1u);
    EXPECT_EQ(host.optionPresses[0], MouseButton::Middle);
    EXPECT_EQ(zibbo.Directions(), before);
    EXPECT_TRUE(host.effects.empty());
}

TEST(Zibbo, CentrePressTurnsTheLevelsOwnSet) {
    FakeHost host(test::ZibboSheet());
    Zibbo zibbo(host);
    const auto press = [&](int level, MouseButton button) {
        host.levels.gmode = level;
        zibbo.Directions() = AllUpright();
        zibbo.BoardMouseDown(175, 175, button);  // ZIBBO 4
        return zibbo.Directions();
    };
    EXPECT_EQ(press(1, MouseButton::Left), (std::array<int, 9>{11, 11, 11, 11, 0, 11, 11, 11, 11}));
    EXPECT_EQ(press(4, MouseButton::Left), (std::array<int, 9>{11, 0, 11, 0, 0, 0, 11, 0, 11}));
    EXPECT_EQ(press(6, MouseButton::Left), (std::array<int, 9>{1, 11, 1, 11, 0, 11, 1, 11, 1}));
    EXPECT_EQ(press(8, MouseButton::Left), (std::array<int, 9>{0, 11, 0, 11, 9, 11, 0, 11, 0}));
    EXPECT_EQ(press(8, MouseButton::Right), (std::array<int, 9>{10, 11, 10, 11, 1, 11, 10, 11, 10}));
}

// Four levels follow a rule that names the turned ZIBBOS; each turns them one twelfth.
TEST(Zibbo, LevelsOneTwoThreeAndFiveTurnTheSetsTheirRulesName) {
    const auto rowOf = [](int k) { return k / 3; };
    const auto colOf = [](int k) { return k % 3; };
    const auto between = [](int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); };
    const struct { int level; std::function<bool(int pressed, int other)> turns; } rules[] = {
        // A corner turns the 2 x 2 block it shares with the centre, an edge its side of the
        // grid, the centre itself.
        {1, [&](int k, int j) {
             if (k == 4) return j == 4;
             if (rowOf(k) == 1) return colOf(j) == colOf(k);
             if (colOf(k) == 1) return rowOf(j) == rowOf(k);
             return between(rowOf(j), rowOf(k), 1) && between(colOf(j), colOf(k), 1);
         }},
        // Itself with its horizontal and vertical neighbours.
        {2, [&](int k, int j) {
             return std::abs(rowOf(j) - rowOf(k)) + std::abs(colOf(j) - colOf(k)) <= 1;
         }},
        // Its whole row and column.
        {3, [&](int k, int j) { return rowOf(j) == rowOf(k) || colOf(j) == colOf(k); }},
        // All its neighbours, diagonal ones included, but not itself.
        {5, [&](int k, int j) {
             return j != k && std::abs(rowOf(j) - rowOf(k)) <= 1 && std::abs(colOf(j) - colOf(k)) <= 1;
         }},
    };
    FakeHost host(test::ZibboSheet());
    Zibbo zibbo(host);
    for (const auto& rule : rules) {
        host.levels.gmode = rule.level;
        for (int k = 0; k < 9; ++k) {
            zibbo.Directions() = AllUpright();
            const QPoint at = kCorner[k] + QPoint(39, 39);
            zibbo.BoardMouseDown(at.x(), at.y(), MouseButton::Left);
            std::array<int, 9> expected = AllUpright();
            for (int j = 0; j < 9; ++j)
                if (rule.turns(k, j)) expected[j] = 0;
            EXPECT_EQ(zibbo.Directions(), expected) << "level " << rule.level << " piece " << k;
        }
    }
}

TEST(Zibbo, RightPressUndoesLeftPressOnEveryLevelAndPiece) {
    FakeHost host(test::ZibboSheet());
    Zibbo zibbo(host);
    SeededRandom random(42);
    for (int level = 1; level <= 9; ++level) {
        host.levels.gmode = level;
        for (int k = 0; k < 9; ++k) {
            for (int& d : zibbo.Directions()) d = random.Random(12);
            const std::array<int, 9> before = zibbo.Directions();
            const QPoint at = kCorner[k] + QPoint(50, 50);
            zibbo.BoardMouseDown(at.x(), at.y(), MouseButton::Left);
            EXPECT_NE(zibbo.Directions(), before) << "level " << level << " piece " << k;
            zibbo.BoardMouseDown(at.x(), at.y(), MouseButton::Right);
            EXPECT_EQ(zibbo.Directions(), before) << "level " << level << " piece " << k;
        }
    }
}

TEST(Zibbo, SolvedIsReportedOnlyAfterAPressThatLeavesAllUpright) {
    ScriptedRandom random;
    FakeHost host(test::ZibboSheet(), &random);
    host.levels.gmode = 2;
    Zibbo zibbo(host);

    // A deal that happens to come out solved is dealt silently.
    random.script = {1};  // 102 steps: each forward turn is undone by the next
    for (int step = 0; step < 102; ++step)
        random.script.insert(random.script.end(), {step / 2 % 11, step / 2 % 9, step % 2});
    zibbo.NewBoard();
    EXPECT_TRUE(zibbo.IsSolved());
    EXPECT_EQ(host.solvedReports, 0);

    zibbo.BoardMouseDown(175, 175, MouseButton::Right);
    EXPECT_EQ(host.state, kRunning);
    EXPECT_EQ(host.effects, std::vector<int>{1});
    EXPECT_EQ(host.solvedReports, 0);
    zibbo.BoardMouseDown(175, 175, MouseButton::Left);
    EXPECT_EQ(host.effects, (std::vector<int>{1, 1}));
    EXPECT_EQ(host.solvedReports, 1);

    // On a solved board a press still turns and sounds but does not restart the clock.
    host.state = kSolved;
    zibbo.BoardMouseDown(175, 175, MouseButton::Left);
    EXPECT_EQ(host.state, kSolved);
    EXPECT_EQ(host.effects.size(), 3u);
    EXPECT_FALSE(zibbo.IsSolved());
}

TEST(Zibbo, ShuffleDrawsStepsThenCountPieceAndDirectionPerStep) {
    ScriptedRandom random;
    FakeHost host(test::ZibboSheet(), &random);
    host.levels.gmode = 3;
    Zibbo zibbo(host);
    // 2 + 101 = 103 steps; step i turns piece i mod 9, (i mod 11) + 1 times, alternating.
    random.script = {2};
    std::vector<int> expectedRanges = {1000};
    std::array<int, 9> expected = AllUpright();
    for (int i = 0; i < 103; ++i) {
        const int times = i % 11 + 1, k = i % 9, d = i % 2;
        random.script.insert(random.script.end(), {times - 1, k, d});
        expectedRanges.insert(expectedRanges.end(), {11, 9, 2});
        for (int t = 0; t < times; ++t)
            for (int j = 0; j < 9; ++j)
                if (j % 3 == k % 3 || j / 3 == k / 3)  // level 3: its row and its column
                    expected[j] = (expected[j] + (d == 0 ? 1 : -1) + 12) % 12;
    }
    zibbo.Directions().fill(3);  // a deal starts from the solved position
    zibbo.NewBoard();
    EXPECT_EQ(random.ranges, expectedRanges);
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(zibbo.Directions(), expected);
    EXPECT_EQ(host.board.showCount(), 0) << "a deal draws nothing";
    EXPECT_TRUE(host.effects.empty());
}

TEST(Zibbo, ChangeLevelCyclesByButtonAndAlwaysDealsAndPaints) {
    FakeHost host(test::ZibboSheet());
    Zibbo zibbo(host);
    host.levels.gmode = 9;
    zibbo.ChangeLevel(MouseButton::Left);
    EXPECT_EQ(host.levels.gmode, 1);
    zibbo.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.gmode, 9);
    zibbo.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.gmode, 8);
    const int shows = host.board.showCount();
    zibbo.Directions() = AllUpright();
    zibbo.ChangeLevel(MouseButton::Middle);
    EXPECT_EQ(host.levels.gmode, 8);
    EXPECT_GT(host.board.showCount(), shows);
    EXPECT_FALSE(zibbo.IsSolved()) << "a middle press deals anew at the same level";
}

QRgb Masked(QRgb board, QRgb mask, QRgb image) {
    return qRgb((qRed(board) & qRed(mask)) | qRed(image), (qGreen(board) & qGreen(mask)) | qGreen(image),
                (qBlue(board) & qBlue(mask)) | qBlue(image));
}

TEST(Zibbo, DrawnPiecesEqualAnIndependentMaskedComposition) {
    FakeHost host(test::ZibboSheet());
    Zibbo zibbo(host);
    zibbo.Directions() = {0, 1, 2, 3, 4, 5, 8, 10, 11};
    host.levels.gmode = 7;
    zibbo.PaintBoard();
    const QImage& shown = host.board.image();
    const QImage& sheet = host.sheet;
    for (int k = 0; k < 9; ++k) {
        const QPoint at = kCorner[k];
        const int v = zibbo.Directions()[k];
        // Three columns of four images, then the one mask for all directions.
        const QPoint picture(500 + 78 * (v / 4), 78 * (v % 4));
        const QPoint mask(734, 0);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const QRgb want = Masked(sheet.pixel(at.x() + x, at.y() + y),
                                         sheet.pixel(mask.x() + x, mask.y() + y),
                                         sheet.pixel(picture.x() + x, picture.y() + y));
                ASSERT_EQ(shown.pixel(at.x() + x, at.y() + y), want) << "piece " << k << " at " << x << "," << y;
            }
    }
    // Outside the pieces and the level number the board is the picture itself.
    EXPECT_EQ(shown.pixel(10, 10), sheet.pixel(10, 10));
    EXPECT_EQ(shown.pixel(400, 300), sheet.pixel(400, 300));
    EXPECT_EQ(host.board.lastShown().top(), 139);

    // The level number is written into the level button, centred on x = 454, top at 139.
    int inked = 0, left = 500, right = 0, top = 333;
    for (int y = 125; y < 175; ++y)
        for (int x = 430; x < 480; ++x)
            if (shown.pixel(x, y) != sheet.pixel(x, y)) {
                ++inked;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    EXPECT_GT(inked, 20);
    EXPECT_NEAR((left + right) / 2.0, 454, 2.0);
    // The digit's ink starts a little below the text's top, as the font's ascent leaves room.
    EXPECT_GE(top, 139);
    EXPECT_LE(top, 139 + 6);

    // A press redraws only the turned pieces, each as its own square.
    const int shows = host.board.showCount();
    host.levels.gmode = 1;
    zibbo.BoardMouseDown(175, 175, MouseButton::Left);
    EXPECT_EQ(host.board.showCount(), shows + 1);
    EXPECT_EQ(host.board.lastShown(), QRect(130, 130, 78, 78));
}

}  // namespace
}  // namespace spindora::zibbo
