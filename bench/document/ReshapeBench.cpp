// Cropping, extending and shifting the large synthetic map in memory. Each crop and extension works
// on a map built afresh, outside the timing.

#include "SyntheticMap.h"
#include "document/MapReshape.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 1024, Height = 640;

// A fresh map for every timed operation that changes its size.
template <typename Operation> void TimeOnFreshMaps(benchmark::State& state, Operation operation) {
    TMap map;
    for (auto _ : state) {
        state.PauseTiming();
        BuildSyntheticMap(map, Width, Height);
        state.ResumeTiming();
        const TReshapeResult dropped = operation(map);
        benchmark::DoNotOptimize(dropped.units);
    }
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

// The middle half of each axis.
void CropToTheMiddle(benchmark::State& state) {
    TimeOnFreshMaps(state, [](TMap& map) {
        return CropMap(map, Width / 4, Height / 4, Width / 4 + Width / 2 - 1, Height / 4 + Height / 2 - 1);
    });
}

// Sixty-four plots of grass on every side.
void ExtendOnEverySide(benchmark::State& state) {
    TimeOnFreshMaps(state, [](TMap& map) { return ExtendMap(map, 64, 64, 64, 64, "TERRAIN_GRASS"); });
}

// Half way round the world along x; the map wraps there, so it keeps its size and serves again.
void ShiftHalfWayRound(benchmark::State& state) {
    TMap map;
    BuildSyntheticMap(map, Width, Height);
    for (auto _ : state) {
        const TReshapeResult dropped = ShiftMap(map, Width / 2, 0);
        benchmark::DoNotOptimize(dropped.units);
    }
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

const auto* const cropBenchmark = benchmark::RegisterBenchmark("Reshape/Crop/1024x640", CropToTheMiddle);
const auto* const extendBenchmark =
    benchmark::RegisterBenchmark("Reshape/Extend/1024x640", ExtendOnEverySide);
const auto* const shiftBenchmark = benchmark::RegisterBenchmark("Reshape/Shift/1024x640", ShiftHalfWayRound);

} // namespace
