#include "puzzles/murvo/MurvoDrawing.h"

#include <QPainter>
#include <algorithm>

#include "puzzles/Puzzle.h"
#include "assets/Raster.h"
#include "puzzles/murvo/Layout.h"
#include "puzzles/murvo/MurvoSheet.h"

namespace spindora::murvo {
namespace {

constexpr int kFrames = 4;
constexpr unsigned kFrameMs = 40;
constexpr QSize kDiscSquare{kDiscSize, kDiscSize};

QRect DiscImageOf(const Position& position, uint8_t code) {
    return DiscImage(position.SpriteRow(code), VariantOf(code));
}

// The grid of `level` as lines between the places' points around `origin`, at full or at
// half size.
void DrawGrid(QImage& image, int level, QPoint origin, bool half, QColor colour) {
    QPainter painter(&image);
    painter.setPen(QPen(colour, 1));
    const auto point = [&](int place) {
        const QPoint offset = PlaceOffset(place);
        return origin + (half ? Half(offset) : offset);
    };
    for (const GridLine& line : GridLines(level)) painter.drawLine(point(line.from), point(line.to));
}

// The clean copy keeps the empty board, so the patch under any disc position is at hand.
void CleanPatch(QImage& offScreen, QPoint at) {
    CopyRect(offScreen, at, offScreen, QRect(at + QPoint(kCleanCopyShift, 0), kDiscSquare));
}

}  // namespace

void DrawDisc(PuzzleHost& host, const Position& position, int place) {
    QImage& offScreen = host.OffScreen();
    const QPoint at = DiscCorner(PlaceOffset(place));
    CleanPatch(offScreen, at);
    ComposeSprite(offScreen, at, host.Background(), kDiscMask,
                  DiscImageOf(position, position.board[static_cast<size_t>(place - 1)]));
    BoardBox& box = host.box();
    const QRect square(at, kDiscSquare);
    CopyRect(box.image(), at, offScreen, square);
    box.show(square);
}

void PaintMurvoBoard(PuzzleHost& host, const Position& position, int level) {
    QImage& offScreen = host.OffScreen();
    const QImage& sheet = host.Background();
    BoardBox& box = host.box();
    QImage& shown = box.image();

    CopyRect(offScreen, QPoint(kCleanCopyShift, 0), sheet, kBoardLeftPart);
    DrawGrid(offScreen, level, kBoardCentre + QPoint(kCleanCopyShift, 0), false, Qt::white);
    CopyRect(shown, kBoardRightPart.topLeft(), sheet, kBoardRightPart);
    CopyRect(shown, QPoint(0, 0), offScreen, kBoardLeftPart.translated(kCleanCopyShift, 0));

    DrawGrid(shown, level, kPatternCentre, true, QColor(192, 192, 192));
    const Board& pattern = position.Pattern(level);
    for (int place = 1; place <= PlacesInPlay(level); ++place) {
        const uint8_t code = pattern[static_cast<size_t>(place - 1)];
        ComposeSprite(shown, SmallDiscCorner(PlaceOffset(place)), sheet, kSmallDiscMask,
                      SmallDiscImage(position.SpriteRow(code), VariantOf(code)));
    }
    CopyRect(shown, kLevelFigureAt, sheet, LevelFigure(level));
    box.show(kBoardRect);

    for (int place = 1; place <= PlacesInPlay(level); ++place) DrawDisc(host, position, place);
}

void AnimateMove(PuzzleHost& host, const Position& position, const Move& move) {
    const Ring& ring = RingAt(move.ring);
    const int n = ring.size;
    QPoint start[6], target[6];
    QRect images[6];
    for (int k = 0; k < n; ++k) {
        start[k] = DiscCorner(PlaceOffset(ring.places[k]));
        images[k] = DiscImageOf(position, position.board[ring.places[k] - 1u]);
    }
    int left = 500, top = 500, right = 0, bottom = 0;
    for (int k = 0; k < n; ++k) {
        target[k] = start[(move.clockwise ? k + 1 : k + n - 1) % n];
        left = std::min(left, start[k].x());
        top = std::min(top, start[k].y());
        right = std::max(right, start[k].x() + kDiscSize);
        bottom = std::max(bottom, start[k].y() + kDiscSize);
    }
    // Quarter steps, truncated toward zero as C++ division does.
    const auto pathPoint = [&](int k, int frame) {
        const QPoint way = target[k] - start[k];
        return start[k] + QPoint(way.x() * frame / kFrames, way.y() * frame / kFrames);
    };

    const QRect work(left, top, right - left, bottom - top);
    QImage& offScreen = host.OffScreen();
    BoardBox& box = host.box();
    CopyRect(offScreen, work.topLeft(), box.image(), work);
    for (int frame = 1; frame <= kFrames; ++frame) {
        // All old places are cleared before any disc is drawn, so no disc erases another.
        for (int k = 0; k < n; ++k) CleanPatch(offScreen, pathPoint(k, frame - 1));
        for (int k = 0; k < n; ++k)
            ComposeSprite(offScreen, pathPoint(k, frame), host.Background(), kDiscMask, images[k]);
        CopyRect(box.image(), work.topLeft(), offScreen, work);
        box.show(work);
        host.WaitMs(kFrameMs);
    }
}

}  // namespace spindora::murvo
