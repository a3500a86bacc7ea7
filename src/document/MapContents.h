#pragma once

// The map document: one WorldBuilder save in memory, its sections, plots, units and cities, and
// the line codec they share.

#include "City.h"
#include "FileText.h"
#include "GameSection.h"
#include "LineCodec.h"
#include "Map.h"
#include "MapReshape.h"
#include "MapSection.h"
#include "MapStarts.h"
#include "MapSummary.h"
#include "Player.h"
#include "Plot.h"
#include "RecordSnapshot.h"
#include "RecordText.h"
#include "RiverEdges.h"
#include "Team.h"
#include "Unit.h"
