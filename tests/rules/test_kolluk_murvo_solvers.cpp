// The KOLLUK and MURVO searches on the rules alone. Following the way found from seeded deals
// solves the board. KOLLUK's way is a shortest one: one move shorter once its first move is
// played, and as long as a plain breadth-first search from the goal says; MURVO's is too at
// level 1. A KOLLUK search cancelled from another thread gives up at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "puzzles/kolluk/KollukSolver.h"
#include "puzzles/murvo/MurvoSolver.h"

namespace spindora {
namespace {

const std::atomic<bool> kNever{false};

// The way found from `dealt`, after checking that it solves the board.
template <typename Position>
auto Followed(const Position& dealt, int level) {
    const auto way = Solve(dealt, level, kNever);
    EXPECT_TRUE(way.has_value());
    Position position = dealt;
    for (const auto& move : way.value_or(decltype(*way){})) Apply(position, move);
    EXPECT_TRUE(IsSolved(position, level));
    return way.value_or(decltype(*way){});
}

template <typename Position>
void ExpectOneShorterAfterFirstMove(Position dealt, int level, size_t length) {
    Apply(dealt, Followed(dealt, level).front());
    EXPECT_EQ(Followed(dealt, level).size(), length - 1);
}

// KOLLUK positions keyed by their colours: balls of one colour are alike.
uint64_t Colours(const kolluk::Position& position) {
    uint64_t key = 0;
    for (const int colour : position.balls) key = key << 4 | static_cast<uint64_t>(colour);
    return key;
}
kolluk::Position FromColours(uint64_t key) {
    kolluk::Position position;
    for (int place = kolluk::kPlaces - 1; place >= 0; --place, key >>= 4) position.balls[place] = static_cast<int>(key & 15);
    return position;
}
bool Holds(const std::vector<uint64_t>& layer, uint64_t key) { return std::binary_search(layer.begin(), layer.end(), key); }

// The positions 0, 1, ... `depth` rolls from the goal, each layer as sorted keys, by a plain
// breadth-first search. Every roll can be undone, so those one roll on from a layer that are
// new lie in neither it nor the layer before.
std::vector<std::vector<uint64_t>> LayersFromGoal(int level, size_t depth) {
    std::vector<std::vector<uint64_t>> layers{{Colours(kolluk::Goal(level))}};
    while (layers.size() <= depth && !layers.back().empty()) {
        static const std::vector<uint64_t> kNone;
        const std::vector<uint64_t>& last = layers.back();
        const std::vector<uint64_t>& before = layers.size() > 1 ? layers[layers.size() - 2] : kNone;
        std::vector<uint64_t> next;
        for (const uint64_t key : last)
            for (const kolluk::Move& move : kolluk::Moves()) {
                kolluk::Position position = FromColours(key);
                kolluk::Apply(position, move);
                const uint64_t reached = Colours(position);
                if (!Holds(last, reached) && !Holds(before, reached)) next.push_back(reached);
            }
        std::sort(next.begin(), next.end());
        next.erase(std::unique(next.begin(), next.end()), next.end());
        layers.push_back(std::move(next));
    }
    return layers;
}

TEST(KollukSolver, FollowingTheWayFromTwentyDealsSolvesInTheFewestRolls) {
    // Level 1's plain search covers all its positions; level 2's reaches 8 rolls from the goal,
    // where every position on a shortest way must lie exactly as far as the rest of the way.
    const struct {
        int level;
        size_t plainDepth;
    } rows[] = {{1, 99}, {2, 8}, {3, 0}};
    for (const auto& row : rows) {
        const auto plain = LayersFromGoal(row.level, row.plainDepth);
        for (int seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(testing::Message() << "level " << row.level << " seed " << seed);
            SeededRandom random(static_cast<uint64_t>(seed));
            kolluk::Position position = kolluk::Deal(row.level, random);
            const std::vector<kolluk::Move> way = Followed(position, row.level);
            ASSERT_FALSE(way.empty());
            ExpectOneShorterAfterFirstMove(position, row.level, way.size());
            for (size_t played = 0; played <= way.size(); ++played) {
                const size_t rest = way.size() - played;
                const auto layer = std::find_if(plain.begin(), plain.end(), [&](const auto& keys) { return Holds(keys, Colours(position)); });
                if (layer != plain.end()) EXPECT_EQ(static_cast<size_t>(layer - plain.begin()), rest) << "after " << played << " rolls";
                else EXPECT_GT(rest, row.plainDepth) << "after " << played << " rolls";
                if (played < way.size()) kolluk::Apply(position, way[played]);
            }
        }
    }
}

TEST(MurvoSolver, FollowingTheWaySolvesEveryDealAtEveryLevel) {
    // The beam searches of the outer levels take up to a second each, so the unit test follows
    // fewer of their deals; the hint benchmark times all 20 at every level.
    for (int level = 1; level <= murvo::kLevels; ++level) {
        const int deals = level <= 4 ? 20 : 3;
        for (int seed = 1; seed <= deals; ++seed) {
            SCOPED_TRACE(testing::Message() << "level " << level << " seed " << seed);
            SeededRandom random(static_cast<uint64_t>(seed));
            const murvo::Position dealt = murvo::Deal(level, random);
            const size_t length = Followed(dealt, level).size();
            ASSERT_GT(length, 0u);
            if (level == 1 && seed <= 5) ExpectOneShorterAfterFirstMove(dealt, level, length);
        }
    }
}

TEST(KollukSolver, ACancelFromAnotherThreadEndsTheSearchWithinMilliseconds) {
    // A deal 17 rolls from the goal, whose whole search takes a tenth of a second or more.
    SeededRandom random(1);
    const kolluk::Position dealt = kolluk::Deal(4, random);
    std::atomic<bool> cancelled{false};
    std::chrono::steady_clock::time_point cancelledAt;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        cancelledAt = std::chrono::steady_clock::now();
        cancelled = true;
    });
    const auto way = kolluk::Solve(dealt, 4, cancelled);
    const auto returnedAt = std::chrono::steady_clock::now();
    canceller.join();
    EXPECT_FALSE(way.has_value());
    EXPECT_LT(returnedAt - cancelledAt, std::chrono::milliseconds(50));
}

}  // namespace
}  // namespace spindora
