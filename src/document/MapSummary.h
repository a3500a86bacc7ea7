#pragma once

#include "document/Map.h"

#include <string>

// What a loaded document holds, in numbers: what `tessel --check` prints.
struct TMapSummary {
    int width = 0, height = 0, plotsWritten = 0;
    int teamsInUse = 0, playersInUse = 0, units = 0, cities = 0;
    // Lines kept without being understood, per section.
    int keptGame = 0, keptTeams = 0, keptPlayers = 0, keptMap = 0, keptPlots = 0, keptUnits = 0,
        keptCities = 0;
    int extraTeamLines = 0, extraPlayerLines = 0, trailingLines = 0;
    // Fields the file left unset, per section: the game chooses what they hold.
    int unsetGame = 0, unsetTeams = 0, unsetPlayers = 0, unsetMap = 0, unsetPlots = 0, unsetUnits = 0,
        unsetCities = 0;

    static TMapSummary Of(const TMap& map);
    std::string ToText() const;
};
