#include "assets/DigitStrip.h"

#include <QPainter>

#include "assets/PaintKit.h"

namespace spindora {
namespace {

// Seven rows of four dots per digit, leftmost dot in the highest bit.
constexpr unsigned char kPatterns[10][7] = {
    {0b0110, 0b1001, 0b1001, 0b1001, 0b1001, 0b1001, 0b0110},  // 0
    {0b0010, 0b0110, 0b0010, 0b0010, 0b0010, 0b0010, 0b0111},  // 1
    {0b0110, 0b1001, 0b0001, 0b0010, 0b0100, 0b1000, 0b1111},  // 2
    {0b1110, 0b0001, 0b0001, 0b0110, 0b0001, 0b0001, 0b1110},  // 3
    {0b0010, 0b0110, 0b1010, 0b1010, 0b1111, 0b0010, 0b0010},  // 4
    {0b1111, 0b1000, 0b1110, 0b0001, 0b0001, 0b1001, 0b0110},  // 5
    {0b0110, 0b1000, 0b1000, 0b1110, 0b1001, 0b1001, 0b0110},  // 6
    {0b1111, 0b0001, 0b0010, 0b0010, 0b0100, 0b0100, 0b0100},  // 7
    {0b0110, 0b1001, 0b1001, 0b0110, 0b1001, 0b1001, 0b0110},  // 8
    {0b0110, 0b1001, 0b1001, 0b0111, 0b0001, 0b0001, 0b0110},  // 9
};

// On a dense screen a dot has pixels enough to be a round lamp rather than a square.
QImage PaintDenseStrip(int scale) {
    const paint::ArtScaleScope density(scale);
    QImage strip = paint::Canvas(QSize(kDigitStripWidth, kDigitCellHeight));
    strip.fill(Qt::black);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int cell = 0; cell <= 10; ++cell)
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 7; ++row) {
                p.setBrush(QColor(DigitDotLit(cell, column, row) ? kDotLit : kDotUnlit));
                p.drawEllipse(QRectF(cell * kDigitCellWidth + column * 3, row * 3, 2, 2));
            }
    return strip;
}

}  // namespace

bool DigitDotLit(int digit, int column, int row) {
    if (digit < 0 || digit > 9) return false;
    return (kPatterns[digit][row] >> (3 - column)) & 1;
}

QImage PaintDigitStrip(int scale) {
    if (scale > 1) return PaintDenseStrip(scale);
    QImage strip(kDigitStripWidth, kDigitCellHeight, QImage::Format_Indexed8);
    strip.setColorTable({qRgb(0, 0, 0), kDotUnlit, kDotLit});
    strip.fill(0);
    for (int cell = 0; cell <= 10; ++cell) {
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 7; ++row) {
                const uint index = DigitDotLit(cell, column, row) ? 2 : 1;
                const int x = cell * kDigitCellWidth + column * 3;
                const int y = row * 3;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) strip.setPixel(x + dx, y + dy, index);
            }
        }
    }
    return strip;
}

}  // namespace spindora
