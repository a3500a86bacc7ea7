#pragma once

// Mirroring, turning and moving the plots of a selection of any shape inside a map. Each works on
// the document in place and keeps the map complete: a plot moves whole (terrain, relief, feature,
// bonus, improvement, route, units, city, script data, every line it keeps), the players' starts and
// the signs with it. The caller keeps the undo copy; these only change the map. A request that
// cannot be carried out (no plot selected, a selection made on a grid of another size, a quarter
// turn of a selection that is not square, a move off a map that does not wrap) is refused with
// OperationAborted, whose text says why, before anything changes.
//
// Rivers belong to the plots beside them: the rivers along the four sides of a selected plot go
// with it (turned or mirrored as the picture is, see TMapTurn::Flow), whichever plot the game keeps
// them on, so a river between the selection and a plot left alone goes with the selection. A turn
// treats the edges as it treats the plots: the rivers along the places it lands on take the edges
// it left, turned back along their cycle. A move replaces the rivers along the places it lands on,
// and those along the places it leaves go. A river that lands on the west or north border of a map
// that does not wrap there has no plot to keep it and goes.

#include "document/Map.h"
#include "document/MapTurn.h"
#include "document/PlotSet.h"

#include <optional>
#include <string>

// What a plot left empty by a move becomes: a fresh plot of this terrain type and plot type (0 peak,
// 1 hills, 2 flat land, 3 water).
struct TPlotFill {
    std::string terrainType;
    int plotType = 3;
};

// Mirrors or turns the selected plots inside the selection's bounding rectangle, as TMapTurn would
// turn a map of that rectangle's size: a quarter turn needs a square rectangle. Plots not selected
// stay, but for those a selected plot lands on: they take the places the selection left, so that
// nothing is lost. Along each cycle of places the turn makes (a pair for a mirror or a half turn, up
// to four for a quarter turn) the selected plots go one step on and the others fill, in turn, the
// places left behind; a mirror thus swaps a plot not selected with its selected mirror image, and a
// second mirror of the returned set gives the map back. Four quarter turns give the selected plots
// back to their places, but not always the others of a square selected in part, which may come
// back in another order along their cycle. Returns the selected plots' new places.
TPlotSet TurnSelection(TMap& map, const TPlotSet& selection, TMapTurn::TKind kind);

// Moves the selected plots by (dx, dy) plots (y grows northwards); on an axis the map wraps along a
// place past the seam comes round to the other side. What lay on the new places is lost. The places
// the selection leaves become fresh plots (no units, city, feature, bonus, improvement, route, river
// or start) of `fill`, or, without one, of the terrain and plot type of the nearest plot not
// selected behind them along the move's longer axis (for dx > 0 the first one west on the row), or
// of ocean where there is none. A player whose start lay under a new place loses the start (-1,
// -1), and a sign there goes. A fill whose terrain is not a type name (letters, digits and
// underscores) or whose plot type is outside 0..3 is refused. Returns the new places.
TPlotSet MoveSelection(TMap& map, const TPlotSet& selection, int dx, int dy,
                       const std::optional<TPlotFill>& fill);
