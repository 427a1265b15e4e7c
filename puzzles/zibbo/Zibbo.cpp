#include "puzzles/zibbo/Zibbo.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "assets/PaintKit.h"
#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"
#include "puzzles/zibbo/TurnTable.h"
#include "puzzles/zibbo/ZibboSheet.h"

namespace spindora::zibbo {

Zibbo::Zibbo(PuzzleHost& host) : Puzzle(host) { directions_.fill(kUpright); }

int Zibbo::PieceAt(int x, int y) {
    if (x < kGridOrigin || y < kGridOrigin) return -1;
    const int column = (x - kGridOrigin) / kGridPitch;
    const int row = (y - kGridOrigin) / kGridPitch;
    if (column > 2 || row > 2) return -1;
    return 3 * row + column;
}

void Zibbo::Turn(int k, bool forward, bool redraw) {
    const int level = host_.Levels().gmode;
    for (int i = 0; i < 9; ++i) {
        int amount = TurnTable[level - 1][k][i];
        if (amount == 0) continue;
        if (!forward) amount = -amount;
        directions_[i] = (directions_[i] + amount + kDirections) % kDirections;
        if (redraw) DrawZibbo(i);
    }
}

bool Zibbo::IsSolved() const {
    for (int direction : directions_)
        if (direction != kUpright) return false;
    return true;
}

void Zibbo::NewBoard() {
    directions_.fill(kUpright);
    const int steps = host_.Random(1000) + 101;
    for (int step = 0; step < steps; ++step) {
        const int times = host_.Random(11) + 1;
        const int k = host_.Random(9);
        const bool forward = host_.Random(2) == 0;
        for (int t = 0; t < times; ++t) Turn(k, forward, false);
    }
}

void Zibbo::DrawZibbo(int k) {
    const QPoint at = PiecePosition(k);
    const QRect square(at, QSize(kPieceSize, kPieceSize));
    QImage& offScreen = host_.OffScreen();
    const QImage& sheet = host_.Background();
    CopyRect(offScreen, at, sheet, square);
    ComposeSprite(offScreen, at, sheet, kMaskRect, DirectionImage(directions_[k]));
    BoardBox& box = host_.box();
    CopyRect(box.image(), at, offScreen, square);
    box.show(square);
}

void Zibbo::WriteLevelNumber() {
    BoardBox& box = host_.box();
    QPainter painter(&box.image());
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = paint::LevelNumeralFont(kLevelTextPixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString text = QString::number(host_.Levels().gmode);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const QRect area(kLevelTextCentreX - width / 2, kLevelTextTop, width, metrics.height());
    painter.drawText(QPoint(area.left(), kLevelTextTop + metrics.ascent()), text);
    painter.end();
    box.show(area);
}

void Zibbo::PaintBoard() {
    BoardBox& box = host_.box();
    CopyRect(box.image(), QPoint(0, 0), host_.Background(), kBoardRect);
    box.show(kBoardRect);
    for (int k = 0; k < 9; ++k) DrawZibbo(k);
    WriteLevelNumber();
}

void Zibbo::ChangeLevel(MouseButton button) {
    StepLevel(host_.Levels().gmode, 9, button);
    MixBoard();
}

std::vector<PressTarget> Zibbo::PressTargets() const {
    // The mark runs in the 12-pixel gap that rings each dial, six pixels off its picture.
    constexpr double kGapMiddle = (kGridPitch - kPieceSize) / 2.0;
    std::vector<PressTarget> targets;
    for (int k = 0; k < 9; ++k) {
        const QPoint at = PiecePosition(k);
        PressTarget target{QRect(at, QSize(kGridPitch, kGridPitch)), {}};
        target.mark.addRect(QRectF(at, QSizeF(kPieceSize, kPieceSize))
                                .adjusted(-kGapMiddle, -kGapMiddle, kGapMiddle, kGapMiddle));
        targets.push_back(target);
    }
    return targets;
}

QRect Zibbo::LevelButtonArea() const {
    return BetweenBounds(kLevelLeft, kLevelTop, kLevelRight, kLevelBottom);
}

QSize Zibbo::SheetSize() const { return {kSheetWidth, kSheetHeight}; }

void Zibbo::BoardMouseDown(int x, int y, MouseButton button) {
    if (OnLevelButton(x, y)) {
        host_.OptionBtnMouseDown(button);
        return;
    }
    const int k = PieceAt(x, y);
    if (k < 0 || button == MouseButton::Middle) return;
    Turn(k, button == MouseButton::Left, true);
    if (host_.CurrentGameState() == kReady) host_.CurrentGameState() = kRunning;
    host_.PlayEffect(1);
    if (IsSolved()) host_.ReportSolved();
}

}  // namespace spindora::zibbo
