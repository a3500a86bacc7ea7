// Mirroring and moving a square selection of 100 x 100 plots in the middle of the large synthetic
// map, in memory: the document's share of what the editor does for one such edit.

#include "SyntheticMap.h"
#include "document/SelectionTransform.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 1024, Height = 640, Side = 100;

TPlotSet MiddleSquare() {
    TPlotSet square(Width, Height);
    const int left = (Width - Side) / 2, bottom = (Height - Side) / 2;
    square.InsertRectangle(left, bottom, left + Side - 1, bottom + Side - 1);
    return square;
}

// A mirror turns the map back every second time, so each run finds the same map.
void FlipSquare(benchmark::State& state) {
    TMap map;
    BuildSyntheticMap(map, Width, Height);
    const TPlotSet square = MiddleSquare();
    for (auto _ : state)
        benchmark::DoNotOptimize(TurnSelection(map, square, TMapTurn::FlipX));
    state.SetItemsProcessed(state.iterations() * Side * Side);
}

// Moved east and back west in turn, the square stays in the middle of the map.
void MoveSquare(benchmark::State& state) {
    TMap map;
    BuildSyntheticMap(map, Width, Height);
    TPlotSet square = MiddleSquare();
    int dx = 3;
    for (auto _ : state) {
        square = MoveSelection(map, square, dx, 0, std::nullopt);
        dx = -dx;
    }
    state.SetItemsProcessed(state.iterations() * Side * Side);
}

const bool registered = [] {
    benchmark::RegisterBenchmark("Selection/FlipX/100x100of1024x640", FlipSquare)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Selection/Move3East/100x100of1024x640", MoveSquare)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
