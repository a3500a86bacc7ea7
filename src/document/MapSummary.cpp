#include "document/MapSummary.h"

TMapSummary TMapSummary::Of(const TMap& map) {
    TMapSummary summary;
    const TPlotGrid& grids = map.Grids();
    summary.width = grids.Width();
    summary.height = grids.Height();
    summary.teamsInUse = map.Teams().InUseCount();
    summary.playersInUse = map.Players().InUseCount();
    summary.keptGame = static_cast<int>(map.Game().KeptLines().size());
    summary.keptMap = static_cast<int>(map.MapData().KeptLines().size());
    summary.unsetGame = map.Game().UnsetFieldCount();
    summary.unsetMap = map.MapData().UnsetFieldCount();
    for (int i = 0; i < MaxTeams; ++i) {
        const TTeam& team = *map.Teams().GetTeam(i);
        summary.keptTeams += static_cast<int>(team.KeptLines().size());
        if (team.InUse())
            summary.unsetTeams += team.UnsetFieldCount();
    }
    for (int i = 0; i < MaxPlayers; ++i) {
        const TPlayer& player = *map.Players().GetPlayer(i);
        summary.keptPlayers += static_cast<int>(player.KeptLines().size());
        if (player.InUse())
            summary.unsetPlayers += player.UnsetFieldCount();
    }
    summary.extraTeamLines = static_cast<int>(map.Teams().ExtraBlocks().size());
    summary.extraPlayerLines = static_cast<int>(map.Players().ExtraBlocks().size());
    summary.trailingLines = static_cast<int>(grids.TrailingLines().size());
    for (int x = 0; x < grids.Width(); ++x)
        for (int y = 0; y < grids.Height(); ++y) {
            const TPlot& plot = *grids.GetPlot(x, y);
            if (!plot.IsWritten())
                continue;
            ++summary.plotsWritten;
            summary.keptPlots += static_cast<int>(plot.KeptLines().size());
            summary.unsetPlots += plot.UnsetFieldCount();
            summary.units += plot.Units().Count();
            for (int u = 0; u < plot.Units().Count(); ++u) {
                const TUnit& unit = *plot.Units().GetUnit(u);
                summary.keptUnits += static_cast<int>(unit.KeptLines().size());
                summary.unsetUnits += unit.UnsetFieldCount();
            }
            if (plot.HasCity()) {
                ++summary.cities;
                summary.keptCities += static_cast<int>(plot.City()->KeptLines().size());
                summary.unsetCities += plot.City()->UnsetFieldCount();
            }
        }
    return summary;
}

std::string TMapSummary::ToText() const {
    auto n = [](int value) { return std::to_string(value); };
    return "grid " + n(width) + " x " + n(height) + ", " + n(plotsWritten) + " plots written, " +
           n(teamsInUse) + " teams, " + n(playersInUse) + " players, " + n(units) + " units, " + n(cities) +
           " cities; kept unknown lines: game " + n(keptGame) + ", teams " + n(keptTeams) + ", players " +
           n(keptPlayers) + ", map " + n(keptMap) + ", plots " + n(keptPlots) + ", units " + n(keptUnits) +
           ", cities " + n(keptCities) + ", extra team blocks " + n(extraTeamLines) +
           " lines, extra player blocks " + n(extraPlayerLines) + " lines, after plots " + n(trailingLines) +
           " lines; fields left unset: game " + n(unsetGame) + ", teams " + n(unsetTeams) + ", players " +
           n(unsetPlayers) + ", map " + n(unsetMap) + ", plots " + n(unsetPlots) + ", units " +
           n(unsetUnits) + ", cities " + n(unsetCities);
}
