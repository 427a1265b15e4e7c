// Hints for ZIBBO and PLUF: the solution of a seeded deal solves it, and after each of its
// moves a fresh hint is one move shorter, so following hints takes exactly the shortest
// number of moves; near the goal the lengths match a plain breadth-first search.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "rules/pluf/PlufSolver.h"
#include "rules/zibbo/ZibboSolver.h"

namespace spindora {
namespace {

const std::atomic<bool> kGoOn{false}, kCancelled{true};

struct Zibbo {
    using Position = zibbo::Position;
    static constexpr int kLevels = 9, kMostRepeats = 11;
    static constexpr size_t kBreadthLimit = 5;
    static constexpr auto Solve = zibbo::Solve;
    static constexpr auto Moves = zibbo::Moves;
    static Position Deal(int level, int, RandomSource& random) { return zibbo::Deal(level, random); }
    static bool IsSolved(const Position& position, int) { return zibbo::IsSolved(position); }
    static Position Goal(int) { return {}; }
};

struct Pluf {
    using Position = pluf::Position;
    static constexpr int kLevels = 4, kMostRepeats = 3;
    static constexpr size_t kBreadthLimit = 4;
    static constexpr auto Solve = pluf::Solve;
    static constexpr auto Moves = pluf::Moves;
    static constexpr auto IsSolved = pluf::IsSolved;
    // Deal by deal every colour setting, from two colours to six.
    static Position Deal(int level, int deal, RandomSource& random) {
        return pluf::Deal(level, 1 + deal % 5, random).position;
    }
    // Two colours, so that many orientations solve and the search has most to choose from.
    static Position Goal(int level) {
        SeededRandom random(level);
        Position goal = pluf::Deal(level, 1, random).position;
        const auto solution = Solve(goal, level, kGoOn);
        for (const auto& move : *solution) Apply(goal, move);
        return goal;
    }
};

template <typename Puzzle>
class Hints : public ::testing::Test {};
using Puzzles = ::testing::Types<Zibbo, Pluf>;
struct PuzzleName {
    template <typename P>
    static std::string GetName(int index) { return index == 0 ? "Zibbo" : "Pluf"; }
};
TYPED_TEST_SUITE(Hints, Puzzles, PuzzleName);

TYPED_TEST(Hints, FollowingTheSolutionOfTwentyDealsPerLevelTakesOneMoveLessWithEveryHint) {
    using P = TypeParam;
    for (int level = 1; level <= P::kLevels; ++level)
        for (int deal = 0; deal < 20; ++deal) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", deal " << deal);
            SeededRandom random(static_cast<uint64_t>(100 * level + deal));
            typename P::Position position = P::Deal(level, deal, random);
            ASSERT_FALSE(P::Solve(position, level, kCancelled)) << "a cancelled search answers";
            const auto solution = P::Solve(position, level, kGoOn);
            ASSERT_TRUE(solution && !solution->empty());
            for (size_t done = 1; done <= solution->size(); ++done) {
                Apply(position, (*solution)[done - 1]);
                ASSERT_EQ(P::Solve(position, level, kGoOn)->size(), solution->size() - done);
            }
            EXPECT_TRUE(P::IsSolved(position, level));
        }
}

// The distance to the nearest solved position, if it is at most `limit`.
template <typename P>
std::optional<size_t> BreadthFirstDistance(const typename P::Position& start, int level, size_t limit) {
    std::unordered_set<typename P::Position> seen{start};
    std::vector<typename P::Position> layer{start}, next;
    for (size_t depth = 0;; ++depth) {
        for (const auto& position : layer)
            if (P::IsSolved(position, level)) return depth;
        if (depth == limit) return std::nullopt;
        next.clear();
        for (const auto& position : layer)
            for (const auto& move : P::Moves(level)) {
                typename P::Position turned = position;
                Apply(turned, move);
                if (seen.insert(turned).second) next.push_back(turned);
            }
        layer.swap(next);
    }
}

// A search from a deal would visit millions of boards, so these start one or two runs of
// presses away from a solved board.
TYPED_TEST(Hints, NearTheGoalTheLengthsMatchABreadthFirstSearch) {
    using P = TypeParam;
    for (const int level : std::is_same_v<P, Zibbo> ? std::vector<int>{4, 5} : std::vector<int>{1})
        for (int start = 0; start < 20; ++start) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", start " << start);
            SeededRandom random(static_cast<uint64_t>(start));
            typename P::Position position = P::Goal(level);
            const auto moves = P::Moves(level);
            for (int run = random.Random(2) + 1; run > 0; --run) {
                const auto move = moves[static_cast<size_t>(random.Random(static_cast<int>(moves.size())))];
                for (int times = random.Random(P::kMostRepeats) + 1; times > 0; --times) Apply(position, move);
            }
            const size_t length = P::Solve(position, level, kGoOn)->size();
            const std::optional<size_t> distance = BreadthFirstDistance<P>(position, level, P::kBreadthLimit);
            if (distance) EXPECT_EQ(length, *distance);
            else EXPECT_GT(length, P::kBreadthLimit);
        }
}

// Plate 2 in colours A B C A B C, each button matched by its neighbour's facing one, the
// rest of the board in a fourth colour: turned by three it looks the same.
TEST(PlufHint, APlateThatRepeatsAfterThreeSlotsTakesTheShorterWayRound) {
    for (const auto& [counterClockwise, presses] : {std::pair{1, 1}, {2, 1}, {3, 0}, {4, 1}}) {
        SCOPED_TRACE(counterClockwise);
        pluf::Position board;
        for (int plate = 1; plate <= 10; ++plate) board.buttons[plate - 1].fill(9);
        for (int slot = 0; slot < 6; ++slot) {
            board.buttons[1][slot] = slot % 3;
            board.buttons[pluf::Neighbours[1][slot] - 1][(slot + 3) % 6] = slot % 3;
        }
        for (int turn = 0; turn < counterClockwise; ++turn) Apply(board, {2, pluf::Turn::CounterClockwise});
        EXPECT_EQ(pluf::Solve(board, 1, kGoOn)->size(), static_cast<size_t>(presses));
    }
}

}  // namespace
}  // namespace spindora
