#include "rules/BalanceReport.h"

#include "document/Map.h"

#include <algorithm>
#include <map>

namespace {

void NoteUnknown(std::vector<std::string>* unknown, const std::string& type, bool known) {
    if (unknown && !known && !type.empty() &&
        std::find(unknown->begin(), unknown->end(), type) == unknown->end())
        unknown->push_back(type);
}

} // namespace

long long TBalanceStart::Measure(TBalanceColumn column) const {
    switch (column) {
    case TBalanceColumn::Land:
        return land;
    case TBalanceColumn::Water:
        return water;
    case TBalanceColumn::Hills:
        return hills;
    case TBalanceColumn::Peaks:
        return peaks;
    case TBalanceColumn::River:
        return river;
    case TBalanceColumn::Food:
        return food;
    case TBalanceColumn::Production:
        return production;
    case TBalanceColumn::Commerce:
        return commerce;
    case TBalanceColumn::Bonuses: {
        long long count = 0;
        for (const auto& bonus : bonuses)
            count += bonus.second;
        return count;
    }
    }
    return 0;
}

TBalanceStart TBalanceReport::MeasureStart(const TMap& map, const TMapTopology& topology,
                                           const TYieldRules& rules, int x, int y,
                                           std::vector<std::string>* unknown) {
    TBalanceStart start;
    start.x = x;
    start.y = y;
    std::map<std::string, int> bonusCounts;
    const TPlotGrid& grids = map.Grids();
    for (const TPlotPosition& position : topology.CityRadius(x, y)) {
        const TPlot* plot = grids.GetPlot(position.x, position.y);
        if (!plot)
            continue;
        const int plotType = plot->PlotType();
        start.land += plotType >= 0 && plotType <= 2;
        start.water += plotType == 3;
        start.hills += plotType == 1;
        start.peaks += plotType == 0;
        const bool river = topology.HasRiverEdge(grids, position.x, position.y);
        start.river += river;
        const TYields yields = rules.NaturalYield(*plot, river);
        start.food += yields[YieldFood];
        start.production += yields[YieldProduction];
        start.commerce += yields[YieldCommerce];
        if (!plot->BonusType().empty())
            ++bonusCounts[plot->BonusType()];
        NoteUnknown(unknown, plot->TerrainType(), rules.Terrain(plot->TerrainType()) != nullptr);
        NoteUnknown(unknown, plot->FeatureType(), rules.Feature(plot->FeatureType()) != nullptr);
        NoteUnknown(unknown, plot->BonusType(), rules.Bonus(plot->BonusType()) != nullptr);
    }
    start.bonuses.assign(bonusCounts.begin(), bonusCounts.end());
    return start;
}

TBalanceReport TBalanceReport::Of(const TMap& map, const TYieldRules& rules) {
    TBalanceReport report;
    const TMapTopology topology = TMapTopology::Of(map);
    for (const TMapStart& place : MapStarts(map)) {
        TBalanceStart start = MeasureStart(map, topology, rules, place.x, place.y, &report.unknownTypes);
        start.player = place.player;
        report.starts.push_back(std::move(start));
    }
    std::sort(report.unknownTypes.begin(), report.unknownTypes.end());
    return report;
}

TBalanceReport::TRange TBalanceReport::Range(TBalanceColumn column) const {
    TRange range;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const long long value = starts[i].Measure(column);
        if (i == 0 || value < range.lowest)
            range.lowest = value;
        if (i == 0 || value > range.highest)
            range.highest = value;
    }
    return range;
}

std::string TBalanceReport::ToText() const {
    std::string text = "player\tx\ty";
    for (const std::string_view name : BalanceColumnNames) {
        text += '\t';
        text += name;
    }
    text += '\n';
    for (const TBalanceStart& start : starts) {
        text += start.player == TBalanceStart::NoPlayer ? "-" : std::to_string(start.player);
        for (const long long value : {static_cast<long long>(start.x), static_cast<long long>(start.y)}) {
            text += '\t';
            text += std::to_string(value);
        }
        for (std::size_t column = 0; column + 1 < BalanceColumnNames.size(); ++column) {
            text += '\t';
            text += std::to_string(start.Measure(static_cast<TBalanceColumn>(column)));
        }
        text += '\t';
        for (std::size_t i = 0; i < start.bonuses.size(); ++i) {
            if (i > 0)
                text += ',';
            text += start.bonuses[i].first + ":" + std::to_string(start.bonuses[i].second);
        }
        text += '\n';
    }
    if (starts.empty())
        return text;
    for (std::size_t column = 0; column < BalanceColumnNames.size(); ++column) {
        const TRange range = Range(static_cast<TBalanceColumn>(column));
        text += std::string(BalanceColumnNames[column]) + "\tlowest " + std::to_string(range.lowest) +
                "\thighest " + std::to_string(range.highest) + "\tspread " + std::to_string(range.Spread()) +
                "\n";
    }
    return text;
}
