#pragma once
#include <QColor>
#include <QImage>

namespace spindora {

inline constexpr int kDigitCellWidth = 11;
inline constexpr int kDigitCellHeight = 20;
inline constexpr int kDigitStripWidth = 121;
inline constexpr int kBlankCellX = 110;
inline constexpr QRgb kDotLit = qRgb(0, 255, 0);
inline constexpr QRgb kDotUnlit = qRgb(0, 64, 0);

// Whether the dot in column c (0..3), row r (0..6) of digit d is lit; d = 10 is blank.
bool DigitDotLit(int digit, int column, int row);

// Eleven 11 x 20 cells of 4 x 7 dots, digit d at x = 11 d, the blank cell at x = 110.
// Format_Indexed8 (a 256-colour palette). At `scale` the same strip comes with that many
// pixels to each of its own, its dots drawn round as lamps (Format_RGB32).
QImage PaintDigitStrip(int scale = 1);

}  // namespace spindora
