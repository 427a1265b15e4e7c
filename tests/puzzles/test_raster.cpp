#include <gtest/gtest.h>

#include "rules/Random.h"
#include "assets/Raster.h"

namespace spindora {
namespace {

QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(Raster, CopyAndOrCombineBitwiseWithinTheClippedRectangle) {
    QImage dest = Filled(10, 10, qRgb(0xF0, 0x0F, 0xAA));
    const QImage src = Filled(6, 6, qRgb(0x3C, 0x3C, 0x55));

    CopyRect(dest, QPoint(1, 1), src, QRect(0, 0, 2, 2), RasterOp::And);
    EXPECT_EQ(dest.pixel(1, 1), qRgb(0x30, 0x0C, 0x00));
    EXPECT_EQ(dest.pixel(3, 3), qRgb(0xF0, 0x0F, 0xAA)) << "outside the block";

    CopyRect(dest, QPoint(1, 1), src, QRect(0, 0, 2, 2), RasterOp::Or);
    EXPECT_EQ(dest.pixel(2, 2), qRgb(0x3C, 0x3C, 0x55));

    CopyRect(dest, QPoint(5, 5), src, QRect(0, 0, 6, 6));
    EXPECT_EQ(dest.pixel(9, 9), qRgb(0x3C, 0x3C, 0x55));
    EXPECT_EQ(dest.pixel(4, 4), qRgb(0xF0, 0x0F, 0xAA));

    // Blocks hanging over any edge are clipped, not wrapped or overrun.
    QImage small = Filled(4, 4, qRgb(1, 2, 3));
    CopyRect(small, QPoint(-2, -2), Filled(4, 4, qRgb(9, 9, 9)), QRect(0, 0, 4, 4));
    EXPECT_EQ(small.pixel(1, 1), qRgb(9, 9, 9));
    EXPECT_EQ(small.pixel(2, 2), qRgb(1, 2, 3));
    CopyRect(small, QPoint(0, 0), Filled(4, 4, qRgb(7, 7, 7)), QRect(2, 2, 5, 5));
    EXPECT_EQ(small.pixel(1, 1), qRgb(7, 7, 7));
    EXPECT_EQ(small.pixel(2, 2), qRgb(1, 2, 3));
}

TEST(Random, SeededDrawsAreReproducibleInRangeAndEven) {
    SeededRandom a(7), b(7), c(8);
    bool differs = false;
    for (int i = 0; i < 50; ++i) {
        const int x = a.Random(1000);
        EXPECT_EQ(x, b.Random(1000));
        differs |= x != c.Random(1000);
    }
    EXPECT_TRUE(differs);

    int counts[9] = {};
    for (int i = 0; i < 90000; ++i) {
        const int k = a.Random(9);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, 9);
        ++counts[k];
    }
    for (int count : counts) EXPECT_NEAR(count, 10000, 500);
    EXPECT_EQ(a.Random(1), 0);
}

}  // namespace
}  // namespace spindora
