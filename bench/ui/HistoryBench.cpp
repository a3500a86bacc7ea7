// Undoing in the editor: the steps the main window records, undone with everything the windows
// then show again (grid, mini-map, sheet).

#include "EditorOnMap.h"
#include "ui/tools/StartTool.h"
#include "ui/windows/BalanceWindow.h"

#include <QDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

void BM_UndoBuildNewMap(benchmark::State& state) {
    TEditorOnMap editor(256, 160);
    TMainWindow& main = editor.window;
    for (auto _ : state) {
        state.PauseTiming();
        TDocumentChange change;
        change.text = "Build a new map";
        change.scope = TChangeScope::WholeDocument();
        change.apply = [](TMap& document) {
            TPlotGrid grids;
            grids.SetWidth(40);
            grids.SetHeight(30);
            document.Grids() = std::move(grids);
            document.MapData().SetGridWidth(40);
            document.MapData().SetGridHeight(30);
        };
        main.Session().Change(change);
        state.ResumeTiming();
        main.Undo();
    }
    main.Session().MarkSaved();
}

// A click of the Start tool on the largest map: the player's start moves between two plots, the step
// holding the player and the two plots, and the clicked cell is shown.
void BM_PlaceStart(benchmark::State& state) {
    TEditorOnMap editor(1024, 640);
    TMainWindow& main = editor.window;
    TStartTool& tool = main.StartTool();
    bool there = false;
    for (auto _ : state) {
        there = !there;
        tool.PlaceStart(there ? 300 : 301, 200);
    }
    state.counters["steps"] = main.Session().History().count();
    main.Session().MarkSaved();
}

// The Balance window computing and showing its report on the largest map, with a start for each of
// its 18 players, under the base game's rules (skipped without them).
void BM_BalanceWindowUpdate(benchmark::State& state) {
    const QString game = QString(TESSEL_REALDATA_DIR) + "/game";
    if (!QDir(game).exists()) {
        state.SkipWithError("no real game files");
        return;
    }
    TEditorOnMap editor(1024, 640, game);
    TMainWindow& main = editor.window;
    for (int player = 0; player < MaxPlayers; ++player)
        main.Map().Players().GetPlayer(player)->ApplyEditorLines(
            {"StartingX=" + std::to_string(20 + player * 50),
             "StartingY=" + std::to_string(100 + player * 20)});
    TBalanceWindow& form = *main.BalanceWindow();
    form.show();
    for (auto _ : state)
        form.UpdateReport();
    state.counters["starts"] = static_cast<double>(form.Report().Starts().size());
}

} // namespace

BENCHMARK(BM_BalanceWindowUpdate)->Name("BalanceWindow/Update/1024x640")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlaceStart)->Name("StartTool/Place/1024x640")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoBuildNewMap)->Name("Undo/BuildNewMap/256x160")->Unit(benchmark::kMillisecond);
