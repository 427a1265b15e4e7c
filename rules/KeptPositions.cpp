#include "rules/KeptPositions.h"

#include <algorithm>

namespace spindora {
namespace {

template <typename T>
std::vector<T> Sorted(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values;
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

namespace zibbo {
Numbers ToNumbers(const Position& position) { return {position.directions.begin(), position.directions.end()}; }

std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int, int) {
    Position position;
    if (numbers.size() != position.directions.size()) return std::nullopt;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (!Within(numbers[i], 0, kDirections - 1)) return std::nullopt;
        position.directions[i] = numbers[i];
    }
    return position;
}

std::vector<Move> LevelMoves(std::type_identity<Position>, int level) { return Moves(level); }
}  // namespace zibbo

namespace kolluk {
Numbers ToNumbers(const Position& position) { return {position.balls.begin(), position.balls.end()}; }

// The balls of the level's layout, in any places.
std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int level, int) {
    const Position goal = Goal(level);
    if (Sorted(numbers) != Sorted(Numbers(goal.balls.begin(), goal.balls.end()))) return std::nullopt;
    Position position;
    std::copy(numbers.begin(), numbers.end(), position.balls.begin());
    return position;
}

std::vector<Move> LevelMoves(std::type_identity<Position>, int) { return Moves(); }
}  // namespace kolluk

namespace pluf {
Numbers ToNumbers(const Position& position) {
    Numbers numbers;
    for (const Slots& plate : position.buttons) numbers.insert(numbers.end(), plate.begin(), plate.end());
    return numbers;
}

// The plates in play hold buttons of at most the setting's number of colours, the others
// none; a turn keeps each plate's own buttons, so any order of them is one a deal gives.
std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int level,
                                     int colourSetting) {
    if (numbers.size() != static_cast<size_t>(kPlates * kSlots)) return std::nullopt;
    const size_t inPlay = static_cast<size_t>(PlatesInPlay(level) * kSlots);
    std::vector<int> colours;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i >= inPlay) {
            if (numbers[i] != 0) return std::nullopt;
            continue;
        }
        if (!Within(numbers[i], 0, kButtonColours - 1)) return std::nullopt;
        if (std::find(colours.begin(), colours.end(), numbers[i]) == colours.end()) colours.push_back(numbers[i]);
    }
    if (colours.size() > static_cast<size_t>(colourSetting + 1)) return std::nullopt;
    Position position;
    for (size_t i = 0; i < numbers.size(); ++i) position.buttons[i / kSlots][i % kSlots] = numbers[i];
    return position;
}

std::vector<Move> LevelMoves(std::type_identity<Position>, int level) { return Moves(level); }
}  // namespace pluf

namespace murvo {
// The discs, level 10's pattern, and the sprite row of each colour.
Numbers ToNumbers(const Position& position) {
    Numbers numbers(position.board.begin(), position.board.end());
    const Board& invented = position.Pattern(kLevels);
    numbers.insert(numbers.end(), invented.begin(), invented.end());
    numbers.insert(numbers.end(), position.colourRows.begin(), position.colourRows.end());
    return numbers;
}

// Level 10's pattern holds discs of the six colours; the board holds the discs of its
// level's pattern, in any places, and the colours' rows are the six rows in some order.
std::optional<Position> PositionFrom(std::type_identity<Position>, const Numbers& numbers, int level, int) {
    if (numbers.size() != static_cast<size_t>(2 * kPlaces + kColours)) return std::nullopt;
    Position position = StartPosition();
    Board& invented = position.patterns[kLevels - 1];
    for (size_t i = 0; i < static_cast<size_t>(kPlaces); ++i) {
        const int code = numbers[kPlaces + i];
        if (code != 0 && !Within(ColourOf(static_cast<uint8_t>(code)), 1, kColours)) return std::nullopt;
        if (!Within(code, 0, 10 * kColours + 9)) return std::nullopt;
        invented[i] = static_cast<uint8_t>(code);
        position.board[i] = static_cast<uint8_t>(std::clamp(numbers[i], 0, 255));
        if (position.board[i] != numbers[i]) return std::nullopt;
    }
    const Board& pattern = position.Pattern(level);
    if (Sorted(std::vector<int>(position.board.begin(), position.board.end())) !=
        Sorted(std::vector<int>(pattern.begin(), pattern.end())))
        return std::nullopt;
    const Numbers rows(numbers.end() - kColours, numbers.end());
    if (Sorted(rows) != Numbers{0, 1, 2, 3, 4, 5}) return std::nullopt;
    std::copy(rows.begin(), rows.end(), position.colourRows.begin());
    return position;
}

std::vector<Move> LevelMoves(std::type_identity<Position>, int level) { return Moves(level); }
}  // namespace murvo

}  // namespace spindora
