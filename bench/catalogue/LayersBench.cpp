// The game's layers: reading every list of Beyond the Sword with a mod against reading the base
// game's (at most half again as long), and `--validate` of a 1024 x 640 map with expansion and mod
// against `--check` of it (the same bound).
//
//   make bench   (or build-bench/bench/catalogue/tessel_bench_layers)
//
// The install is made once in a scratch folder: the base game is the real game's files (else the
// bundled sample game), linked; Beyond the Sword replaces the units, civilizations and leaders and
// adds a text file of its own, as the expansion does; the mod replaces the terrains.

#include "CommandWork.h"
#include "SyntheticMap.h"
#include "catalogue/GameLayers.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string BaseGame() {
    const std::string real = TESSEL_REALDATA_DIR "/game";
    return fs::is_directory(real) ? real : std::string(TESSEL_SAMPLES_DIR "/game");
}

// A copy of a base game file with one more record before the list's end.
void CopyWithOneMore(const fs::path& from, const fs::path& to, const std::string& record) {
    std::ifstream in(from, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t end = text.rfind("</");
    const std::size_t listEnd = end == std::string::npos ? text.size() : text.rfind("</", end - 1);
    text.insert(listEnd == std::string::npos ? text.size() : listEnd, record);
    fs::create_directories(to.parent_path());
    std::ofstream(to, std::ios::binary) << text;
}

class TBenchInstall {
public:
    TBenchInstall() {
        char pattern[] = "/tmp/tessel-bench-layers-XXXXXX";
        if (!::mkdtemp(pattern))
            return;
        root = pattern;
        fs::create_directory_symlink(fs::absolute(BaseGame()) / "Assets", fs::path(root) / "Assets");
        const fs::path base = fs::path(root) / "Assets/XML";
        const fs::path expansion = fs::path(root) / "Beyond the Sword/Assets/XML";
        for (const char* file : {"Units/CIV4UnitInfos.xml", "Civilizations/CIV4CivilizationInfos.xml",
                                 "Civilizations/CIV4LeaderHeadInfos.xml"})
            CopyWithOneMore(base / file, expansion / file, "<Info>\n<Type>EXPANSION_TYPE</Type>\n</Info>\n");
        CopyWithOneMore(
            base / "Text/CIV4GameTextInfos_Objects.xml", expansion / "Text/CIV4GameText_Objects_BTS.xml",
            "<TEXT>\n<Tag>TXT_KEY_LEADER_EXPANSION</Tag>\n<English>Expansion</English>\n</TEXT>\n");
        CopyWithOneMore(base / "Terrain/CIV4TerrainInfos.xml",
                        fs::path(root) /
                            "Beyond the Sword/Mods/Next War/Assets/XML/Terrain/CIV4TerrainInfos.xml",
                        "<Info>\n<Type>TERRAIN_WASTELAND</Type>\n</Info>\n");
        TMap map;
        BuildSyntheticMap(map, 1024, 640);
        mapPath = root + "/Big.CivBeyondSwordWBSave";
        map.SaveToFile(mapPath);
    }
    ~TBenchInstall() {
        std::error_code ignored;
        if (!root.empty())
            fs::remove_all(root, ignored);
    }

    TGameLayers Layers(TEdition edition, const std::string& mod) const {
        TLayerChoice choice;
        choice.edition = edition;
        choice.mod = mod;
        return TGameLayers::Resolve(root, choice, {});
    }

    std::string root, mapPath;
};

const TBenchInstall& Install() {
    static const TBenchInstall install;
    return install;
}

// Every list of the catalogue, read afresh.
std::size_t ReadEveryList(const TGameLayers& layers) {
    TValueCatalogue catalogue;
    catalogue.SetLayers(layers);
    std::size_t values = 0;
    StringList list;
    for (const std::string& key : TValueCatalogue::CatalogueKeys()) {
        catalogue.GetValueList(key, list);
        values += list.size();
    }
    return values;
}

void BM_Layers_ListsOfTheBaseGame(benchmark::State& state) {
    const TGameLayers layers = Install().Layers(TEdition::Base, "");
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadEveryList(layers));
}

void BM_Layers_ListsOfBeyondTheSwordWithAMod(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadEveryList(Install().Layers(TEdition::BeyondTheSword, "Next War")));
}

// Two pieces of work in turn in each iteration, so that their ratio is taken on the same machine
// state; the layers of the second are resolved inside it, as the command does.
template <typename TFirst, typename TSecond>
void InTurn(benchmark::State& state, TFirst first, TSecond second, const char* firstName,
            const char* secondName) {
    using TClock = std::chrono::steady_clock;
    double firstSeconds = 0, secondSeconds = 0;
    for (auto _ : state) {
        const auto start = TClock::now();
        benchmark::DoNotOptimize(first());
        const auto middle = TClock::now();
        benchmark::DoNotOptimize(second());
        const auto end = TClock::now();
        firstSeconds += std::chrono::duration<double>(middle - start).count();
        secondSeconds += std::chrono::duration<double>(end - middle).count();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters[firstName] = firstSeconds / runs * 1000;
    state.counters[secondName] = secondSeconds / runs * 1000;
    state.counters["ratio"] = secondSeconds / firstSeconds;
}

void BM_Layers_ListsWithModOverBase(benchmark::State& state) {
    const TGameLayers base = Install().Layers(TEdition::Base, "");
    InTurn(
        state, [&] { return ReadEveryList(base); },
        [] { return ReadEveryList(Install().Layers(TEdition::BeyondTheSword, "Next War")); }, "base_ms",
        "mod_ms");
}

void BM_Layers_ValidateWithModOverCheck(benchmark::State& state) {
    const std::string& path = Install().mapPath;
    InTurn(
        state, [&] { return CheckCommand(path).size(); },
        [&] { return ValidateCommand(path, Install().Layers(TEdition::BeyondTheSword, "Next War")).size(); },
        "check_ms", "validate_ms");
}

} // namespace

BENCHMARK(BM_Layers_ListsOfTheBaseGame)
    ->Name("Catalogue/Layers/ListsOfTheBaseGame")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layers_ListsOfBeyondTheSwordWithAMod)
    ->Name("Catalogue/Layers/ListsOfBeyondTheSwordWithAMod")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layers_ListsWithModOverBase)
    ->Name("Catalogue/Layers/ListsWithModOverBase")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layers_ValidateWithModOverCheck)
    ->Iterations(5)
    ->Name("Catalogue/Layers/ValidateWithModOverCheck")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
