#include <gtest/gtest.h>

#include <array>

#include "assets/DigitStrip.h"
#include "assets/Raster.h"
#include "game/BusyWait.h"
#include "shell/ClockCells.h"
#include "shell/ClockWidget.h"
#include "shell/CommandLine.h"
#include "assets/EmbeddedAssets.h"
#include "game/LevelKey.h"
#include "shell/ShellTimer.h"

namespace spindora {
namespace {

constexpr int B = 10;  // the blank cell of the digit strip

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

// The eleven cells of the strip as 4 x 7 dot pictures, '#' lit: the digits 0 to 9, then
// the blank cell, an unlit display.
constexpr const char* kDots[11][7] = {
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
    {"..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
    {"....", "....", "....", "....", "....", "....", "...."},
};

TEST(Clock, DigitStripHasLitAndUnlitDotsOnBlackLines) {
    for (const QImage& strip : {PaintDigitStrip(), Bitmaps(0)}) {
        ASSERT_EQ(strip.size(), QSize(121, 20));
        // Cell c at x = 11 c; dots 2 x 2 at x offsets 0, 3, 6, 9 and y = 0, 3, ..., 18,
        // with black lines between them.
        for (int cell = 0; cell <= 10; ++cell)
            for (int x = 0; x < 11; ++x)
                for (int y = 0; y < 20; ++y) {
                    const QRgb pixel = strip.pixel(11 * cell + x, y);
                    if (x % 3 == 2 || y % 3 == 2) {
                        ASSERT_EQ(pixel, qRgb(0, 0, 0)) << "separator of cell " << cell;
                        continue;
                    }
                    const bool lit = kDots[cell][y / 3][x / 3] == '#';
                    ASSERT_EQ(pixel, lit ? qRgb(0, 255, 0) : qRgb(0, 64, 0))
                        << "cell " << cell << " at " << x << "," << y;
                }
    }
    EXPECT_EQ(PaintDigitStrip().format(), QImage::Format_Indexed8) << "a 256-colour palette";
}

TEST(Clock, ClockBoxCopiesSixCellsAtAPitchOfThirteen) {
    const QImage& strip = Bitmaps(0);  // item 0: the digit strip
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

// Driven by hand: `counts` stands for a running clock or music that is on.
TEST(Clock, TimerWakesOnlyWhileSomethingCountsAndTicksAtItsBeat) {
    bool counts = false;
    int ticks = 0;
    ShellTimer timer(200, [&] { ++ticks; }, [&] { return counts; });
    EXPECT_EQ(timer.interval(), 200);
    timer.start();
    EXPECT_TRUE(timer.isActive());
    EXPECT_FALSE(timer.Awake()) << "nothing counts: no wake-ups while the game waits";

    // The first press wakes it before the move is made; the move starts the clock.
    timer.Wake();
    EXPECT_TRUE(timer.Awake());
    counts = true;
    timer.Tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(timer.Awake());

    // The pause dialog stops it; nothing wakes a stopped timer; the end of the pause does.
    timer.stop();
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(timer.Awake());
    timer.Wake();
    EXPECT_FALSE(timer.Awake()) << "no ticks while the pause is open";
    timer.start();
    EXPECT_TRUE(timer.Awake()) << "ticks again after the pause";

    // Solved: the tick that finds nothing to count is the last.
    counts = false;
    timer.Tick();
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(timer.Awake());
    EXPECT_TRUE(timer.isActive());

    // A press that starts nothing costs one tick; a new level's first move wakes it again.
    timer.Wake();
    timer.Tick();
    EXPECT_FALSE(timer.Awake());
    timer.stop();
    timer.start();
    EXPECT_FALSE(timer.Awake()) << "a new deal waits for its first move";
    timer.Wake();
    counts = true;
    timer.Tick();
    EXPECT_TRUE(timer.Awake());
    EXPECT_EQ(ticks, 4);
}

TEST(BusyWait, WaitsMoreThanTheTimeAlsoAcrossACounterWrap) {
    // The counter counts microseconds; each reading here advances it by 250.
    for (const uint32_t start : {1000u, 0xFFFFFF00u}) {
        uint32_t now = start;
        int reads = 0;
        BusyWait(30, [&] {
            ++reads;
            const uint32_t reading = now;
            now += 250;
            return reading;
        });
        // The first reading more than 30 ms after the first is 30.25 ms after it.
        EXPECT_EQ(reads, 1 + 121) << "start " << start;
    }
    uint32_t t = 5;
    BusyWait(0, [&] { return t++; });
    EXPECT_EQ(t, 7u) << "a wait of 0 still waits for the counter to move";
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
