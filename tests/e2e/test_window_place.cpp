// The game under a real window manager: the frame the player left the window in is where
// the window comes back, start after start.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

#include "e2e/XSession.h"
#include "settings/SettingsStore.h"

namespace spindora {
namespace {

using test::XSession;

const QString kTitle = QStringLiteral("Spindora V1.3");

// Where X put the client window `id`, on the screen.
std::optional<QPoint> ClientPlace(const XSession& x, const QString& id) {
    int left = 0, top = 0;
    bool haveLeft = false, haveTop = false;
    for (const QString& line : x.Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id}).split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char(':'), 1).trimmed();
        if (line.contains(QLatin1String("Absolute upper-left X"))) left = value.toInt(&haveLeft);
        if (line.contains(QLatin1String("Absolute upper-left Y"))) top = value.toInt(&haveTop);
    }
    if (!haveLeft || !haveTop) return std::nullopt;
    return QPoint(left, top);
}

// The frame's top-left corner: the client's place less the border a window manager drew
// round it; without one the client is its own frame.
std::optional<QPoint> FramePlace(const XSession& x, const QString& id) {
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    const QStringList extents = x.Run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")})
                                    .section(QLatin1Char('='), 1)
                                    .split(QLatin1Char(','));
    const auto client = ClientPlace(x, id);
    if (!client || extents.size() != 4) return client;
    return *client - QPoint(extents[0].trimmed().toInt(), extents[2].trimmed().toInt());
}

// Where the end question stands, once it is shown: found among the top-level windows when
// nothing framed it, or as the window the window manager made active.
std::optional<QPoint> EndQuestionAt(const XSession& x) {
    constexpr QSize kMessage(250, 125);
    if (const auto shown = x.WaitForWindow(kMessage, 0)) return shown->frame.topLeft();
    // "Position: 400,300 (screen: 0)" and "Geometry: 250x125"
    const QString active = x.Run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow"), QStringLiteral("getwindowgeometry")});
    if (!active.contains(QStringLiteral("Geometry: %1x%2").arg(kMessage.width()).arg(kMessage.height()))) return std::nullopt;
    const QStringList at = active.section(QStringLiteral("Position: "), 1).section(QLatin1Char(' '), 0, 0).split(QLatin1Char(','));
    if (at.size() != 2) return std::nullopt;
    return QPoint(at[0].toInt(), at[1].toInt());
}

// Kills a process the test started if it is still running when the test ends early.
struct Stopper {
    QProcess& process;
    ~Stopper() {
        if (process.state() == QProcess::NotRunning) return;
        process.kill();
        process.waitForFinished(3000);
    }
};

std::optional<QPoint> SavedPlace(const QString& settings) {
    const QStringList items = SettingsStore(settings).ReadText(QStringLiteral("Common"), QStringLiteral("MainForm"), QString())
                                  .split(QLatin1Char(','));
    if (items.size() != 7) return std::nullopt;
    return QPoint(items[3].toInt(), items[4].toInt());
}

// Starts the game on `x` with `settings`, checks that its frame stands at `place`, and
// ends it through the end question so that it saves where it was.
void StartAndLeave(const XSession& x, const QProcessEnvironment& environment, const QString& settings,
                   QPoint place) {
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setProcessChannelMode(QProcess::ForwardedChannels);
    game.start(QStringLiteral(SPINDORA_BUILD_DIR "spindora"), {QStringLiteral("--config"), settings});
    ASSERT_TRUE(game.waitForStarted(5000));
    Stopper stopGame{game};

    QString id;
    ASSERT_TRUE(test::PollUntil([&] {
        id = x.Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--name"), QLatin1Char('^') + kTitle + QLatin1Char('$')})
                 .section(QLatin1Char('\n'), 0, 0);
        return !id.isEmpty() && FramePlace(x, id).has_value();
    }, 20000)) << "no main window";
    std::optional<QPoint> frame;
    // A window manager may still be settling the frame: wait for it to hold still.
    test::PollUntil([&] {
        const auto now = FramePlace(x, id);
        const bool still = now == frame;
        frame = now;
        return still && frame == place;
    }, 3000);
    EXPECT_EQ(frame, place);

    // The splash lies over the window's middle and goes with a click there, which misses
    // ZIBBO's dials when the splash has already gone; then leave, and answer Yes.
    const QPoint client = ClientPlace(x, id).value_or(QPoint());
    x.Click(client + QPoint(325, 183));
    std::optional<QPoint> question;
    ASSERT_TRUE(test::PollUntil([&] {
        x.Click(client + QPoint(148 + 12, 16));  // leave
        return test::PollUntil([&] { return (question = EndQuestionAt(x)).has_value(); }, 1000);
    }, 10000)) << "no end question";
    x.Click(*question + QPoint(92 + 35, 88 + 13));  // Yes
    ASSERT_TRUE(game.waitForFinished(10000)) << "the game did not end";
    EXPECT_EQ(game.exitCode(), 0);
    EXPECT_EQ(SavedPlace(settings), place) << "the frame's place is what is kept";
}

TEST(WindowPlace, StartsWithAndWithoutAWindowManagerLeaveTheFrameWhereItWas) {
    if (const QString missing = test::MissingProgram({"Xvfb", "openbox", "xdotool", "xwininfo", "xprop"}); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    const XSession x;
    if (!x.IsUp()) GTEST_SKIP() << "Xvfb did not start";

    QTemporaryDir scratch;
    const QString settings = scratch.filePath(QStringLiteral("V1.conf"));
    ASSERT_TRUE(test::WriteNewFile(settings, "[common]\ntongue=0\nMainForm=\"200,0,1,120,90,622,477\"\n"));
    const QProcessEnvironment environment = x.GameEnvironment(scratch.path());
    const QPoint place(120, 90);

    {
        SCOPED_TRACE("no window manager");
        StartAndLeave(x, environment, settings, place);
    }

    QProcess manager;
    manager.setProcessEnvironment(environment);
    manager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    ASSERT_TRUE(manager.waitForStarted(5000));
    Stopper stopManager{manager};
    ASSERT_TRUE(test::PollUntil([&] {
        return x.Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains(QLatin1String("window id"));
    }, 10000)) << "openbox did not take the screen";
    for (int start = 1; start <= 3; ++start) {
        SCOPED_TRACE(start);
        StartAndLeave(x, environment, settings, place);
    }
}

}  // namespace
}  // namespace spindora
