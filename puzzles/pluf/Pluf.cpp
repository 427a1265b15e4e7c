#include "puzzles/pluf/Pluf.h"

#include <algorithm>

#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"

namespace spindora::pluf {
namespace {

constexpr int kTurnEffect = 3;
constexpr unsigned kPhaseMs = 30;
// The phase at which a running clock gains its tick during a turn.
constexpr int kTickPhase = 2;

}  // namespace

Pluf::Pluf(PuzzleHost& host)
    : Puzzle(host), scratch_(kPlateSize, kPlateSize, QImage::Format_RGB32) {}

QSize Pluf::SheetSize() const { return {kSheetWidth, kSheetHeight}; }

int Pluf::Count() const { return PlateCount[std::clamp(host_.Levels().dmode, 1, kLevels) - 1]; }

int Pluf::PlateAt(int x, int y) const {
    for (int p = 1; p <= Count(); ++p)
        if (OnPlate(p, x, y)) return p;
    return 0;
}

void Pluf::TurnData(int plate, Turn turn) {
    Slots& ring = Buttons(plate);
    if (turn == Turn::CounterClockwise) std::rotate(ring.begin(), ring.begin() + 1, ring.end());
    else std::rotate(ring.begin(), ring.end() - 1, ring.end());
}

bool Pluf::IsSolved() const {
    const int count = Count();
    for (int p = 1; p <= count; ++p)
        for (int j = 0; j < kSlots; ++j) {
            const int q = Neighbours[p - 1][j];
            if (q >= 1 && q <= count && Buttons(q)[FacingSlot(j)] != Buttons(p)[j]) return false;
        }
    return true;
}

void Pluf::DealPalette() {
    const int pmode = host_.Levels().pmode;
    palette_[0] = host_.Random(kButtonColours);
    for (int k = 1; k <= pmode; ++k) {
        int colour;
        do colour = host_.Random(kButtonColours);
        while (std::find(palette_.begin(), palette_.begin() + k, colour) != palette_.begin() + k);
        palette_[k] = colour;
    }
}

void Pluf::DealSolvedPosition() {
    const int count = Count();
    const int colours = host_.Levels().pmode + 1;
    for (int p = 1; p <= count; ++p) Buttons(p).fill(-1);
    for (int p = 1; p <= count; ++p)
        for (int j = 0; j < kSlots; ++j) {
            if (Buttons(p)[j] != -1) continue;
            Buttons(p)[j] = palette_[host_.Random(colours)];
            const int q = Neighbours[p - 1][j];
            if (q >= 1 && q <= count) Buttons(q)[FacingSlot(j)] = Buttons(p)[j];
        }
}

void Pluf::Scramble() {
    const int count = Count();
    const int moves = host_.Random(1000) + 10 * count;
    for (int i = 0; i < moves; ++i) {
        const int plate = host_.Random(count) + 1;
        const Turn turn = host_.Random(2) == 0 ? Turn::CounterClockwise : Turn::Clockwise;
        const int steps = host_.Random(3) + 1;
        for (int s = 0; s < steps; ++s) TurnData(plate, turn);
    }
}

void Pluf::NewBoard() {
    // A stored setting from outside the ranges would index past the palette and the
    // sheet's figures; bring it in before it is dealt with.
    LevelSettings& levels = host_.Levels();
    levels.dmode = std::clamp(levels.dmode, 1, kLevels);
    levels.pmode = std::clamp(levels.pmode, 1, kColourSettings);
    DealPalette();
    DealSolvedPosition();
    Scramble();
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
    if (phase == kTickPhase && host_.CurrentGameState() == kRunning) {
        ++host_.CurrentClockTicks();
        host_.timboxPaint();
    }
    host_.WaitMs(kPhaseMs);
}

void Pluf::PlayerTurn(int plate, Turn turn) {
    host_.PlayEffect(kTurnEffect);
    // Both directions play the same frames: the clockwise turn moves the data first and
    // then runs the counter-clockwise phases backwards into the new resting place.
    if (turn == Turn::CounterClockwise) {
        for (int phase = 1; phase < kPhases; ++phase) ShowPhase(plate, phase);
        TurnData(plate, turn);
    } else {
        TurnData(plate, turn);
        for (int phase = kPhases - 1; phase >= 1; --phase) ShowPhase(plate, phase);
    }
    DrawPlate(plate, 0);
    if (IsSolved()) host_.ReportSolved();
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

void Pluf::BoardMouseDown(int x, int y, MouseButton button) {
    if (OnLevelButton(x, y)) {
        host_.OptionBtnMouseDown(button);
        return;
    }
    const int plate = PlateAt(x, y);
    if (plate == 0) return;
    // Any button on a plate starts the clock, even one that turns nothing.
    if (host_.CurrentGameState() == kReady) host_.CurrentGameState() = kRunning;
    if (button == MouseButton::Left) PlayerTurn(plate, Turn::CounterClockwise);
    else if (button == MouseButton::Right) PlayerTurn(plate, Turn::Clockwise);
}

}  // namespace spindora::pluf
