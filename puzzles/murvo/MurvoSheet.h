#pragma once
// Where b4.bmp keeps what MURVO draws, and where the board puts it. Both the puzzle and the
// painter of the sheet read this one header, so the two cannot disagree.
#include <QPoint>
#include <QRect>

namespace spindora::murvo {

inline constexpr int kSheetWidth = 616;
inline constexpr int kSheetHeight = 333;

// Discs sit around this board point; the pattern is the same layout at half size.
inline constexpr QPoint kBoardCentre{170, 167};
inline constexpr QPoint kPatternCentre{400, 100};

// The left part of the board lies behind the discs; OffScreen keeps a clean copy of it
// (with the grid) this far to the right, so board point (x, y) is clean at (x + 333, y).
inline constexpr QRect kBoardLeftPart{0, 0, 333, 333};
inline constexpr QRect kBoardRightPart{333, 0, 167, 333};
inline constexpr int kCleanCopyShift = 333;

inline constexpr int kDiscSize = 25;
inline constexpr int kSmallDiscSize = 12;
inline constexpr int kRows = 6;
inline constexpr int kVariants = 3;

constexpr QRect DiscImage(int row, int variant) {
    return {500 + kDiscSize * variant, kDiscSize * row, kDiscSize, kDiscSize};
}
inline constexpr QRect kDiscMask{500, 150, kDiscSize, kDiscSize};
constexpr QRect SmallDiscImage(int row, int variant) {
    return {500 + kSmallDiscSize * variant, 175 + kSmallDiscSize * row, kSmallDiscSize,
            kSmallDiscSize};
}
inline constexpr QRect kSmallDiscMask{500, 247, kSmallDiscSize, kSmallDiscSize};

// Top-left corners of a disc and a small disc whose place lies (dx, dy) from the centre.
constexpr QPoint DiscCorner(QPoint offset) { return offset + QPoint(158, 155); }
// Offsets are even, so halving them is exact.
constexpr QPoint Half(QPoint offset) { return {offset.x() / 2, offset.y() / 2}; }
constexpr QPoint SmallDiscCorner(QPoint offset) { return Half(offset) + QPoint(394, 94); }
constexpr QPoint PatternPoint(QPoint offset) { return Half(offset) + kPatternCentre; }

inline constexpr QSize kLevelFigureSize{40, 41};
inline constexpr QPoint kLevelFigureAt{430, 270};
constexpr QRect LevelFigure(int level) {
    return level <= 4 ? QRect(536, 109 + 41 * level, 40, 41) : QRect(576, 41 * level - 205, 40, 41);
}

// The level button is the whole lower right corner of the board.
inline constexpr int kLevelButtonLeft = 430, kLevelButtonTop = 270;
constexpr bool OnLevelButton(int x, int y) { return x > kLevelButtonLeft && y > kLevelButtonTop; }

inline constexpr QRect kRulesRect{317, 223, 165, 70};

}  // namespace spindora::murvo
