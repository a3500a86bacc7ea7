// Undoing in the editor: the steps the main window records, undone with everything the windows
// then show again (grid, mini-map, sheet).

#include "EditorWindows.h"
#include "MapContents.h"
#include "SyntheticMap.h"
#include "Tessel_Main.h"

#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

// The editor's windows with a synthetic map of the size opened in them.
struct TEditorOnMap {
    TEditorOnMap(int width, int height) {
        TMap map;
        BuildSyntheticMap(map, width, height);
        const QString file = folder.filePath("synthetic.Civ4WorldBuilderSave");
        map.SaveToFile(file.toStdString());
        windows.Main().show();
        windows.Main().OpenFile(file);
    }
    QTemporaryDir folder;
    TEditorWindows windows;
};

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
