#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "puzzles/kolluk/Kolluk.h"

namespace spindora::kolluk {
namespace {

using test::FakeHost;
using test::ScriptedRandom;
using Balls = std::array<int, 13>;

// Every ball a colour of its own, numbered after the place it starts on.
constexpr Balls kNumbered = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr Balls kLevel1 = {3, 3, 3, 12, 12, 2, 12, 1, 2, 12, 1, 2, 1};
constexpr Balls kLevel2 = {2, 2, 2, 4, 6, 1, 12, 3, 1, 5, 3, 1, 3};
constexpr Balls kLevel3 = {1, 9, 7, 12, 12, 5, 12, 11, 3, 12, 2, 10, 6};
constexpr Balls kLevel4 = {4, 10, 13, 1, 2, 6, 12, 8, 11, 3, 5, 9, 7};

// A press in the middle of each ring's press square.
constexpr QPoint kRingPress[3] = {{207, 112}, {143, 220}, {270, 220}};

constexpr QRect kRing0Area(130, 25, 152, 172);
constexpr QRect kRing1Area(68, 134, 152, 172);
constexpr QRect kRing2Area(194, 134, 152, 172);
constexpr QRect kLevelPicture(400, 160, 45, 50);

QRect BallSprite(int colour) { return {23 * (colour - 1), 473, 23, 23}; }
constexpr QRect kMask(299, 473, 23, 23);
QRect Platform(int place, int level) { return {35 * place, 333 + 35 * (level - 1), 35, 35}; }

// Board, shown rectangles with what they showed, and the order of shows, ticks and waits.
class RecordingBox final : public BoardBox {
public:
    explicit RecordingBox(std::vector<std::string>& log) : log_(log) {
        image_ = QImage(500, 333, QImage::Format_RGB32);
        image_.fill(Qt::black);
    }
    QImage& image() override { return image_; }
    void show(const QRect& rect) override {
        shown.push_back(rect);
        pictures.push_back(image_.copy(rect));
        log_.push_back("show");
    }
    std::vector<QRect> shown;
    std::vector<QImage> pictures;

private:
    QImage image_;
    std::vector<std::string>& log_;
};

class RecordingHost final : public FakeHost {
public:
    explicit RecordingHost(RandomSource* random = nullptr)
        : FakeHost(test::KollukSheet(), random), recorder(log) {}
    BoardBox& box() override { return recorder; }
    void WaitMs(unsigned ms) override { log.push_back("wait " + std::to_string(ms)); }
    void timboxPaint() override { log.push_back("tick " + std::to_string(ticks)); }
    void PlayEffect(int effect) override { log.push_back("effect " + std::to_string(effect)); }
    void ReportSolved() override {
        log.push_back("solved");
        ++solvedReports;
    }
    void Restart() {
        log.clear();
        recorder.shown.clear();
        recorder.pictures.clear();
    }
    std::vector<std::string> log;
    RecordingBox recorder;
};

void Press(Kolluk& kolluk, int ring, MouseButton button) {
    kolluk.BoardMouseDown(kRingPress[ring].x(), kRingPress[ring].y(), button);
}

TEST(Kolluk, PressSquaresCountTheirEdgesAndNothingBetween) {
    const struct { int x, y, ring; } cases[] = {
        {157, 62, 0}, {257, 62, 0}, {157, 162, 0}, {257, 162, 0}, {156, 100, -1}, {258, 100, -1},
        {207, 61, -1}, {200, 166, -1}, {93, 170, 1}, {193, 270, 1}, {92, 200, -1}, {143, 271, -1},
        {220, 170, 2}, {320, 270, 2}, {321, 200, -1}, {270, 271, -1}, {200, 200, -1}, {10, 10, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(Kolluk::RingAt(c.x, c.y), c.ring) << c.x << "," << c.y;

    RecordingHost host;
    Kolluk kolluk(host);
    kolluk.BallColours() = kNumbered;
    for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
        kolluk.BoardMouseDown(200, 166, button);
        kolluk.BoardMouseDown(400, 300, button);
    }
    EXPECT_EQ(kolluk.BallColours(), kNumbered);
    EXPECT_TRUE(host.log.empty()) << "no sound, no drawing";
    EXPECT_EQ(host.state, kReady);
}

TEST(Kolluk, LevelButtonIsExclusiveAndWinsInEveryState) {
    RecordingHost host;
    Kolluk kolluk(host);
    kolluk.BallColours() = kNumbered;
    const struct { int x, y; bool hit; } cases[] = {
        {401, 141, true}, {449, 209, true}, {425, 185, true}, {420, 145, true},
        {400, 185, false}, {450, 185, false}, {425, 140, false}, {425, 210, false},
    };
    for (const auto& c : cases) {
        host.optionPresses.clear();
        kolluk.BoardMouseDown(c.x, c.y, MouseButton::Right);
        EXPECT_EQ(host.optionPresses.size(), c.hit ? 1u : 0u) << c.x << "," << c.y;
    }
    host.optionPresses.clear();
    host.state = kSolved;
    kolluk.BoardMouseDown(425, 185, MouseButton::Middle);
    ASSERT_EQ(host.optionPresses, std::vector<MouseButton>{MouseButton::Middle});
    EXPECT_EQ(kolluk.BallColours(), kNumbered);
    EXPECT_TRUE(host.log.empty());
}

TEST(Kolluk, PressesRollTheirRingAndSharedPlacesCarryOver) {
    RecordingHost host;
    Kolluk kolluk(host);
    kolluk.PaintBoard();

    // Left: 0 -> 1, 1 -> 3, 3 -> 6, 6 -> 4, 4 -> 2, 2 -> 0.
    kolluk.BallColours() = kNumbered;
    Press(kolluk, 0, MouseButton::Left);
    EXPECT_EQ(kolluk.BallColours(), (Balls{3, 1, 5, 2, 7, 6, 4, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(host.state, kRunning);
    Press(kolluk, 0, MouseButton::Right);
    EXPECT_EQ(kolluk.BallColours(), kNumbered);
    // Middle rolls clockwise like the right button.
    Press(kolluk, 0, MouseButton::Middle);
    EXPECT_EQ(kolluk.BallColours(), (Balls{2, 4, 1, 7, 3, 6, 5, 8, 9, 10, 11, 12, 13}));

    // What ring 0 left on places 3, 4 and 6 rolls on with rings 1 and 2.
    kolluk.BallColours() = kNumbered;
    Press(kolluk, 0, MouseButton::Left);  // 2 on 3, 7 on 4, 4 on 6
    Press(kolluk, 1, MouseButton::Left);  // ring 1: 3 -> 5, 6 -> 3, 9 -> 6, 11 -> 9, 8 -> 11, 5 -> 8
    EXPECT_EQ(kolluk.BallColours(), (Balls{3, 1, 5, 4, 7, 2, 10, 8, 6, 12, 11, 9, 13}));
    Press(kolluk, 2, MouseButton::Right);  // ring 2: 4 -> 7, 7 -> 10, 10 -> 12, 12 -> 9, 9 -> 6, 6 -> 4
    EXPECT_EQ(kolluk.BallColours(), (Balls{3, 1, 5, 4, 10, 2, 12, 7, 6, 13, 8, 9, 11}));

    int effects = 0;
    for (const std::string& entry : host.log) effects += entry == "effect 2";
    EXPECT_EQ(effects, 6) << "one roll sound a press";
}

QRgb Masked(QRgb under, QRgb mask, QRgb image) {
    return qRgb((qRed(under) & qRed(mask)) | qRed(image),
                (qGreen(under) & qGreen(mask)) | qGreen(image),
                (qBlue(under) & qBlue(mask)) | qBlue(image));
}

// The ball of `colour` composed over `into` (board coordinates) with the shared mask.
void ComposeBall(QImage& into, QPoint at, int colour, const QImage& sheet, QPoint origin) {
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 23; ++x) {
            const QPoint p = at + QPoint(x, y) - origin;
            into.setPixel(p, Masked(into.pixel(p), sheet.pixel(kMask.topLeft() + QPoint(x, y)),
                                    sheet.pixel(BallSprite(colour).topLeft() + QPoint(x, y))));
        }
}

TEST(Kolluk, ARollShowsTenFramesOfItsRectangleAndEndsOnThePaintedBoard) {
    RecordingHost host;
    host.levels.hmode = 2;
    Kolluk kolluk(host);
    kolluk.BallColours() = kNumbered;
    kolluk.PaintBoard();
    const QImage before = host.recorder.image().copy();
    host.Restart();

    Press(kolluk, 0, MouseButton::Left);
    ASSERT_EQ(host.recorder.shown.size(), 10u);
    for (const QRect& rect : host.recorder.shown) EXPECT_EQ(rect, kRing0Area);

    // Ring 0 clockwise from the top: places 0, 2, 4, 6, 3, 1; left rolls each ball one back.
    const struct { int from, to; QPoint origin, target; } moves[] = {
        {0, 1, {190, 22}, {126, 58}}, {2, 0, {252, 58}, {190, 22}},  {4, 2, {252, 130}, {252, 58}},
        {6, 4, {190, 167}, {252, 130}}, {3, 6, {126, 130}, {190, 167}}, {1, 3, {126, 58}, {126, 130}},
    };
    for (int f = 1; f <= 10; ++f) {
        QImage expected = host.sheet.copy(kRing0Area);
        for (const auto& m : moves) {
            const QPoint step = m.target - m.origin;
            // Truncating division: -64 * 3 / 10 is -19, not -20.
            const QPoint at(m.origin.x() + step.x() * f / 10 + 6, m.origin.y() + step.y() * f / 10 + 6);
            ComposeBall(expected, at, kNumbered[m.from], host.sheet, kRing0Area.topLeft());
        }
        EXPECT_EQ(host.recorder.pictures[f - 1], expected) << "frame " << f;
    }
    EXPECT_EQ(Kolluk::RollingBallAt(0, 1, 3), QPoint(177, 38));
    EXPECT_EQ(Kolluk::RollingBallAt(2, 0, 3), QPoint(240, 54));

    // Sound first, then ten frames of 30 ms; a ready board gains its ticks at frames 4 and 8.
    std::vector<std::string> order = {"effect 2"};
    for (int f = 1; f <= 10; ++f) {
        order.push_back("show");
        if (f == 4) order.push_back("tick 1");
        if (f == 8) order.push_back("tick 2");
        order.push_back("wait 30");
    }
    EXPECT_EQ(host.log, order);

    // Only the ring's rectangle changed, and it ends as a fresh paint of the new position.
    const QImage rolled = host.recorder.image().copy();
    for (int y = 0; y < 333; ++y)
        for (int x = 0; x < 500; ++x)
            if (!kRing0Area.contains(x, y)) {
                ASSERT_EQ(rolled.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
    EXPECT_NE(rolled, before);
    kolluk.PaintBoard();
    EXPECT_EQ(host.recorder.image(), rolled);

    // The lower rings roll in rectangles of their own, each shown whole in every frame.
    for (const auto& [ring, area] : {std::pair{1, kRing1Area}, std::pair{2, kRing2Area}}) {
        host.Restart();
        Press(kolluk, ring, MouseButton::Right);
        EXPECT_EQ(host.recorder.shown, std::vector<QRect>(10, area)) << "ring " << ring;
    }
}

TEST(Kolluk, ClockGainsTwoPerRollOnlyWhileRunningAndSolvingReports) {
    RecordingHost host;
    Kolluk kolluk(host);
    kolluk.PaintBoard();
    kolluk.BallColours() = kNumbered;

    host.state = kRunning;
    host.ticks = 40;
    Press(kolluk, 1, MouseButton::Right);
    EXPECT_EQ(host.ticks, 42);

    host.state = kReady;
    host.ticks = 0;
    Press(kolluk, 2, MouseButton::Left);
    EXPECT_EQ(host.state, kRunning);
    EXPECT_EQ(host.ticks, 2);

    host.state = kSolved;
    host.Restart();
    Press(kolluk, 2, MouseButton::Right);
    EXPECT_EQ(host.state, kSolved);
    EXPECT_EQ(host.ticks, 2);
    EXPECT_TRUE(std::none_of(host.log.begin(), host.log.end(),
                             [](const std::string& entry) { return entry.starts_with("tick"); }));
    EXPECT_EQ(host.recorder.shown.size(), 10u) << "a solved board still rolls";

    // Level 1 one roll away from solved: the roll that solves it reports, once.
    host.state = kRunning;
    kolluk.BallColours() = kLevel1;
    Press(kolluk, 1, MouseButton::Left);
    EXPECT_FALSE(kolluk.IsSolved());
    EXPECT_EQ(host.solvedReports, 0);
    Press(kolluk, 1, MouseButton::Right);
    EXPECT_TRUE(kolluk.IsSolved());
    EXPECT_EQ(host.solvedReports, 1);
    EXPECT_EQ(host.log.back(), "solved");
}

TEST(Kolluk, SolvedMeansTheRightColourOnEveryPlatform) {
    FakeHost host(test::KollukSheet());
    Kolluk kolluk(host);
    host.levels.hmode = 1;
    // Colour 12 on 3, 4, 6 and 9; 3 on 0 to 2; 2 on 5, 8 and 11; 1 on 7, 10 and 12.
    kolluk.BallColours() = kLevel1;
    EXPECT_TRUE(kolluk.IsSolved());
    // Rolling ring 1 twice one way and twice back passes same-coloured balls around.
    kolluk.Rotate(1, true);
    kolluk.Rotate(1, true);
    EXPECT_FALSE(kolluk.IsSolved());
    kolluk.Rotate(1, false);
    kolluk.Rotate(1, false);
    EXPECT_TRUE(kolluk.IsSolved());
    std::swap(kolluk.BallColours()[0], kolluk.BallColours()[7]);
    EXPECT_FALSE(kolluk.IsSolved());

    host.levels.hmode = 4;
    kolluk.BallColours() = kLevel4;
    EXPECT_TRUE(kolluk.IsSolved());
    host.levels.hmode = 2;
    EXPECT_FALSE(kolluk.IsSolved()) << "the goal follows the level";
    kolluk.BallColours() = kLevel2;
    EXPECT_TRUE(kolluk.IsSolved());
    host.levels.hmode = 3;
    EXPECT_FALSE(kolluk.IsSolved());
    kolluk.BallColours() = kLevel3;
    EXPECT_TRUE(kolluk.IsSolved());
}

TEST(Kolluk, ShuffleStartsSolvedAndDrawsRingDirectionCountPerStep) {
    ScriptedRandom random;
    RecordingHost host(&random);
    host.levels.hmode = 4;
    Kolluk kolluk(host);
    kolluk.BallColours().fill(5);

    // 0 + 100 steps: 49 pairs that undo each other, then ring 0 counter-clockwise once and
    // ring 1 clockwise twice.
    random.script = {0};
    std::vector<int> ranges = {1000};
    for (int pair = 0; pair < 49; ++pair) {
        const int ring = pair % 3, times = pair % 3;
        random.script.insert(random.script.end(), {ring, 0, times, ring, 1, times});
        ranges.insert(ranges.end(), {3, 2, 3, 3, 2, 3});
    }
    random.script.insert(random.script.end(), {0, 1, 0, 1, 0, 1});
    ranges.insert(ranges.end(), {3, 2, 3, 3, 2, 3});
    kolluk.NewBoard();
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(random.ranges, ranges);
    EXPECT_EQ(kolluk.BallColours(), (Balls{13, 4, 2, 11, 12, 9, 6, 8, 3, 10, 5, 1, 7}));
    EXPECT_TRUE(host.log.empty()) << "no animation, no sound, no drawing";

    // The largest count: 999 + 100 steps.
    random.script = {999};
    random.ranges.clear();
    for (int step = 0; step < 1099; ++step) random.script.insert(random.script.end(), {2, 1, 2});
    kolluk.NewBoard();
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(random.ranges.size(), 1u + 3 * 1099);
}

TEST(Kolluk, ChangeLevelCyclesDealsAndRestampsPlatformsAndPicture) {
    RecordingHost host;
    Kolluk kolluk(host);
    host.levels.hmode = 4;
    kolluk.ChangeLevel(MouseButton::Left);
    EXPECT_EQ(host.levels.hmode, 1);
    kolluk.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.hmode, 4);
    kolluk.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.hmode, 3);
    kolluk.ChangeLevel(MouseButton::Middle);
    EXPECT_EQ(host.levels.hmode, 3);
    kolluk.ChangeLevel(MouseButton::Left);
    ASSERT_EQ(host.levels.hmode, 4);
    EXPECT_FALSE(kolluk.IsSolved()) << "every level change deals";

    // Level 4 on the board: its platforms (corners, where no ball lies), its picture, and
    // every ball masked onto its platform.
    const QImage& sheet = test::KollukSheet();
    const QImage& shown = host.recorder.image();
    const QPoint origins[13] = {{190, 22}, {126, 58}, {252, 58}, {126, 130}, {252, 130},
                                {64, 167}, {190, 167}, {315, 167}, {64, 239}, {190, 239},
                                {315, 239}, {126, 275}, {252, 275}};
    auto platformShows = [&](int level) {
        for (int i = 0; i < 13; ++i)
            for (QPoint corner : {QPoint(4, 4), QPoint(30, 4), QPoint(4, 30), QPoint(30, 30)})
                if (shown.pixel(origins[i] + corner) != sheet.pixel(Platform(i, level).topLeft() + corner))
                    return false;
        return true;
    };
    EXPECT_TRUE(platformShows(4));
    EXPECT_EQ(shown.copy(kLevelPicture), sheet.copy(QRect(500, 150, 45, 50)));
    for (int i = 0; i < 13; ++i) {
        QImage expected = sheet.copy(Platform(i, 4));
        ComposeBall(expected, QPoint(6, 6), kolluk.BallColours()[i], sheet, QPoint(0, 0));
        EXPECT_EQ(shown.copy(QRect(origins[i], QSize(35, 35))).copy(6, 6, 23, 23),
                  expected.copy(6, 6, 23, 23))
            << "place " << i;
    }

    kolluk.ChangeLevel(MouseButton::Right);
    EXPECT_EQ(host.levels.hmode, 3);
    EXPECT_TRUE(platformShows(3));
    EXPECT_FALSE(platformShows(4));
    EXPECT_EQ(shown.copy(kLevelPicture), sheet.copy(QRect(500, 100, 45, 50)));
    // The stamps went into the board picture itself, so later patches show them too.
    EXPECT_EQ(host.sheet.copy(QRect(origins[7], QSize(35, 35))), sheet.copy(Platform(7, 3)));
    EXPECT_EQ(host.sheet.copy(QRect(0, 0, 100, 100)), sheet.copy(QRect(0, 0, 100, 100)));
}

}  // namespace
}  // namespace spindora::kolluk
