#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "assets/DialogBackground.h"
#include "assets/Glyphs.h"
#include "puzzles/zibbo/ZibboSheet.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"

namespace spindora {
namespace {

using namespace zibbo;

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr double kCentre = kPieceSize / 2.0;

const QImage& Sheet() {
    static const QImage sheet = PaintZibboSheet();
    return sheet;
}

QRgb At(const QRect& cell, int x, int y) { return Sheet().pixel(cell.left() + x, cell.top() + y); }

bool Opaque(int x, int y) { return At(kMaskRect, x, y) == kBlack; }

int Luma(QRgb c) { return (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8; }

int DistinctColours(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(ZibboSheet, HasTheAgreedSizeAndFormat) {
    EXPECT_EQ(Sheet().size(), QSize(kSheetWidth, kSheetHeight));
    EXPECT_EQ(Sheet().format(), QImage::Format_RGB32);
}

TEST(ZibboSheet, MaskIsAPureBlackAndWhiteDisc) {
    int opaque = 0;
    for (int y = 0; y < kPieceSize; ++y)
        for (int x = 0; x < kPieceSize; ++x) {
            const QRgb c = At(kMaskRect, x, y);
            ASSERT_TRUE(c == kBlack || c == kWhite) << x << "," << y;
            opaque += c == kBlack;
            // One outline for every direction only works if it looks the same turned.
            EXPECT_EQ(Opaque(x, y), Opaque(kPieceSize - 1 - y, x)) << x << "," << y;
            EXPECT_EQ(Opaque(x, y), Opaque(kPieceSize - 1 - x, y)) << x << "," << y;
        }
    EXPECT_FALSE(Opaque(0, 0));
    EXPECT_TRUE(Opaque(39, 39));
    EXPECT_TRUE(Opaque(39, 4));
    // A roughly 74 px disc.
    EXPECT_NEAR(opaque, 3.14159 * 37 * 37, 150);
}

TEST(ZibboSheet, EachImageFillsExactlyTheMask) {
    // Black outside the mask keeps the OR from leaving a fringe; no black inside keeps the
    // AND from showing through as holes.
    for (int v = 0; v < kDirections; ++v)
        for (int y = 0; y < kPieceSize; ++y)
            for (int x = 0; x < kPieceSize; ++x) {
                const QRgb c = At(DirectionImage(v), x, y);
                if (Opaque(x, y)) ASSERT_NE(c, kBlack) << "v=" << v << " " << x << "," << y;
                else ASSERT_EQ(c, kBlack) << "v=" << v << " " << x << "," << y;
            }
}

// Angle, clockwise from straight up, of the green pixel farthest from the middle: the
// pointer's tip.
double TipAngle(int v) {
    double best = -1, angle = 0;
    for (int y = 0; y < kPieceSize; ++y)
        for (int x = 0; x < kPieceSize; ++x) {
            const QRgb c = At(DirectionImage(v), x, y);
            if (qGreen(c) < qRed(c) + 60 || qGreen(c) < qBlue(c) + 60) continue;
            const double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
            const double distance = std::hypot(dx, dy);
            if (distance > best) {
                best = distance;
                angle = std::atan2(dx, -dy) * 180.0 / 3.14159265358979;
            }
        }
    EXPECT_GT(best, 18) << "v=" << v;
    return angle;
}

double AngleGap(double a, double b) {
    const double gap = std::fmod(std::abs(a - b), 360.0);
    return std::min(gap, 360.0 - gap);
}

TEST(ZibboSheet, PointerTurnsATwelfthClockwisePerDirection) {
    EXPECT_LT(AngleGap(TipAngle(kUpright), 0), 8);
    EXPECT_LT(AngleGap(TipAngle(2), 90), 8);
    EXPECT_LT(AngleGap(TipAngle(5), 180), 8);
    EXPECT_LT(AngleGap(TipAngle(8), 270), 8);
    for (int v = 0; v < kDirections; ++v) EXPECT_LT(AngleGap(TipAngle(v), 30.0 * (v + 1)), 8) << v;
}

TEST(ZibboSheet, OnlyThePointerTurns) {
    // The ring, its ticks and the lighting are the same in all twelve pictures, and no
    // two pictures are the same.
    const QImage upright = Sheet().copy(DirectionImage(kUpright));
    for (int v = 0; v < kUpright; ++v) {
        const QImage image = Sheet().copy(DirectionImage(v));
        EXPECT_NE(image, upright) << v;
        for (int y = 0; y < kPieceSize; ++y)
            for (int x = 0; x < kPieceSize; ++x) {
                if (std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre) > 31.5) {
                    ASSERT_EQ(image.pixel(x, y), upright.pixel(x, y)) << v << ": " << x << "," << y;
                }
            }
    }
}

TEST(ZibboSheet, UnusedCornersAreBlack) {
    const QRect unused[] = {QRect(500, 4 * kPieceSize, 234, kSheetHeight - 4 * kPieceSize),
                            QRect(734, kPieceSize, kPieceSize, kSheetHeight - kPieceSize)};
    for (const QRect& area : unused)
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ASSERT_EQ(Sheet().pixel(x, y), kBlack) << x << "," << y;
}

TEST(ZibboSheet, BoardShowsButtonRulesTitleAndSockets) {
    // The level digit is printed in black on the button, so its middle must be light.
    long sum = 0, count = 0;
    for (int y = kLevelTextTop; y < kLevelTextTop + kLevelTextPixels; ++y)
        for (int x = kLevelTextCentreX - 8; x <= kLevelTextCentreX + 8; ++x, ++count)
            sum += Luma(Sheet().pixel(x, y));
    EXPECT_GT(sum / count, 190);
    EXPECT_GT(DistinctColours(Sheet(), QRect(kLevelLeft + 1, kLevelTop + 1, 49, 49)), 40);
    EXPECT_GT(DistinctColours(Sheet(), kRulesRect), 400);
    EXPECT_GT(DistinctColours(Sheet(), QRect(330, 15, 160, 95)), 400);
    // Around every dial there is a dark well between the dial's edge and the bezel.
    for (int k = 0; k < 9; ++k) {
        const QPoint middle = PiecePosition(k) + QPoint(39, 39);
        EXPECT_LT(Luma(Sheet().pixel(middle.x(), middle.y() - 38)), 60) << k;
        EXPECT_LT(Luma(Sheet().pixel(middle.x() + 38, middle.y())), 60) << k;
    }
}

TEST(DialogBackground, IsCalmSalmonAndSageWithALogo) {
    const QImage image = PaintDialogBackground();
    ASSERT_EQ(image.size(), QSize(kDialogBackgroundWidth, kDialogBackgroundHeight));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    int salmon = 0, sage = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (kDialogLogoRect.contains(x, y)) continue;
            const QColor c = QColor::fromRgb(image.pixel(x, y));
            const int hue = c.hsvHue();
            // Light enough for black text, and never any other colour.
            ASSERT_GT(c.value(), 150) << x << "," << y;
            ASSERT_LT(c.saturation(), 110) << x << "," << y;
            // Salmon, sage and the tan where they meet; nothing blue or purple.
            ASSERT_TRUE(hue <= 150 || hue >= 340) << x << "," << y << " hue " << hue;
            salmon += hue >= 0 && (hue <= 25 || hue >= 340);
            sage += hue >= 60 && hue <= 150;
            // Soft blobs, not noise.
            if (x > 0 && !kDialogLogoRect.contains(x - 1, y)) {
                ASSERT_LT(std::abs(Luma(image.pixel(x, y)) - Luma(image.pixel(x - 1, y))), 14)
                    << x << "," << y;
            }
        }
    const int total = image.width() * image.height();
    EXPECT_GT(salmon, total / 5);
    EXPECT_GT(sage, total / 5);
    // The logo stands out: dark outlines and strong colours the texture never has.
    int loud = 0;
    for (int y = kDialogLogoRect.top(); y <= kDialogLogoRect.bottom(); ++y)
        for (int x = kDialogLogoRect.left(); x <= kDialogLogoRect.right(); ++x) {
            const QColor c = QColor::fromRgb(image.pixel(x, y));
            loud += c.value() < 120 || c.saturation() > 150;
        }
    EXPECT_GT(loud, 250);
}

TEST(Glyphs, TableIsConsistent) {
    std::set<std::string> names;
    for (const GlyphLayout& info : AllGlyphs()) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_EQ(&LayoutOf(info.id), &info);
        EXPECT_TRUE(info.images == 1 || info.images == 2) << info.name;
        EXPECT_EQ(info.width % info.images, 0) << info.name;
    }
    EXPECT_EQ(AllGlyphs().size(), 20u);
}

double MeanLumaOfOpaque(const QImage& image, int left, int width, int& opaque) {
    long sum = 0;
    opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < left + width; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 128) continue;
            ++opaque;
            sum += Luma(c);
        }
    return opaque ? double(sum) / opaque : 0;
}

TEST(Glyphs, EachIsAMotifOnTransparency) {
    for (const GlyphLayout& info : AllGlyphs()) {
        SCOPED_TRACE(info.name);
        const QImage glyph = PaintGlyph(info.id);
        ASSERT_EQ(glyph.size(), QSize(info.width, info.height));
        EXPECT_EQ(glyph.format(), QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(glyph.pixel(0, info.height - 1)), 0);
        const int cell = info.width / info.images;
        int opaque = 0;
        const double normal = MeanLumaOfOpaque(glyph, 0, cell, opaque);
        EXPECT_GT(opaque, cell * info.height / 6);
        if (info.images == 2) {
            EXPECT_NE(glyph.copy(0, 0, cell, info.height), glyph.copy(cell, 0, cell, info.height));
            int disabledOpaque = 0;
            const double disabled = MeanLumaOfOpaque(glyph, cell, cell, disabledOpaque);
            EXPECT_GT(disabledOpaque, cell * info.height / 8);
            EXPECT_GT(disabled, normal);
            for (int y = 0; y < info.height; ++y)
                for (int x = cell; x < info.width; ++x) {
                    const QRgb c = glyph.pixel(x, y);
                    ASSERT_LE(std::abs(qRed(c) - qBlue(c)), 2) << "disabled half not grey";
                }
        }
    }
}

TEST(Glyphs, ProgramIconIsARoundedTile) {
    const QImage icon = PaintProgramIcon();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 2)), 255);
    // The red tile, the green ring and the white arrow all show.
    const QRgb tile = icon.pixel(4, 16), ring = icon.pixel(16, 25), arrow = icon.pixel(16, 16);
    EXPECT_GT(qRed(tile), qGreen(tile) + 80);
    EXPECT_GT(qGreen(ring), qRed(ring) + 60);
    EXPECT_GT(Luma(arrow), 200);
}

}  // namespace
}  // namespace spindora
