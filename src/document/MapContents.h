#pragma once

// The map document: one WorldBuilder save in memory, its sections, plots, units and cities, and
// the line codec they share.

#include "CityType.h"
#include "FileText.h"
#include "GameData.h"
#include "LineCodec.h"
#include "Map.h"
#include "MapData.h"
#include "MapGrid.h"
#include "MapReshape.h"
#include "MapStarts.h"
#include "MapSummary.h"
#include "PlayerData.h"
#include "RecordSnapshot.h"
#include "RecordText.h"
#include "RiverEdges.h"
#include "TeamData.h"
#include "UnitType.h"
