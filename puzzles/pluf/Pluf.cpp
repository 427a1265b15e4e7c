#include "puzzles/pluf/Pluf.h"

#include <algorithm>

#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"

namespace spindora::pluf {
namespace {

constexpr unsigned kPhaseMs = 30;
// The phase at which a running clock gains its tick during a turn.
constexpr int kTickPhase = 2;

}  // namespace

Pluf::Pluf(PuzzleHost& host)
    : RulesPuzzle(host), scratch_(kPlateSize, kPlateSize, QImage::Format_RGB32) {}

QSize Pluf::SheetSize() const { return {kSheetWidth, kSheetHeight}; }

int Pluf::Level() const { return std::clamp(host_.Levels().dmode, 1, kLevels); }

int Pluf::Count() const { return PlatesInPlay(Level()); }

int Pluf::PlateAt(int x, int y) const {
    for (int p = 1; p <= Count(); ++p)
        if (OnPlate(p, x, y)) return p;
    return 0;
}

void Pluf::TurnData(int plate, Turn turn) { Apply(position_, {static_cast<uint8_t>(plate), turn}); }

bool Pluf::IsSolved() const { return pluf::IsSolved(position_, Level()); }

void Pluf::NewBoard() {
    // A stored setting from outside the ranges would index past the palette and the
    // sheet's figures; bring it in before it is dealt with.
    LevelSettings& levels = host_.Levels();
    levels.dmode = std::clamp(levels.dmode, 1, kLevels);
    levels.pmode = std::clamp(levels.pmode, 1, kColourSettings);
    const Dealt dealt = Deal(levels.dmode, levels.pmode, host_);
    palette_ = dealt.palette;
    position_ = dealt.position;
}

bool Pluf::OnLevelButton(int x, int y) { return pluf::OnLevelButton(x, y); }

PieceUnderPress<Move> Pluf::PieceUnder(int x, int y, MouseButton button) const {
    const int plate = PlateAt(x, y);
    if (plate == 0) return {};
    if (button == MouseButton::Middle) return {.hit = true};
    const Turn turn = button == MouseButton::Left ? Turn::CounterClockwise : Turn::Clockwise;
    return {.hit = true, .move = Move{static_cast<uint8_t>(plate), turn}};
}

void Pluf::DrawPlate(int plate, int phase) {
    const QPoint at = PlateCorner(plate);
    const QRect square(at, QSize(kPlateSize, kPlateSize));
    const QPoint origin(0, 0);
    const QRect work(origin, square.size());
    const QImage& sheet = host_.Background();
    QImage& offScreen = host_.OffScreen();
    BoardBox& box = host_.box();
    // The scratch plate follows the sheet's density, which changes with the screen.
    if (SurfaceScale(scratch_) != SurfaceScale(sheet))
        scratch_ = MakeSurface(square.size(), SurfaceScale(sheet));

    // Start from what the board shows, so the corners of neighbouring plates survive,
    // and clear only the round area this plate can cover.
    CopyRect(offScreen, origin, box.image(), square);
    CopyRect(offScreen, origin, sheet, kOuterWindow, RasterOp::And);
    CopyRect(scratch_, origin, sheet, square);
    CopyRect(scratch_, origin, sheet, kInnerWindow, RasterOp::And);
    ComposeSprite(scratch_, origin, sheet, PlateMask(phase), PlateImage(phase));
    CopyRect(offScreen, origin, scratch_, work, RasterOp::Or);
    for (int j = 0; j < kSlots; ++j) {
        const Offset offset = ButtonOffsets[phase][j];
        const QPoint corner(kButtonCorner + offset.dx, kButtonCorner + offset.dy);
        ComposeSprite(offScreen, corner, sheet, kButtonMask, ButtonImage(Buttons(plate)[j]));
    }
    CopyRect(box.image(), at, offScreen, work);
    box.show(square);
}

void Pluf::ShowPhase(int plate, int phase) {
    DrawPlate(plate, phase);
    if (phase == kTickPhase) CountTick(host_);
    host_.WaitMs(kPhaseMs);
}

void Pluf::PlayMove(const Move& move) {
    // Both directions play the same frames: the clockwise turn moves the data first and
    // then runs the counter-clockwise phases backwards into the new resting place.
    if (move.turn == Turn::CounterClockwise) {
        for (int phase = 1; phase < kPhases; ++phase) ShowPhase(move.plate, phase);
        Apply(position_, move);
    } else {
        Apply(position_, move);
        for (int phase = kPhases - 1; phase >= 1; --phase) ShowPhase(move.plate, phase);
    }
    DrawPlate(move.plate, 0);
}

void Pluf::PaintBoard() {
    BoardBox& box = host_.box();
    const QImage& sheet = host_.Background();
    const LevelSettings& levels = host_.Levels();
    CopyRect(box.image(), QPoint(0, 0), sheet, kBoardRect);
    CopyRect(box.image(), kLevelFigureAt, sheet, LevelFigure(levels.dmode));
    CopyRect(box.image(), kColourFigureAt, sheet, ColourFigure(levels.pmode));
    box.show(kBoardRect);
    for (int p = 1; p <= Count(); ++p) DrawPlate(p, 0);
}

void Pluf::ChangeLevel(MouseButton button) {
    LevelSettings& levels = host_.Levels();
    // The right button does not lower the level here: it steps the number of colours.
    if (button == MouseButton::Left) levels.dmode = NextLevel(levels.dmode, kLevels);
    else if (button == MouseButton::Right) levels.pmode = NextLevel(levels.pmode, kColourSettings);
    MixBoard();
}

std::vector<PressTarget> Pluf::PressTargets() const {
    std::vector<PressTarget> targets;
    for (int plate = 1; plate <= Count(); ++plate) {
        const QPoint corner = PlateCorner(plate);
        PressTarget target{QRect(corner + QPoint(11, 11), QSize(54, 54)), {}};
        // A hexagon along the plate's rim, outside the ring of buttons in every phase.
        const QPointF middle = QPointF(corner) + QPointF(kPlateCentre, kPlateCentre);
        constexpr double kRim = 33, kHalfSide = kRim / 1.7320508;
        const QPointF corners[] = {{-kHalfSide, -kRim}, {kHalfSide, -kRim}, {2 * kHalfSide, 0},
                                   {kHalfSide, kRim},   {-kHalfSide, kRim}, {-2 * kHalfSide, 0}};
        target.mark.moveTo(middle + corners[0]);
        for (const QPointF& c : corners) target.mark.lineTo(middle + c);
        target.mark.closeSubpath();
        targets.push_back(target);
    }
    return targets;
}

QRect Pluf::LevelButtonArea() const {
    return BetweenBounds(kLevelLeft, kLevelTop, kLevelRight, kLevelBottom);
}

}  // namespace spindora::pluf
