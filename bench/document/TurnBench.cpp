// Mirroring and turning the large synthetic map as the command line does it, file to file, against
// a resave of the same file measured the same way; and the selections that flood the map.

#include "SyntheticMap.h"
#include "document/MapReshape.h"
#include "document/MapSelections.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int Width = 1024, Height = 640;

// The synthetic map written once to a file of its own, removed at exit.
class TBenchFile {
public:
    TBenchFile() {
        const auto folder = std::filesystem::temp_directory_path();
        const std::string stem = "tessel-turn-bench-" + std::to_string(::getpid());
        path = (folder / (stem + ".Civ4WorldBuilderSave")).string();
        savePath = (folder / (stem + "-saved.Civ4WorldBuilderSave")).string();
        TMap map;
        BuildSyntheticMap(map, Width, Height);
        map.SaveToFile(path);
    }
    ~TBenchFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        std::filesystem::remove(savePath, ignored);
    }
    std::string path, savePath;
};

const TBenchFile& MapFile() {
    static const TBenchFile file;
    return file;
}

// The wall and processor seconds of one run of the command: load, the operation, save.
struct TRunTime {
    double wall = 0, processor = 0;
    void Add(const TRunTime& run) {
        wall += run.wall;
        processor += run.processor;
    }
};

template <typename Operation> TRunTime TimeFileToFile(const TBenchFile& file, Operation operation) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processorStart = std::clock();
    TMap map;
    map.LoadFromFile(file.path);
    operation(map);
    map.SaveToFile(file.savePath);
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC};
}

// --resave and --rotate 180 in turn, so that the load of a busy machine weighs on both alike. The
// time shown is the turn's; "ratio" is its wall time over the resave's, "cpu_ratio" the same for
// processor time, which the disk's flushes do not sway.
void RotateHalfRoundAgainstResave(benchmark::State& state) {
    const TBenchFile& file = MapFile();
    TRunTime resave, rotate;
    for (auto _ : state) {
        resave.Add(TimeFileToFile(file, [](TMap&) {}));
        const TRunTime run = TimeFileToFile(
            file, [](TMap& map) { benchmark::DoNotOptimize(TurnMap(map, TMapTurn::Clockwise180)); });
        rotate.Add(run);
        state.SetIterationTime(run.wall);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["resave_ms"] = 1000 * resave.wall / runs;
    state.counters["rotate_ms"] = 1000 * rotate.wall / runs;
    state.counters["ratio"] = rotate.wall / resave.wall;
    state.counters["cpu_ratio"] = rotate.processor / resave.processor;
}

// The turns alone, in memory; a quarter turn changes the size, so it is timed in pairs that give
// the map back.
void TurnInMemory(benchmark::State& state) {
    TMap map;
    BuildSyntheticMap(map, Width, Height);
    const auto kind = static_cast<TMapTurn::TKind>(state.range(0));
    const TMapTurn::TKind back = kind == TMapTurn::Clockwise90 ? TMapTurn::Clockwise270 : kind;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TurnMap(map, kind));
        benchmark::DoNotOptimize(TurnMap(map, back));
    }
    state.SetItemsProcessed(state.iterations() * 2 * Width * Height);
}

// The magic wand from an ocean plot: on the synthetic map (about 60 % sea, with coasts and
// islands), and on a map of ocean but for a land plot here and there, where it takes nearly all.
void WandOverTheOcean(benchmark::State& state) {
    TMap map;
    if (state.range(0) == 0) {
        BuildSyntheticMap(map, Width, Height);
    } else {
        map.MapData().SetGridWidth(Width);
        map.MapData().SetGridHeight(Height);
        map.Grids().SetWidth(Width);
        map.Grids().SetHeight(Height);
        for (int x = 0; x < Width; x += 37)
            for (int y = x % 11; y < Height; y += 23) {
                map.Grids().GetPlot(x, y)->SetTerrainType("TERRAIN_GRASS");
                map.Grids().GetPlot(x, y)->SetPlotType(2);
            }
    }
    int startX = 0;
    while (map.Grids().GetPlot(startX, Height / 2)->TerrainType() != "TERRAIN_OCEAN")
        ++startX;
    std::size_t selected = 0;
    for (auto _ : state) {
        const TPlotSet wand = SelectAlike(map, startX, Height / 2);
        selected = wand.Count();
        benchmark::DoNotOptimize(selected);
    }
    state.counters["selected"] = static_cast<double>(selected);
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

void LandmassOfTheOcean(benchmark::State& state) {
    TMap map;
    BuildSyntheticMap(map, Width, Height);
    int startX = 0;
    while (map.Grids().GetPlot(startX, Height / 2)->PlotType() != 3)
        ++startX;
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectLandmass(map, startX, Height / 2).Count());
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

const bool registered = [] {
    benchmark::RegisterBenchmark("Turn/Rotate180AgainstResave/1024x640", RotateHalfRoundAgainstResave)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(5);
    benchmark::RegisterBenchmark("Turn/InMemory/1024x640", TurnInMemory)
        ->Arg(TMapTurn::FlipX)
        ->Arg(TMapTurn::Clockwise90)
        ->Arg(TMapTurn::Clockwise180)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Select/Wand/1024x640", WandOverTheOcean)
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Select/Landmass/1024x640", LandmassOfTheOcean)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
