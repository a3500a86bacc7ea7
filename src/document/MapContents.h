#pragma once

// The map document: one WorldBuilder save in memory, its sections, plots, units and cities, and
// the line codec they share.

#include "document/City.h"
#include "document/FileText.h"
#include "document/GameSection.h"
#include "document/LineCodec.h"
#include "document/Map.h"
#include "document/MapReshape.h"
#include "document/MapSection.h"
#include "document/MapStarts.h"
#include "document/MapSummary.h"
#include "document/Player.h"
#include "document/Plot.h"
#include "document/RecordSnapshot.h"
#include "document/RecordText.h"
#include "document/RiverEdges.h"
#include "document/Team.h"
#include "document/Unit.h"
