#pragma once
// MURVO's geometry as the rules of the puzzle give it, typed here for the tests and never
// read from the code's own tables, so a wrong constant there cannot pass its own test.
#include <QPoint>
#include <vector>

#include "rules/murvo/Position.h"

namespace spindora::test::murvo_rules {

using spindora::murvo::Board;

// Place offsets from the centre (170, 167); row 0 is unused so that rows are places.
inline constexpr int kOffset[37][2] = {
    {0, 0},
    {34, 20}, {0, 40}, {-34, 20}, {-34, -20}, {0, -40}, {34, -20},
    {74, 20}, {54, 54}, {20, 74}, {-20, 74}, {-54, 54}, {-74, 20},
    {-74, -20}, {-54, -54}, {-20, -74}, {20, -74}, {54, -54}, {74, -20},
    {114, 20}, {94, 54}, {74, 88}, {40, 108}, {0, 108}, {-40, 108},
    {-74, 88}, {-94, 54}, {-114, 20}, {-114, -20}, {-94, -54}, {-74, -88},
    {-40, -108}, {0, -108}, {40, -108}, {74, -88}, {94, -54}, {114, -20},
};

// Each move: the places of its ring, in clockwise order, and its hot spot from the centre.
struct RingAndHotSpot {
    std::vector<int> ring;
    int dx, dy;
};
inline const RingAndHotSpot kRingsAndHotSpots[37] = {
    {{1, 2, 3, 4, 5, 6}, 0, 0},      {{1, 6, 18, 7}, 54, 0},      {{1, 7, 8}, 54, 31},
    {{1, 8, 9, 2}, 27, 47},          {{2, 9, 10}, 0, 62},         {{2, 10, 11, 3}, -27, 47},
    {{3, 11, 12}, -54, 31},          {{3, 12, 13, 4}, -54, 0},    {{4, 13, 14}, -54, -31},
    {{4, 14, 15, 5}, -27, -47},      {{5, 15, 16}, 0, -62},       {{5, 16, 17, 6}, 27, -47},
    {{6, 17, 18}, 54, -31},          {{7, 18, 36, 19}, 94, 0},    {{7, 19, 20}, 94, 31},
    {{1, 7, 20, 8}, 64, 37},         {{8, 20, 21}, 74, 65},       {{8, 21, 22, 9}, 47, 81},
    {{9, 22, 23}, 20, 96},           {{2, 9, 23, 10}, 0, 74},     {{10, 23, 24}, -20, 96},
    {{10, 24, 25, 11}, -47, 81},     {{11, 25, 26}, -74, 65},     {{3, 11, 26, 12}, -64, 37},
    {{12, 26, 27}, -94, 31},         {{12, 27, 28, 13}, -94, 0},  {{13, 28, 29}, -94, -31},
    {{4, 13, 29, 14}, -64, -37},     {{14, 29, 30}, -74, -65},    {{14, 30, 31, 15}, -47, -81},
    {{15, 31, 32}, -20, -96},        {{5, 15, 32, 16}, 0, -74},   {{16, 32, 33}, 20, -96},
    {{16, 33, 34, 17}, 47, -81},     {{17, 34, 35}, 74, -64},     {{6, 17, 35, 18}, 65, -37},
    {{18, 35, 36}, 94, -31},
};
inline const std::vector<int> kInnerOffer = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
inline const std::vector<int> kFullOffer = {0,  1,  3,  5,  7,  9,  11, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                     22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};

inline QPoint HotSpot(int move) { return {170 + kRingsAndHotSpots[move].dx, 167 + kRingsAndHotSpots[move].dy}; }

// The clockwise turn as the rules put it: the disc on p(k) goes to p(k + 1).
inline void TurnRingClockwise(Board& board, int move) {
    const std::vector<int>& ring = kRingsAndHotSpots[move].ring;
    Board before = board;
    for (size_t k = 0; k < ring.size(); ++k)
        board[ring[(k + 1) % ring.size()] - 1] = before[ring[k] - 1];
}

// Top-left corner of the disc of place p, and of its small disc in the pattern.
inline QPoint DiscAt(int p) { return {kOffset[p][0] + 158, kOffset[p][1] + 155}; }
inline QPoint SmallDiscAt(int p) { return {kOffset[p][0] / 2 + 394, kOffset[p][1] / 2 + 94}; }

}  // namespace spindora::test::murvo_rules
