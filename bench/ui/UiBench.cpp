// Painting the map: a full viewport of the grid in both looks, the whole mini-map picture of a large
// map, and the repaint that follows a plot edit.
//
//   make bench   (or build-bench/bench/ui/tessel_bench_ui in a Release build)
//
// The grid runs in an offscreen window; each viewport repaint paints every cell it shows, with the
// pictures of cells the painter made in the iterations before (as a grid on screen keeps them).

#include "SyntheticMap.h"
#include "document/Player.h"
#include "render/MiniMapBitmap.h"
#include "render/StartFlag.h"
#include "ui/mapview/MapGridView.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int ViewportWidth = 1920, ViewportHeight = 1080;

const TMap& Map(int width, int height) {
    static std::unique_ptr<TMap> small, large;
    std::unique_ptr<TMap>& map = width > 256 ? large : small;
    if (!map) {
        map = std::make_unique<TMap>();
        BuildSyntheticMap(*map, width, height);
    }
    return *map;
}

const TPlotImages& Images() {
    static const std::unique_ptr<TPlotImages> images = [] {
        auto loaded = std::make_unique<TPlotImages>();
        loaded->LoadFromResources();
        return loaded;
    }();
    return *images;
}

// A grid of 1920 x 1080 pixels over the 256 x 160 map, shown offscreen.
std::unique_ptr<TMapGridView> ShownGrid(const TMap& map, int zoom, bool graphic) {
    auto view = std::make_unique<TMapGridView>(Images().Lists());
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->SetPlots(&map.Grids());
    view->SetGridSize(map.Grids().Width(), map.Grids().Height());
    view->SetZoom(zoom);
    view->SetGridLines(true);
    view->SetGraphicMode(graphic);
    view->resize(ViewportWidth, ViewportHeight);
    view->show();
    QApplication::processEvents();
    return view;
}

void PaintViewport(benchmark::State& state, int zoom, bool graphic) {
    const auto view = ShownGrid(Map(256, 160), zoom, graphic);
    for (auto _ : state)
        view->viewport()->repaint();
    state.counters["cells"] =
        static_cast<double>(view->VisibleColCount() + 1) * (view->VisibleRowCount() + 1);
}

void BM_PaintViewportSchematic(benchmark::State& state) {
    PaintViewport(state, 8, false);
}
void BM_PaintViewportGraphic(benchmark::State& state) {
    PaintViewport(state, 8, true);
}
void BM_PaintViewportGraphicZoom128(benchmark::State& state) {
    PaintViewport(state, 128, true);
}

// The 256 x 160 map with a start of each of its 18 players in the viewport, on a lattice of 6 x 3 plots
// at zoom 8, and the grid painting their flags over the cells as the editor does.
void PaintViewportWithStarts(benchmark::State& state, int zoom, bool graphic) {
    static const std::unique_ptr<TMap> map = [] {
        auto built = std::make_unique<TMap>();
        BuildSyntheticMap(*built, 256, 160);
        const int height = built->Grids().Height();
        for (int player = 0; player < MaxPlayers; ++player) {
            const int x = 10 + (player % 6) * 35, y = height - 1 - (10 + (player / 6) * 35);
            built->Players().GetPlayer(player)->ApplyEditorLines(
                {"StartingX=" + std::to_string(x), "StartingY=" + std::to_string(y)});
            built->Grids().GetPlot(x, y)->SetStartingPlot(true);
        }
        return built;
    }();
    const auto view = ShownGrid(*map, zoom, graphic);
    TMapGridView& grid = *view;
    grid.AddOverlayPainter([&grid](QPainter& painter, const TCellRange& cells) {
        PaintStartFlags(painter, *map, cells.firstCol, cells.firstRow, cells.lastCol, cells.lastRow,
                        [&grid](int col, int row) { return grid.CellRect(col, row); });
    });
    for (auto _ : state)
        view->viewport()->repaint();
}

void BM_PaintViewportSchematicStarts(benchmark::State& state) {
    PaintViewportWithStarts(state, 8, false);
}
void BM_PaintViewportGraphicStarts(benchmark::State& state) {
    PaintViewportWithStarts(state, 8, true);
}
void BM_PaintViewportGraphicZoom32Starts(benchmark::State& state) {
    PaintViewportWithStarts(state, 32, true);
}

// The first paint after a zoom: every picture of a cell is made again.
void BM_PaintViewportGraphicNewZoom(benchmark::State& state) {
    const auto view = ShownGrid(Map(256, 160), 8, true);
    int zoom = 8;
    for (auto _ : state) {
        zoom = zoom == 8 ? 12 : 8;
        view->SetZoom(zoom);
        view->viewport()->repaint();
    }
}

void BM_MiniMapRebuild(benchmark::State& state) {
    const TMap& map = Map(1024, 640);
    TMiniMapBitmap bitmap;
    for (auto _ : state) {
        bitmap.RebuildMiniMap(map.Grids(), -1, -1, 1024, 640);
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
}

// One plot row written as the property sheet writes it, then its cell and its mini-map block.
void BM_EditRepaint(benchmark::State& state) {
    TMap map;
    BuildSyntheticMap(map, 256, 160);
    const auto view = ShownGrid(map, 32, false);
    TMiniMapBitmap bitmap;
    bitmap.RebuildMiniMap(map.Grids(), -1, -1, 256, 160);
    const int col = 20, row = 10;
    TPlot& plot = *map.Grids().GetPlot(col, map.Grids().Height() - 1 - row);
    const StringList desert = {"TerrainType=TERRAIN_DESERT"}, grass = {"TerrainType=TERRAIN_GRASS"};
    bool toDesert = true;
    for (auto _ : state) {
        plot.ApplyEditorLines(toDesert ? desert : grass);
        toDesert = !toDesert;
        view->RepaintCell(col, row);
        bitmap.PaintMiniMapCell(map.Grids(), col, row);
    }
}

} // namespace

BENCHMARK(BM_PaintViewportSchematic)->Name("PaintViewport/Schematic")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewportGraphic)->Name("PaintViewport/Graphic")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewportSchematicStarts)
    ->Name("PaintViewport/Schematic/Starts")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewportGraphicStarts)->Name("PaintViewport/Graphic/Starts")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewportGraphicZoom32Starts)
    ->Name("PaintViewport/Graphic/Zoom32/Starts")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewportGraphicZoom128)
    ->Name("PaintViewport/Graphic/Zoom128")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewportGraphicNewZoom)
    ->Name("PaintViewport/Graphic/NewZoom")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MiniMapRebuild)->Name("MiniMap/Rebuild/1024x640")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditRepaint)->Name("EditRepaint")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
