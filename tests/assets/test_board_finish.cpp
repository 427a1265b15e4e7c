#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <array>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "assets/PaintKit.h"
#include "puzzles/kolluk/KollukPieces.h"
#include "puzzles/murvo/DiscArt.h"
#include "puzzles/pluf/PlufArt.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"

namespace spindora {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

int Luma(QRgb c) { return (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8; }

TEST(BoardFinish, RoundSpriteAndMaskAreCutFromOneCircle) {
    // A piece painted partly black and partly beyond its circle: the OR drawing needs black
    // exactly outside the mask, and no pure black inside it.
    const int size = 24;
    const double radius = 11.4;
    const QImage mask = paint::RoundMask(size, radius);
    const QImage sprite = paint::RoundSprite(size, radius, [](QPainter& p) {
        p.fillRect(0, 0, 24, 12, QColor(200, 40, 40));
        p.fillRect(0, 12, 24, 12, Qt::black);
    });
    ASSERT_EQ(mask.size(), QSize(size, size));
    ASSERT_EQ(sprite.size(), QSize(size, size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(m == kBlack || m == kWhite) << x << "," << y;
            if (m == kWhite) ASSERT_EQ(sprite.pixel(x, y), kBlack) << x << "," << y;
            else ASSERT_NE(sprite.pixel(x, y), kBlack) << x << "," << y;
        }
    EXPECT_EQ(mask.pixel(12, 12), kBlack);
    EXPECT_EQ(mask.pixel(0, 0), kWhite);
    EXPECT_EQ(mask.pixel(12, 1), kBlack) << "the circle nearly reaches the top edge";
    EXPECT_EQ(mask.pixel(1, 12), kBlack) << "and the left edge";
    EXPECT_EQ(mask.pixel(12, 0), kWhite) << "but stays within 11.4 of the middle";
}

TEST(BoardFinish, LevelBarsRiseFromGreenToRedAndPlufsCardMakesRoomForTheLevelButton) {
    // Ten bars, as MURVO has ten levels: each taller than the one before, green first and
    // red last.
    QImage bars(120, 60, QImage::Format_RGB32);
    bars.fill(Qt::black);
    {
        QPainter p(&bars);
        paint::PaintLevelBars(p, QPointF(5, 55), 10, 6, 10, 5, 4);
    }
    int previousTop = 60;
    for (int i = 0; i < 10; ++i) {
        const int x = 5 + 10 * i + 3;
        int top = 0;
        while (top < 60 && bars.pixel(x, top) == kBlack) ++top;
        EXPECT_LT(top, previousTop) << "bar " << i;
        previousTop = top;
    }
    const QColor first = QColor::fromRgb(bars.pixel(8, 52)), last = QColor::fromRgb(bars.pixel(98, 52));
    EXPECT_GT(first.hsvHue(), 80);
    EXPECT_LT(first.hsvHue(), 150);
    EXPECT_TRUE(last.hsvHue() < 20 || last.hsvHue() > 340) << last.hsvHue();

    // PLUF's level button (420 < x < 480, 280 < y < 330) stands in the lower right of its
    // rules area (373, 236, 114 x 85): the card steps round it, so a strip of dark cloth
    // shows between the card and the plaque, and the card is light on both sides of it.
    const QImage& sheet = test::PlufSheet();
    for (int y = 295; y < 318; ++y)
        for (int x = 431; x < 434; ++x) ASSERT_LT(Luma(sheet.pixel(x, y)), 120) << x << "," << y;
    EXPECT_GT(Luma(sheet.pixel(380, 314)), 150) << "the card's lower left";
    EXPECT_GT(Luma(sheet.pixel(483, 242)), 150) << "the card's upper right";
}

// ---------------------------------------------------------------------------------------
// Colour distance as the eye judges it (CIEDE2000 on CIELAB, D65 white), and the two common
// red-green colour blindnesses as Machado, Oliveira and Fernandes (2009) model them at full
// severity, applied to linear RGB.

using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};

struct Lab {
    double l, a, b;
};

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Lab ToLab(const QColor& colour, const Matrix* vision) {
    std::array<double, 3> rgb{Linear(colour.red()), Linear(colour.green()), Linear(colour.blue())};
    if (vision) {
        std::array<double, 3> seen{};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) seen[i] += (*vision)[i][j] * rgb[j];
            seen[i] = std::clamp(seen[i], 0.0, 1.0);
        }
        rgb = seen;
    }
    const double x = (0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047;
    const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double z = (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
    };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double DeltaE2000(const Lab& one, const Lab& two) {
    const double deg = std::numbers::pi / 180.0;
    const double c1 = std::hypot(one.a, one.b), c2 = std::hypot(two.a, two.b);
    const double c7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * one.a, a2 = (1 + g) * two.a;
    const double cp1 = std::hypot(a1, one.b), cp2 = std::hypot(a2, two.b);
    const auto hue = [&](double b, double a) {
        const double h = std::atan2(b, a) / deg;
        return h < 0 ? h + 360 : h;
    };
    const double h1 = cp1 == 0 ? 0 : hue(one.b, a1), h2 = cp2 == 0 ? 0 : hue(two.b, a2);
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > 180) dh -= 360;
        else if (dh < -180) dh += 360;
    }
    const double dL = two.l - one.l, dC = cp2 - cp1;
    const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(dh / 2 * deg);
    const double lBar = (one.l + two.l) / 2, cBar = (cp1 + cp2) / 2;
    double hBar = h1 + h2;
    if (cp1 * cp2 != 0) {
        if (std::abs(h1 - h2) <= 180) hBar = (h1 + h2) / 2;
        else hBar = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos((hBar - 30) * deg) + 0.24 * std::cos(2 * hBar * deg) +
                     0.32 * std::cos((3 * hBar + 6) * deg) - 0.20 * std::cos((4 * hBar - 63) * deg);
    const double theta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double cBar7 = std::pow(cBar, 7);
    const double rc = 2 * std::sqrt(cBar7 / (cBar7 + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
    const double sc = 1 + 0.045 * cBar, sh = 1 + 0.015 * cBar * t;
    const double rt = -std::sin(2 * theta * deg) * rc;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) +
                     rt * (dC / sc) * (dH / sh));
}

struct Piece {
    QColor colour;
    paint::ShapeFamily family;
};

std::vector<Piece> KollukBalls() {
    std::vector<Piece> set;
    for (int c = 1; c <= 13; ++c) set.push_back({kolluk::BallColour(c), kolluk::MarkFamily(c)});
    return set;
}

std::vector<Piece> PlufButtons() {
    // Any six of the 42 can be dealt together.
    std::vector<Piece> set;
    for (int c = 0; c < 42; ++c) set.push_back({pluf::art::ButtonColour(c), pluf::art::ButtonMarkFamily(c)});
    return set;
}

std::vector<Piece> MurvoDiscs() {
    // Six colours in three variants; level 10 can show all eighteen at once.
    std::vector<Piece> set;
    for (int row = 0; row < 6; ++row)
        for (int variant = 0; variant < 3; ++variant)
            set.push_back({murvo::DiscColour(row, variant), murvo::DiscFamily(row)});
    return set;
}

std::vector<Piece> ZibboDial() {
    std::vector<Piece> set;
    for (const zibbo::DialPart& part : zibbo::DialColours()) set.push_back({part.colour, part.family});
    return set;
}

TEST(BoardFinish, ColourSetsStayApartForEveryEye) {
    // The formula itself, against a published pair (Sharma, Wu and Dalal, 2005).
    EXPECT_NEAR(DeltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(DeltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);

    const struct {
        const char* name;
        std::vector<Piece> pieces;
        size_t size;
    } sets[] = {
        {"KOLLUK's balls", KollukBalls(), 13},
        {"PLUF's buttons", PlufButtons(), 42},
        {"MURVO's discs", MurvoDiscs(), 18},
        {"ZIBBO's dial", ZibboDial(), 5},
    };
    const struct {
        const char* name;
        const Matrix* vision;
    } eyes[] = {{"normal", nullptr}, {"deuteranopia", &kDeuteranopia}, {"protanopia", &kProtanopia}};
    for (const auto& set : sets) {
        ASSERT_EQ(set.pieces.size(), set.size) << set.name;
        for (const auto& eye : eyes) {
            for (size_t i = 0; i < set.pieces.size(); ++i)
                for (size_t j = i + 1; j < set.pieces.size(); ++j) {
                    const Piece &one = set.pieces[i], &two = set.pieces[j];
                    const double distance = DeltaE2000(ToLab(one.colour, eye.vision), ToLab(two.colour, eye.vision));
                    // For every eye two pieces are told apart by colour; a colour-blind eye
                    // may instead rely on the symbol, if the two symbols are unlike.
                    if (!eye.vision) {
                        EXPECT_GE(distance, 15.0) << set.name << " " << i << " and " << j;
                    } else if (one.family == two.family) {
                        EXPECT_GE(distance, 10.0) << set.name << " " << i << " and " << j << " for " << eye.name;
                    }
                }
        }
    }
}

}  // namespace
}  // namespace spindora
