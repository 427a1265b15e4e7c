#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "TestSupport.h"

namespace spindora {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

constexpr int kLayouts[4][13] = {
    {3, 3, 3, 12, 12, 2, 12, 1, 2, 12, 1, 2, 1},
    {2, 2, 2, 4, 6, 1, 12, 3, 1, 5, 3, 1, 3},
    {1, 9, 7, 12, 12, 5, 12, 11, 3, 12, 2, 10, 6},
    {4, 10, 13, 1, 2, 6, 12, 8, 11, 3, 5, 9, 7},
};

const QImage& Sheet() { return test::KollukSheet(); }

QRect Ball(int colour) { return {23 * (colour - 1), 473, 23, 23}; }
constexpr QRect kMask(299, 473, 23, 23);
QRect Platform(int place, int level) { return {35 * place, 333 + 35 * (level - 1), 35, 35}; }
QRect LevelPicture(int level) { return {500, 50 * (level - 1), 45, 50}; }

int Luma(QRgb c) { return (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8; }

struct Mean {
    double r = 0, g = 0, b = 0;
    double Distance(const Mean& o) const { return std::hypot(r - o.r, g - o.g, b - o.b); }
};

// The mean colour of the pixels of `area` that lie between two distances from its middle.
Mean MeanInBand(const QRect& area, double inner, double outer, bool edgeMiddlesOnly) {
    Mean mean;
    int count = 0;
    const double cx = area.width() / 2.0, cy = area.height() / 2.0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double d = std::max(std::abs(dx), std::abs(dy));
            const double r = edgeMiddlesOnly ? d : std::hypot(dx, dy);
            if (r < inner || r > outer) continue;
            if (edgeMiddlesOnly && std::min(std::abs(dx), std::abs(dy)) > 5) continue;
            const QRgb c = Sheet().pixel(area.left() + x, area.top() + y);
            mean.r += qRed(c);
            mean.g += qGreen(c);
            mean.b += qBlue(c);
            ++count;
        }
    mean.r /= count;
    mean.g /= count;
    mean.b /= count;
    return mean;
}

TEST(KollukSheet, HoldsItsRegionsAndIsBlackElsewhere) {
    EXPECT_EQ(Sheet().size(), QSize(545, 496));
    EXPECT_EQ(Sheet().format(), QImage::Format_RGB32);
    const QRect unused[] = {QRect(500, 200, 45, 133), QRect(455, 333, 90, 140),
                            QRect(322, 473, 223, 23)};
    for (const QRect& area : unused)
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ASSERT_EQ(Sheet().pixel(x, y), kBlack) << x << "," << y;
}

TEST(KollukSheet, BallsFillExactlyTheirOneRoundMask) {
    int opaque = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 23; ++x) {
            const QRgb m = Sheet().pixel(kMask.left() + x, kMask.top() + y);
            ASSERT_TRUE(m == kBlack || m == kWhite) << x << "," << y;
            opaque += m == kBlack;
            EXPECT_EQ(m, Sheet().pixel(kMask.left() + 22 - y, kMask.top() + x)) << "round";
            for (int colour = 1; colour <= 13; ++colour) {
                const QRgb c = Sheet().pixel(Ball(colour).left() + x, Ball(colour).top() + y);
                if (m == kBlack) ASSERT_NE(c, kBlack) << colour << ": " << x << "," << y;
                else ASSERT_EQ(c, kBlack) << colour << ": " << x << "," << y;
            }
        }
    EXPECT_NEAR(opaque, 3.14159 * 11.5 * 11.5, 30);
}

QColor AsColour(const Mean& m) {
    return QColor(static_cast<int>(m.r), static_cast<int>(m.g), static_cast<int>(m.b));
}

TEST(KollukSheet, PlatformsShowTheColoursOfTheirLevel) {
    // Inside its edge a platform is the same wherever it lies, so a platform of level 4,
    // which has every colour once, names the look of each colour number.
    const QRect middle(5, 5, 25, 25);
    std::array<QImage, 14> look;
    for (int place = 0; place < 13; ++place)
        look[kLayouts[3][place]] = Sheet().copy(Platform(place, 4)).copy(middle);
    for (int level = 1; level <= 4; ++level)
        for (int place = 0; place < 13; ++place) {
            const QImage tile = Sheet().copy(Platform(place, level)).copy(middle);
            for (int colour = 1; colour <= 13; ++colour)
                EXPECT_EQ(tile == look[colour], colour == kLayouts[level - 1][place])
                    << "level " << level << " place " << place << " colour " << colour;
        }

    // A platform shows the colour of its ball: the same hue, or for the three without a
    // hue the same order from dark to light. The ball shows its colour around the spot.
    std::array<QColor, 14> ball, platform;
    for (int colour = 1; colour <= 13; ++colour) {
        ball[colour] = AsColour(MeanInBand(Ball(colour), 8.0, 10.5, false));
        int place = 0;
        while (kLayouts[3][place] != colour) ++place;
        platform[colour] = AsColour(MeanInBand(Platform(place, 4), 13.0, 15.0, true));
    }
    std::vector<int> greys;
    for (int colour = 1; colour <= 13; ++colour) {
        const bool greyBall = ball[colour].hsvSaturation() < 50;
        EXPECT_EQ(platform[colour].hsvSaturation() < 50, greyBall) << colour;
        if (greyBall) {
            greys.push_back(colour);
            continue;
        }
        const int gap = std::abs(ball[colour].hsvHue() - platform[colour].hsvHue());
        EXPECT_LT(std::min(gap, 360 - gap), 12) << colour;
    }
    ASSERT_EQ(greys.size(), 3u);
    std::sort(greys.begin(), greys.end(), [&](int a, int b) { return ball[a].value() < ball[b].value(); });
    for (size_t i = 1; i < greys.size(); ++i)
        EXPECT_LT(platform[greys[i - 1]].value(), platform[greys[i]].value());
    // Thirteen colours a player tells apart at a glance.
    for (int a = 1; a <= 13; ++a)
        for (int b = a + 1; b <= 13; ++b) {
            const int gap = std::abs(ball[a].hsvHue() - ball[b].hsvHue());
            const bool hues = std::min(gap, 360 - gap) >= 18 && ball[a].hsvSaturation() >= 50 &&
                              ball[b].hsvSaturation() >= 50;
            const bool greyAndColour = (ball[a].hsvSaturation() < 50) != (ball[b].hsvSaturation() < 50);
            EXPECT_TRUE(hues || greyAndColour || std::abs(ball[a].value() - ball[b].value()) >= 40)
                << a << " and " << b;
        }
}

// Which pixels of `area` are ink: far in brightness from the area's own colour at `plain`.
std::vector<bool> Ink(const QRect& area, QPoint plain) {
    const int ground = Luma(Sheet().pixel(area.topLeft() + plain));
    std::vector<bool> ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink.push_back(std::abs(Luma(Sheet().pixel(x, y)) - ground) > 70);
    return ink;
}

int Differences(const std::vector<bool>& a, const std::vector<bool>& b) {
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
    return count;
}

TEST(KollukSheet, EveryColourCarriesItsOwnMarkOnBallAndPlatform) {
    // On the ball the mark is printed on the white spot; on the platform it shows in the
    // corners, where the ball never covers it. Level 4 has every colour once.
    std::vector<std::vector<bool>> onBalls, onPlatforms;
    for (int colour = 1; colour <= 13; ++colour) {
        const QRect spot(Ball(colour).left() + 7, Ball(colour).top() + 7, 10, 10);
        onBalls.push_back(Ink(spot, QPoint(5, 0)));
        int place = 0;
        while (kLayouts[3][place] != colour) ++place;
        const QRect corner(Platform(place, 4).left() + 2, Platform(place, 4).top() + 2, 10, 10);
        onPlatforms.push_back(Ink(corner, QPoint(9, 9)));
    }
    for (int a = 0; a < 13; ++a) {
        EXPECT_GT(std::count(onBalls[a].begin(), onBalls[a].end(), true), 12) << a + 1;
        EXPECT_GT(std::count(onPlatforms[a].begin(), onPlatforms[a].end(), true), 8) << a + 1;
        for (int b = a + 1; b < 13; ++b) {
            EXPECT_GE(Differences(onBalls[a], onBalls[b]), 6) << a + 1 << " and " << b + 1;
            EXPECT_GE(Differences(onPlatforms[a], onPlatforms[b]), 5) << a + 1 << " and " << b + 1;
        }
    }
}

TEST(KollukSheet, LevelPicturesDifferOnlyInTheirNumber) {
    std::set<QRgb> colours;
    for (int level = 1; level <= 4; ++level) {
        const QImage picture = Sheet().copy(LevelPicture(level));
        for (int other = level + 1; other <= 4; ++other)
            EXPECT_NE(picture, Sheet().copy(LevelPicture(other))) << level << " " << other;
        // The mouse marks at the sides are the same on every level.
        EXPECT_EQ(picture.copy(0, 0, 14, 50), Sheet().copy(LevelPicture(1)).copy(0, 0, 14, 50));
        EXPECT_EQ(picture.copy(31, 0, 14, 50), Sheet().copy(LevelPicture(1)).copy(31, 0, 14, 50));
        int dark = 0;
        for (int y = 12; y < 38; ++y)
            for (int x = 15; x < 30; ++x) {
                dark += Luma(picture.pixel(x, y)) < 90;
                colours.insert(picture.pixel(x, y));
            }
        EXPECT_GT(dark, 25) << "the number of level " << level;
    }
    EXPECT_GT(colours.size(), 40u);
}

TEST(KollukSheet, BoardShowsTracksRulesAndTitle) {
    auto distinct = [](const QRect& area) {
        std::set<QRgb> colours;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) colours.insert(Sheet().pixel(x, y));
        return colours.size();
    };
    EXPECT_GT(distinct(QRect(320, 22, 160, 132)), 400u) << "rules drawing";
    EXPECT_GT(distinct(QRect(370, 230, 120, 80)), 400u) << "title";
    // Between places 0 and 2 lies the dark groove of ring 0's track; inside a ring, cloth.
    EXPECT_LT(Luma(Sheet().pixel(238, 57)), 70);
    for (QPoint cloth : {QPoint(180, 100), QPoint(110, 220), QPoint(300, 220)}) {
        const QRgb c = Sheet().pixel(cloth);
        EXPECT_GT(qBlue(c), qRed(c) + 30) << cloth.x() << "," << cloth.y();
    }
}

}  // namespace
}  // namespace spindora
