// "Check map" on a large map: the check and the list of what it found, as "Check again" runs them,
// on a map the game knows and on one with an unknown terrain on every plot.

#include "EditorOnMap.h"
#include "ui/windows/CheckWindow.h"

#include <QApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

// The real game's files when they are beside the repository, else the bundled sample game.
QString GameFolder() {
    const QString real = TESSEL_REALDATA_DIR "/game";
    return QFileInfo(real).isDir() ? real : QString(TESSEL_SAMPLES_DIR "/game");
}

void BM_CheckAgain(benchmark::State& state, bool everyPlotUnknown) {
    TEditorOnMap editor(1024, 640, GameFolder(), [everyPlotUnknown](TMap& map) {
        if (!everyPlotUnknown)
            return;
        TPlotGrid& grids = map.Grids();
        for (int x = 0; x < grids.Width(); ++x)
            for (int y = 0; y < grids.Height(); ++y)
                grids.GetPlot(x, y)->SetTerrainType("TERRAIN_UNKNOWN");
    });
    TCheckWindow& form = *editor.window.CheckWindow();
    form.show();
    for (auto _ : state) {
        form.CheckAgain();
        // The list shown with its first lines painted.
        QApplication::processEvents();
    }
    state.counters["findings"] = static_cast<double>(form.Findings().size());
}

} // namespace

BENCHMARK_CAPTURE(BM_CheckAgain, Known, false)->Name("CheckMap/1024x640")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckAgain, Unknown, true)
    ->Name("CheckMap/1024x640/EveryPlotUnknown")
    ->Unit(benchmark::kMillisecond);
