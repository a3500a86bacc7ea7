#pragma once

#include "document/Map.h"

// A realistic map of the given size, the same on every run: about 60 % sea, rivers, forests and
// jungle, bonuses, a unit on about 1 % of the land plots and a city on about 0.5 %, 18 teams and
// 18 players.
void BuildSyntheticMap(TMap& map, int width, int height);
