#pragma once
// A board's position as a row of numbers, for a game kept between runs, and back. Reading
// back is strict: the numbers must make a position that a deal of the level could have
// become, with the same pieces. A move is kept as its place in the level's list of moves.
#include <algorithm>
#include <optional>
#include <type_traits>
#include <vector>

#include "rules/kolluk/KollukRules.h"
#include "rules/murvo/MurvoRules.h"
#include "rules/pluf/PlufRules.h"
#include "rules/zibbo/ZibboRules.h"

namespace spindora {

using Numbers = std::vector<int>;

// Found through the position's namespace: Numbers(position), PositionFrom(tag, numbers,
// level, colourSetting) and LevelMoves(tag, level), `tag` naming the position's type.
namespace zibbo {
Numbers ToNumbers(const Position& position);
std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int level,
                                     int colourSetting);
std::vector<Move> LevelMoves(std::type_identity<Position>, int level);
}  // namespace zibbo
namespace kolluk {
Numbers ToNumbers(const Position& position);
std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int level,
                                     int colourSetting);
std::vector<Move> LevelMoves(std::type_identity<Position>, int level);
}  // namespace kolluk
namespace pluf {
Numbers ToNumbers(const Position& position);
std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int level,
                                     int colourSetting);
std::vector<Move> LevelMoves(std::type_identity<Position>, int level);
}  // namespace pluf
namespace murvo {
Numbers ToNumbers(const Position& position);
std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int level,
                                     int colourSetting);
std::vector<Move> LevelMoves(std::type_identity<Position>, int level);
}  // namespace murvo

// Moves as their places in `moves`, and back; nothing when a number is no place there.
template <typename Move>
Numbers MoveNumbers(const std::vector<Move>& played, const std::vector<Move>& moves) {
    Numbers numbers;
    for (const Move& move : played)
        if (const auto at = std::find(moves.begin(), moves.end(), move); at != moves.end())
            numbers.push_back(static_cast<int>(at - moves.begin()));
    return numbers;
}
template <typename Move>
std::optional<std::vector<Move>> MovesFrom(const Numbers& numbers, const std::vector<Move>& moves) {
    std::vector<Move> played;
    for (const int n : numbers) {
        if (n < 0 || static_cast<size_t>(n) >= moves.size()) return std::nullopt;
        played.push_back(moves[static_cast<size_t>(n)]);
    }
    return played;
}

}  // namespace spindora
