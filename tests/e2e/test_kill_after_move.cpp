// A game kept between runs survives a SIGKILL: the real program on a private X server, one
// press on ZIBBO, kill -9, and the next start shows the board as the press left it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "e2e/XSession.h"
#include "puzzles/zibbo/ZibboSheet.h"

namespace spindora {
namespace kill_after_move {

using test::XSession;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(KeptGameE2E, APressSurvivesKillNine) {
    if (const QString missing = test::MissingProgram({"Xvfb", "xdotool", "import"}); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    const XSession x;
    if (!x.IsUp()) GTEST_SKIP() << "Xvfb did not start";

    QTemporaryDir scratch;
    const QString settings = scratch.filePath(QStringLiteral("V1.conf"));
    ASSERT_TRUE(test::WriteNewFile(settings, "[common]\ntongue=0\nkeepgames=1\n"));
    const QString kept = scratch.filePath(QStringLiteral("state/spindora/zibbo.kept"));
    const QProcessEnvironment environment = x.GameEnvironment(scratch.path());
    const auto start = [&](QProcess& game) {
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QStringLiteral(SPINDORA_BUILD_DIR "spindora"),
                   {QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--config"), settings});
        return x.PastSplash();
    };
    const auto boardShot = [&](QPoint board) { return x.Screenshot().copy(QRect(board, QSize(500, 333))); };

    QProcess first;
    const auto board = start(first);
    ASSERT_TRUE(board) << "the game did not show";
    const QByteArray dealt = ReadAll(kept);
    ASSERT_FALSE(dealt.isEmpty()) << "the deal is kept at once";
    const QImage before = boardShot(*board);
    x.Click(*board + zibbo::PiecePosition(4) + QPoint(39, 39));
    ASSERT_TRUE(test::PollUntil([&] { return ReadAll(kept) != dealt; }, 5000)) << "the press was not kept";
    const QImage pressed = boardShot(*board);
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_NE(pressed, before);
    EXPECT_TRUE(ReadAll(kept).contains("\ndone ")) << ReadAll(kept).constData();

    QProcess second;
    const auto again = start(second);
    ASSERT_TRUE(again) << "the game did not show again";
    EXPECT_EQ(boardShot(*again), pressed) << "the board comes back as the press left it";
    second.kill();
    second.waitForFinished(5000);
}

}  // namespace kill_after_move
}  // namespace spindora
