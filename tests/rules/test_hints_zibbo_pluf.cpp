// Hints for ZIBBO and PLUF: the solution of a seeded deal solves it, and after each of its
// moves a fresh hint is one move shorter, so following hints takes exactly the shortest
// number of moves; near the goal the lengths match a plain breadth-first search.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "puzzles/pluf/PlufSolver.h"
#include "puzzles/zibbo/ZibboSolver.h"

namespace spindora {
namespace {

const std::atomic<bool> kGoOn{false}, kCancelled{true};

struct Zibbo {
    using Position = zibbo::Position;
    static constexpr int kLevels = 9;
    static Position Deal(int level, int, RandomSource& random) { return zibbo::Deal(level, random); }
    static auto Solve(const Position& position, int level, const std::atomic<bool>& cancelled) {
        return zibbo::Solve(position, level, cancelled);
    }
    static bool IsSolved(const Position& position, int) { return zibbo::IsSolved(position); }
    static auto Moves(int level) { return zibbo::Moves(level); }
    static Position Goal(int) { return {}; }
    static constexpr int kMostRepeats = 11;
};

struct Pluf {
    using Position = pluf::Position;
    static constexpr int kLevels = 4;
    // Deal by deal every colour setting, from two colours to six.
    static Position Deal(int level, int deal, RandomSource& random) {
        return pluf::Deal(level, 1 + deal % 5, random).position;
    }
    static auto Solve(const Position& position, int level, const std::atomic<bool>& cancelled) {
        return pluf::Solve(position, level, cancelled);
    }
    static bool IsSolved(const Position& position, int level) { return pluf::IsSolved(position, level); }
    static auto Moves(int level) { return pluf::Moves(level); }
    // Two colours, so that many orientations solve and the search has most to choose from.
    static Position Goal(int level) {
        SeededRandom random(level);
        Position goal = pluf::Deal(level, 1, random).position;
        const auto solution = Solve(goal, level, kGoOn);
        for (const auto& move : *solution) Apply(goal, move);
        return goal;
    }
    static constexpr int kMostRepeats = 3;
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
            EXPECT_FALSE(P::Solve(position, level, kCancelled)) << "a cancelled search answers";
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

// The reachable boards are far too many for a search from a deal, so the positions start
// a few runs of presses away from a solved board.
TYPED_TEST(Hints, NearTheGoalTheLengthsMatchABreadthFirstSearch) {
    using P = TypeParam;
    constexpr size_t kLimit = 4;
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
            const std::optional<size_t> distance = BreadthFirstDistance<P>(position, level, kLimit);
            if (distance) EXPECT_EQ(length, *distance);
            else EXPECT_GT(length, kLimit);
        }
}

}  // namespace
}  // namespace spindora
