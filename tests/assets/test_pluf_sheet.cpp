#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "TestSupport.h"
#include "puzzles/pluf/PlufArt.h"

namespace spindora {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

const QImage& Sheet() { return test::PlufSheet(); }

QRgb At(int left, int top, int x, int y) { return Sheet().pixel(left + x, top + y); }

int Luma(QRgb c) { return (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8; }

int DistinctColours(const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) colours.insert(Sheet().pixel(x, y));
    return static_cast<int>(colours.size());
}

// Pixel of the plate mask of phase k at `radius` from the plate's middle (37, 37), in
// screen direction `degrees` (clockwise from three o'clock).
bool PlateOpaque(int phase, double radius, double degrees) {
    const double a = degrees * 3.14159265358979 / 180.0;
    const int x = static_cast<int>(std::floor(37 + radius * std::cos(a)));
    const int y = static_cast<int>(std::floor(37 + radius * std::sin(a)));
    return At(575, 75 * phase, x, y) == kBlack;
}

TEST(PlufSheet, MasksAreBlackAndWhiteAndImagesStayInside) {
    ASSERT_GE(Sheet().width(), 682);
    ASSERT_GE(Sheet().height(), 375);
    for (int phase = 0; phase < 4; ++phase)
        for (int y = 0; y < 75; ++y)
            for (int x = 0; x < 75; ++x) {
                const QRgb mask = At(575, 75 * phase, x, y);
                ASSERT_TRUE(mask == kBlack || mask == kWhite) << phase << ": " << x << "," << y;
                if (mask == kWhite) {
                    ASSERT_EQ(At(500, 75 * phase, x, y), kBlack) << phase << ": " << x << "," << y;
                }
                // The inner window covers all a plate may cover; the outer is its inverse.
                const QRgb inner = At(500, 300, x, y), outer = At(575, 300, x, y);
                ASSERT_TRUE(inner == kBlack || inner == kWhite);
                ASSERT_EQ(outer, inner == kWhite ? kBlack : kWhite) << x << "," << y;
                if (mask == kBlack) {
                    ASSERT_EQ(inner, kWhite) << phase << ": " << x << "," << y;
                }
            }
    // The window is round: the square's corners belong to the neighbours.
    EXPECT_EQ(At(500, 300, 0, 0), kBlack);
    EXPECT_EQ(At(500, 300, 74, 74), kBlack);
    EXPECT_EQ(At(500, 300, 37, 37), kWhite);

    // The plate turns a quarter slot (15 degrees) counter-clockwise per phase: its corner
    // on the left moves up, and an edge's middle stays short of the corner's reach.
    for (int phase = 0; phase < 4; ++phase) {
        EXPECT_TRUE(PlateOpaque(phase, 33.0, 180 - 15 * phase)) << phase;
        EXPECT_TRUE(PlateOpaque(phase, 33.0, 240 - 15 * phase)) << phase;
        EXPECT_FALSE(PlateOpaque(phase, 33.0, 210 - 15 * phase)) << phase;
        EXPECT_TRUE(PlateOpaque(phase, 27.0, 210 - 15 * phase)) << phase;
    }
}

// Pixels of button c's inner 10 x 10 area in plain white or near-black ink: its mark.
// The dome's own shading is always coloured, so it never counts.
std::vector<bool> MarkOf(int colour) {
    const int left = 650 + 16 * (colour / 21), top = 16 * (colour % 21);
    std::vector<bool> mark;
    for (int y = 3; y < 13; ++y)
        for (int x = 3; x < 13; ++x) {
            const QColor c = QColor::fromRgb(At(left, top, x, y));
            const int spread = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            mark.push_back(spread <= 45 && (c.value() >= 190 || c.value() <= 80));
        }
    return mark;
}

TEST(PlufSheet, FortyTwoButtonsEachWithAColourAndAMarkOfItsOwn) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb mask = At(0, 333, x, y);
            ASSERT_TRUE(mask == kBlack || mask == kWhite);
            for (int c = 0; c < 42; ++c) {
                const QRgb pixel = At(650 + 16 * (c / 21), 16 * (c % 21), x, y);
                if (mask == kWhite) ASSERT_EQ(pixel, kBlack) << c << ": " << x << "," << y;
                else ASSERT_NE(pixel, kBlack) << c << ": " << x << "," << y;
            }
        }
    EXPECT_EQ(At(0, 333, 8, 8), kBlack);
    EXPECT_EQ(At(0, 333, 0, 0), kWhite);

    std::vector<std::vector<bool>> marks;
    for (int c = 0; c < 42; ++c) {
        marks.push_back(MarkOf(c));
        EXPECT_GE(std::count(marks.back().begin(), marks.back().end(), true), 6) << "button " << c;
    }
    // Any two differ in their mark by a clear number of pixels, whatever their colours.
    for (int a = 0; a < 42; ++a)
        for (int b = a + 1; b < 42; ++b) {
            int differ = 0;
            for (size_t i = 0; i < marks[a].size(); ++i) differ += marks[a][i] != marks[b][i];
            EXPECT_GE(differ, 8) << "buttons " << a << " and " << b;
        }
    // And their colours are far apart too.
    for (int a = 0; a < 42; ++a)
        for (int b = a + 1; b < 42; ++b) {
            const QColor x = pluf::art::ButtonColour(a), y = pluf::art::ButtonColour(b);
            const int distance = std::abs(x.red() - y.red()) + std::abs(x.green() - y.green()) +
                                 std::abs(x.blue() - y.blue());
            EXPECT_GE(distance, 40) << "colours " << a << " and " << b;
        }
}

TEST(PlufSheet, BoardHasEqualTurntablesFiguresAndRules) {
    // Every turntable is the same to the last bit, so the plate sprites, shaded onto
    // one of them, fit all.
    const QPoint corners[22] = {{211, 20}, {211, 92}, {211, 164}, {211, 236}, {149, 56}, {149, 128},
                                {149, 200}, {273, 56}, {273, 128}, {273, 200}, {87, 92}, {87, 164},
                                {335, 92}, {335, 164}, {25, 200}, {87, 236}, {335, 20}, {397, 56},
                                {87, 20}, {25, 56}, {25, 128}, {397, 128}};
    for (const QPoint& corner : corners)
        for (int y = 0; y < 75; ++y)
            for (int x = 0; x < 75; ++x)
                if (At(575, 0, x, y) == kBlack || At(575, 75, x, y) == kBlack ||
                    At(575, 150, x, y) == kBlack || At(575, 225, x, y) == kBlack) {
                    ASSERT_EQ(Sheet().pixel(corner.x() + x, corner.y() + y),
                              Sheet().pixel(corners[0].x() + x, corners[0].y() + y))
                        << corner.x() << "," << corner.y() << " at " << x << "," << y;
                }
    // Four level figures and five colour figures, all different and all drawn.
    std::set<QRgb> seen;
    for (int level = 0; level < 4; ++level) {
        const QImage figure = Sheet().copy(16 + 30 * level, 333, 30, 30);
        EXPECT_GT(DistinctColours(QRect(16 + 30 * level, 333, 30, 30)), 60) << level;
        for (int other = 0; other < level; ++other)
            EXPECT_NE(figure, Sheet().copy(16 + 30 * other, 333, 30, 30));
    }
    for (int setting = 0; setting < 5; ++setting) {
        EXPECT_GT(DistinctColours(QRect(136 + 20 * setting, 333, 20, 30)), 40) << setting;
        for (int other = 0; other < setting; ++other)
            EXPECT_NE(Sheet().copy(136 + 20 * setting, 333, 20, 30), Sheet().copy(136 + 20 * other, 333, 20, 30));
    }
    // A rules drawing in the rules area, and a light card under it.
    EXPECT_GT(DistinctColours(QRect(373, 236, 114, 85)), 400);
    EXPECT_GT(Luma(Sheet().pixel(380, 300)), 180);
    // Nothing else sits in the unused corners of the sheet.
    for (const QRect& unused : {QRect(236, 333, 264, 42), QRect(650, 336, 32, 39), QRect(16, 363, 220, 12)})
        for (int y = unused.top(); y <= unused.bottom(); ++y)
            for (int x = unused.left(); x <= unused.right(); ++x)
                ASSERT_EQ(Sheet().pixel(x, y), kBlack) << x << "," << y;
}

}  // namespace
}  // namespace spindora
