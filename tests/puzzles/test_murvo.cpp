#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "TestSupport.h"
#include "puzzles/MurvoRules.h"
#include "puzzles/murvo/Murvo.h"

namespace spindora::murvo {
namespace {

using test::FakeHost;
using test::ScriptedRandom;
using namespace test::murvo_rules;

Board Numbered() {
    Board board;
    for (int i = 0; i < kPlaces; ++i) board[i] = static_cast<uint8_t>(i + 1);
    return board;
}

// Valid disc codes, all over the colours and variants.
Board Mixed(uint64_t seed) {
    SeededRandom random(seed);
    Board board;
    for (uint8_t& code : board) code = static_cast<uint8_t>(10 * (random.Random(6) + 1) + random.Random(3));
    return board;
}

TEST(Murvo, HotSpotsAnswerOnlyTheMovesTheLevelOffers) {
    for (int move = 0; move < 37; ++move) {
        const QPoint at = HotSpot(move);
        int inner = move <= 12 ? move : -1;
        if (move == 15) inner = 2;
        if (move == 23) inner = 6;
        if (move == 27) inner = 8;
        EXPECT_EQ(Murvo::MoveUnder(3, at.x(), at.y()), inner) << "levels 1-4, move " << move;
        int full = std::count(kFullOffer.begin(), kFullOffer.end(), move) ? move : -1;
        if (move == 2) full = 15;
        if (move == 6) full = 23;
        if (move == 8) full = 27;
        EXPECT_EQ(Murvo::MoveUnder(7, at.x(), at.y()), full) << "levels 5-10, move " << move;
    }
    // The squares reach ten pixels either side and no further.
    const QPoint spot = HotSpot(25);
    EXPECT_EQ(Murvo::MoveUnder(5, spot.x() - 10, spot.y() + 10), 25);
    EXPECT_EQ(Murvo::MoveUnder(5, spot.x() + 10, spot.y() - 10), 25);
    EXPECT_EQ(Murvo::MoveUnder(5, spot.x() - 11, spot.y()), -1);
    EXPECT_EQ(Murvo::MoveUnder(5, spot.x(), spot.y() + 11), -1);
    EXPECT_EQ(Murvo::MoveUnder(1, 5, 5), -1);
    // So it is round every spot a level offers: a spot off its place loses a corner.
    for (const int level : {3, 7})
        for (const int move : level <= 4 ? kInnerOffer : kFullOffer) {
            const QPoint at = HotSpot(move);
            for (const QPoint corner : {QPoint(-10, -10), QPoint(10, -10), QPoint(-10, 10), QPoint(10, 10)})
                EXPECT_EQ(Murvo::MoveUnder(level, at.x() + corner.x(), at.y() + corner.y()), move)
                    << "level " << level << " move " << move;
            for (const QPoint beyond : {QPoint(-11, 0), QPoint(11, 0), QPoint(0, -11), QPoint(0, 11)})
                EXPECT_NE(Murvo::MoveUnder(level, at.x() + beyond.x(), at.y() + beyond.y()), move)
                    << "level " << level << " move " << move;
        }

    // The level button is the whole corner right of 430 and below 270, in every state.
    FakeHost host(test::MurvoSheet());
    Murvo murvo(host);
    host.state = kSolved;
    const struct { int x, y; bool hit; } corner[] = {
        {431, 271, true}, {450, 290, true}, {499, 332, true}, {430, 300, false}, {460, 270, false},
    };
    for (const auto& c : corner) {
        host.optionPresses.clear();
        murvo.BoardMouseDown(c.x, c.y, MouseButton::Middle);
        EXPECT_EQ(host.optionPresses, c.hit ? std::vector{MouseButton::Middle} : std::vector<MouseButton>{})
            << c.x << "," << c.y;
    }
    EXPECT_TRUE(host.effects.empty());
    EXPECT_EQ(host.board.showCount(), 0);
}

TEST(Murvo, PressesTurnTheirRingAndUndoEachOther) {
    FakeHost host(test::MurvoSheet());
    Murvo murvo(host);
    Board& board = murvo.State().board;

    // Right turns clockwise, left counter-clockwise, on ring 1, 6, 18, 7.
    host.levels.rmode = 2;
    board = Mixed(7);
    board[0] = 11, board[5] = 22, board[17] = 30, board[6] = 41;
    murvo.PaintBoard();
    murvo.BoardMouseDown(HotSpot(1).x(), HotSpot(1).y(), MouseButton::Right);
    EXPECT_EQ((std::array{board[0], board[5], board[17], board[6]}), (std::array<uint8_t, 4>{41, 11, 22, 30}));
    murvo.BoardMouseDown(HotSpot(1).x(), HotSpot(1).y(), MouseButton::Left);
    murvo.BoardMouseDown(HotSpot(1).x(), HotSpot(1).y(), MouseButton::Left);
    EXPECT_EQ((std::array{board[0], board[5], board[17], board[6]}), (std::array<uint8_t, 4>{22, 30, 41, 11}));
    EXPECT_EQ(host.effects, (std::vector<int>{4, 4, 4}));
    EXPECT_EQ(host.waited, 3u * 160u) << "four frames of 40 ms per move";

    // Every move of both level groups: right then left restores, and a full round of
    // turns one way restores too (six for the hexagon, four a rhombus, three a triangle).
    for (const int level : {1, 8}) {
        host.levels.rmode = level;
        for (const int move : level == 1 ? kInnerOffer : kFullOffer) {
            const QPoint at = HotSpot(move);
            const Board before = board = Mixed(move + 100 * level);
            Board expected = before;
            TurnRingClockwise(expected, move);
            murvo.BoardMouseDown(at.x(), at.y(), MouseButton::Right);
            EXPECT_EQ(board, expected) << "move " << move;
            murvo.BoardMouseDown(at.x(), at.y(), MouseButton::Left);
            EXPECT_EQ(board, before) << "move " << move;

            board = Numbered();
            const size_t round = kRingsAndHotSpots[move].ring.size();
            for (size_t t = 0; t < round; ++t) {
                murvo.Turn(move, level == 1);
                EXPECT_EQ(board == Numbered(), t + 1 == round) << "move " << move << " turn " << t;
            }
        }
    }
}

TEST(Murvo, OnlyLeftAndRightMoveButEveryHotSpotPressAsksForTheSolvedTest) {
    FakeHost host(test::MurvoSheet());
    Murvo murvo(host);
    host.levels.rmode = 4;
    const Board pattern = murvo.State().Pattern(4);
    EXPECT_EQ(pattern[6], 10) << "level 4's pattern starts its middle ring with 10, 12";
    EXPECT_EQ(pattern[7], 12);
    murvo.State().board = pattern;
    murvo.PaintBoard();
    const int shows = host.board.showCount();

    // A middle press on a solved-looking board reports it, moves nothing and starts nothing.
    murvo.BoardMouseDown(HotSpot(0).x(), HotSpot(0).y(), MouseButton::Middle);
    EXPECT_EQ(host.solvedReports, 1);
    EXPECT_EQ(host.state, kReady);
    EXPECT_EQ(murvo.State().board, pattern);
    EXPECT_TRUE(host.effects.empty());
    EXPECT_EQ(host.board.showCount(), shows);
    // Off every hot spot there is no test at all.
    murvo.BoardMouseDown(20, 20, MouseButton::Middle);
    EXPECT_EQ(host.solvedReports, 1);

    // The first move starts the clock; undoing it solves again and reports.
    murvo.BoardMouseDown(HotSpot(4).x(), HotSpot(4).y(), MouseButton::Left);
    EXPECT_EQ(host.state, kRunning);
    EXPECT_FALSE(murvo.IsSolved());
    EXPECT_EQ(host.solvedReports, 1);
    murvo.BoardMouseDown(HotSpot(4).x(), HotSpot(4).y(), MouseButton::Right);
    EXPECT_EQ(host.solvedReports, 2);

    // On a solved board moves still work and the state stays solved.
    host.state = kSolved;
    murvo.BoardMouseDown(HotSpot(4).x(), HotSpot(4).y(), MouseButton::Right);
    EXPECT_EQ(host.state, kSolved);
    EXPECT_EQ(host.effects.size(), 3u);

    // Only the level's places count: the outer ring is no part of a level 1-4 pattern.
    murvo.State().board = pattern;
    murvo.State().board[30] = 55;
    EXPECT_TRUE(murvo.IsSolved());
    murvo.State().board[17] = 55;
    EXPECT_FALSE(murvo.IsSolved());
}

TEST(Murvo, DealDrawsMappingThenLevelTenPatternThenScrambleInThisOrder) {
    ScriptedRandom random;
    FakeHost host(test::MurvoSheet(), &random);
    host.levels.rmode = 6;
    Murvo murvo(host);

    std::vector<int> ranges;
    std::array<int, 6> mapping{0, 1, 2, 3, 4, 5};
    for (int s = 0; s < 1000; ++s) {
        const int i = (s * 5 + 1) % 6, j = (s * s + 3) % 6;
        random.script.insert(random.script.end(), {i, j});
        ranges.insert(ranges.end(), {6, 6});
        std::swap(mapping[i], mapping[j]);
    }
    Board tenth;
    for (int p = 0; p < 36; ++p) {
        const int colour = (p * 7) % 6, variant = p % 3;
        random.script.insert(random.script.end(), {colour, variant});
        ranges.insert(ranges.end(), {6, 3});
        tenth[p] = static_cast<uint8_t>(10 * colour + variant + 10);
    }
    // Level 6's pattern, scrambled by 5000 clockwise turns of the offered moves.
    Board expected = {10, 10, 10, 20, 20, 20, 11, 11, 11, 11, 11, 11, 21, 21, 21, 21, 21, 21,
                      12, 12, 12, 12, 12, 12, 12, 12, 12, 22, 22, 22, 22, 22, 22, 22, 22, 22};
    for (int s = 0; s < 5000; ++s) {
        const int index = (s * 13 + s / 31) % 31;
        const int move = kFullOffer[index];
        const int size = static_cast<int>(kRingsAndHotSpots[move].ring.size());
        const int steps = s % size;
        random.script.insert(random.script.end(), {index, steps});
        ranges.insert(ranges.end(), {31, size});
        for (int t = 0; t <= steps; ++t) TurnRingClockwise(expected, move);
    }
    murvo.NewBoard();
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(random.ranges, ranges);
    EXPECT_EQ(murvo.State().colourRows, mapping);
    EXPECT_EQ(murvo.State().Pattern(10), tenth);
    EXPECT_EQ(murvo.State().board, expected);
    EXPECT_EQ(host.board.showCount(), 0) << "a deal draws nothing";
    EXPECT_TRUE(host.effects.empty());

    // At levels 1 to 4 the scramble picks among thirteen moves.
    host.levels.rmode = 1;
    random.ranges.clear();
    random.script.assign(2 * 1000 + 2 * 36 + 2 * 5000, 0);
    murvo.NewBoard();
    EXPECT_EQ(random.ranges[2072], 13);
    EXPECT_EQ(random.ranges[2073], 6) << "move 0 is the hexagon";
    EXPECT_TRUE(std::all_of(murvo.State().board.begin() + 18, murvo.State().board.end(),
                            [](uint8_t code) { return code == 0; }));
}

TEST(Murvo, DealsKeepTheLevelsPatternInNewColoursAndLevelTenInventsOne) {
    FakeHost host(test::MurvoSheet());
    Murvo murvo(host);
    host.levels.rmode = 5;
    const Board fifth = {11, 21, 31, 41, 51, 61, 11, 11, 21, 21, 31, 31, 41, 41, 51, 51, 61, 61,
                         11, 11, 11, 21, 21, 21, 31, 31, 31, 41, 41, 41, 51, 51, 51, 61, 61, 61};
    std::set<std::array<int, 6>> mappings;
    std::set<Board> tenths;
    for (int deal = 0; deal < 6; ++deal) {
        murvo.NewBoard();
        const Position& state = murvo.State();
        EXPECT_EQ(state.Pattern(5), fifth);
        std::array<int, 6> sorted = state.colourRows;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::array<int, 6>{0, 1, 2, 3, 4, 5})) << "a permutation";
        mappings.insert(state.colourRows);
        tenths.insert(state.Pattern(10));
        for (uint8_t code : state.Pattern(10)) {
            EXPECT_TRUE(code / 10 >= 1 && code / 10 <= 6 && code % 10 <= 2) << int(code);
        }
        // The board holds the pattern's discs, scrambled.
        Board a = state.board, b = fifth;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
        EXPECT_NE(state.board, fifth);
    }
    EXPECT_GE(mappings.size(), 5u);
    EXPECT_EQ(tenths.size(), 6u);

    // Every fixed pattern, code by code; the levels with 18 places leave the rest empty.
    const std::vector<int> patterns[10] = {
        {},
        {11, 11, 31, 31, 51, 51, 11, 11, 11, 11, 31, 31, 31, 31, 51, 51, 51, 51},
        {11, 21, 31, 41, 51, 61, 11, 11, 21, 21, 31, 31, 41, 41, 51, 51, 61, 61},
        {11, 11, 21, 21, 31, 31, 41, 41, 41, 41, 51, 51, 51, 51, 61, 61, 61, 61},
        {11, 21, 31, 41, 51, 61, 10, 12, 20, 22, 30, 32, 40, 42, 50, 52, 60, 62},
        {11, 21, 31, 41, 51, 61, 11, 11, 21, 21, 31, 31, 41, 41, 51, 51, 61, 61,
         11, 11, 11, 21, 21, 21, 31, 31, 31, 41, 41, 41, 51, 51, 51, 61, 61, 61},
        {10, 10, 10, 20, 20, 20, 11, 11, 11, 11, 11, 11, 21, 21, 21, 21, 21, 21,
         12, 12, 12, 12, 12, 12, 12, 12, 12, 22, 22, 22, 22, 22, 22, 22, 22, 22},
        {12, 22, 22, 32, 32, 12, 10, 12, 22, 20, 20, 22, 32, 30, 30, 32, 12, 10,
         12, 12, 12, 22, 22, 22, 22, 22, 22, 32, 32, 32, 32, 32, 32, 12, 12, 12},
        {12, 22, 32, 42, 52, 62, 10, 10, 20, 20, 30, 30, 40, 40, 50, 50, 60, 60,
         12, 12, 12, 22, 22, 22, 32, 32, 32, 42, 42, 42, 52, 52, 52, 62, 62, 62},
        {11, 21, 31, 11, 21, 31, 11, 11, 21, 21, 31, 31, 11, 11, 21, 21, 31, 31,
         41, 11, 51, 51, 21, 61, 61, 31, 41, 41, 11, 51, 51, 21, 61, 61, 31, 41},
    };
    for (int level = 1; level <= 9; ++level) {
        Board expected{};
        std::copy(patterns[level].begin(), patterns[level].end(), expected.begin());
        EXPECT_EQ(murvo.State().Pattern(level), expected) << "level " << level;
    }

    // The pattern is drawn through the mapping, so its colours change with the deal.
    murvo.PaintBoard();
    const QImage first = host.board.image().copy(337, 40, 127, 121);
    murvo.NewBoard();
    murvo.PaintBoard();
    EXPECT_NE(host.board.image().copy(337, 40, 127, 121), first);
}

TEST(Murvo, ChangeLevelCyclesOneToTenAndAlwaysDealsAnew) {
    FakeHost host(test::MurvoSheet());
    Murvo murvo(host);
    host.levels.rmode = 10;
    murvo.ChangeLevel(MouseButton::Left);
    EXPECT_EQ(host.levels.rmode, 1);
    murvo.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.rmode, 10);
    murvo.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.rmode, 9);
    const Board before = murvo.State().board;
    const int shows = host.board.showCount();
    murvo.ChangeLevel(MouseButton::Middle);
    EXPECT_EQ(host.levels.rmode, 9);
    EXPECT_NE(murvo.State().board, before);
    EXPECT_GT(host.board.showCount(), shows);
}

}  // namespace
}  // namespace spindora::murvo
