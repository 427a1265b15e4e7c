#include "puzzles/kolluk/Kolluk.h"

#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"
#include "puzzles/kolluk/KollukSheet.h"

namespace spindora::kolluk {
namespace {

constexpr int kFrames = 10;
constexpr unsigned kFrameMs = 30;
// The frames at which a roll counts its two ticks of a running clock (kKollukPress).
constexpr int kTickFrames[] = {4, 8};

}  // namespace

Kolluk::Kolluk(PuzzleHost& host) : RulesPuzzle(host), position_(Goal(1)) {}

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

void Kolluk::Rotate(int ring, bool clockwise) { Apply(position_, {static_cast<uint8_t>(ring), clockwise}); }

bool Kolluk::IsSolved() const { return kolluk::IsSolved(position_, Level()); }

bool Kolluk::OnLevelButton(int x, int y) { return kolluk::OnLevelButton(x, y); }

PieceUnderPress<Move> Kolluk::PieceUnder(int x, int y, MouseButton button) const {
    const int ring = RingAt(x, y);
    if (ring < 0) return {};
    // Only the left button rolls counter-clockwise.
    return {.hit = true, .move = Move{static_cast<uint8_t>(ring), button != MouseButton::Left}};
}

void Kolluk::DrawRollFrame(int ring, bool clockwise, int frame) {
    const QRect area(RingArea[ring], kRingAreaSize);
    QImage& offScreen = host_.OffScreen();
    const QImage& sheet = host_.Background();
    CopyRect(offScreen, area.topLeft(), sheet, area);
    const int* places = Rings[ring];
    const int s = RingStep(clockwise);
    for (int j = 0; j < kRingLength; ++j) {
        const int p = places[j], q = places[(j + s) % kRingLength];
        ComposeSprite(offScreen, RollingBallAt(p, q, frame), sheet, kBallMask,
                      BallImage(position_.balls[p]));
    }
    BoardBox& box = host_.box();
    CopyRect(box.image(), area.topLeft(), offScreen, area);
    box.show(area);
}

void Kolluk::PlayMove(const Move& move) {
    for (int frame = 1; frame <= kFrames; ++frame) {
        DrawRollFrame(move.ring, move.clockwise, frame);
        if (frame == kTickFrames[0] || frame == kTickFrames[1]) CountTick(host_);
        host_.WaitMs(kFrameMs);
    }
    Apply(position_, move);
}

void Kolluk::DrawBall(int place) {
    const QPoint at = PlaceOrigin[place];
    QImage& offScreen = host_.OffScreen();
    const QImage& sheet = host_.Background();
    CopyRect(offScreen, at, sheet, QRect(at, QSize(kPlatformSize, kPlatformSize)));
    const QPoint ball = at + QPoint(kBallInset, kBallInset);
    ComposeSprite(offScreen, ball, sheet, kBallMask, BallImage(position_.balls[place]));
    const QRect square(ball, QSize(kBallSize, kBallSize));
    BoardBox& box = host_.box();
    CopyRect(box.image(), ball, offScreen, square);
    box.show(square);
}

void Kolluk::NewBoard() { position_ = Deal(Level(), host_); }

void Kolluk::PaintBoard() {
    // The level's platforms are stamped into the board picture itself, so every later
    // clean patch, and every roll, shows them.
    QImage& sheet = host_.Background();
    const int level = Level();
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

}  // namespace spindora::kolluk
