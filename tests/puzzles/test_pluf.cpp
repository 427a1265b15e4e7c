#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "TestSupport.h"
#include "puzzles/PlufPlates.h"
#include "puzzles/BoardGeometry.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/pluf/PlufSheet.h"

namespace spindora::pluf {
namespace {

using test::FakeHost;
using test::ScriptedRandom;

constexpr const QPoint (&kCorners)[23] = test::kPlufPlateCorners;
// Where the neighbour on each slot stands: up, upper right, lower right, down, lower
// left, upper left.
const QPoint kSlotSteps[6] = {{0, -72}, {62, -36}, {62, 36}, {0, 72}, {-62, 36}, {-62, -36}};

int PlateCornerAt(QPoint corner, int count) {
    for (int p = 1; p <= count; ++p)
        if (kCorners[p] == corner) return p;
    return 0;
}

QPoint Middle(int plate) { return kCorners[plate] + QPoint(37, 37); }

// The pairs of facing slots among the plates in play.
int InnerEdges(int count) {
    int edges = 0;
    for (int p = 1; p <= count; ++p)
        for (const QPoint& step : kSlotSteps) edges += PlateCornerAt(kCorners[p] + step, count) > 0;
    return edges / 2;
}

TEST(Pluf, PlatesStandInTheHoneycombWithSymmetricNeighbours) {
    for (int p = 1; p <= 22; ++p) {
        EXPECT_EQ(PlateCorner(p), kCorners[p]) << "plate " << p;
        for (int j = 0; j < 6; ++j) {
            const int q = Neighbours[p - 1][j];
            EXPECT_EQ(q, PlateCornerAt(kCorners[p] + kSlotSteps[j], 22)) << p << " slot " << j;
            if (q > 0) {
                EXPECT_EQ(Neighbours[q - 1][(j + 3) % 6], p) << p << " slot " << j;
            }
        }
    }
    // Each level adds plates round the last; a press hits only the inner 54 x 54 pixels.
    FakeHost host(test::PlufSheet());
    Pluf pluf(host);
    const int counts[4] = {10, 14, 18, 22};
    for (int level = 1; level <= 4; ++level) {
        host.levels.dmode = level;
        EXPECT_EQ(pluf.Count(), counts[level - 1]);
        const int last = counts[level - 1];
        EXPECT_EQ(pluf.PlateAt(Middle(last).x(), Middle(last).y()), last);
        if (last < 22) {
            EXPECT_EQ(pluf.PlateAt(Middle(last + 1).x(), Middle(last + 1).y()), 0);
        }
    }
    const QPoint c = kCorners[9];
    EXPECT_EQ(pluf.PlateAt(c.x() + 11, c.y() + 11), 9);
    EXPECT_EQ(pluf.PlateAt(c.x() + 64, c.y() + 64), 9);
    EXPECT_EQ(pluf.PlateAt(c.x() + 10, c.y() + 30), 0);
    EXPECT_EQ(pluf.PlateAt(c.x() + 65, c.y() + 30), 0);
    EXPECT_EQ(pluf.PlateAt(c.x() + 30, c.y() + 65), 0);
}

TEST(Pluf, DealDrawsPaletteFacingColoursAndScrambleInOrder) {
    ScriptedRandom random;
    FakeHost host(test::PlufSheet(), &random);
    host.levels.dmode = 1;
    host.levels.pmode = 2;
    Pluf pluf(host);
    // Palette: repeats are drawn again until three distinct colours stand.
    random.script = {7, 7, 30, 7, 30, 41};
    std::vector<int> ranges(6, 42);
    // At level 1 the 60 slots of plates 1 to 10 form 19 facing pairs and 22 border slots.
    ASSERT_EQ(InnerEdges(10), 19);
    for (int i = 0; i < 41; ++i) {
        random.script.push_back(i % 3);
        ranges.push_back(3);
    }
    // 0 + 10 * 10 scrambling moves, each undone by the next.
    random.script.push_back(0);
    ranges.push_back(1000);
    for (int i = 0; i < 100; ++i) {
        random.script.insert(random.script.end(), {i / 2 % 10, i % 2, i / 2 % 3});
        ranges.insert(ranges.end(), {10, 2, 3});
    }
    pluf.NewBoard();
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(random.ranges, ranges);
    EXPECT_EQ(host.board.showCount(), 0) << "a deal draws nothing";
    EXPECT_EQ((std::array<int, 3>{pluf.Palette()[0], pluf.Palette()[1], pluf.Palette()[2]}),
              (std::array<int, 3>{7, 30, 41}));
    // Plate 1 takes the first six draws; each facing slot gets the same colour.
    EXPECT_EQ(pluf.Buttons(1), (Pluf::Slots{7, 30, 41, 7, 30, 41}));
    EXPECT_EQ(pluf.Buttons(8)[5], 41);
    EXPECT_EQ(pluf.Buttons(2)[0], 7);
    EXPECT_EQ(pluf.Buttons(5)[1], 30);
    for (int p = 1; p <= 10; ++p)
        for (int j = 0; j < 6; ++j) {
            const int q = PlateCornerAt(kCorners[p] + kSlotSteps[j], 10);
            if (q) {
                EXPECT_EQ(pluf.Buttons(p)[j], pluf.Buttons(q)[(j + 3) % 6]) << p << "/" << j;
            }
        }
    EXPECT_TRUE(pluf.IsSolved());
    // Slots that face plates 11 to 22 are border slots at level 1: never compared.
    pluf.Buttons(5)[4] = 0;   // faces plate 11
    pluf.Buttons(12)[1] = 1;  // plate 12 is not in play
    EXPECT_TRUE(pluf.IsSolved());
    pluf.Buttons(5)[2] = 0;  // faces plate 2
    EXPECT_FALSE(pluf.IsSolved());
}

TEST(Pluf, EverySettingDealsFromItsOwnNumberOfDistinctColours) {
    FakeHost host(test::PlufSheet());
    Pluf pluf(host);
    for (int pmode = 1; pmode <= 5; ++pmode)
        for (int dmode = 1; dmode <= 4; ++dmode) {
            host.levels = {};
            host.levels.pmode = pmode;
            host.levels.dmode = dmode;
            pluf.NewBoard();
            const std::set<int> palette(pluf.Palette().begin(), pluf.Palette().begin() + pmode + 1);
            EXPECT_EQ(palette.size(), static_cast<size_t>(pmode + 1));
            for (int colour : palette) EXPECT_TRUE(colour >= 0 && colour < 42);
            for (int p = 1; p <= pluf.Count(); ++p)
                for (int colour : pluf.Buttons(p)) EXPECT_EQ(palette.count(colour), 1u) << pmode;
        }
    // A stored setting outside 1 to 5 is brought in before the deal.
    host.levels.pmode = 9;
    pluf.NewBoard();
    EXPECT_EQ(host.levels.pmode, 5);
    host.levels.pmode = 0;
    pluf.NewBoard();
    EXPECT_EQ(host.levels.pmode, 1);
}

TEST(Pluf, PressesTurnStartTheClockAndTickOncePerTurn) {
    FakeHost host(test::PlufSheet());
    host.levels.dmode = 2;
    Pluf pluf(host);
    pluf.NewBoard();
    pluf.PaintBoard();
    const int shows = host.board.showCount();
    const Pluf::Slots start = pluf.Buttons(3);
    const QPoint at = Middle(3);

    // Misses: between plates, outside them, and a plate not in play at this level.
    for (const QPoint miss : {QPoint(5, 5), kCorners[3] + QPoint(5, 40), QPoint(440, 240), Middle(15)})
        pluf.BoardMouseDown(miss.x(), miss.y(), MouseButton::Left);
    EXPECT_EQ(host.state, kReady);
    EXPECT_EQ(host.board.showCount(), shows);

    // A middle press on a plate starts the clock and turns nothing.
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Middle);
    EXPECT_EQ(host.state, kRunning);
    EXPECT_EQ(pluf.Buttons(3), start);
    EXPECT_TRUE(host.effects.empty());
    EXPECT_EQ(host.board.showCount(), shows);
    EXPECT_EQ(host.ticks, 0);

    // Left: every button moves one slot counter-clockwise; 90 ms and one tick.
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Left);
    const Pluf::Slots turned = pluf.Buttons(3);
    for (int j = 0; j < 6; ++j) EXPECT_EQ(turned[j], start[(j + 1) % 6]);
    EXPECT_EQ(host.effects, std::vector<int>{3});
    EXPECT_EQ(host.ticks, 1);
    EXPECT_EQ(host.clockPaints, 1);
    EXPECT_EQ(host.waited, 90u);
    EXPECT_EQ(host.board.showCount(), shows + 4);
    // Right restores.
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Right);
    EXPECT_EQ(pluf.Buttons(3), start);
    EXPECT_EQ(host.ticks, 2);
    EXPECT_EQ(host.effects, (std::vector<int>{3, 3}));

    // The first press on a ready board counts already; a solved board gains nothing.
    host.state = kReady;
    host.ticks = 0;
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Right);
    EXPECT_EQ(host.state, kRunning);
    EXPECT_EQ(host.ticks, 1);
    host.state = kSolved;
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Left);
    EXPECT_EQ(host.state, kSolved);
    EXPECT_EQ(host.ticks, 1);
    EXPECT_EQ(pluf.Buttons(3), start);
}

TEST(Pluf, SolvedIsReportedAfterATurnThatMatchesEveryPair) {
    FakeHost host(test::PlufSheet());
    host.levels.dmode = 1;
    Pluf pluf(host);
    // Facing slots j and j + 3 must match: give all plates the pairs' colours.
    for (int p = 1; p <= 22; ++p) pluf.Buttons(p) = {1, 2, 3, 1, 2, 3};
    ASSERT_TRUE(pluf.IsSolved());
    pluf.PaintBoard();
    const QPoint at = Middle(6);
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Middle);
    EXPECT_EQ(host.solvedReports, 0) << "a press that turns nothing tests nothing";
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Left);
    EXPECT_FALSE(pluf.IsSolved());
    EXPECT_EQ(host.solvedReports, 0);
    pluf.BoardMouseDown(at.x(), at.y(), MouseButton::Right);
    EXPECT_EQ(host.solvedReports, 1);
}

TEST(Pluf, LevelButtonEndsAtX479AndStepsLevelAndColours) {
    FakeHost host(test::PlufSheet());
    Pluf pluf(host);
    const struct { int x, y; bool hit; } cases[] = {
        {421, 281, true}, {479, 329, true}, {479, 300, true},  {480, 300, false},
        {485, 300, false}, {420, 300, false}, {450, 280, false}, {450, 330, false},
    };
    for (const auto& c : cases) {
        host.optionPresses.clear();
        pluf.BoardMouseDown(c.x, c.y, MouseButton::Right);
        EXPECT_EQ(host.optionPresses.size(), c.hit ? 1u : 0u) << c.x << "," << c.y;
    }
    EXPECT_EQ(host.state, kReady);
    host.optionPresses.clear();
    host.state = kSolved;
    pluf.BoardMouseDown(460, 310, MouseButton::Middle);
    EXPECT_EQ(host.optionPresses, std::vector<MouseButton>{MouseButton::Middle});

    host.levels.dmode = 4;
    host.levels.pmode = 5;
    pluf.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.pmode, 1);
    EXPECT_EQ(host.levels.dmode, 4);
    pluf.ChangeLevel(MouseButton::Left);
    EXPECT_EQ(host.levels.dmode, 1);
    EXPECT_EQ(host.levels.pmode, 1);
    pluf.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.pmode, 2);
    const QImage shown = host.board.image().copy();
    pluf.ChangeLevel(MouseButton::Middle);
    EXPECT_EQ(host.levels.dmode, 1);
    EXPECT_EQ(host.levels.pmode, 2);
    EXPECT_NE(host.board.image(), shown) << "a middle press deals and paints anew";
    // The figures for the level and the colours form the button.
    EXPECT_EQ(host.board.image().copy(440, 295, 30, 30), host.sheet.copy(16, 333, 30, 30));
    EXPECT_EQ(host.board.image().copy(470, 295, 20, 30), host.sheet.copy(156, 333, 20, 30));
}

// A host whose board keeps a picture of every frame shown.
class FilmingHost : public FakeHost {
public:
    using FakeHost::FakeHost;
    struct Film : ImageBoardBox {
        void show(const QRect& rect) override {
            ImageBoardBox::show(rect);
            frames.push_back(image().copy());
            rects.push_back(rect);
        }
        std::vector<QImage> frames;
        std::vector<QRect> rects;
    } film;
    std::vector<size_t> ticksAfterFrames;
    std::vector<size_t> effectsAfterFrames;
    BoardBox& box() override { return film; }
    void timboxPaint() override { ticksAfterFrames.push_back(film.frames.size()); }
    void PlayEffect(int effect) override {
        effects.push_back(effect);
        effectsAfterFrames.push_back(film.frames.size());
    }
};

// Button corners in a plate's square by phase and slot: (29 + dx, 29 + dy).
const QPoint kOffsets[4][6] = {
    {{0, -20}, {17, -10}, {17, 10}, {0, 20}, {-17, 10}, {-17, -10}},
    {{-5, -19}, {14, -14}, {19, 5}, {5, 19}, {-14, 14}, {-19, -5}},
    {{-10, -17}, {10, -17}, {20, 0}, {10, 17}, {-10, 17}, {-20, 0}},
    {{-14, -14}, {5, -19}, {19, -5}, {14, 14}, {-5, 19}, {-19, 5}},
};

QRgb And(QRgb a, QRgb b) { return qRgb(qRed(a) & qRed(b), qGreen(a) & qGreen(b), qBlue(a) & qBlue(b)); }
QRgb Or(QRgb a, QRgb b) { return qRgb(qRed(a) | qRed(b), qGreen(a) | qGreen(b), qBlue(a) | qBlue(b)); }

// The plate's square as a phase should show it, composed pixel by pixel from the sheet
// over what the board showed before.
QImage ExpectedSquare(const QImage& before, const QImage& sheet, int plate, int phase,
                      const Pluf::Slots& colours) {
    const QPoint c = kCorners[plate];
    QImage square(75, 75, QImage::Format_RGB32);
    for (int y = 0; y < 75; ++y)
        for (int x = 0; x < 75; ++x) {
            const QRgb kept = And(before.pixel(c.x() + x, c.y() + y), sheet.pixel(575 + x, 300 + y));
            QRgb plateLayer = And(sheet.pixel(c.x() + x, c.y() + y), sheet.pixel(500 + x, 300 + y));
            plateLayer = Or(And(plateLayer, sheet.pixel(575 + x, 75 * phase + y)), sheet.pixel(500 + x, 75 * phase + y));
            square.setPixel(x, y, Or(kept, plateLayer));
        }
    for (int j = 0; j < 6; ++j) {
        const QPoint at = QPoint(29, 29) + kOffsets[phase][j];
        const int colour = colours[j];
        const QPoint art(650 + 16 * (colour / 21), 16 * (colour % 21));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb under = square.pixel(at.x() + x, at.y() + y);
                square.setPixel(at.x() + x, at.y() + y,
                                Or(And(under, sheet.pixel(x, 333 + y)), sheet.pixel(art.x() + x, art.y() + y)));
            }
    }
    return square;
}

TEST(Pluf, TurnsAnimateInThePlatesSquareAndEndOnThePaintedBoard) {
    for (const MouseButton button : {MouseButton::Left, MouseButton::Right}) {
        FilmingHost host(test::PlufSheet());
        host.levels.dmode = 4;
        host.levels.pmode = 5;
        Pluf pluf(host);
        pluf.NewBoard();
        pluf.PaintBoard();
        host.state = kRunning;
        const QImage before = host.film.image().copy();
        const Pluf::Slots old = pluf.Buttons(2);
        const size_t first = host.film.frames.size();
        pluf.BoardMouseDown(Middle(2).x(), Middle(2).y(), button);
        const Pluf::Slots now = pluf.Buttons(2);

        const bool left = button == MouseButton::Left;
        const int phases[4] = {left ? 1 : 3, 2, left ? 3 : 1, 0};
        ASSERT_EQ(host.film.frames.size(), first + 4);
        QImage previous = before;
        for (int f = 0; f < 4; ++f) {
            const QImage& frame = host.film.frames[first + f];
            EXPECT_EQ(host.film.rects[first + f], QRect(kCorners[2], QSize(75, 75)));
            // A left turn shows the old colours until the data move at the end; a right
            // turn moves the data first.
            const Pluf::Slots& colours = left && f < 3 ? old : now;
            EXPECT_EQ(frame.copy(QRect(kCorners[2], QSize(75, 75))),
                      ExpectedSquare(previous, host.sheet, 2, phases[f], colours))
                << "frame " << f;
            QImage outside = frame, was = previous;
            for (QImage* image : {&outside, &was}) {
                QPainter painter(image);
                painter.fillRect(QRect(kCorners[2], QSize(75, 75)), Qt::black);
            }
            EXPECT_EQ(outside, was) << "frame " << f << " drew outside the square";
            previous = frame;
        }
        EXPECT_EQ(host.ticksAfterFrames, std::vector<size_t>{first + 2}) << "one tick, at phase 2";
        EXPECT_EQ(host.effectsAfterFrames, std::vector<size_t>{first}) << "the sound before the first frame";

        // The last frame is what a full paint of the new position shows: neighbours'
        // corners inside the square came through untouched.
        FakeHost fresh(test::PlufSheet());
        fresh.levels = host.levels;
        Pluf again(fresh);
        for (int p = 1; p <= 22; ++p) again.Buttons(p) = pluf.Buttons(p);
        again.PaintBoard();
        EXPECT_EQ(host.film.image(), fresh.board.image());
        EXPECT_NE(host.film.image(), before);
    }

    // So it is for every plate: a turn never eats into a neighbour's corner or shadow.
    FakeHost host(test::PlufSheet());
    host.levels.dmode = 4;
    Pluf pluf(host);
    pluf.NewBoard();
    pluf.PaintBoard();
    Pluf painter(host);
    for (int p = 1; p <= 22; ++p) {
        pluf.BoardMouseDown(Middle(p).x(), Middle(p).y(), p % 2 ? MouseButton::Left : MouseButton::Right);
        const QImage turned = host.board.image().copy();
        for (int q = 1; q <= 22; ++q) painter.Buttons(q) = pluf.Buttons(q);
        painter.PaintBoard();
        ASSERT_EQ(turned, host.board.image()) << "plate " << p;
    }
}

}  // namespace
}  // namespace spindora::pluf
