#include "puzzles/kolluk/Kolluk.h"

#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"
#include "puzzles/kolluk/KollukSheet.h"

namespace spindora::kolluk {
namespace {

constexpr int kFrames = 10;
constexpr unsigned kFrameMs = 30;
// The clock cannot tick while a roll holds the thread, so the roll counts two ticks itself.
constexpr int kTickFrames[] = {4, 8};
constexpr int kRollEffect = 2;

// Clockwise a ball goes one place on along its ring, counter-clockwise one place back.
int Step(bool clockwise) { return clockwise ? 1 : kRingLength - 1; }

}  // namespace

Kolluk::Kolluk(PuzzleHost& host) : Puzzle(host) {
    for (int i = 0; i < kPlaces; ++i) ballColours_[i] = LevelLayouts[0][i];
}

const int* Kolluk::Layout() const { return LevelLayouts[host_.Levels().hmode - 1]; }

int Kolluk::RingAt(int x, int y) {
    int hit = -1;
    for (int r = 0; r < kRings; ++r) {
        const QPoint o = RingHitOrigin[r];
        if (x >= o.x() && x <= o.x() + kRingHitReach && y >= o.y() && y <= o.y() + kRingHitReach)
            hit = r;
    }
    return hit;
}

QPoint Kolluk::RollingBallAt(int from, int to, int frame) {
    const QPoint p = PlaceOrigin[from], q = PlaceOrigin[to];
    // Integer division truncates toward zero, on both sides of a move alike.
    return {p.x() + (q.x() - p.x()) * frame / kFrames + kBallInset,
            p.y() + (q.y() - p.y()) * frame / kFrames + kBallInset};
}

void Kolluk::Rotate(int ring, bool clockwise) {
    const int* places = Rings[ring];
    const int s = Step(clockwise);
    std::array<int, kRingLength> moved;
    for (int j = 0; j < kRingLength; ++j) moved[(j + s) % kRingLength] = ballColours_[places[j]];
    for (int j = 0; j < kRingLength; ++j) ballColours_[places[j]] = moved[j];
}

bool Kolluk::IsSolved() const {
    const int* goal = Layout();
    for (int i = 0; i < kPlaces; ++i)
        if (ballColours_[i] != goal[i]) return false;
    return true;
}

void Kolluk::DrawRollFrame(int ring, bool clockwise, int frame) {
    const QRect area(RingArea[ring], kRingAreaSize);
    QImage& offScreen = host_.OffScreen();
    const QImage& sheet = host_.Background();
    CopyRect(offScreen, area.topLeft(), sheet, area);
    const int* places = Rings[ring];
    const int s = Step(clockwise);
    for (int j = 0; j < kRingLength; ++j) {
        const int p = places[j], q = places[(j + s) % kRingLength];
        ComposeSprite(offScreen, RollingBallAt(p, q, frame), sheet, kBallMask,
                      BallImage(ballColours_[p]));
    }
    BoardBox& box = host_.box();
    CopyRect(box.image(), area.topLeft(), offScreen, area);
    box.show(area);
}

void Kolluk::Roll(int ring, bool clockwise) {
    host_.PlayEffect(kRollEffect);
    for (int frame = 1; frame <= kFrames; ++frame) {
        DrawRollFrame(ring, clockwise, frame);
        if (host_.CurrentGameState() == kRunning &&
            (frame == kTickFrames[0] || frame == kTickFrames[1])) {
            ++host_.CurrentClockTicks();
            host_.timboxPaint();
        }
        host_.WaitMs(kFrameMs);
    }
    Rotate(ring, clockwise);
    if (IsSolved()) host_.ReportSolved();
}

void Kolluk::DrawBall(int place) {
    const QPoint at = PlaceOrigin[place];
    QImage& offScreen = host_.OffScreen();
    const QImage& sheet = host_.Background();
    CopyRect(offScreen, at, sheet, QRect(at, QSize(kPlatformSize, kPlatformSize)));
    const QPoint ball = at + QPoint(kBallInset, kBallInset);
    ComposeSprite(offScreen, ball, sheet, kBallMask, BallImage(ballColours_[place]));
    const QRect square(ball, QSize(kBallSize, kBallSize));
    BoardBox& box = host_.box();
    CopyRect(box.image(), ball, offScreen, square);
    box.show(square);
}

void Kolluk::NewBoard() {
    const int* layout = Layout();
    for (int i = 0; i < kPlaces; ++i) ballColours_[i] = layout[i];
    const int steps = host_.Random(1000) + 100;
    for (int step = 0; step < steps; ++step) {
        const int ring = host_.Random(3);
        const bool counterClockwise = host_.Random(2) == 1;
        const int times = host_.Random(3) + 1;
        for (int t = 0; t < times; ++t) Rotate(ring, !counterClockwise);
    }
}

void Kolluk::PaintBoard() {
    // The level's platforms are stamped into the board picture itself, so every later
    // clean patch, and every roll, shows them.
    QImage& sheet = host_.Background();
    const int level = host_.Levels().hmode;
    for (int i = 0; i < kPlaces; ++i) CopyRect(sheet, PlaceOrigin[i], sheet, PlatformImage(i, level));
    BoardBox& box = host_.box();
    CopyRect(box.image(), QPoint(0, 0), sheet, kBoardRect);
    CopyRect(box.image(), kLevelPictureAt, sheet, LevelPicture(level));
    box.show(kBoardRect);
    for (int i = 0; i < kPlaces; ++i) DrawBall(i);
}

void Kolluk::ChangeLevel(MouseButton button) {
    StepLevel(host_.Levels().hmode, kLevels, button);
    MixBoard();
}

std::vector<PressTarget> Kolluk::PressTargets() const {
    std::vector<PressTarget> targets;
    for (int r = 0; r < kRings; ++r) {
        PressTarget target{QRect(RingHitOrigin[r], QSize(kRingHitReach + 1, kRingHitReach + 1)), {}};
        // A circle in the ring's hollow, inside the path its balls roll along.
        QPointF middle;
        for (const int place : Rings[r]) middle += PlaceOrigin[place] + QPointF(kPlatformSize, kPlatformSize) / 2;
        middle /= kRingLength;
        constexpr double kHollow = 40;
        target.mark.addEllipse(middle, kHollow, kHollow);
        targets.push_back(target);
    }
    return targets;
}

QRect Kolluk::LevelButtonArea() const {
    return BetweenBounds(kLevelLeft, kLevelTop, kLevelRight, kLevelBottom);
}

QSize Kolluk::SheetSize() const { return {kSheetWidth, kSheetHeight}; }

void Kolluk::BoardMouseDown(int x, int y, MouseButton button) {
    if (OnLevelButton(x, y)) {
        host_.OptionBtnMouseDown(button);
        return;
    }
    const int ring = RingAt(x, y);
    if (ring < 0) return;
    if (host_.CurrentGameState() == kReady) host_.CurrentGameState() = kRunning;
    Roll(ring, button != MouseButton::Left);
}

}  // namespace spindora::kolluk
