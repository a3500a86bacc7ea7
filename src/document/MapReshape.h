#pragma once

// Cropping, extending, shifting, mirroring and turning a whole map. Each works on the document in
// place and leaves a complete map: the plots move with all they hold, the map section's size
// follows, and the players' starts and the signs after the plots move along. A request that cannot be carried
// out (a corner outside the map, a result of no plot or beyond the sizes the editor opens, a shift along an
// axis that does not wrap) is refused with OperationAborted, whose text says why, before anything changes.

#include "document/Map.h"
#include "document/MapTurn.h"

#include <string_view>

// What an operation took off the map.
struct TReshapeResult {
    int units = 0;      // on plots that left the map
    int cities = 0;     // on plots that left the map
    int starts = 0;     // players whose start left the map; their start is now -1, -1
    int signs = 0;      // sign blocks whose plot left the map
    int riverEdges = 0; // river edges between a plot that stays and one that left
};

// Keeps the plots x1..x2, y1..y2 (inclusive): the plot at (x, y) moves to (x - x1, y - y1). A river
// on an edge whose other side leaves the map goes, unless the map wraps on that axis and the crop
// keeps the whole axis.
TReshapeResult CropMap(TMap& map, int x1, int y1, int x2, int y2);

// The terrain new plots take unless another is given.
constexpr std::string_view DefaultFillTerrain = "TERRAIN_OCEAN";

// Adds `left`, `right`, `bottom` and `top` plots on each side: the plot at (x, y) moves to
// (x + left, y + bottom). New plots take `fillTerrain`, a type name, with the plot type of water
// for a water terrain and of flat land for any other.
TReshapeResult ExtendMap(TMap& map, int left, int right, int bottom, int top,
                         std::string_view fillTerrain = DefaultFillTerrain);

// Moves the plot at (x, y) to ((x + dx) mod width, (y + dy) mod height); a shift along an axis the
// map does not wrap on is refused.
TReshapeResult ShiftMap(TMap& map, int dx, int dy);

// Mirrors the map or turns it clockwise (see TMapTurn): every plot moves with all it holds, and the
// starts and signs with their plots. Every river moves to its edge's new place with its flow turned
// as the picture is; a river on the east border of a map that does not wrap in x, flipped or turned
// onto its west border (or likewise onto the north border), has no plot to keep it and goes. A
// quarter turn swaps the axes the map wraps along; a north-south mirror swaps the latitudes.
TReshapeResult TurnMap(TMap& map, TMapTurn::TKind kind);

// The plot type a plot of the terrain has when nothing else says: 3 (water) for the game's water
// terrains, 2 (flat land) for any other.
int PlotTypeOfTerrain(std::string_view terrain);
