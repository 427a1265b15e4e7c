// The installed game, played like a player plays it: installed into a scratch prefix,
// started through its command link on a private X server, and driven with real mouse
// clicks and key presses. Each puzzle is solved from a known seed by presses worked out
// here from a replay of the same deals; the clock is read off the screen, the highscores
// are typed in, and the settings file is checked after the end question closed the game.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <array>
#include <vector>

#include "assets/EmbeddedAssets.h"
#include "dialogs/HighscoreList.h"
#include "e2e/XSession.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/pluf/PlufSheet.h"
#include "puzzles/zibbo/Zibbo.h"
#include "shell/KollukSolver.h"
#include "shell/MurvoSolver.h"
#include "shell/PlufDeal.h"
#include "settings/SettingsStore.h"
#include "shell/Startup.h"
#include "shell/ZibboDeal.h"

namespace spindora {
namespace {

using test::XSession;

constexpr uint64_t kSeed = 20;
const QString kPlayer = QStringLiteral("Ada Tester");

// Window sizes a player tells the windows apart by.
constexpr QSize kMessage(250, 125), kHighscores(320, 200);
constexpr int kToolBar = 33;

struct Press {
    QPoint at;   // board coordinates
    int button;  // 1 left, 3 right
};
using Plan = std::vector<Press>;

// ZIBBO: each dial undoes the deal's net turn the short way round; a left click turns
// forward, a right click back.
Plan ZibboPlan(uint64_t seed) {
    const std::array<int, 9> net = test::NetTurnsOfDeal(seed);
    Plan plan;
    for (int k = 0; k < 9; ++k) {
        const int forward = ((net[k] % 12) + 12) % 12;
        const bool back = forward <= 6;
        for (int n = back ? forward : 12 - forward; n > 0; --n)
            plan.push_back({zibbo::PiecePosition(k) + QPoint(39, 39), back ? 3 : 1});
    }
    return plan;
}

Plan KollukPlan(const kolluk::Kolluk& kolluk) {
    using namespace test::kolluk_rules;
    Balls dealt;
    std::copy(kolluk.BallColours().begin(), kolluk.BallColours().end(), dealt.begin());
    Plan plan;
    for (const Roll& roll : ShortestSolution(dealt, kLevel1))
        plan.push_back({kRingPress[roll.ring], roll.clockwise ? 3 : 1});
    return plan;
}

// PLUF: undo each plate's net turn the short way round, on the model, until it is solved.
Plan PlufPlan(pluf::Pluf& pluf, const std::array<int, 23>& net) {
    Plan plan;
    for (int plate = 1; plate <= pluf.Count() && !pluf.IsSolved(); ++plate) {
        const int left = ((net[plate] % 6) + 6) % 6;
        const bool clockwise = left <= 3;
        for (int n = clockwise ? left : 6 - left; n > 0 && !pluf.IsSolved(); --n) {
            pluf.TurnData(plate, clockwise ? pluf::Turn::Clockwise : pluf::Turn::CounterClockwise);
            plan.push_back({pluf::PlateCorner(plate) + QPoint(37, 37), clockwise ? 3 : 1});
        }
    }
    return plan;
}

Plan MurvoPlan(const murvo::Murvo& murvo) {
    using namespace test::murvo_rules;
    const Board levelOne = {11, 11, 31, 31, 51, 51, 11, 11, 11, 11, 31, 31, 31, 31, 51, 51, 51, 51};
    Plan plan;
    for (const int step : Solve(Pack(murvo.State().board), Pack(levelOne)))
        plan.push_back({HotSpot(step / 2), step % 2 ? 3 : 1});
    return plan;
}

// The presses that solve the four deals the game makes from `seed` when it starts on
// ZIBBO at level 1 and the player visits KOLLUK, PLUF and MURVO in this order: the same
// deals, replayed here off screen by the same program code.
std::array<Plan, 4> Plans(uint64_t seed) {
    test::RecordingRandom random(seed);
    auto form = CreateMainForm(random, QStringLiteral(SPINDORA_BUILD_DIR));
    std::array<Plan, 4> plans;
    if (!form) return plans;
    GameFlow& flow = form->flow();
    plans[0] = ZibboPlan(seed);
    flow.SwitchMode(1);
    plans[1] = KollukPlan(static_cast<kolluk::Kolluk&>(*flow.PuzzleOf(1)));
    random.draws.clear();
    flow.SwitchMode(2);
    plans[2] = PlufPlan(static_cast<pluf::Pluf&>(*flow.PuzzleOf(2)), test::NetTurns(random.draws));
    EXPECT_TRUE(static_cast<pluf::Pluf&>(*flow.PuzzleOf(2)).IsSolved());
    flow.SwitchMode(3);
    plans[3] = MurvoPlan(static_cast<murvo::Murvo&>(*flow.PuzzleOf(3)));
    flow.FormClose();
    return plans;
}

// Pixel by pixel in colour alone: a screenshot file carries a colour space and an alpha
// channel that the program's own pictures do not.
bool SameColours(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qRgb(qRed(a.pixel(x, y)), qGreen(a.pixel(x, y)), qBlue(a.pixel(x, y))) !=
                qRgb(qRed(b.pixel(x, y)), qGreen(b.pixel(x, y)), qBlue(b.pixel(x, y))))
                return false;
    return true;
}

// The number the clock shows, read cell by cell against the digit strip: six cells 11 x 20
// at x = 312 + 13 i, y = 7 of the window; a cell is a digit 0..9 (strip x = 11 digit) or
// blank (strip x = 110). -1 when a cell matches nothing.
int ReadClock(const QImage& screen, QPoint window) {
    const QImage strip = Bitmaps(kDigitStripItem).convertToFormat(QImage::Format_RGB32);
    int value = 0;
    for (int i = 0; i < 6; ++i) {
        const QImage cell = screen.copy(window.x() + 312 + 13 * i, window.y() + 7, 11, 20);
        int digit = -1;
        for (int d = 0; d <= 10 && digit < 0; ++d)
            if (SameColours(cell, strip.copy(11 * d, 0, 11, 20))) digit = d;
        if (digit < 0) {
            // Kept for whoever reads the failure.
            const QString path = QDir::temp().filePath(QStringLiteral("spindora-e2e-clock.png"));
            screen.save(path);
            strip.save(QDir::temp().filePath(QStringLiteral("spindora-e2e-strip.png")));
            ADD_FAILURE() << "clock cell " << i << " shows no digit; the screen is in " << path.toStdString();
            return -1;
        }
        if (digit < 10) value = value * 10 + digit;
    }
    return value;
}

bool Install(const QString& prefix) {
    QProcess install;
    install.start(QStringLiteral(CMAKE_COMMAND), {QStringLiteral("--install"), QStringLiteral(SPINDORA_BUILD_DIR),
                                                  QStringLiteral("--prefix"), prefix});
    return install.waitForFinished(60000) && install.exitStatus() == QProcess::NormalExit &&
           install.exitCode() == 0;
}

TEST(InstalledGame, FourPuzzlesSolvedWithTheMouseLeaveTheirHighscoresInTheSettings) {
    if (const QString missing = test::MissingProgram({"Xvfb", "xdotool", "import"}); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    const XSession x;
    if (!x.IsUp()) GTEST_SKIP() << "Xvfb did not start";

    const std::array<Plan, 4> plans = Plans(kSeed);
    for (const Plan& plan : plans) {
        ASSERT_FALSE(plan.empty());
        ASSERT_LE(plan.size(), 60u) << "a long solve would slow the test down";
    }

    QTemporaryDir scratch;
    const QString prefix = scratch.filePath(QStringLiteral("usr"));
    ASSERT_TRUE(Install(prefix));
    const QString settings = scratch.filePath(QStringLiteral("V1.conf"));
    ASSERT_TRUE(test::WriteNewFile(settings, "[common]\ntongue=0\n"));
    QDir(scratch.path()).mkpath(QStringLiteral("elsewhere"));
    QProcess game;
    const QProcessEnvironment environment = x.GameEnvironment(scratch.path());
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(scratch.filePath(QStringLiteral("elsewhere")));
    game.setProcessChannelMode(QProcess::ForwardedChannels);
    game.start(prefix + QStringLiteral("/games/spindora"),
               {QStringLiteral("--seed"), QString::number(kSeed), QStringLiteral("--config"), settings});
    ASSERT_TRUE(game.waitForStarted(5000));
    struct Ender {
        QProcess& game;
        ~Ender() {
            if (game.state() == QProcess::NotRunning) return;
            game.kill();
            game.waitForFinished(3000);
        }
    } ender{game};

    const auto board = x.PastSplash();
    ASSERT_TRUE(board) << "no main window, or no splash that a click takes away";
    const QPoint window = *board - QPoint(0, kToolBar);
    EXPECT_EQ(ReadClock(x.Screenshot(), window), 0) << "a fresh deal shows 0";

    std::array<int, 4> times{};
    for (int mode = 0; mode < 4; ++mode) {
        SCOPED_TRACE(mode);
        if (mode > 0) x.Click(window + QPoint(176 + 24 * mode + 12, 16));  // the puzzle's tool-bar button
        for (const Press& press : plans[mode]) x.Click(*board + press.at, press.button);
        const auto done = x.WaitForWindow(kMessage, 30000);
        ASSERT_TRUE(done) << "the last press did not solve the puzzle";
        x.Click(done->frame.topLeft() + QPoint(168 + 35, 88 + 13));  // OK
        const auto list = x.WaitForWindow(kHighscores, 5000);
        ASSERT_TRUE(list) << "no highscore list after the solve";
        // The new time tops an empty list: its name box lies over row 0.
        x.Click(list->frame.topLeft() + QPoint(60 + 70, 20 + 7));
        x.Key(QStringLiteral("ctrl+a"));
        x.Type(kPlayer);
        x.Key(QStringLiteral("Return"));
        ASSERT_TRUE(x.WaitUntilGone(kHighscores, 5000)) << "Enter did not close the list";
        times[mode] = ReadClock(x.Screenshot(), window);
        EXPECT_GT(times[mode], 0) << "the clock did not run";
    }
    // The clock stands still on a solved puzzle.
    QThread::msleep(450);
    EXPECT_EQ(ReadClock(x.Screenshot(), window), times[3]);

    x.Click(window + QPoint(148 + 12, 16));  // leave
    const auto question = x.WaitForWindow(kMessage, 5000);
    ASSERT_TRUE(question) << "no end question";
    x.Click(question->frame.topLeft() + QPoint(92 + 35, 88 + 13));  // Yes
    ASSERT_TRUE(game.waitForFinished(10000)) << "the game did not end";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);

    const SettingsStore store(settings);
    const QString common = QStringLiteral("common");
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("mode"), -9), 3) << "MURVO was shown last";
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("gmode"), -9), 1);
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("hmode"), -9), 1);
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("dmode"), -9), 1);
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("pmode"), -9), 3);
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("rmode"), -9), 1);
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("tongue"), -9), 0);
    EXPECT_EQ(store.ReadText(QStringLiteral("highscore"), QStringLiteral("player"), {}), kPlayer);
    const char* keys[] = {"zibb01", "kol01", "pluf01", "murv01"};
    for (int mode = 0; mode < 4; ++mode) {
        const HighscoreList list = LoadHighscores(store, QString::fromLatin1(keys[mode]));
        EXPECT_EQ(list[0].name, kPlayer) << keys[mode];
        EXPECT_EQ(list[0].time, times[mode]) << keys[mode] << ": the stored time is the one the clock showed";
        EXPECT_EQ(list[1].time, 0) << keys[mode];
    }
}

}  // namespace
}  // namespace spindora
