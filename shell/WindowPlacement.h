#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

namespace spindora {

// The stored form of a window's place: "200", the placement flags, the show state, then
// the left, top, right and bottom edges of the normal window rectangle (right and bottom
// exclusive), joined by "," without spaces.
inline constexpr int kPlacementMark = 200;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;

QString FormatPlacement(const QRect& frame, int showState);

// The saved top-left corner, when the text has exactly seven whole numbers, starts with
// the mark and names edges a desktop can have; nothing otherwise.
std::optional<QPoint> ParsePlacement(const QString& text);

// Moves a window of `size` at `topLeft` back onto `desktop`: first the right edge, then
// the bottom, then the left, then the top, so the top-left corner wins when it is larger.
QPoint KeepOnDesktop(QPoint topLeft, QSize size, const QRect& desktop);

// Centred on the screen, each division truncated toward zero; a window larger than the
// screen keeps its top-left corner on it, as a saved place does.
QPoint CentredOnScreen(QSize size, const QRect& screen);

}  // namespace spindora
