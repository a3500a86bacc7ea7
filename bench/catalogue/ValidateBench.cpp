// `tessel --validate` against `tessel --check` on the same large map: the check of every value
// against the game's rules may take at most half again as long as loading the map and counting
// what it holds.
//
//   make bench   (or build-bench/bench/catalogue/tessel_bench_validate)
//
// BM_ValidateOverCheck runs both commands' work in turn in each iteration and reports their times
// and the ratio, so that the ratio is taken on the same machine state.

#include "CommandWork.h"
#include "SyntheticMap.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The real game's files when they are beside the repository, else the bundled sample game.
std::string GameFolder() {
    const std::string real = TESSEL_REALDATA_DIR "/game";
    return fs::is_directory(real) ? real : std::string(TESSEL_SAMPLES_DIR "/game");
}

// The synthetic map of the document benchmarks at 1024 x 640, written once, removed at exit.
class TBenchMap {
public:
    ~TBenchMap() {
        if (!path.empty())
            std::remove(path.c_str());
    }
    const std::string& Path() {
        if (path.empty()) {
            char pattern[] = "/tmp/tessel-bench-validate-XXXXXX";
            const int fd = ::mkstemp(pattern);
            if (fd < 0)
                return path;
            ::close(fd);
            TMap map;
            BuildSyntheticMap(map, 1024, 640);
            map.SaveToFile(pattern);
            path = pattern;
        }
        return path;
    }

private:
    std::string path;
};

TBenchMap benchMap;

void BM_CheckCommand(benchmark::State& state) {
    const std::string& path = benchMap.Path();
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckCommand(path).size());
}

void BM_ValidateCommand(benchmark::State& state) {
    const std::string& path = benchMap.Path();
    const std::string gameDir = GameFolder();
    for (auto _ : state)
        benchmark::DoNotOptimize(ValidateCommand(path, TGameLayers::OfFolder(gameDir)).size());
}

// The two parts that `--validate` adds: reading the game's rules, and the check of a loaded map.
void BM_LoadRules(benchmark::State& state) {
    const std::string gameDir = GameFolder();
    for (auto _ : state) {
        TValueCatalogue catalogue;
        catalogue.SetGameDir(gameDir);
        TMapValidator validator;
        validator.LoadRules(catalogue);
        benchmark::DoNotOptimize(validator.HasRules());
    }
}

void BM_CheckLoadedMap(benchmark::State& state) {
    TMap map;
    map.LoadFromFile(benchMap.Path());
    TValueCatalogue catalogue;
    catalogue.SetGameDir(GameFolder());
    TMapValidator validator;
    validator.LoadRules(catalogue);
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = validator.Check(map).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}

void BM_ValidateOverCheck(benchmark::State& state) {
    using TClock = std::chrono::steady_clock;
    const std::string& path = benchMap.Path();
    const std::string gameDir = GameFolder();
    double checkSeconds = 0, validateSeconds = 0;
    for (auto _ : state) {
        const auto start = TClock::now();
        benchmark::DoNotOptimize(CheckCommand(path).size());
        const auto middle = TClock::now();
        benchmark::DoNotOptimize(ValidateCommand(path, TGameLayers::OfFolder(gameDir)).size());
        const auto end = TClock::now();
        checkSeconds += std::chrono::duration<double>(middle - start).count();
        validateSeconds += std::chrono::duration<double>(end - middle).count();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["check_ms"] = checkSeconds / runs * 1000;
    state.counters["validate_ms"] = validateSeconds / runs * 1000;
    state.counters["ratio"] = validateSeconds / checkSeconds;
}

} // namespace

BENCHMARK(BM_CheckCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidateCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRules)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLoadedMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValidateOverCheck)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
