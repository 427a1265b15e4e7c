#include "puzzles/murvo/Murvo.h"

#include <cstdlib>

#include "puzzles/murvo/Layout.h"
#include "puzzles/murvo/MurvoDrawing.h"
#include "puzzles/murvo/MurvoSheet.h"

namespace spindora::murvo {
namespace {

constexpr int kHotSpotReach = 11;  // exclusive, on each side of the hot spot

}  // namespace

Murvo::Murvo(PuzzleHost& host) : RulesPuzzle(host), position_(StartPosition()) {}

QSize Murvo::SheetSize() const { return {kSheetWidth, kSheetHeight}; }

void Murvo::Turn(int move, bool clockwise) { Apply(position_, {static_cast<uint8_t>(move), clockwise}); }

bool Murvo::IsSolved() const { return murvo::IsSolved(position_, Level()); }

bool Murvo::OnLevelButton(int x, int y) { return murvo::OnLevelButton(x, y); }

PieceUnderPress<Move> Murvo::PieceUnder(int x, int y, MouseButton button) const {
    const int ring = MoveUnder(Level(), x, y);
    if (ring < 0) return {};
    if (button == MouseButton::Middle) return {.hit = true};
    // Left turns counter-clockwise, right clockwise.
    return {.hit = true, .move = Move{static_cast<uint8_t>(ring), button == MouseButton::Right}};
}

void Murvo::PlayMove(const Move& move) {
    // The picture moves before the model.
    AnimateMove(host_, position_, move);
    Apply(position_, move);
}

int Murvo::MoveUnder(int level, int x, int y) {
    int hit = -1;
    for (const uint8_t ring : OfferedRings(level)) {
        const QPoint spot = kBoardCentre + HotSpot(ring);
        if (std::abs(x - spot.x()) < kHotSpotReach && std::abs(y - spot.y()) < kHotSpotReach)
            hit = ring;
    }
    return hit;
}

void Murvo::NewBoard() { position_ = Deal(Level(), host_); }

void Murvo::PaintBoard() { PaintMurvoBoard(host_, position_, Level()); }

void Murvo::ChangeLevel(MouseButton button) {
    StepLevel(host_.Levels().rmode, kLevels, button);
    MixBoard();
}

std::vector<PressTarget> Murvo::PressTargets() const {
    std::vector<PressTarget> targets;
    for (const uint8_t ring : OfferedRings(Level())) {
        const Ring& m = RingAt(ring);
        const QPoint spot = kBoardCentre + HotSpot(ring);
        const int reach = kHotSpotReach - 1;
        PressTarget target{QRect(spot - QPoint(reach, reach), spot + QPoint(reach, reach)), {}};
        // A ring round each disc the press would turn: clear of that disc's square and of
        // its neighbours', which stand 40 pixels apart.
        constexpr double kAround = 20;
        for (int k = 0; k < m.size; ++k)
            target.mark.addEllipse(QPointF(kBoardCentre + PlaceOffset(m.places[k])) + QPointF(0.5, 0.5),
                                   kAround, kAround);
        targets.push_back(target);
    }
    return targets;
}

QRect Murvo::LevelButtonArea() const {
    return QRect(QPoint(kLevelButtonLeft + 1, kLevelButtonTop + 1),
                 QPoint(kBoardWidth - 1, kBoardHeight - 1));
}

}  // namespace spindora::murvo
