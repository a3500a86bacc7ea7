// The balance report of a large map with a start for each of its 18 players, and reading the
// game's yield rules.
//
//   make bench   (or build/bench/rules/tessel_bench_rules in a Release build)
//
// The rules are the base game's from ../shared/realdata/game when it is there, else the small
// hand-made set of the rule tests.

#include "RulesTestFiles.h"
#include "SyntheticMap.h"
#include "document/LineCodec.h"
#include "document/Map.h"
#include "rules/BalanceReport.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

std::string RealGame() {
    const std::string game = std::string(TESSEL_REALDATA_DIR) + "/game";
    return std::filesystem::is_directory(game) ? game : std::string();
}

TYieldRules BenchRules() {
    TYieldRules rules;
    if (const std::string game = RealGame(); !game.empty())
        rules.LoadFromGameDir(game);
    else
        rulestest::TRuleTexts().LoadInto(rules);
    return rules;
}

// The synthetic map with each player starting on the land plot nearest to a point of a 6 x 3
// lattice, the plot marked as a start.
void PlaceStarts(TMap& map) {
    const int width = map.Grids().Width(), height = map.Grids().Height();
    for (int player = 0; player < MaxPlayers; ++player) {
        const int wantedX = (player % 6) * width / 6 + width / 12;
        const int wantedY = (player / 6) * height / 3 + height / 6;
        int bestX = wantedX, bestY = wantedY, bestDistance = -1;
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y) {
                const int plotType = map.Grids().GetPlot(x, y)->PlotType();
                const int distance = (x - wantedX) * (x - wantedX) + (y - wantedY) * (y - wantedY);
                if ((plotType == 1 || plotType == 2) && (bestDistance < 0 || distance < bestDistance)) {
                    bestX = x;
                    bestY = y;
                    bestDistance = distance;
                }
            }
        map.Players().GetPlayer(player)->ApplyEditorLines(
            {"StartingX=" + std::to_string(bestX), "StartingY=" + std::to_string(bestY)});
        map.Grids().GetPlot(bestX, bestY)->SetStartingPlot(true);
    }
}

void BM_BalanceReport(benchmark::State& state) {
    TMap map;
    BuildSyntheticMap(map, 256, 160);
    PlaceStarts(map);
    const TYieldRules rules = BenchRules();
    std::size_t starts = 0;
    for (auto _ : state) {
        const TBalanceReport report = TBalanceReport::Of(map, rules);
        starts = report.Starts().size();
        benchmark::DoNotOptimize(report.Starts().data());
    }
    state.counters["starts"] = static_cast<double>(starts);
    state.SetLabel(RealGame().empty() ? "hand-made rules" : "base game rules");
}

void BM_LoadRealRules(benchmark::State& state) {
    const std::string game = RealGame();
    if (game.empty()) {
        state.SkipWithError("no real game files");
        return;
    }
    for (auto _ : state) {
        TYieldRules rules;
        rules.LoadFromGameDir(game);
        benchmark::DoNotOptimize(rules.Terrain("TERRAIN_GRASS"));
    }
}

} // namespace

BENCHMARK(BM_BalanceReport)->Name("Balance/Report/256x160")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRealRules)->Name("Balance/LoadRules/BaseGame")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
