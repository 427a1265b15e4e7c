#pragma once
// PLUF's rules as plain values: plates of six coloured buttons in a honeycomb; a move turns
// one plate's buttons one slot on, and the board is solved when every two facing buttons
// of neighbouring plates match.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "rules/Random.h"
#include "rules/RulesHash.h"
#include "rules/pluf/PlateTable.h"

namespace spindora::pluf {

inline constexpr int kButtonColours = 42;
// The colour setting runs from 1 to 5 and deals one colour more than its value.
inline constexpr int kColourSettings = 5;
inline constexpr int kMostColours = kColourSettings + 1;

enum class Turn { CounterClockwise, Clockwise };

// Button colours of one plate (0 to 41), slot by slot.
using Slots = std::array<int, kSlots>;
// The colours of a deal: entries 0 to the colour setting.
using Palette = std::array<int, kMostColours>;

struct Position {
    // Plate p's buttons at index p - 1; a level plays plates 1 to its count only.
    std::array<Slots, kPlates> buttons{};
    friend bool operator==(const Position&, const Position&) = default;
};

struct Move {
    uint8_t plate;  // 1 to 22
    Turn turn;
    friend bool operator==(const Move&, const Move&) = default;
};

// Plates in play at a level (1 to 4).
int PlatesInPlay(int level);
bool IsSolved(const Position& position, int level);
void Apply(Position& position, const Move& move);
constexpr Move Inverse(Move move) {
    move.turn = move.turn == Turn::Clockwise ? Turn::CounterClockwise : Turn::Clockwise;
    return move;
}
// Every plate in play both ways, plate by plate.
std::vector<Move> Moves(int level);

struct Dealt {
    Palette palette{};
    Position position;
};
// A palette of `colourSetting` + 1 distinct colours, a solved position in them, and random turns
// of the plates in play. Plates out of play hold no buttons (all 0).
Dealt Deal(int level, int colourSetting, RandomSource& random);
uint64_t Hash(const Position& position);

}  // namespace spindora::pluf

template <>
struct std::hash<spindora::pluf::Position> : spindora::HashByRules<spindora::pluf::Position> {};
