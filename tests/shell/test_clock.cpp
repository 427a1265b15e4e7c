#include <gtest/gtest.h>

#include <array>

#include "assets/DigitStrip.h"
#include "puzzles/Raster.h"
#include "shell/BusyWait.h"
#include "shell/ClockCells.h"
#include "shell/ClockWidget.h"
#include "shell/CommandLine.h"
#include "shell/EmbeddedAssets.h"
#include "shell/LevelKey.h"

namespace spindora {
namespace {

constexpr int B = kBlankCell;

TEST(Clock, CellsBlankLeadingZerosButNeverTheLastPosition) {
    using Cells = std::array<int, 6>;
    EXPECT_EQ(ClockCells(0), (Cells{B, B, B, B, B, 0}));
    EXPECT_EQ(ClockCells(7), (Cells{B, B, B, B, B, 7}));
    EXPECT_EQ(ClockCells(1234), (Cells{B, B, 1, 2, 3, 4}));
    EXPECT_EQ(ClockCells(100200), (Cells{1, 0, 0, 2, 0, 0}));
    EXPECT_EQ(ClockCells(999999), (Cells{9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(ClockCells(1000000), (Cells{B, B, B, B, B, 0}));
    EXPECT_EQ(ClockCells(1234567), (Cells{2, 3, 4, 5, 6, 7}));
}

TEST(Clock, DigitStripHasLitAndUnlitDotsOnBlackLines) {
    const QImage strip = PaintDigitStrip();
    ASSERT_EQ(strip.size(), QSize(121, 20));
    EXPECT_EQ(strip.format(), QImage::Format_Indexed8);
    for (int cell = 0; cell <= 10; ++cell) {
        int lit = 0;
        for (int x = 0; x < kDigitCellWidth; ++x) {
            for (int y = 0; y < kDigitCellHeight; ++y) {
                const QRgb pixel = strip.pixel(cell * kDigitCellWidth + x, y);
                if (x % 3 == 2 || y % 3 == 2) {
                    ASSERT_EQ(pixel, qRgb(0, 0, 0)) << "separator of cell " << cell;
                    continue;
                }
                const bool on = DigitDotLit(cell, x / 3, y / 3);
                ASSERT_EQ(pixel, on ? kDotLit : kDotUnlit) << "cell " << cell << " at " << x << "," << y;
                lit += on;
            }
        }
        if (cell == 10) EXPECT_EQ(lit, 0) << "the blank cell is an unlit display";
        else EXPECT_GE(lit, 4 * 7) << "digit " << cell;  // 4 x 7 lit pixels = at least 7 dots
    }
    // Every digit has its own pattern.
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b) {
            bool differ = false;
            for (int c = 0; c < 4; ++c)
                for (int r = 0; r < 7; ++r) differ |= DigitDotLit(a, c, r) != DigitDotLit(b, c, r);
            EXPECT_TRUE(differ) << a << " and " << b;
        }
}

TEST(Clock, ClockBoxCopiesSixCellsAtAPitchOfThirteen) {
    const QImage& strip = Bitmaps(kDigitStripItem);
    ASSERT_EQ(strip, ToRasterFormat(PaintDigitStrip())) << "the embedded strip is the painted one";
    const QImage clock = ComposeClock(strip, 1234);
    ASSERT_EQ(clock.size(), QSize(77, 20));
    const int cells[6] = {B, B, 1, 2, 3, 4};
    for (int i = 0; i < 6; ++i)
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 11; ++x)
                ASSERT_EQ(clock.pixel(13 * i + x, y), strip.pixel(cells[i] * 11 + x, y))
                    << "position " << i;
}

TEST(BusyWait, WaitsMoreThanTheTimeAlsoAcrossACounterWrap) {
    for (const uint32_t start : {1000u, 0xFFFFFFF0u}) {
        uint32_t now = start;
        int reads = 0;
        BusyWait(30, [&] {
            ++reads;
            return now++;
        });
        // Returns at the first reading more than 30 ms after the first.
        EXPECT_EQ(now - start, 32u) << "start " << start;
        EXPECT_EQ(reads, 32);
    }
    uint32_t t = 5;
    BusyWait(0, [&] { return t++; });
    EXPECT_EQ(t, 7u);
}

TEST(LevelKey, PrefixAndTwoDigitLevelByMode) {
    LevelSettings levels;
    levels.gmode = 1;
    levels.hmode = 3;
    levels.dmode = 4;
    levels.pmode = 5;
    levels.rmode = 10;
    EXPECT_EQ(LevelKeyFor(0, levels), "zibb01");
    EXPECT_EQ(LevelKeyFor(1, levels), "kol03");
    EXPECT_EQ(LevelKeyFor(2, levels), "pluf04");
    EXPECT_EQ(LevelKeyFor(3, levels), "murv10");
}

TEST(CommandLine, SeedIsReadInBothFormsAndRejectedWhenNotANumber) {
    EXPECT_FALSE(ParseCommandLine({}).seed.has_value());
    EXPECT_EQ(ParseCommandLine({"--seed", "42"}).seed, 42u);
    EXPECT_EQ(ParseCommandLine({"-debug", "--seed=18446744073709551615"}).seed,
              18446744073709551615u);
    EXPECT_FALSE(ParseCommandLine({"--seed", "x1"}).error.isEmpty());
    EXPECT_FALSE(ParseCommandLine({"--seed", "-3"}).error.isEmpty());
    EXPECT_FALSE(ParseCommandLine({"--seed"}).error.isEmpty());
    EXPECT_TRUE(ParseCommandLine({"/debug"}).error.isEmpty());
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
    EXPECT_TRUE(ParseCommandLine({"--version"}).version);
    EXPECT_FALSE(ParseCommandLine({"--seed", "1"}).help);
}

}  // namespace
}  // namespace spindora
