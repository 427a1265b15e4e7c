// The four puzzles' rules on their own, without Qt: every move a level offers is undone by
// its inverse, the goal is solved and a deal is not, a deal keeps to its pieces, and
// different positions get different hashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "rules/kolluk/KollukRules.h"
#include "rules/murvo/MurvoRules.h"
#include "rules/pluf/PlufRules.h"
#include "rules/zibbo/ZibboRules.h"

namespace spindora {
namespace {

template <typename Range>
std::vector<int> Sorted(const Range& values) {
    std::vector<int> sorted(values.begin(), values.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

struct Zibbo {
    using Position = zibbo::Position;
    static constexpr int kLevels = 9;
    static size_t MoveCount(int) { return 18; }
    static Position Deal(int level, RandomSource& random) { return zibbo::Deal(level, random); }
    static auto Moves(int level) { return zibbo::Moves(level); }
    static Position Goal(int) { return {}; }
    static bool IsSolved(const Position& position, int) { return zibbo::IsSolved(position); }
    static void ExpectDealt(const Position& dealt, int) {
        for (const int direction : dealt.directions) EXPECT_TRUE(direction >= 0 && direction < 12);
    }
};

struct Kolluk {
    using Position = kolluk::Position;
    static constexpr int kLevels = 4;
    static size_t MoveCount(int) { return 6; }
    static Position Deal(int level, RandomSource& random) { return kolluk::Deal(level, random); }
    static auto Moves(int) { return kolluk::Moves(); }
    static Position Goal(int level) { return kolluk::Goal(level); }
    static bool IsSolved(const Position& position, int level) { return kolluk::IsSolved(position, level); }
    static void ExpectDealt(const Position& dealt, int level) {
        EXPECT_EQ(Sorted(dealt.balls), Sorted(Goal(level).balls)) << "the goal's balls, rolled";
    }
};

struct Pluf {
    using Position = pluf::Position;
    static constexpr int kLevels = 4;
    static size_t MoveCount(int level) { return 2 * (6 + 4 * level); }
    // The colour setting runs along with the level, so every setting up to 4 is dealt.
    static Position Deal(int level, RandomSource& random) { return Dealt(level, random).position; }
    static pluf::Dealt Dealt(int level, RandomSource& random) { return pluf::Deal(level, level, random); }
    static auto Moves(int level) { return pluf::Moves(level); }
    static Position Goal(int) {
        Position one;
        for (pluf::Slots& plate : one.buttons) plate.fill(5);
        return one;
    }
    static bool IsSolved(const Position& position, int level) { return pluf::IsSolved(position, level); }
    static void ExpectDealt(const Position& dealt, int level) {
        SeededRandom again(level);
        const pluf::Palette palette = Dealt(level, again).palette;
        const std::set<int> colours(palette.begin(), palette.begin() + level + 1);
        EXPECT_EQ(colours.size(), static_cast<size_t>(level + 1)) << "distinct colours";
        EXPECT_TRUE(*colours.begin() >= 0 && *colours.rbegin() < 42);
        for (int p = 1; p <= 22; ++p)
            for (const int button : dealt.buttons[p - 1])
                EXPECT_EQ(colours.count(button), p <= 6 + 4 * level ? 1u : 0u) << "plate " << p;
    }
};

struct Murvo {
    using Position = murvo::Position;
    static constexpr int kLevels = 10;
    static size_t MoveCount(int level) { return level <= 4 ? 26 : 62; }
    static Position Deal(int level, RandomSource& random) { return murvo::Deal(level, random); }
    static auto Moves(int level) { return murvo::Moves(level); }
    static Position Goal(int level) {
        Position goal = murvo::StartPosition();
        goal.board = goal.Pattern(level);
        return goal;
    }
    static bool IsSolved(const Position& position, int level) { return murvo::IsSolved(position, level); }
    static void ExpectDealt(const Position& dealt, int level) {
        EXPECT_EQ(Sorted(dealt.board), Sorted(dealt.Pattern(level))) << "the pattern's discs, turned";
        EXPECT_EQ(std::count(dealt.board.begin() + 18, dealt.board.end(), 0), level <= 4 ? 18 : 0)
            << "the outer ring is empty below level 5";
        EXPECT_EQ(Sorted(dealt.colourRows), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    }
};

template <typename Puzzle>
class Rules : public ::testing::Test {};
using Puzzles = ::testing::Types<Zibbo, Kolluk, Pluf, Murvo>;
struct PuzzleName {
    template <typename P>
    static std::string GetName(int index) {
        return std::vector<std::string>{"Zibbo", "Kolluk", "Pluf", "Murvo"}[static_cast<size_t>(index)];
    }
};
TYPED_TEST_SUITE(Rules, Puzzles, PuzzleName);

TYPED_TEST(Rules, MovesUndoByTheirInverseTheGoalIsSolvedAndDealsKeepTheirPieces) {
    using P = TypeParam;
    for (int level = 1; level <= P::kLevels; ++level) {
        SCOPED_TRACE(level);
        EXPECT_TRUE(P::IsSolved(P::Goal(level), level));
        SeededRandom random(level);
        const typename P::Position dealt = P::Deal(level, random);
        EXPECT_FALSE(P::IsSolved(dealt, level));
        P::ExpectDealt(dealt, level);

        const auto moves = P::Moves(level);
        EXPECT_EQ(moves.size(), P::MoveCount(level));
        std::unordered_set<typename P::Position> neighbours;
        std::set<uint64_t> hashes;
        for (const auto& move : moves) {
            typename P::Position position = dealt;
            Apply(position, move);
            if (neighbours.insert(position).second) hashes.insert(Hash(position));
            Apply(position, Inverse(move));
            EXPECT_EQ(position, dealt);
            EXPECT_EQ(Hash(position), Hash(dealt));
        }
        EXPECT_EQ(hashes.size(), neighbours.size()) << "two neighbours of a deal share a hash";
    }
}

}  // namespace
}  // namespace spindora
