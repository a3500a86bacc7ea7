// The river tool on the 1024 x 640 synthetic map, whose land plots keep a river on one edge in ten:
// the main window's whole map viewport repainted without and with every river drawn over its cells,
// and one corner of a drag: the edge it reaches drawn and the cells around it painted.

#include "EditorOnMap.h"
#include "ui/mapview/MapGridView.h"
#include "ui/tools/RiverTool.h"

#include <QAction>
#include <QApplication>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>

#include <benchmark/benchmark.h>

namespace {

// The editor on the large map, its "Map" tab showing most of it as grid at zoom 8.
struct TRiverEditor {
    TRiverEditor(bool riversShown) : editor(1024, 640), main(editor.window), grid(*main.GridView()) {
        main.resize(2000, 1400);
        main.Tabs()->setCurrentIndex(TMainWindow::TabMap);
        main.ZoomSlider()->setValue(8);
        main.Splitter()->setSizes({1100, 200});
        if (riversShown)
            main.MapButton("BtnRiver")->trigger();
        QApplication::processEvents();
    }
    ~TRiverEditor() { main.Session().MarkSaved(); }
    TEditorOnMap editor;
    TMainWindow& main;
    TMapGridView& grid;
};

void PaintMap(benchmark::State& state, bool riversShown) {
    TRiverEditor editor(riversShown);
    for (auto _ : state)
        editor.grid.viewport()->repaint();
    state.counters["cells"] =
        static_cast<double>(editor.grid.VisibleColCount() + 1) * (editor.grid.VisibleRowCount() + 1);
}

void BM_PaintMapWithoutRivers(benchmark::State& state) {
    PaintMap(state, false);
}

void BM_PaintMapWithRivers(benchmark::State& state) {
    PaintMap(state, true);
}

// The pointer moves between two neighbouring corners, turning the edge between them round each time.
void BM_RiverDragStep(benchmark::State& state) {
    TRiverEditor editor(true);
    TMapGridView& grid = editor.grid;
    auto at = [&](int col, int row) {
        TMapGridMouse mouse = grid.MouseAt(grid.CellRect(col, row).topLeft() - QPoint(1, 1));
        mouse.button = Qt::LeftButton;
        return mouse;
    };
    TRiverTool& tool = *editor.main.RiverTool();
    // The tool asks for the edge's cells to be painted at the next frame; they are painted here.
    const QRect edgeCells = grid.CellRect(39, 19).united(grid.CellRect(41, 20));
    tool.MousePress(at(40, 20));
    QApplication::processEvents();
    bool east = true;
    for (auto _ : state) {
        tool.MouseMove(at(east ? 41 : 40, 20));
        east = !east;
        grid.viewport()->repaint(edgeCells);
    }
    tool.MouseRelease(at(east ? 40 : 41, 20));
}

} // namespace

BENCHMARK(BM_PaintMapWithoutRivers)->Name("RiverOverlay/Off/1024x640")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintMapWithRivers)->Name("RiverOverlay/On/1024x640")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RiverDragStep)->Name("RiverOverlay/DragStep/1024x640")->Unit(benchmark::kMicrosecond);
