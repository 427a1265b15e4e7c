#pragma once
// The fixed board of KOLLUK: where its thirteen places lie, how they form three rings, and
// which colour each level asks for on each place. The puzzle and the painter of its sheet
// both read these, so the pictures always sit where the balls roll.
#include <QPoint>
#include <array>

namespace spindora::kolluk {

inline constexpr int kPlaces = 13;
inline constexpr int kRings = 3;
inline constexpr int kRingLength = 6;
inline constexpr int kColours = 13;
inline constexpr int kLevels = 4;

// Top-left corner of each 35 x 35 platform.
inline constexpr std::array<QPoint, kPlaces> PlaceOrigin = {{
    {190, 22}, {126, 58}, {252, 58}, {126, 130}, {252, 130}, {64, 167}, {190, 167},
    {315, 167}, {64, 239}, {190, 239}, {315, 239}, {126, 275}, {252, 275},
}};

// Each ring's six places, clockwise on the screen from its topmost place. Ring 0 is the
// upper ring, 1 the lower left, 2 the lower right; they share places 3, 4, 6 and 9.
inline constexpr int Rings[kRings][kRingLength] = {
    {0, 2, 4, 6, 3, 1},
    {3, 6, 9, 11, 8, 5},
    {4, 7, 10, 12, 9, 6},
};

// Top-left corner of each ring's press square, which reaches 100 pixels right and down,
// both ends included.
inline constexpr std::array<QPoint, kRings> RingHitOrigin = {{{157, 62}, {93, 170}, {220, 170}}};
inline constexpr int kRingHitReach = 100;

// Top-left corner of each ring's 152 x 172 animation rectangle, which holds the whole path
// of its six balls and no other ball.
inline constexpr std::array<QPoint, kRings> RingArea = {{{130, 25}, {68, 134}, {194, 134}}};

// The colour (1 to 13) that each level asks for on each place: the goal, and the position
// every deal starts from. Row `level - 1`.
inline constexpr int LevelLayouts[kLevels][kPlaces] = {
    {3, 3, 3, 12, 12, 2, 12, 1, 2, 12, 1, 2, 1},
    {2, 2, 2, 4, 6, 1, 12, 3, 1, 5, 3, 1, 3},
    {1, 9, 7, 12, 12, 5, 12, 11, 3, 12, 2, 10, 6},
    {4, 10, 13, 1, 2, 6, 12, 8, 11, 3, 5, 9, 7},
};

}  // namespace spindora::kolluk
