#include "document/MapSelections.h"

#include <utility>
#include <vector>

namespace {

constexpr int WaterPlotType = 3;

// A row of the sheet: its key as the plot names it, and how a plot's value reads.
struct TPlotRow {
    std::string_view key;
    void (*read)(const TPlot& plot, std::string& value);
};

const TPlotRow PlotRows[] = {
    {"Landmark=", [](const TPlot& plot, std::string& value) { value = plot.Landmark(); }},
    {"ScriptData=", [](const TPlot& plot, std::string& value) { value = plot.ScriptData(); }},
    {"RiverNSDirection=",
     [](const TPlot& plot, std::string& value) { value = IntToText(plot.RiverNSDirection()); }},
    {"isNOfRiver", [](const TPlot& plot, std::string& value) { value = BoolToFlagText(plot.IsNOfRiver()); }},
    {"RiverWEDirection=",
     [](const TPlot& plot, std::string& value) { value = IntToText(plot.RiverWEDirection()); }},
    {"isWOfRiver", [](const TPlot& plot, std::string& value) { value = BoolToFlagText(plot.IsWOfRiver()); }},
    {"StartingPlot",
     [](const TPlot& plot, std::string& value) { value = BoolToFlagText(plot.StartingPlot()); }},
    {"BonusType=", [](const TPlot& plot, std::string& value) { value = plot.BonusType(); }},
    {"ImprovementType=", [](const TPlot& plot, std::string& value) { value = plot.ImprovementType(); }},
    {"FeatureType=", [](const TPlot& plot, std::string& value) { value = plot.FeatureType(); }},
    {"FeatureVariety=",
     [](const TPlot& plot, std::string& value) { value = IntToText(plot.FeatureVariety()); }},
    {"RouteType=", [](const TPlot& plot, std::string& value) { value = plot.RouteType(); }},
    {"TerrainType=", [](const TPlot& plot, std::string& value) { value = plot.TerrainType(); }},
    {"PlotType=", [](const TPlot& plot, std::string& value) { value = IntToText(plot.PlotType()); }},
    {"Units", [](const TPlot& plot,
                 std::string& value) { value = "[ " + IntToText(plot.Units().Count()) + " Units ]"; }},
    {"City",
     [](const TPlot& plot, std::string& value) { value = plot.HasCity() ? "[ 1 City ]" : "[ 0 City ]"; }},
    {"TeamReveal=",
     [](const TPlot& plot, std::string& value) { value = FlagsToCommaText(plot.TeamReveal()); }},
};

std::string_view WithoutEquals(std::string_view key) {
    return !key.empty() && key.back() == '=' ? key.substr(0, key.size() - 1) : key;
}

const TPlotRow* FindRow(std::string_view rowKey) {
    for (const TPlotRow& row : PlotRows)
        if (SameText(WithoutEquals(row.key), WithoutEquals(rowKey)))
            return &row;
    return nullptr;
}

void ReadRow(const TPlot& plot, const TPlotRow& row, std::string& value) {
    // A field that holds no value of its own shows as empty; the flags and summaries always show.
    if (row.key.back() == '=' && !plot.IsSet(row.key))
        value.clear();
    else
        row.read(plot, value);
}

// Every plot of the grid that fits.
template <typename Fits> TPlotSet PlotsThatFit(const TPlotGrid& grids, Fits fits) {
    TPlotSet set(grids.Width(), grids.Height());
    for (int x = 0; x < grids.Width(); ++x)
        for (int y = 0; y < grids.Height(); ++y)
            if (fits(*grids.GetPlot(x, y)))
                set.Insert(x, y);
    return set;
}

// The place one step from `at` along an axis of `size` plots, across the seam when it wraps; -1
// beyond an edge that does not.
int Step(int at, int delta, int size, bool wraps) {
    const int next = at + delta;
    if (next >= 0 && next < size)
        return next;
    return wraps ? (next + size) % size : -1;
}

// The plots of `open` joined to (x, y) through plots of `open`: across edges, across corners too
// when `corners` is set, and across the seams where the map wraps. A stack rather than recursion,
// as a flood may cover a whole map; a plot joined leaves `open`, so that each is tested once.
TPlotSet Flood(const TMap& map, TPlotSet open, int x, int y, bool corners) {
    TPlotSet joined(open.Width(), open.Height());
    if (!open.Contains(x, y))
        return joined;
    const bool wrapX = map.MapData().WrapX() != 0, wrapY = map.MapData().WrapY() != 0;
    constexpr int Steps[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    const int stepCount = corners ? 8 : 4;
    std::vector<std::pair<int, int>> waiting;
    waiting.reserve(4096);
    auto join = [&](int joinX, int joinY) {
        open.Erase(joinX, joinY);
        joined.Insert(joinX, joinY);
        waiting.emplace_back(joinX, joinY);
    };
    join(x, y);
    while (!waiting.empty()) {
        const auto [atX, atY] = waiting.back();
        waiting.pop_back();
        for (int step = 0; step < stepCount; ++step) {
            const int nextX = Step(atX, Steps[step][0], open.Width(), wrapX);
            const int nextY = Step(atY, Steps[step][1], open.Height(), wrapY);
            if (nextX >= 0 && nextY >= 0 && open.Contains(nextX, nextY))
                join(nextX, nextY);
        }
    }
    return joined;
}

} // namespace

bool PlotRowValue(const TPlot& plot, std::string_view rowKey, std::string& value) {
    const TPlotRow* row = FindRow(rowKey);
    if (row == nullptr)
        return false;
    ReadRow(plot, *row, value);
    return true;
}

TPlotSet SelectAlike(const TMap& map, int x, int y) {
    const TPlot* start = map.Grids().GetPlot(x, y);
    if (start == nullptr)
        return TPlotSet(map.Grids().Width(), map.Grids().Height());
    const std::string& terrain = start->TerrainType();
    const int plotType = start->PlotType();
    TPlotSet alike = PlotsThatFit(map.Grids(), [&](const TPlot& plot) {
        return plot.PlotType() == plotType && plot.TerrainType() == terrain;
    });
    return Flood(map, std::move(alike), x, y, false);
}

TPlotSet SelectSameValue(const TMap& map, int x, int y, std::string_view rowKey) {
    const TPlotRow* row = FindRow(rowKey);
    if (row == nullptr)
        throw OperationAborted("A plot has no row \"" + std::string(rowKey) + "\".");
    const TPlot* start = map.Grids().GetPlot(x, y);
    if (start == nullptr)
        return TPlotSet(map.Grids().Width(), map.Grids().Height());
    std::string wanted, value;
    ReadRow(*start, *row, wanted);
    return PlotsThatFit(map.Grids(), [&](const TPlot& plot) {
        ReadRow(plot, *row, value);
        return value == wanted;
    });
}

TPlotSet SelectLandmass(const TMap& map, int x, int y) {
    const TPlot* start = map.Grids().GetPlot(x, y);
    if (start == nullptr)
        return TPlotSet(map.Grids().Width(), map.Grids().Height());
    const bool water = start->PlotType() == WaterPlotType;
    TPlotSet alike = PlotsThatFit(
        map.Grids(), [water](const TPlot& plot) { return (plot.PlotType() == WaterPlotType) == water; });
    return Flood(map, std::move(alike), x, y, !water);
}
