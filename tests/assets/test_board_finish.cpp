#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

#include "TestSupport.h"
#include "assets/PaintKit.h"

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

}  // namespace
}  // namespace spindora
