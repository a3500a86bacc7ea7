// Undoing in the editor: the steps the main window records, undone with everything the windows
// then show again (grid, mini-map, sheet).

#include "EditorOnMap.h"

#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

void BM_UndoBuildNewMap(benchmark::State& state) {
    TEditorOnMap editor(256, 160);
    TMainForm& main = editor.windows.Main();
    for (auto _ : state) {
        state.PauseTiming();
        TDocumentChange change;
        change.text = "Build a new map";
        change.scope = TChangeScope::WholeDocument();
        change.apply = [](TMap& document) {
            TMapGrids grids;
            grids.SetWidth(40);
            grids.SetHeight(30);
            document.Grids() = std::move(grids);
            document.MapData().SetGridWidth(40);
            document.MapData().SetGridHeight(30);
        };
        main.ChangeDocument(change);
        state.ResumeTiming();
        main.Undo();
    }
    main.SetModified(false);
}

} // namespace

BENCHMARK(BM_UndoBuildNewMap)->Name("Undo/BuildNewMap/256x160")->Unit(benchmark::kMillisecond);
