// Hostile inputs of growing size: the load must stay linear, and 50 MB of any of them must load
// (or be refused) within 5 seconds. Each benchmark reports its complexity over 5 to 50 MB.

#include "document/FileText.h"
#include "document/Map.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <random>

namespace {

std::string Repeat(std::size_t bytes, const std::string& head, const std::string& piece,
                   const std::string& tail) {
    std::string text = head;
    text.reserve(bytes + tail.size() + piece.size());
    while (text.size() < bytes)
        text += piece;
    return text + tail;
}

const std::string MapHead = "BeginGame\nEndGame\nBeginMap\n\tgrid width=2\n\tgrid height=2\nEndMap\n";

std::string OneLongLine(std::size_t bytes) {
    return Repeat(bytes, MapHead + "BeginPlot\n\tx=0,y=0\n\tLandmark=", "A", "\nEndPlot\n");
}
std::string ManyOptions(std::size_t bytes) {
    return Repeat(bytes, "BeginGame\n", "\tOption=GAMEOPTION_X\n", MapHead + "BeginPlot\n");
}
std::string ManyUnits(std::size_t bytes) {
    return Repeat(bytes, MapHead + "BeginPlot\n\tx=0,y=0\n",
                  "\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=1\n\tEndUnit\n", "EndPlot\n");
}
std::string ManyCommas(std::size_t bytes) {
    return Repeat(bytes, MapHead + "BeginPlot\n\tx=0,y=0,", ",", "\nEndPlot\n");
}
std::string ManyMarkers(std::size_t bytes) {
    return Repeat(bytes, MapHead, "BeginPlot BeginUnit BeginCity EndUnit EndCity x=1 EndPlot\n", "");
}
std::string Garbage(std::size_t bytes) {
    std::mt19937 random(7);
    std::string text(bytes, '\0');
    for (char& c : text)
        c = static_cast<char>(1 + random() % 255);
    return text;
}

void LoadHostile(benchmark::State& state, const std::function<std::string(std::size_t)>& make) {
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) << 20;
    const std::string text = make(bytes);
    for (auto _ : state) {
        TMap map;
        const auto views = SplitLines(text);
        try {
            map.LoadFromStrings(StringList(views.begin(), views.end()));
        } catch (const OperationAborted& refused) {
            benchmark::DoNotOptimize(refused.what());
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
    state.SetComplexityN(static_cast<long long>(text.size()));
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(5)->Arg(10)->Arg(20)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

} // namespace

BENCHMARK_CAPTURE(LoadHostile, OneLongLine, OneLongLine)->Apply(Sizes);
BENCHMARK_CAPTURE(LoadHostile, ManyOptions, ManyOptions)->Apply(Sizes);
BENCHMARK_CAPTURE(LoadHostile, ManyUnits, ManyUnits)->Apply(Sizes);
BENCHMARK_CAPTURE(LoadHostile, ManyCommas, ManyCommas)->Apply(Sizes);
BENCHMARK_CAPTURE(LoadHostile, ManyMarkers, ManyMarkers)->Apply(Sizes);
BENCHMARK_CAPTURE(LoadHostile, Garbage, Garbage)->Apply(Sizes);
