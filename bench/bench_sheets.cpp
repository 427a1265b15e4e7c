// What painting a puzzle's sheet costs at each density: 1 and 2 are made at build time,
// 3 is painted while the player waits. The label is a digest of the pixels, so a faster
// painter can be seen to paint the very same picture.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <string>

#include "game/PuzzleDescriptors.h"
#include "pictures/BoardPicture.h"
#include "pictures/SheetCache.h"

namespace {

using namespace spindora;

std::string Digest(const QImage& sheet) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (int y = 0; y < sheet.height(); ++y) {
        const uchar* row = sheet.constScanLine(y);
        for (qsizetype i = 0; i < sheet.bytesPerLine(); ++i) h = (h ^ row[i]) * 0x100000001b3ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

void BM_PaintSheet(benchmark::State& state) {
    const PuzzleDescriptor& puzzle = Describe(*Mode::Numbered(static_cast<int>(state.range(0))));
    const int scale = static_cast<int>(state.range(1));
    QImage sheet;
    for (auto _ : state) sheet = puzzle.paintSheet(scale);
    state.SetLabel(std::string(puzzle.name) + " " + Digest(sheet));
}
BENCHMARK(BM_PaintSheet)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 2, 3}})
    ->ArgNames({"mode", "scale"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// What keeping a painted sheet costs the first time, and reading it back every time after.
void BM_KeepSheet(benchmark::State& state) {
    const QImage sheet = Describe(kZibbo).paintSheet(3);
    const QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/b1@3x-0.png");
    for (auto _ : state) KeepSheet(path, sheet);
}
BENCHMARK(BM_KeepSheet)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_ReadKeptSheet(benchmark::State& state) {
    const QImage sheet = Describe(kZibbo).paintSheet(3);
    const QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/b1@3x-0.png");
    KeepSheet(path, sheet);
    QImage kept;
    for (auto _ : state) kept = ReadKeptSheet(path, sheet.size());
    state.SetLabel(kept == sheet ? "the painted sheet" : "NOT the painted sheet");
}
BENCHMARK(BM_ReadKeptSheet)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
