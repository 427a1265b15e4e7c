#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <string>

#include "assets/DialogBackground.h"
#include "assets/Glyphs.h"
#include "assets/EmbeddedAssets.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"

namespace spindora {
namespace {

using zibbo::PaintZibboSheet;

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// Where b1.bmp keeps ZIBBO's pieces: 78 x 78 images of the twelve directions in three
// columns of four from x = 500, then one mask for all of them.
constexpr int kSide = 78;
constexpr int kDirections = 12;
constexpr int kUp = 11;
constexpr QRect kMask{734, 0, 78, 78};
constexpr double kCentre = kSide / 2.0;
QRect ImageOf(int v) { return {500 + 78 * (v / 4), 78 * (v % 4), 78, 78}; }

const QImage& Sheet() {
    static const QImage sheet = PaintZibboSheet();
    return sheet;
}

QRgb At(const QRect& cell, int x, int y) { return Sheet().pixel(cell.left() + x, cell.top() + y); }

bool Opaque(int x, int y) { return At(kMask, x, y) == kBlack; }

int Luma(QRgb c) { return (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8; }

int DistinctColours(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(ZibboSheet, HasTheAgreedSizeAndFormat) {
    EXPECT_EQ(Sheet().size(), QSize(812, 333));
    EXPECT_EQ(ImageOf(kUp).topLeft(), QPoint(656, 234)) << "the upright pointer's place";
    EXPECT_EQ(Sheet().format(), QImage::Format_RGB32);
}

TEST(ZibboSheet, MaskIsAPureBlackAndWhiteDisc) {
    int opaque = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const QRgb c = At(kMask, x, y);
            ASSERT_TRUE(c == kBlack || c == kWhite) << x << "," << y;
            opaque += c == kBlack;
            // One outline for every direction only works if it looks the same turned.
            EXPECT_EQ(Opaque(x, y), Opaque(kSide - 1 - y, x)) << x << "," << y;
            EXPECT_EQ(Opaque(x, y), Opaque(kSide - 1 - x, y)) << x << "," << y;
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
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const QRgb c = At(ImageOf(v), x, y);
                if (Opaque(x, y)) ASSERT_NE(c, kBlack) << "v=" << v << " " << x << "," << y;
                else ASSERT_EQ(c, kBlack) << "v=" << v << " " << x << "," << y;
            }
}

// Angle, clockwise from straight up, of the green pixel farthest from the middle: the
// pointer's tip.
double TipAngle(int v) {
    double best = -1, angle = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const QRgb c = At(ImageOf(v), x, y);
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
    EXPECT_LT(AngleGap(TipAngle(kUp), 0), 8);
    EXPECT_LT(AngleGap(TipAngle(2), 90), 8);
    EXPECT_LT(AngleGap(TipAngle(5), 180), 8);
    EXPECT_LT(AngleGap(TipAngle(8), 270), 8);
    for (int v = 0; v < kDirections; ++v) EXPECT_LT(AngleGap(TipAngle(v), 30.0 * (v + 1)), 8) << v;
}

TEST(ZibboSheet, OnlyThePointerTurns) {
    // The ring, its ticks and the lighting are the same in all twelve pictures, and no
    // two pictures are the same.
    const QImage upright = Sheet().copy(ImageOf(kUp));
    for (int v = 0; v < kUp; ++v) {
        const QImage image = Sheet().copy(ImageOf(v));
        EXPECT_NE(image, upright) << v;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                if (std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre) > 31.5) {
                    ASSERT_EQ(image.pixel(x, y), upright.pixel(x, y)) << v << ": " << x << "," << y;
                }
            }
    }
}

TEST(ZibboSheet, UnusedCornersAreBlack) {
    const QRect unused[] = {QRect(500, 312, 234, 21), QRect(734, 78, 78, 255)};
    for (const QRect& area : unused)
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ASSERT_EQ(Sheet().pixel(x, y), kBlack) << x << "," << y;
}

TEST(ZibboSheet, BoardShowsButtonRulesTitleAndSockets) {
    // The level digit is printed in black on the button, so its middle must be light.
    long sum = 0, count = 0;
    // Arial 14 points is 19 pixels high, from the text's top at y = 139, centred on x = 454.
    for (int y = 139; y < 139 + 19; ++y)
        for (int x = 454 - 8; x <= 454 + 8; ++x, ++count)
            sum += Luma(Sheet().pixel(x, y));
    EXPECT_GT(sum / count, 190);
    EXPECT_GT(DistinctColours(Sheet(), QRect(431, 126, 49, 49)), 40);
    EXPECT_GT(DistinctColours(Sheet(), QRect(353, 187, 126, 126)), 400);
    EXPECT_GT(DistinctColours(Sheet(), QRect(330, 15, 160, 95)), 400);
    // Around every dial there is a dark well between the dial's edge and the bezel.
    for (int k = 0; k < 9; ++k) {
        const QPoint middle = QPoint(40 + 90 * (k % 3), 40 + 90 * (k / 3)) + QPoint(39, 39);
        EXPECT_LT(Luma(Sheet().pixel(middle.x(), middle.y() - 38)), 60) << k;
        EXPECT_LT(Luma(Sheet().pixel(middle.x() + 38, middle.y())), 60) << k;
    }
}

TEST(DialogBackground, IsCalmSalmonAndSageWithALogo) {
    const QImage image = PaintDialogBackground();
    ASSERT_EQ(image.size(), QSize(320, 200));
    // The logo lies within columns 17 to 73 and rows 141 to 185.
    const QRect logo(17, 141, 57, 45);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    int salmon = 0, sage = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (logo.contains(x, y)) continue;
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
            if (x > 0 && !logo.contains(x - 1, y)) {
                ASSERT_LT(std::abs(Luma(image.pixel(x, y)) - Luma(image.pixel(x - 1, y))), 14)
                    << x << "," << y;
            }
        }
    const int total = image.width() * image.height();
    EXPECT_GT(salmon, total / 5);
    EXPECT_GT(sage, total / 5);
    // The logo stands out: dark outlines and strong colours the texture never has.
    int loud = 0;
    for (int y = logo.top(); y <= logo.bottom(); ++y)
        for (int x = logo.left(); x <= logo.right(); ++x) {
            const QColor c = QColor::fromRgb(image.pixel(x, y));
            loud += c.value() < 120 || c.saturation() > 150;
        }
    EXPECT_GT(loud, 250);
}

TEST(Glyphs, EachHasItsAgreedSizeAndImageCount) {
    const struct { Glyph id; int width, height, images; } expected[] = {
        {Glyph::Mix, 36, 18, 2},       {Glyph::Option, 18, 18, 1},
        {Glyph::Pause, 18, 18, 1},     {Glyph::Sound, 32, 16, 2},
        {Glyph::Midi, 32, 16, 2},      {Glyph::HighScore, 18, 18, 1},
        {Glyph::Exit, 18, 18, 1},      {Glyph::Zibbo, 20, 20, 1},
        {Glyph::Kolluk, 20, 20, 1},    {Glyph::Pluf, 20, 20, 1},
        {Glyph::Murvo, 20, 20, 1},     {Glyph::Tongue, 15, 15, 1},
        {Glyph::Help, 18, 18, 1},      {Glyph::Info, 18, 18, 1},
        {Glyph::Brizzel, 26, 20, 1},   {Glyph::Smiley, 17, 17, 1},
        {Glyph::Cross, 36, 18, 2},     {Glyph::Tick, 36, 18, 2},
        {Glyph::EnglishFlags, 53, 20, 1}, {Glyph::GermanFlags, 80, 20, 1},
    };
    EXPECT_EQ(AllGlyphs().size(), std::size(expected));
    std::set<std::string> names;
    for (const auto& e : expected) {
        const GlyphLayout& info = LayoutOf(e.id);
        SCOPED_TRACE(info.name);
        EXPECT_TRUE(names.insert(info.name).second);
        EXPECT_EQ(QSize(info.width, info.height), QSize(e.width, e.height));
        EXPECT_EQ(info.images, e.images);
        EXPECT_EQ(PaintGlyph(e.id).size(), QSize(e.width, e.height));
        // The program carries each image at its own size: one cell of the glyph.
        EXPECT_EQ(GlyphIcon(e.id).availableSizes(), QList<QSize>{QSize(e.width / e.images, e.height)});
    }
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

TEST(Glyphs, ProgramIconComesInTheDesktopSizes) {
    const QIcon icon = ProgramIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));
        // The same picture at every size: clear corners, and the red tile, the green ring
        // and the white arrow each taking their share.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0);
        int red = 0, green = 0, white = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb c = image.pixel(x, y);
                if (qAlpha(c) < 200) continue;
                red += qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80;
                green += qGreen(c) > qRed(c) + 50;
                white += Luma(c) > 190;
            }
        const int area = size * size;
        EXPECT_GT(red, area / 4);
        EXPECT_GT(green, area / 14);
        EXPECT_GT(white, area / 20);
    }
}

}  // namespace
}  // namespace spindora
