#pragma once

// Selections of any shape made from what the plots hold: the plots joined to one that look like it
// (the magic wand), every plot that shows a row's value, and a landmass or a body of water. Each
// takes a map and a start plot and gives a set on the map's grid; a start off the grid gives an
// empty set. Plots join across the seams of a map that wraps.

#include "document/Map.h"
#include "document/PlotSet.h"

#include <string>
#include <string_view>

// The plots joined to (x, y) across their edges through plots of its terrain type and plot type.
TPlotSet SelectAlike(const TMap& map, int x, int y);

// Every plot of the map whose value in the sheet's row of `rowKey` ("BonusType", "isNOfRiver",
// "Units", ...) is that of (x, y). A key that names no row of a plot is refused with
// OperationAborted.
TPlotSet SelectSameValue(const TMap& map, int x, int y, std::string_view rowKey);

// The land joined to (x, y), or the body of water when it is water (plot type 3). Land touching at
// a corner is one landmass, as units walk across corners; water then joins across edges only, so
// that a diagonal line of land parts two seas.
TPlotSet SelectLandmass(const TMap& map, int x, int y);

// The value the sheet shows for the plot in the row of `rowKey` (with or without its "="), as
// TPlot::GetEditorLines gives it after the "=", without touching the plot; false for a key that
// names no row.
bool PlotRowValue(const TPlot& plot, std::string_view rowKey, std::string& value);
