#include "puzzles/murvo/Murvo.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "puzzles/murvo/Layout.h"
#include "puzzles/murvo/Moves.h"
#include "puzzles/murvo/MurvoDrawing.h"
#include "puzzles/murvo/MurvoSheet.h"
#include "puzzles/murvo/Patterns.h"

namespace spindora::murvo {
namespace {

constexpr int kMappingSwaps = 1000;
constexpr int kScrambleSteps = 5000;
constexpr int kHotSpotReach = 11;  // exclusive, on each side of the hot spot

}  // namespace

Murvo::Murvo(PuzzleHost& host) : Puzzle(host) {
    for (size_t level = 0; level < std::size(FixedPatterns); ++level)
        std::copy(std::begin(FixedPatterns[level]), std::end(FixedPatterns[level]),
                  position_.patterns[level].begin());
    // Level 10 invents its pattern at every deal; until the first one, a fixed full
    // pattern keeps every code drawable.
    position_.patterns[kLevels - 1] = position_.patterns[kLevels - 2];
    position_.board = position_.patterns[kLevels - 1];
}

QSize Murvo::SheetSize() const { return {kSheetWidth, kSheetHeight}; }

void Murvo::Turn(int move, bool clockwise) {
    const Move& m = MoveAt(move);
    Board& board = position_.board;
    const auto at = [&](int k) -> uint8_t& { return board[m.ring[k] - 1u]; };
    if (clockwise) {
        const uint8_t last = at(m.size - 1);
        for (int k = m.size - 1; k > 0; --k) at(k) = at(k - 1);
        at(0) = last;
    } else {
        const uint8_t first = at(0);
        for (int k = 0; k < m.size - 1; ++k) at(k) = at(k + 1);
        at(m.size - 1) = first;
    }
}

bool Murvo::IsSolved() const {
    const Board& pattern = position_.Pattern(Level());
    return std::equal(pattern.begin(), pattern.begin() + PlacesInPlay(Level()),
                      position_.board.begin());
}

int Murvo::MoveUnder(int level, int x, int y) {
    int hit = -1;
    for (const uint8_t move : OfferedMoves(level)) {
        const QPoint spot = kBoardCentre + MoveAt(move).hotSpot;
        if (std::abs(x - spot.x()) < kHotSpotReach && std::abs(y - spot.y()) < kHotSpotReach)
            hit = move;
    }
    return hit;
}

void Murvo::NewBoard() {
    auto& rows = position_.colourRows;
    for (int k = 0; k < kColours; ++k) rows[static_cast<size_t>(k)] = k;
    for (int swap = 0; swap < kMappingSwaps; ++swap) {
        const int i = host_.Random(kColours);
        const int j = host_.Random(kColours);
        std::swap(rows[static_cast<size_t>(i)], rows[static_cast<size_t>(j)]);
    }

    for (uint8_t& code : position_.patterns[kLevels - 1]) {
        const int colour = host_.Random(kColours);
        const int variant = host_.Random(3);
        code = static_cast<uint8_t>(10 * colour + variant + 10);
    }

    position_.board = position_.Pattern(Level());
    const auto offered = OfferedMoves(Level());
    for (int step = 0; step < kScrambleSteps; ++step) {
        const int move = offered[static_cast<size_t>(host_.Random(static_cast<int>(offered.size())))];
        const int turns = host_.Random(MoveAt(move).size) + 1;
        for (int t = 0; t < turns; ++t) Turn(move, true);
    }
}

void Murvo::PaintBoard() { PaintMurvoBoard(host_, position_, Level()); }

void Murvo::ChangeLevel(MouseButton button) {
    StepLevel(host_.Levels().rmode, kLevels, button);
    MixBoard();
}

std::vector<PressTarget> Murvo::PressTargets() const {
    std::vector<PressTarget> targets;
    for (const uint8_t move : OfferedMoves(Level())) {
        const Move& m = MoveAt(move);
        const QPoint spot = kBoardCentre + m.hotSpot;
        const int reach = kHotSpotReach - 1;
        PressTarget target{QRect(spot - QPoint(reach, reach), spot + QPoint(reach, reach)), {}};
        // A ring round each disc the press would turn: clear of that disc's square and of
        // its neighbours', which stand 40 pixels apart.
        constexpr double kAround = 20;
        for (int k = 0; k < m.size; ++k)
            target.mark.addEllipse(QPointF(kBoardCentre + PlaceOffset(m.ring[k])) + QPointF(0.5, 0.5),
                                   kAround, kAround);
        targets.push_back(target);
    }
    return targets;
}

QRect Murvo::LevelButtonArea() const {
    return QRect(QPoint(kLevelButtonLeft + 1, kLevelButtonTop + 1),
                 QPoint(kBoardWidth - 1, kBoardHeight - 1));
}

void Murvo::BoardMouseDown(int x, int y, MouseButton button) {
    if (OnLevelButton(x, y)) {
        host_.OptionBtnMouseDown(button);
        return;
    }
    const int move = MoveUnder(Level(), x, y);
    if (move < 0) return;
    if (button != MouseButton::Middle) {
        // Left turns counter-clockwise, right clockwise; the picture moves before the model.
        const bool clockwise = button == MouseButton::Right;
        host_.PlayEffect(4);
        AnimateMove(host_, position_, MoveAt(move), clockwise);
        Turn(move, clockwise);
        if (host_.CurrentGameState() == kReady) host_.CurrentGameState() = kRunning;
    }
    // Any button on a hot spot asks whether the board is solved.
    if (IsSolved()) host_.ReportSolved();
}

}  // namespace spindora::murvo
