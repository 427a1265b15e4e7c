#pragma once
// Where KOLLUK's places and rings lie on the board. The puzzle and the painter of its sheet
// both read these, so the pictures always sit where the balls roll.
#include <QPoint>
#include <array>

#include "rules/kolluk/KollukRules.h"

namespace spindora::kolluk {

// Top-left corner of each 35 x 35 platform.
inline constexpr std::array<QPoint, kPlaces> PlaceOrigin = {{
    {190, 22}, {126, 58}, {252, 58}, {126, 130}, {252, 130}, {64, 167}, {190, 167},
    {315, 167}, {64, 239}, {190, 239}, {315, 239}, {126, 275}, {252, 275},
}};

// Top-left corner of each ring's press square, which reaches 100 pixels right and down,
// both ends included.
inline constexpr std::array<QPoint, kRings> RingHitOrigin = {{{157, 62}, {93, 170}, {220, 170}}};
inline constexpr int kRingHitReach = 100;

// Top-left corner of each ring's 152 x 172 animation rectangle, which holds the whole path
// of its six balls and no other ball.
inline constexpr std::array<QPoint, kRings> RingArea = {{{130, 25}, {68, 134}, {194, 134}}};

}  // namespace spindora::kolluk
