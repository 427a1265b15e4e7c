#include "rules/pluf/PlufRules.h"

#include <algorithm>
#include <cstring>

#include "rules/RulesHash.h"

namespace spindora::pluf {
namespace {

Palette DealPalette(int colourSetting, RandomSource& random) {
    Palette palette{};
    palette[0] = random.Random(kButtonColours);
    for (int k = 1; k <= colourSetting; ++k) {
        int colour;
        do colour = random.Random(kButtonColours);
        while (std::find(palette.begin(), palette.begin() + k, colour) != palette.begin() + k);
        palette[k] = colour;
    }
    return palette;
}

// Each pair of facing slots gets one random palette colour, each border slot its own.
void DealSolvedPosition(Position& position, int count, const Palette& palette, int colourSetting,
                        RandomSource& random) {
    for (int p = 1; p <= count; ++p) position.buttons[p - 1].fill(-1);
    for (int p = 1; p <= count; ++p)
        for (int j = 0; j < kSlots; ++j) {
            int& button = position.buttons[p - 1][j];
            if (button != -1) continue;
            button = palette[random.Random(colourSetting + 1)];
            const int q = Neighbours[p - 1][j];
            if (q >= 1 && q <= count) position.buttons[q - 1][FacingSlot(j)] = button;
        }
}

void Scramble(Position& position, int count, RandomSource& random) {
    const int moves = random.Random(1000) + 10 * count;
    for (int i = 0; i < moves; ++i) {
        const int plate = random.Random(count) + 1;
        const Turn turn = random.Random(2) == 0 ? Turn::CounterClockwise : Turn::Clockwise;
        const int steps = random.Random(3) + 1;
        for (int s = 0; s < steps; ++s) Apply(position, {static_cast<uint8_t>(plate), turn});
    }
}

}  // namespace

int PlatesInPlay(int level) { return PlateCount[level - 1]; }

bool IsSolved(const Position& position, int level) {
    const int count = PlatesInPlay(level);
    for (int p = 1; p <= count; ++p)
        for (int j = 0; j < kSlots; ++j) {
            const int q = Neighbours[p - 1][j];
            if (q >= 1 && q <= count && position.buttons[q - 1][FacingSlot(j)] != position.buttons[p - 1][j])
                return false;
        }
    return true;
}

void Apply(Position& position, const Move& move) {
    Slots& ring = position.buttons[move.plate - 1];
    const Slots was = ring;
    // Counter-clockwise slot j takes the button of slot j + 1, clockwise that of j - 1.
    const int from = move.turn == Turn::CounterClockwise ? 1 : kSlots - 1;
    for (int j = 0; j < kSlots; ++j) ring[j] = was[(j + from) % kSlots];
}

std::vector<Move> Moves(int level) {
    std::vector<Move> moves;
    for (int plate = 1; plate <= PlatesInPlay(level); ++plate)
        for (const Turn turn : {Turn::CounterClockwise, Turn::Clockwise})
            moves.push_back({static_cast<uint8_t>(plate), turn});
    return moves;
}

Dealt Deal(int level, int colourSetting, RandomSource& random) {
    const int count = PlatesInPlay(level);
    Dealt dealt;
    dealt.palette = DealPalette(colourSetting, random);
    DealSolvedPosition(dealt.position, count, dealt.palette, colourSetting, random);
    Scramble(dealt.position, count, random);
    return dealt;
}

uint64_t Hash(const Position& position) {
    // A plate's six colours fit a byte each. Read as three words of two slots, shifted a
    // byte apart and joined, they pack without loss. Each plate's word is weighted by its
    // own odd factor and the products summed: none waits for another.
    uint64_t sum = 0, factor = 0x9E3779B97F4A7C15ull;
    for (int p = 0; p < kPlates; ++p) {
        uint64_t words[3];
        std::memcpy(words, position.buttons[p].data(), sizeof words);
        const uint64_t packed = (words[0] & 0xFF000000FFull) | (words[1] & 0xFF000000FFull) << 8 |
                                (words[2] & 0xFF000000FFull) << 16;
        sum += SpreadBits(packed + factor);
        factor += 0x9E3779B97F4A7C15ull;
    }
    return SpreadBits(sum);
}

}  // namespace spindora::pluf
