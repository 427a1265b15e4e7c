// The game on screens with more device pixels than board pixels. Run once as the suite
// runs (1:1) and once more with QT_SCALE_FACTOR=2, where the window holds its board at
// twice the density.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "TestSupport.h"
#include "assets/EmbeddedAssets.h"
#include "dialogs/MessageDialogs.h"
#include "puzzles/MurvoRules.h"
#include "assets/Raster.h"
#include "puzzles/pluf/PlufSheet.h"
#include "game/FakeShell.h"
#include "game/PuzzleRegistry.h"
#include "pictures/BoardPicture.h"
#include "shell/ClockWidget.h"
#include "game/PuzzleDescriptors.h"
#include "shell/ShownMainForm.h"
#include "shell/ScopedEnv.h"
#include "pictures/SheetCache.h"

namespace spindora {
namespace {

const QString kBuildDir = QStringLiteral(SPINDORA_BUILD_DIR);

// Device pixels per board pixel that the environment asks of the screen.
int ScreenScale() { return std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR")); }

// One press that makes a move on each board (the board opens at level 1), in board pixels.
struct Press {
    Mode mode;
    QPoint at;
};
const Press kPresses[] = {
    {0, {79, 79}},                                   // the top left ZIBBO
    {1, {207, 112}},                                 // the upper ring of KOLLUK
    {2, pluf::PlateCorner(1) + QPoint(37, 37)},      // the middle of the first plate
    {3, test::murvo_rules::HotSpot(0)},              // the first MURVO move
};

// The dense board averaged back to board pixels, to set beside the 1:1 board.
QImage Averaged(const QImage& dense, int scale) {
    QImage out(dense.width() / scale, dense.height() / scale, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) {
                    const QRgb p = dense.pixel(x * scale + dx, y * scale + dy);
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            const int n = scale * scale;
            out.setPixel(x, y, qRgb(r / n, g / n, b / n));
        }
    return out;
}

// The largest mean difference per colour channel over the 8 x 8 tiles of two boards: a
// piece in the wrong place, of the wrong kind or left over from a move shows as a tile far
// apart, while the same drawing at two densities stays close everywhere.
int WorstTile(const QImage& a, const QImage& b, QPoint* where) {
    constexpr int kTile = 8;
    int worst = 0;
    for (int ty = 0; ty + kTile <= a.height(); ty += kTile)
        for (int tx = 0; tx + kTile <= a.width(); tx += kTile) {
            int sum = 0;
            for (int y = ty; y < ty + kTile; ++y)
                for (int x = tx; x < tx + kTile; ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                           std::abs(qBlue(p) - qBlue(q));
                }
            const int mean = sum / (3 * kTile * kTile);
            if (mean > worst) {
                worst = mean;
                *where = QPoint(tx, ty);
            }
        }
    return worst;
}

// The share of aligned 2 x 2 blocks of device pixels that are not all one colour.
double MixedBlockShare(const QImage& board) {
    int mixed = 0, blocks = 0;
    for (int y = 0; y + 1 < board.height(); y += 2)
        for (int x = 0; x + 1 < board.width(); x += 2) {
            const QRgb p = board.pixel(x, y);
            ++blocks;
            if (board.pixel(x + 1, y) != p || board.pixel(x, y + 1) != p ||
                board.pixel(x + 1, y + 1) != p)
                ++mixed;
        }
    return double(mixed) / blocks;
}

TEST(DenseScreen, EveryBoardAgreesWithTheOneToOneBoardAfterADealAndAPress) {
    const int scale = ScreenScale();
    SeededRandom random(5), sameRandom(5);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    const QImage& shown = form->boardWidget()->image();
    ASSERT_EQ(shown.size(), QSize(500 * scale, 333 * scale));
    EXPECT_EQ(form->size(), QSize(500, 366)) << "the window keeps its size in board pixels";

    test::FakeView view;
    GameFlow reference(view, sameRandom, kBuildDir);
    InstallPuzzles(reference);
    view.flow = &reference;
    ShellSettings settings;
    settings.tongue = 0;
    ASSERT_TRUE(reference.FormCreate(settings));

    for (const Press& press : kPresses) {
        SCOPED_TRACE(testing::Message() << "mode " << int(press.mode));
        flow.SwitchMode(press.mode);
        reference.SwitchMode(press.mode);
        reference.boxPaint();
        ASSERT_EQ(flow.CurrentMode(), press.mode);
        for (const char* step : {"dealt", "pressed"}) {
            SCOPED_TRACE(step);
            QPoint where;
            const int worst = WorstTile(Averaged(shown, scale), view.board.image(), &where);
            // The same drawing at two densities stays within about 27 (thin lines fall half
            // a board pixel apart); a piece moved, missing or of another kind gives 70 and up.
            EXPECT_LE(worst, 40) << "the boards part at board pixel " << where.x() << ", "
                                 << where.y();
            if (scale >= 2) {
                const double share = MixedBlockShare(shown);
                EXPECT_GE(share, 0.25) << "the board is the 1:1 picture pixel-doubled";
                std::printf("board %d %s: %.0f %% of 2 x 2 blocks differ\n", press.mode + 1,
                            step, 100 * share);
            }
            flow.boxMouseDown(press.at.x(), press.at.y(), MouseButton::Left);
            reference.boxMouseDown(press.at.x(), press.at.y(), MouseButton::Left);
            ASSERT_EQ(flow.GameState(press.mode), kRunning);
        }
    }
}

TEST(DenseScreen, ClockAndDialogFaceHoldTheScreensPixels) {
    const int scale = ScreenScale();
    SeededRandom random(5);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    const QImage clock = form->timbox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(clock.size(), QSize(77, 20) * scale);

    QWidget main;
    Tongue tongue{0};
    MessageDlg done(DoneDlgLayout(), &main, tongue, Bitmaps(kDialogBackgroundItem));
    done.msg()->clear();
    const QImage shot = done.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(250, 125) * scale);
    // Under the message frame and left of the button only the picture shows, logo and all.
    const QImage face = shot.copy(QRect(QPoint(1, 54) * scale, QSize(166, 70) * scale));
    if (scale < 2) return;
    const struct {
        const char* what;
        const QImage& image;
    } pictures[] = {{"the clock", clock}, {"the dialog face", face}};
    for (const auto& picture : pictures) {
        const double share = MixedBlockShare(picture.image);
        EXPECT_GE(share, 0.25) << picture.what << " is its 1:1 picture pixel-doubled";
        std::printf("%s: %.0f %% of 2 x 2 blocks differ\n", picture.what, 100 * share);
    }
}

// Where each sheet keeps its masks at 1:1, in board pixels.
struct MaskPlace {
    const char* file;
    QRect rect;
};
const MaskPlace kMasks[] = {
    {"b1", {734, 0, 78, 78}},      // the ZIBBO dial
    {"b2", {299, 473, 23, 23}},    // the KOLLUK ball
    {"b3", {575, 0, 75, 75}},      // PLUF plates, phase 0 to 3
    {"b3", {575, 75, 75, 75}},
    {"b3", {575, 150, 75, 75}},
    {"b3", {575, 225, 75, 75}},
    {"b3", {575, 300, 75, 75}},    // the window a turning PLUF plate clears
    {"b3", {0, 333, 16, 16}},      // the PLUF button
    {"b4", {500, 150, 25, 25}},    // the MURVO disc
    {"b4", {500, 247, 12, 12}},    // and the small pattern disc
};

bool Opaque(const QImage& mask, int x, int y) { return (mask.pixel(x, y) & 0xFFFFFF) == 0; }

// The dense sheet the game shows at `scale`, read beside the program or painted; null
// where the game would fall back to the 1:1 sheet.
QImage DenseSheet(const char* file, int scale) {
    const QString path = kBuildDir + file + ".bmp";
    const QImage one(path);
    for (const Mode mode : kAllModes) {
        if (!path.endsWith(QLatin1String(Describe(mode).pictureFile))) continue;
        testing::internal::CaptureStderr();
        const QImage dense =
            DenseBoardPicture(path, one, scale, one.size(), Describe(mode).paintSheet);
        return testing::internal::GetCapturedStderr().empty() ? dense : QImage();
    }
    return {};
}

TEST(DenseScreen, DenseMasksCoverTheOneToOneAreaToWithinOneDevicePixel) {
    // The sheets do not depend on the screen, and painting those at 3 takes seconds.
    if (ScreenScale() != 1) GTEST_SKIP() << "checked in the run at 1:1";
    for (const int scale : {2, 3}) {
        std::map<std::string, QImage> sheets;
        for (const MaskPlace& place : kMasks) {
            SCOPED_TRACE(testing::Message() << place.file << " at " << scale << "x, "
                                            << place.rect.x() << "," << place.rect.y());
            const QImage one(kBuildDir + place.file + ".bmp");
            QImage& dense = sheets[place.file];
            if (dense.isNull()) dense = DenseSheet(place.file, scale);
            ASSERT_FALSE(one.isNull());
            ASSERT_FALSE(dense.isNull());
            const QImage m1 = one.copy(place.rect);
            const QImage m2 = dense.copy(QRect(place.rect.topLeft() * scale, place.rect.size() * scale));
            int opaque = 0;
            for (int y = 0; y < m2.height(); ++y)
                for (int x = 0; x < m2.width(); ++x) {
                    const QRgb p = m2.pixel(x, y) & 0xFFFFFF;
                    ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << "masks are pure black and white";
                    const bool was = Opaque(m1, x / scale, y / scale);
                    opaque += Opaque(m2, x, y);
                    if (Opaque(m2, x, y) == was) continue;
                    // Only along the edge: a device pixel away the 1:1 mask changes (and
                    // beyond the sprite's square nothing is covered).
                    bool nearEdge = false;
                    for (int dy = -1; dy <= 1 && !nearEdge; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int nx = x + dx, ny = y + dy;
                            const bool inside = nx >= 0 && ny >= 0 && nx < m2.width() && ny < m2.height();
                            if ((inside && Opaque(m1, nx / scale, ny / scale)) != was) nearEdge = true;
                        }
                    ASSERT_TRUE(nearEdge) << "device pixel " << x << ", " << y;
                }
            EXPECT_GT(opaque, 0);
        }
    }
}

TEST(DenseScreen, DamagedDenseSheetFallsBackToTheOneToOneSheetScaledUp) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString programDir = dir.path() + '/';
    for (const char* name : {"b1.bmp", "b3.bmp", "b1@2x.png", "b3@2x.png"})
        ASSERT_TRUE(QFile::copy(kBuildDir + name, programDir + name)) << name;
    QFile damaged(programDir + "b3@2x.png");
    ASSERT_TRUE(damaged.resize(damaged.size() / 2));

    test::FakeView dense, plain;
    dense.board = ImageBoardBox(2);
    SeededRandom random(9), sameRandom(9);
    GameFlow flow(dense, random, programDir), reference(plain, sameRandom, programDir);
    for (GameFlow* f : {&flow, &reference}) {
        InstallPuzzles(*f);
        ShellSettings settings;
        settings.tongue = 0;
        ASSERT_TRUE(f->FormCreate(settings));
    }
    dense.flow = &flow;
    plain.flow = &reference;

    testing::internal::CaptureStderr();
    flow.SwitchMode(2);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("b3@2x.png"), std::string::npos) << said;
    ASSERT_EQ(flow.CurrentMode(), 2) << "the game goes on with PLUF";
    EXPECT_TRUE(dense.failures.empty());

    reference.SwitchMode(2);
    const QPoint plate = pluf::PlateCorner(1) + QPoint(37, 37);
    flow.boxMouseDown(plate.x(), plate.y(), MouseButton::Left);
    reference.boxMouseDown(plate.x(), plate.y(), MouseButton::Left);
    const QImage& one = plain.board.image();
    const QImage doubled = one.scaled(one.size() * 2).convertToFormat(QImage::Format_RGB32);
    QImage shown = dense.board.image();
    shown.setDevicePixelRatio(1);
    EXPECT_TRUE(shown == doubled) << "PLUF is drawn from its 1:1 sheet, pixel for two";
}

// The ZIBBO sheet at 3x, painted once for every test here; and how often the game paints it.
const QImage& ZibboAtThree() {
    static const QImage sheet = ToRasterFormat(Describe(kZibbo).paintSheet(3));
    return sheet;
}
int zibboPaints = 0;
QImage CountedZibbo(int scale) {
    ++zibboPaints;
    return scale == 3 ? ZibboAtThree() : Describe(kZibbo).paintSheet(scale);
}

TEST(DenseScreen, SheetsPaintedAtThreeAreKeptAndPaintedAgainWhenTheKeptOneIsDamagedOrForeign) {
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    const test::ScopedEnv cacheHome("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    const QString path = kBuildDir + "b1.bmp";
    const QImage one(path);
    const QString kept = KeptSheetPath(path, one, 3);
    EXPECT_TRUE(kept.startsWith(cache.path() + "/spindora/")) << kept.toStdString();
    // What an older game kept goes with the first sheet this one keeps; the player's own
    // file beside it stays.
    ASSERT_TRUE(QDir().mkpath(cache.path() + "/spindora/0.9"));
    ASSERT_TRUE(QFile::copy(kBuildDir + "b1@2x.png", cache.path() + "/spindora/0.9/b1@3x-0badf00d.png"));
    ASSERT_TRUE(QFile::copy(kBuildDir + "b1@2x.png", cache.path() + "/spindora/notes.png"));

    const auto cutShort = [&] { QFile f(kept); ASSERT_TRUE(f.resize(f.size() / 2)); };
    const auto foreign = [&] {
        QFile::remove(kept);
        ASSERT_TRUE(QFile::copy(kBuildDir + "b1@2x.png", kept));
    };
    const auto unwritable = [&] {
        // A file where the cache's folder belongs: nothing can be kept beneath it.
        QFile::remove(kept);
        QFile blocker(cache.path() + "/blocked");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_CACHE_HOME", blocker.fileName().toLocal8Bit());
    };
    const struct {
        const char* what;
        std::function<void()> before;
        int paints;
        bool keptAfter;
    } steps[] = {
        {"first time", [] {}, 1, true},
        {"kept", [] {}, 0, true},
        {"kept one cut short", cutShort, 1, true},
        {"kept one a picture of another size", foreign, 1, true},
        {"cache not writable", unwritable, 1, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.before();
        const int paintsBefore = zibboPaints;
        testing::internal::CaptureStderr();
        QImage shown = DenseBoardPicture(path, one, 3, one.size(), CountedZibbo);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(zibboPaints - paintsBefore, step.paints);
        EXPECT_LE(std::count(said.begin(), said.end(), '\n'), step.keptAfter ? 0 : 1) << said;
        EXPECT_EQ(shown.devicePixelRatio(), 3.0);
        shown.setDevicePixelRatio(1);
        EXPECT_TRUE(shown == ZibboAtThree()) << "the sheet shown is the one painted";
        EXPECT_EQ(ReadKeptSheet(kept, one.size() * 3) == ZibboAtThree(), step.keptAfter);
    }
    EXPECT_FALSE(QFileInfo::exists(cache.path() + "/spindora/0.9"));
    EXPECT_TRUE(QFileInfo::exists(cache.path() + "/spindora/notes.png"));
}

}  // namespace
}  // namespace spindora
