// What a change of the window's size costs until the board shows again: the content laid
// out anew and painted whole with the pictures at hand, the nearest density scaled, while
// the pictures for the new density are made aside; and how long until those are shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "rules/Random.h"
#include "shell/Startup.h"
#include "shell/TMainForm.h"

namespace {

using namespace spindora;

// One window for all the sizes, from the pictures of the build; its sheets are kept in a
// folder of its own.
TMainForm& Window() {
    static QTemporaryDir cache;
    static const bool placed = qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    static SeededRandom random(35);
    static QTemporaryDir settings;
    static std::unique_ptr<TMainForm> form = [] {
        // The language chosen, so that no question waits for an answer.
        QFile file(settings.filePath("V1.conf"));
        if (file.open(QIODevice::WriteOnly)) file.write("[common]\ntongue=0\nmusic=0\n");
        file.close();
        auto made = CreateMainForm(random, QStringLiteral(SPINDORA_BUILD_DIR), file.fileName());
        made->LeaveOutSplash();
        made->show();
        QApplication::processEvents();
        return made;
    }();
    (void)placed;
    return *form;
}

void Resize(TMainForm& form, QSize size) {
    form.resize(size);
    QApplication::processEvents();
    form.repaint();
}

// Times each change from 100% to the size the benchmark's arguments give; `untilSharp`
// waits as well for the pictures of the new density.
void TimeZoomFromDesign(benchmark::State& state, bool untilSharp) {
    TMainForm& form = Window();
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        Resize(form, kDesignSize);
        form.sheets().Finish();
        state.ResumeTiming();
        Resize(form, size);
        if (untilSharp) form.sheets().Finish();
    }
    form.sheets().Finish();
}

// From 100% to the size asked for, with only the 1:1 pictures at hand.
void BM_FirstPaintAfterZoom(benchmark::State& state) { TimeZoomFromDesign(state, false); }
BENCHMARK(BM_FirstPaintAfterZoom)
    ->Args({750, 549})
    ->Args({1000, 732})
    ->Args({2000, 1464})
    ->Args({3840, 2160})
    ->ArgNames({"w", "h"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// From 100% until the board shows the pictures of the new density, kept from an earlier run
// (the first run paints them; the first iteration here is that run).
void BM_SharpAfterZoom(benchmark::State& state) { TimeZoomFromDesign(state, true); }
BENCHMARK(BM_SharpAfterZoom)
    ->Args({750, 549})
    ->Args({2000, 1464})
    ->ArgNames({"w", "h"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
