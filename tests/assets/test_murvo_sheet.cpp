#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>
#include <set>

#include "TestSupport.h"

namespace spindora {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// The layout of b4.bmp as the puzzle's rules give it.
QRect Disc(int row, int variant) { return {500 + 25 * variant, 25 * row, 25, 25}; }
QRect Small(int row, int variant) { return {500 + 12 * variant, 175 + 12 * row, 12, 12}; }
const QRect kMask(500, 150, 25, 25), kSmallMask(500, 247, 12, 12);
QRect Figure(int level) {
    return level <= 4 ? QRect(536, 109 + 41 * level, 40, 41) : QRect(576, 41 * level - 205, 40, 41);
}

const QImage& Sheet() { return test::MurvoSheet(); }

int Luma(QRgb c) { return (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8; }

bool Opaque(const QRect& mask, int x, int y) { return Sheet().pixel(mask.x() + x, mask.y() + y) == kBlack; }

// Pixels of a disc much lighter than its own colour: the ivory or bright symbol.
std::set<int> LightPixels(const QRect& cell) {
    std::set<int> light;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QColor c = QColor::fromRgb(Sheet().pixel(cell.x() + x, cell.y() + y));
            if (c.saturation() < 60 && c.value() > 200) light.insert(y * cell.width() + x);
        }
    return light;
}

int Difference(const std::set<int>& a, const std::set<int>& b) {
    int differ = 0;
    for (int i : a) differ += !b.count(i);
    for (int i : b) differ += !a.count(i);
    return differ;
}

TEST(MurvoSheet, MasksAreRoundAndEveryImageFillsItsMaskExactly) {
    ASSERT_GE(Sheet().width(), 616);
    ASSERT_GE(Sheet().height(), 333);
    for (const auto& [mask, image] : {std::pair{kMask, &Disc}, std::pair{kSmallMask, &Small}}) {
        const int size = mask.width();
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb m = Sheet().pixel(mask.x() + x, mask.y() + y);
                ASSERT_TRUE(m == kBlack || m == kWhite) << size << ": " << x << "," << y;
                opaque += m == kBlack;
                EXPECT_EQ(Opaque(mask, x, y), Opaque(mask, size - 1 - y, x)) << "round";
                for (int row = 0; row < 6; ++row)
                    for (int variant = 0; variant < 3; ++variant) {
                        const QRect cell = image(row, variant);
                        const QRgb c = Sheet().pixel(cell.x() + x, cell.y() + y);
                        ASSERT_EQ(c == kBlack, m == kWhite) << size << " " << row << "/" << variant << " " << x << "," << y;
                    }
            }
        EXPECT_NEAR(opaque, 3.14159 * size * size / 4, size * 2.5);
    }
}

TEST(MurvoSheet, ColoursDifferInHueAndSymbolAndVariantsInTheirFace) {
    // Hue of each row, from the coloured rim of its plain disc.
    std::vector<int> hues;
    for (int row = 0; row < 6; ++row) hues.push_back(QColor::fromRgb(Sheet().pixel(Disc(row, 0).x() + 12, Disc(row, 0).y() + 21)).hsvHue());
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) {
            const int gap = std::abs(hues[a] - hues[b]);
            EXPECT_GT(std::min(gap, 360 - gap), 25) << "rows " << a << " and " << b;
        }
    // Each row's symbol has its own shape, large and small.
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) {
            EXPECT_GT(Difference(LightPixels(Disc(a, 0)), LightPixels(Disc(b, 0))), 25) << a << " " << b;
            EXPECT_GT(Difference(LightPixels(Small(a, 0)), LightPixels(Small(b, 0))), 3) << a << " " << b;
        }
    // The three variants of a colour are three pieces at both sizes: any two of them
    // differ clearly in lightness over a third of the disc or more.
    for (int row = 0; row < 6; ++row)
        for (const auto cell : {&Disc, &Small})
            for (int a = 0; a < 3; ++a)
                for (int b = a + 1; b < 3; ++b) {
                    const QRect one = cell(row, a), two = cell(row, b);
                    const double c = one.width() / 2.0;
                    int inside = 0, differ = 0;
                    for (int y = 0; y < one.height(); ++y)
                        for (int x = 0; x < one.width(); ++x) {
                            if (std::hypot(x + 0.5 - c, y + 0.5 - c) > 0.9 * c) continue;
                            ++inside;
                            differ += std::abs(Luma(Sheet().pixel(one.x() + x, one.y() + y)) -
                                               Luma(Sheet().pixel(two.x() + x, two.y() + y))) > 40;
                        }
                    EXPECT_GT(3 * differ, inside) << "row " << row << " variants " << a << " and " << b
                                                  << " at " << one.width();
                }
}

TEST(MurvoSheet, LevelFiguresArePlaquesWithMouseMarksAndOwnNumbers) {
    std::set<QImage*> unused;
    for (int level = 1; level <= 10; ++level) {
        const QImage figure = Sheet().copy(Figure(level));
        for (int other = 1; other < level; ++other) EXPECT_NE(figure, Sheet().copy(Figure(other)));
        // A cream face in the middle, and orange lit mouse buttons on both sides.
        EXPECT_GT(Luma(figure.pixel(20, 34)), 180) << level;
        int litLeft = 0, litRight = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) {
                const QColor c = QColor::fromRgb(figure.pixel(x, y));
                const bool lit = c.hsvHue() >= 15 && c.hsvHue() <= 40 && c.saturation() > 150 && c.value() > 180;
                (x < 20 ? litLeft : litRight) += lit;
            }
        EXPECT_GT(litLeft, 4) << level;
        EXPECT_GT(litRight, 4) << level;
    }
    // Nothing else is drawn into the sheet's free corners.
    for (const QRect& free : {QRect(512, 247, 24, 86), QRect(500, 259, 12, 74), QRect(576, 246, 40, 87)})
        for (int y = free.top(); y <= free.bottom(); ++y)
            for (int x = free.left(); x <= free.right(); ++x) ASSERT_EQ(Sheet().pixel(x, y), kBlack) << x << "," << y;
}

TEST(MurvoSheet, BoardIsDarkWhereTheGridRunsAndDetailedAroundIt) {
    // White and silver lines need a dark cloth under them, with no pure white of its own.
    long sum = 0, count = 0;
    for (int y = 50; y < 290; ++y)
        for (int x = 55; x < 285; ++x, ++count) {
            const QRgb c = Sheet().pixel(x, y);
            ASSERT_NE(c, kWhite) << x << "," << y;
            sum += Luma(c);
        }
    EXPECT_LT(sum / count, 90);
    for (int y = 45; y < 156; ++y)
        for (int x = 345; x < 456; ++x) ASSERT_LT(Luma(Sheet().pixel(x, y)), 120) << x << "," << y;
    // Rules card, name and level steps are pictures, not plain wood.
    std::set<QRgb> colours;
    for (int y = 223; y < 293; ++y)
        for (int x = 317; x < 482; ++x) colours.insert(Sheet().pixel(x, y));
    EXPECT_GT(colours.size(), 1500u);
    EXPECT_GT(Luma(Sheet().pixel(360, 245)), 170) << "the rules card is light";
}

}  // namespace
}  // namespace spindora
