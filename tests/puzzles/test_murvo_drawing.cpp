#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "puzzles/MurvoRules.h"
#include "puzzles/murvo/Murvo.h"

namespace spindora::murvo {
namespace {

using namespace test::murvo_rules;

// A board that keeps a picture of every rectangle it is asked to show.
class FilmedBox final : public BoardBox {
public:
    QImage& image() override { return inner.image(); }
    void show(const QRect& rect) override {
        shown.push_back(rect);
        frames.push_back(inner.image().copy());
    }
    ImageBoardBox inner;
    std::vector<QRect> shown;
    std::vector<QImage> frames;
};

// It also notes when the sound starts and what the model and the game state were while
// the frames went by.
class FilmedHost final : public test::FakeHost {
public:
    FilmedHost() : FakeHost(test::MurvoSheet()) {}
    BoardBox& box() override { return filmed; }
    void PlayEffect(int effect) override {
        effects.push_back(effect);
        framesAtEffect.push_back(filmed.frames.size());
    }
    void WaitMs(unsigned ms) override {
        waited += ms;
        if (watched) boardsAtWaits.push_back(watched->State().board);
        statesAtWaits.push_back(state);
    }
    FilmedBox filmed;
    const Murvo* watched = nullptr;
    std::vector<size_t> framesAtEffect;
    std::vector<Board> boardsAtWaits;
    std::vector<uint8_t> statesAtWaits;
};

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kSilver = 0xFFC0C0C0u;

QRgb Masked(QRgb under, QRgb mask, QRgb image) {
    return qRgb((qRed(under) & qRed(mask)) | qRed(image), (qGreen(under) & qGreen(mask)) | qGreen(image),
                (qBlue(under) & qBlue(mask)) | qBlue(image));
}

// Sprite rectangles of the sheet as the layout of b4.bmp gives them.
QRect DiscImageAt(int row, int variant) { return {500 + 25 * variant, 25 * row, 25, 25}; }
QRect SmallImageAt(int row, int variant) { return {500 + 12 * variant, 175 + 12 * row, 12, 12}; }
const QRect kMask(500, 150, 25, 25), kSmallMask(500, 247, 12, 12);

// Whether a square of `shown` at `at` is exactly the masked sprite over `under`.
bool ShowsSprite(const QImage& shown, QPoint at, const QImage& under, QPoint underAt,
                 const QImage& sheet, QRect mask, QRect image) {
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb want = Masked(under.pixel(underAt.x() + x, underAt.y() + y),
                                     sheet.pixel(mask.x() + x, mask.y() + y),
                                     sheet.pixel(image.x() + x, image.y() + y));
            if (shown.pixel(at.x() + x, at.y() + y) != want) return false;
        }
    return true;
}

// A line is there if a pixel next to its point at `t` of the way has the colour.
bool LineColourNear(const QImage& image, QPoint a, QPoint b, double t, QRgb colour) {
    const int x = static_cast<int>(a.x() + (b.x() - a.x()) * t + 0.5);
    const int y = static_cast<int>(a.y() + (b.y() - a.y()) * t + 0.5);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(x + dx, y + dy) == colour) return true;
    return false;
}

const std::vector<std::pair<int, int>> kInnerLines = {
    {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 1}, {1, 7}, {1, 8}, {2, 9}, {2, 10},
    {3, 11}, {3, 12}, {4, 13}, {4, 14}, {5, 15}, {5, 16}, {6, 17}, {6, 18}, {7, 8},
    {8, 9}, {9, 10}, {10, 11}, {11, 12}, {12, 13}, {13, 14}, {14, 15}, {15, 16},
    {16, 17}, {17, 18}, {18, 7}};
const std::vector<std::pair<int, int>> kFullLines = {
    {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 1}, {1, 19}, {1, 21}, {2, 22}, {2, 24},
    {3, 25}, {3, 27}, {4, 28}, {4, 30}, {5, 31}, {5, 33}, {6, 34}, {6, 36}, {7, 20},
    {8, 20}, {9, 23}, {10, 23}, {11, 26}, {12, 26}, {13, 29}, {14, 29}, {15, 32},
    {16, 32}, {17, 35}, {18, 35}, {19, 21}, {21, 22}, {22, 24}, {24, 25}, {25, 27},
    {27, 28}, {28, 30}, {30, 31}, {31, 33}, {33, 34}, {34, 36}, {36, 19}, {8, 9},
    {10, 11}, {12, 13}, {14, 15}, {16, 17}, {18, 7}};

QPoint CleanPoint(int p) { return {kOffset[p][0] + 503, kOffset[p][1] + 167}; }
QPoint PatternPoint(int p) { return {kOffset[p][0] / 2 + 400, kOffset[p][1] / 2 + 100}; }

TEST(MurvoDrawing, BoardShowsTheLevelsGridsDiscsPatternAndFigure) {
    for (const int level : {1, 4, 5, 10}) {
        SCOPED_TRACE(level);
        FilmedHost host;
        host.levels.rmode = level;
        Murvo murvo(host);
        murvo.NewBoard();
        murvo.PaintBoard();
        const Position& state = murvo.State();
        const QImage& sheet = host.sheet;
        const QImage& off = host.offScreen;
        const QImage& shown = host.filmed.image();
        const int places = level <= 4 ? 18 : 36;

        // White lines in the clean copy and silver ones in the pattern: 30 or 48 of each.
        const auto& lines = level <= 4 ? kInnerLines : kFullLines;
        for (const auto& [a, b] : lines) {
            EXPECT_TRUE(LineColourNear(off, CleanPoint(a), CleanPoint(b), 0.5, kWhite)) << a << "-" << b;
            // Long spokes pass under a small disc at their middle; look beside it too.
            EXPECT_TRUE(LineColourNear(shown, PatternPoint(a), PatternPoint(b), 0.5, kSilver) ||
                        LineColourNear(shown, PatternPoint(a), PatternPoint(b), 0.3, kSilver))
                << a << "-" << b;
        }
        if (level <= 4) {
            // The long spokes of the full grid run on past the middle ring: not at these levels.
            for (const auto& [a, b] : kFullLines) {
                if (b < 19) continue;
                const QPoint p = CleanPoint(a) + (CleanPoint(b) - CleanPoint(a)) * 0.8;
                EXPECT_EQ(off.pixel(p), sheet.pixel(p - QPoint(333, 0))) << a << "-" << b;
            }
        }

        // Every place of the level shows its disc, masked onto the clean board; places of
        // other levels show the bare board.
        for (int p = 1; p <= 36; ++p) {
            const uint8_t code = state.board[p - 1];
            const uint8_t target = state.Pattern(level)[p - 1];
            if (p <= places) {
                EXPECT_TRUE(ShowsSprite(shown, DiscAt(p), off, DiscAt(p) + QPoint(333, 0), sheet, kMask,
                                        DiscImageAt(state.colourRows[code / 10 - 1], code % 10)))
                    << "disc " << p;
                // The small disc is the pattern's disc in the same mapping as the board's.
                const QRect image = SmallImageAt(state.colourRows[target / 10 - 1], target % 10);
                const QPoint inside = SmallDiscAt(p) + QPoint(6, 6);
                EXPECT_EQ(shown.pixel(inside), sheet.pixel(image.topLeft() + QPoint(6, 6))) << "small " << p;
            } else {
                EXPECT_EQ(shown.copy(QRect(DiscAt(p), QSize(25, 25))), sheet.copy(QRect(DiscAt(p), QSize(25, 25))));
                EXPECT_EQ(shown.copy(QRect(SmallDiscAt(p), QSize(12, 12))),
                          sheet.copy(QRect(SmallDiscAt(p), QSize(12, 12))));
            }
        }
        const QRect figure = level <= 4 ? QRect(536, 109 + 41 * level, 40, 41) : QRect(576, 41 * level - 205, 40, 41);
        EXPECT_EQ(shown.copy(QRect(430, 270, 40, 41)), sheet.copy(figure));
        EXPECT_EQ(shown.pixel(480, 320), sheet.pixel(480, 320));
        EXPECT_EQ(shown.pixel(10, 10), sheet.pixel(10, 10));
        EXPECT_EQ(host.filmed.shown.size(), 1u + places) << "the board, then each disc";
    }
}

TEST(MurvoDrawing, HexagonSlidesInFourFramesWithoutDiscsErasingEachOther) {
    FilmedHost host;
    host.levels.rmode = 7;
    Murvo murvo(host);
    murvo.NewBoard();
    murvo.PaintBoard();
    const Board before = murvo.State().board;
    host.filmed.shown.clear();
    host.filmed.frames.clear();
    host.watched = &murvo;
    murvo.BoardMouseDown(170, 167, MouseButton::Right);

    // The sound first, then the frames over the old position, and only then the model
    // turns and the clock starts.
    EXPECT_EQ(host.effects, std::vector<int>{4});
    EXPECT_EQ(host.framesAtEffect, std::vector<size_t>{0});
    EXPECT_EQ(host.boardsAtWaits, std::vector<Board>(4, before));
    EXPECT_EQ(host.statesAtWaits, std::vector<uint8_t>(4, kReady));
    Board turned = before;
    TurnRingClockwise(turned, 0);
    EXPECT_EQ(murvo.State().board, turned);
    EXPECT_EQ(host.state, kRunning);

    // Starts span x 124..192 and y 115..195; the frame covers them plus a disc.
    ASSERT_EQ(host.filmed.shown.size(), 4u);
    for (const QRect& rect : host.filmed.shown) EXPECT_EQ(rect, QRect(124, 115, 93, 105));
    EXPECT_EQ(host.waited, 160u);
    for (int f = 1; f <= 4; ++f) {
        const QImage& frame = host.filmed.frames[f - 1];
        for (int k = 0; k < 6; ++k) {
            const int from = k + 1, to = (k + 1) % 6 + 1;
            const QPoint way = DiscAt(to) - DiscAt(from);
            const QPoint at = DiscAt(from) + QPoint(way.x() * f / 4, way.y() * f / 4);
            const uint8_t code = before[from - 1];
            const QRect image = DiscImageAt(murvo.State().colourRows[code / 10 - 1], code % 10);
            // The middle of each moving disc is whole in every frame.
            for (int y = 8; y < 17; ++y)
                for (int x = 8; x < 17; ++x)
                    ASSERT_EQ(frame.pixel(at.x() + x, at.y() + y), host.sheet.pixel(image.x() + x, image.y() + y))
                        << "frame " << f << " disc " << k << " at " << x << "," << y;
        }
    }
}

TEST(MurvoDrawing, AfterEveryMoveTheScreenIsWhatPaintBoardDraws) {
    for (const int level : {2, 9}) {
        test::FakeHost host(test::MurvoSheet());
        host.levels.rmode = level;
        Murvo murvo(host);
        murvo.NewBoard();
        murvo.PaintBoard();
        int turn = 0;
        for (const int move : level <= 4 ? kInnerOffer : kFullOffer) {
            const QPoint at = HotSpot(move);
            murvo.BoardMouseDown(at.x(), at.y(), ++turn % 2 ? MouseButton::Left : MouseButton::Right);
            const QImage afterMove = host.board.image().copy();
            murvo.PaintBoard();
            ASSERT_EQ(afterMove, host.board.image()) << "level " << level << " move " << move;
        }
    }
}

}  // namespace
}  // namespace spindora::murvo
