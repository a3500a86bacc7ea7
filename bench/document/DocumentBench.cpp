// Loading and saving large maps, against the cost of merely reading the same file into lines.
//
//   make bench   (or build/bench/document/tessel_bench_document in a Release build)
//
// Load and save are compared with BM_ReadLinesBaseline on the same file; heap use per default plot
// is reported by BM_HeapPerDefaultPlot as the counter bytes_per_plot.

#include "SyntheticMap.h"
#include "document/FileText.h"
#include "document/Map.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <new>
#include <unistd.h>

namespace {

std::atomic<long long> liveHeapBytes{0};

} // namespace

// GCC takes the malloc inside the replaced operator new for a mismatch with the free below.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    liveHeapBytes += static_cast<long long>(malloc_usable_size(block));
    return block;
}

void operator delete(void* block) noexcept {
    if (!block)
        return;
    liveHeapBytes -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}

namespace {

namespace fs = std::filesystem;

// A synthetic map written once per size into a folder of its own, removed at exit.
struct TMapFile {
    std::string path;
    std::string savePath;
    long long bytes = 0;
};

class TMapFiles {
public:
    ~TMapFiles() {
        std::error_code ignored;
        if (!folder.empty())
            fs::remove_all(folder, ignored);
    }
    const TMapFile& Get(int width, int height) {
        if (folder.empty()) {
            std::string pattern = (fs::temp_directory_path() / "tessel-bench-XXXXXX").string();
            folder = ::mkdtemp(pattern.data());
        }
        TMapFile& file = files[{width, height}];
        if (file.path.empty()) {
            const std::string name = std::to_string(width) + "x" + std::to_string(height);
            file.path = folder + "/" + name + ".Civ4WorldBuilderSave";
            file.savePath = folder + "/" + name + "-saved.Civ4WorldBuilderSave";
            TMap map;
            BuildSyntheticMap(map, width, height);
            map.SaveToFile(file.path);
            file.bytes = static_cast<long long>(fs::file_size(file.path));
        }
        return file;
    }

private:
    std::string folder;
    std::map<std::pair<int, int>, TMapFile> files;
};

TMapFiles mapFiles;

// Reading the file into a list of line strings: the least any loader does.
void BM_ReadLinesBaseline(benchmark::State& state) {
    const TMapFile& file = mapFiles.Get(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::FILE* in = std::fopen(file.path.c_str(), "rb");
        std::string bytes(static_cast<std::size_t>(file.bytes), '\0');
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), in);
        std::fclose(in);
        bytes.resize(got);
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
            lines.emplace_back(bytes, start, end - start - (end > start && bytes[end - 1] == '\r' ? 1 : 0));
        if (start < bytes.size())
            lines.emplace_back(bytes, start);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

// The same with std::getline, the way most programs read lines.
void BM_ReadLinesGetline(benchmark::State& state) {
    const TMapFile& file = mapFiles.Get(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::ifstream in(file.path, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

void BM_LoadFromFile(benchmark::State& state) {
    const TMapFile& file = mapFiles.Get(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TMap map;
    try {
        for (auto _ : state) {
            map.LoadFromFile(file.path);
            benchmark::DoNotOptimize(map.Grids().GetPlot(0, 0));
        }
    } catch (const TMapFileError& error) {
        state.SkipWithError(error.Message().c_str());
        return;
    }
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

void BM_SaveToFile(benchmark::State& state) {
    const TMapFile& file = mapFiles.Get(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TMap map;
    map.LoadFromFile(file.path);
    for (auto _ : state)
        map.SaveToFile(file.savePath);
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

// Saving without the disk: building the file's bytes only.
void BM_SaveToBytes(benchmark::State& state) {
    const TMapFile& file = mapFiles.Get(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TMap map;
    map.LoadFromFile(file.path);
    for (auto _ : state)
        benchmark::DoNotOptimize(map.SaveToBytes().data());
    state.SetBytesProcessed(state.iterations() * file.bytes);
}

void BM_HeapPerDefaultPlot(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    long long bytes = 0;
    for (auto _ : state) {
        const long long before = liveHeapBytes;
        TPlotGrid grids;
        grids.SetWidth(width);
        grids.SetHeight(height);
        bytes = liveHeapBytes - before;
        benchmark::DoNotOptimize(grids.GetPlot(0, 0));
    }
    state.counters["bytes_per_plot"] = static_cast<double>(bytes) / (static_cast<double>(width) * height);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({256, 160})->Args({1024, 640})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ReadLinesBaseline)->Apply(Sizes);
BENCHMARK(BM_ReadLinesGetline)->Apply(Sizes);
BENCHMARK(BM_LoadFromFile)->Apply(Sizes);
BENCHMARK(BM_SaveToFile)->Apply(Sizes);
BENCHMARK(BM_SaveToBytes)->Apply(Sizes);
BENCHMARK(BM_HeapPerDefaultPlot)->Apply(Sizes);

BENCHMARK_MAIN();
