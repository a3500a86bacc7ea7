// Editing many plots at once on a 1024 x 640 map: undoing a stroke of the brush, one row written
// into a selected rectangle of plots and a selection mirrored, each with the repaint that follows.

#include "EditorOnMap.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/tools/BrushTool.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>
#include <QToolButton>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 1024, Height = 640;

// The "Map" tab in a large window, the grid at the smallest zoom: about 210 x 110 cells show.
void ShowMapTab(TMainWindow& main) {
    main.resize(1920, 1200);
    main.Tabs()->setCurrentIndex(TMainWindow::TabMap);
    main.Splitter()->setSizes({1000, 100});
    main.ZoomSlider()->setValue(TMapGridView::MinZoom);
    QApplication::processEvents();
}

// A row of the sheet written as a user does: the value typed, then the row left.
void WriteRow(TMainWindow& main, const char* key, const QString& value) {
    TPropertySheet& sheet = *main.Sheet();
    sheet.SetCurrentRow(sheet.FindRow(key));
    sheet.SetValue(sheet.CurrentRow(), value);
    main.CommitCurrentRow();
}

// A stroke of the brush of 5 plots along 200 cells of a grid row, 1,000 plots, undone.
void BM_UndoBrushStroke(benchmark::State& state) {
    TEditorOnMap editor(Width, Height);
    TMainWindow& main = editor.window;
    ShowMapTab(main);
    WriteRow(main, "TerrainType", "TERRAIN_SNOW"); // the paint, on the current plot
    main.BrushSize()->menu()->actions()[2]->trigger();
    main.MapButton("BtnPaint")->trigger();
    const int row = 20, firstCol = 5, lastCol = 204;
    int changed = 0;
    for (int x = firstCol; x <= lastCol; ++x)
        for (int y = Height - 1 - row - 2; y <= Height - 1 - row + 2; ++y)
            changed += main.Map().Grids().GetPlot(x, y)->TerrainType() != "TERRAIN_SNOW" ? 1 : 0;
    TBrushTool& brush = main.BrushTool();
    const int steps = main.Session().History().index();
    for (auto _ : state) {
        state.PauseTiming();
        TMapGridMouse mouse;
        mouse.onCell = true;
        mouse.button = Qt::LeftButton;
        mouse.col = firstCol;
        mouse.row = row;
        brush.MousePress(mouse);
        mouse.col = lastCol;
        brush.MouseMove(mouse);
        brush.MouseRelease(mouse);
        QApplication::processEvents();
        if (main.Session().History().index() != steps + 1) {
            state.SkipWithError("The stroke made no step");
            break;
        }
        state.ResumeTiming();
        main.Undo();
        QApplication::processEvents();
    }
    state.counters["plots"] = changed;
    main.Session().MarkSaved();
}

// The 100 x 100 plots near the map's top left corner, shown on the "Map" tab and selected.
void SelectSquareShown(TMainWindow& main) {
    ShowMapTab(main);
    main.SetSelection(QRect(10, Height - 110, 100, 100));
}

// Runs the action, which must make one step of the history; false, the benchmark skipped, when it
// made none.
template <typename Act>
bool MakesOneStep(benchmark::State& state, TMainWindow& main, Act act, const char* error) {
    const int steps = main.Session().History().index();
    act();
    if (main.Session().History().index() == steps + 1)
        return true;
    state.SkipWithError(error);
    return false;
}

// One row written into a selected rectangle of 100 x 100 plots that the grid shows.
void BM_BulkEditRectangle(benchmark::State& state) {
    TEditorOnMap editor(Width, Height);
    TMainWindow& main = editor.window;
    SelectSquareShown(main);
    bool grass = true;
    for (auto _ : state) {
        const bool stepped = MakesOneStep(
            state, main,
            [&] {
                WriteRow(main, "TerrainType", grass ? "TERRAIN_GRASS" : "TERRAIN_PLAINS");
                QApplication::processEvents();
            },
            "The row made no step");
        if (!stepped)
            break;
        grass = !grass;
    }
    state.counters["rows shown"] = main.GridView()->VisibleRowCount();
    main.Session().MarkSaved();
}

// A selected square of 100 x 100 plots that the grid shows, mirrored east-west, with the repaint.
void BM_FlipSelection(benchmark::State& state) {
    TEditorOnMap editor(Width, Height);
    TMainWindow& main = editor.window;
    SelectSquareShown(main);
    for (auto _ : state) {
        const bool stepped = MakesOneStep(
            state, main,
            [&] {
                main.TurnSelectionOrMap(TMapTurn::FlipX);
                main.GridView()->viewport()->repaint();
            },
            "The flip made no step");
        if (!stepped)
            break;
    }
    state.counters["plots"] = static_cast<double>(main.SelectedSet().Count());
    main.Session().MarkSaved();
}

} // namespace

BENCHMARK(BM_FlipSelection)->Name("Flip/Selection/100x100")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoBrushStroke)->Name("Undo/BrushStroke/1000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkEditRectangle)->Name("BulkEdit/Rectangle/100x100")->Unit(benchmark::kMillisecond);
