#include "puzzles/murvo/Layout.h"

#include "puzzles/murvo/Moves.h"

namespace spindora::murvo {
namespace {

// clang-format off
constexpr QPoint kOffsets[kPlaces] = {
    {34, 20}, {0, 40}, {-34, 20}, {-34, -20}, {0, -40}, {34, -20},
    {74, 20}, {54, 54}, {20, 74}, {-20, 74}, {-54, 54}, {-74, 20},
    {-74, -20}, {-54, -54}, {-20, -74}, {20, -74}, {54, -54}, {74, -20},
    {114, 20}, {94, 54}, {74, 88}, {40, 108}, {0, 108}, {-40, 108},
    {-74, 88}, {-94, 54}, {-114, 20}, {-114, -20}, {-94, -54}, {-74, -88},
    {-40, -108}, {0, -108}, {40, -108}, {74, -88}, {94, -54}, {114, -20},
};

constexpr QPoint kHotSpots[kRings] = {
    {0, 0}, {54, 0}, {54, 31}, {27, 47}, {0, 62}, {-27, 47}, {-54, 31}, {-54, 0},
    {-54, -31}, {-27, -47}, {0, -62}, {27, -47}, {54, -31}, {94, 0}, {94, 31}, {64, 37},
    {74, 65}, {47, 81}, {20, 96}, {0, 74}, {-20, 96}, {-47, 81}, {-74, 65}, {-64, 37},
    {-94, 31}, {-94, 0}, {-94, -31}, {-64, -37}, {-74, -65}, {-47, -81}, {-20, -96}, {0, -74},
    {20, -96}, {47, -81}, {74, -64}, {65, -37}, {94, -31},
};

// Eighteen places: the hexagon, spokes to the middle ring, and the middle ring itself.
constexpr GridLine kInnerGrid[] = {
    {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 1}, {1, 7}, {1, 8}, {2, 9}, {2, 10},
    {3, 11}, {3, 12}, {4, 13}, {4, 14}, {5, 15}, {5, 16}, {6, 17}, {6, 18}, {7, 8},
    {8, 9}, {9, 10}, {10, 11}, {11, 12}, {12, 13}, {13, 14}, {14, 15}, {15, 16},
    {16, 17}, {17, 18}, {18, 7},
};

// Thirty-six places: the spokes run on through the middle ring to the outer ring.
constexpr GridLine kFullGrid[] = {
    {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 1}, {1, 19}, {1, 21}, {2, 22}, {2, 24},
    {3, 25}, {3, 27}, {4, 28}, {4, 30}, {5, 31}, {5, 33}, {6, 34}, {6, 36}, {7, 20},
    {8, 20}, {9, 23}, {10, 23}, {11, 26}, {12, 26}, {13, 29}, {14, 29}, {15, 32},
    {16, 32}, {17, 35}, {18, 35}, {19, 21}, {21, 22}, {22, 24}, {24, 25}, {25, 27},
    {27, 28}, {28, 30}, {30, 31}, {31, 33}, {33, 34}, {34, 36}, {36, 19}, {8, 9},
    {10, 11}, {12, 13}, {14, 15}, {16, 17}, {18, 7},
};
// clang-format on

}  // namespace

QPoint PlaceOffset(int place) { return kOffsets[place - 1]; }

QPoint HotSpot(int ring) { return kHotSpots[ring]; }

std::span<const GridLine> GridLines(int level) {
    if (PlacesInPlay(level) == kPlaces) return kFullGrid;
    return kInnerGrid;
}

}  // namespace spindora::murvo
