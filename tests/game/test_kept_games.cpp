// Unfinished games kept between runs: the four real puzzles written by one game flow and
// read back by the next, and damaged files set aside.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "game/KeptGame.h"
#include "game/PuzzleRegistry.h"
#include "tests/game/FakeShell.h"
#include "tests/shell/ScopedEnv.h"

namespace spindora {
namespace {

// One run of the game: a flow with the four real puzzles, started from `settings`.
struct GameRun {
    explicit GameRun(const ShellSettings& settings, uint64_t seed) : random(seed) {
        InstallPuzzles(flow);
        view.flow = &flow;
        started = flow.FormCreate(settings);
    }
    void Moves(int count) {
        for (int i = 0; i < count; ++i) {
            const std::vector<PressTarget> targets = flow.PuzzleOf(flow.CurrentMode())->PressTargets();
            const QPoint at = targets[static_cast<size_t>(random.Random(static_cast<int>(targets.size())))].press();
            flow.boxMouseDown(at.x(), at.y(), random.Random(2) ? MouseButton::Right : MouseButton::Left);
        }
    }
    std::optional<KeptBoard> Kept(Mode mode) const { return flow.PuzzleOf(mode)->Kept(); }

    test::FakeView view;
    SeededRandom random;
    uint32_t now = 0;
    // Every read of the clock is a second later, so every animation wait ends at once.
    GameFlow flow{view, random, QStringLiteral(SPINDORA_BUILD_DIR), [this] { return now += 1000000; }};
    bool started = false;
};

ShellSettings Keeping(Mode shown) {
    ShellSettings settings;
    settings.tongue = 0;
    settings.mode = static_cast<uint8_t>(int(shown));
    settings.keepGames = true;
    return settings;
}

TEST(KeptGames, EveryPuzzleComesBackReadyWithItsLevelClockHintAndHistory) {
    QTemporaryDir scratch;
    const test::ScopedEnv state("XDG_STATE_HOME", scratch.path().toUtf8());
    ShellSettings settings = Keeping(kZibbo);
    settings.levels = LevelSettings{4, 3, 2, 4, 10};
    GameRun first(settings, 5);
    ASSERT_TRUE(first.started);
    for (const Mode mode : kAllModes) {
        first.flow.SwitchMode(mode);
        first.Moves(6);
        first.flow.UndoMove();
        first.flow.UndoMove();
        if (mode == kPluf) first.flow.MarkHintShown();
    }
    // The next run starts with the settings' levels at 1: the kept games bring their own.
    GameRun second(Keeping(kMurvo), 6);
    ASSERT_TRUE(second.started);
    EXPECT_EQ(second.flow.CurrentSettings(false, false).levels.gmode, 4);
    EXPECT_EQ(second.flow.CurrentSettings(false, false).levels.pmode, 4);
    EXPECT_EQ(second.flow.CurrentSettings(false, false).levels.rmode, 10);
    // A new deal would give up the game that came back: it asks first, as on a running game.
    second.view.answers.push_back(kModalCancel);
    second.flow.MixBtnClick();
    EXPECT_EQ(second.view.shown, std::vector{DialogId::NewGame});
    for (const Mode mode : kAllModes) {
        SCOPED_TRACE(int(mode));
        EXPECT_EQ(second.flow.GameState(mode), kReady);
        EXPECT_EQ(second.flow.ClockTicks(mode), first.flow.ClockTicks(mode));
        EXPECT_EQ(second.flow.HintShown(mode), mode == kPluf);
        ASSERT_TRUE(second.Kept(mode));
        EXPECT_EQ(second.Kept(mode)->done.size(), 4u);
        EXPECT_EQ(second.Kept(mode)->undone.size(), 2u);
        EXPECT_EQ(second.Kept(mode), first.Kept(mode));
        // Redo and undo play on from the kept history as in the first run.
        second.flow.SwitchMode(mode);
        first.flow.SwitchMode(mode);
        for (void (GameFlow::*act)() : {&GameFlow::RedoMove, &GameFlow::RedoMove, &GameFlow::UndoMove}) {
            (second.flow.*act)();
            (first.flow.*act)();
            EXPECT_EQ(second.Kept(mode), first.Kept(mode));
        }
        EXPECT_EQ(second.flow.GameState(mode), kRunning) << "the clock counts on at the first move";
    }
}

TEST(KeptGames, ADamagedFileIsSetAsideWithOneLineAndTheGameDealsAnew) {
    const struct {
        const char* name;
        QByteArray (*damage)(QByteArray);
    } rows[] = {
        {"cut short", [](QByteArray b) { return b.left(b.size() / 2); }},
        {"another version", [](QByteArray b) { return b.replace("game ", "game 0.9."); }},
        // KOLLUK level 1 has no ball of colour 13.
        {"a ball no deal holds", [](QByteArray b) {
             QList<QByteArray> lines = b.split('\n');
             QList<QByteArray> words = lines[5].split(' ');
             words[1] = "13";
             lines[5] = words.join(' ');
             return lines.join('\n');
         }},
        {"a move of no ring", [](QByteArray b) { return b.replace("\nundone", "\nundone 6"); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir scratch;
        const test::ScopedEnv state("XDG_STATE_HOME", scratch.path().toUtf8());
        {
            GameRun first(Keeping(kKolluk), 7);
            first.Moves(3);
        }
        const QString path = scratch.filePath(QStringLiteral("spindora/kolluk.kept"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(row.damage(bytes));
        file.close();

        testing::internal::CaptureStderr();
        GameRun second(Keeping(kZibbo), 8);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("kolluk.kept"), std::string::npos) << said;
        EXPECT_TRUE(QFile::exists(path + QStringLiteral(".damaged")));
        EXPECT_EQ(second.flow.GameState(kKolluk), kNotSetUp);
        second.flow.SwitchMode(kKolluk);
        EXPECT_EQ(second.flow.GameState(kKolluk), kReady);
        EXPECT_EQ(second.flow.ClockTicks(kKolluk), 0);
        EXPECT_TRUE(second.Kept(kKolluk)->done.empty());
    }
}

TEST(KeptGames, SwitchedOffNothingIsWrittenAndTheKeptGamesGo) {
    QTemporaryDir scratch;
    const test::ScopedEnv state("XDG_STATE_HOME", scratch.path().toUtf8());
    GameRun run(Keeping(kZibbo), 9);
    run.Moves(2);
    ASSERT_TRUE(QFile::exists(scratch.filePath(QStringLiteral("spindora/zibbo.kept"))));
    run.flow.SetKeepGames(false);
    run.Moves(2);
    run.flow.FormClose();
    EXPECT_FALSE(QFile::exists(scratch.filePath(QStringLiteral("spindora"))));
}

}  // namespace
}  // namespace spindora
