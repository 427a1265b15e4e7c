#pragma once
#include <array>
#include <cstdint>

#include "puzzles/murvo/Layout.h"

namespace spindora::murvo {

inline constexpr int kLevels = 10;
inline constexpr int kColours = 6;

// Disc codes by place (index place - 1): 10 * colour + variant, or 0 for an empty place.
using Board = std::array<uint8_t, kPlaces>;

constexpr int ColourOf(uint8_t code) { return code / 10; }
constexpr int VariantOf(uint8_t code) { return code % 10; }

// Everything MURVO shows: the discs, the pattern of every level, and which sprite row
// draws each colour.
struct Position {
    Board board{};
    std::array<Board, kLevels> patterns{};
    // Entry k - 1 is the sprite row of colour k; a permutation of 0..5.
    std::array<int, kColours> colourRows{0, 1, 2, 3, 4, 5};

    const Board& Pattern(int level) const { return patterns[static_cast<size_t>(level - 1)]; }
    int SpriteRow(uint8_t code) const { return colourRows[static_cast<size_t>(ColourOf(code) - 1)]; }
};

}  // namespace spindora::murvo
