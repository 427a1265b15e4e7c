#include "puzzles/zibbo/Zibbo.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "assets/PaintKit.h"
#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"
#include "puzzles/zibbo/ZibboSheet.h"

namespace spindora::zibbo {

Zibbo::Zibbo(PuzzleHost& host) : RulesPuzzle(host) {}

int Zibbo::PieceAt(int x, int y) {
    if (x < kGridOrigin || y < kGridOrigin) return -1;
    const int column = (x - kGridOrigin) / kGridPitch;
    const int row = (y - kGridOrigin) / kGridPitch;
    if (column > 2 || row > 2) return -1;
    return 3 * row + column;
}

bool Zibbo::OnLevelButton(int x, int y) { return zibbo::OnLevelButton(x, y); }

PieceUnderPress<Move> Zibbo::PieceUnder(int x, int y, MouseButton button) const {
    const int k = PieceAt(x, y);
    if (k < 0) return {};
    if (button == MouseButton::Middle) return {.hit = true};
    const Move move{static_cast<uint8_t>(Level()), static_cast<uint8_t>(k),
                    button == MouseButton::Left};
    return {.hit = true, .move = move};
}

void Zibbo::PlayMove(const Move& move) {
    const Position before = position_;
    Apply(position_, move);
    // No turn of a press is a whole round, so the dials that changed are those it turned.
    for (int k = 0; k < kDials; ++k)
        if (position_.directions[k] != before.directions[k]) DrawZibbo(k);
}

bool Zibbo::IsSolved() const { return zibbo::IsSolved(position_); }

void Zibbo::NewBoard() { position_ = Deal(Level(), host_); }

void Zibbo::DrawZibbo(int k) {
    const QPoint at = PiecePosition(k);
    const QRect square(at, QSize(kPieceSize, kPieceSize));
    QImage& offScreen = host_.OffScreen();
    const QImage& sheet = host_.Background();
    CopyRect(offScreen, at, sheet, square);
    ComposeSprite(offScreen, at, sheet, kMaskRect, DirectionImage(position_.directions[k]));
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
    StepLevel(host_.Levels().gmode, kLevels, button);
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

}  // namespace spindora::zibbo
