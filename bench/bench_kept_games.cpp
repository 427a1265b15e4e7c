// What keeping an unfinished game costs after each move: the game written as text, then
// replaced on disk whole (a new file, flushed, renamed over the old one), and what reading
// it back at start costs. The history grows with the moves, so both are timed at 0, 100
// and 10,000 moves made.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "files/FileReplace.h"
#include "game/KeptGame.h"

namespace {

using namespace spindora;

KeptGame GameOfMoves(int moves) {
    KeptGame game;
    game.level = 4;
    game.clockTicks = 5 * moves;
    // A KOLLUK level-4 board: 24 balls.
    for (int i = 0; i < 24; ++i) game.board.position.push_back(i % 6);
    for (int i = 0; i < moves; ++i) game.board.done.push_back(i % 12);
    return game;
}

void BM_KeepGameAfterAMove(benchmark::State& state) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("kolluk.kept"));
    KeptGame game = GameOfMoves(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ++game.clockTicks;
        if (ReplaceFile(path, WriteKeptGame(game)) != ReplaceResult::Written) state.SkipWithError("not written");
    }
}
BENCHMARK(BM_KeepGameAfterAMove)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadKeptGame(benchmark::State& state) {
    const QByteArray bytes = WriteKeptGame(GameOfMoves(static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(ReadKeptGame(bytes, kKolluk));
}
BENCHMARK(BM_ReadKeptGame)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
