#pragma once

// A mirror or a quarter turn of the whole plot grid: where each plot, corner and edge of a map of
// the given size lands, and how a river's flow turns with the picture. A value; it holds no map.

#include "document/RiverEdges.h"

#include <utility>

class TPlotGrid;

class TMapTurn {
public:
    enum TKind {
        FlipX,       // east-west: the west column becomes the east one
        FlipY,       // north-south
        Clockwise90, // a quarter turn clockwise: the north row becomes the east column
        Clockwise180,
        Clockwise270
    };

    TMapTurn(TKind kind, int width, int height) : kind(kind), width(width), height(height) {}

    TKind Kind() const { return kind; }
    // A quarter turn swaps the width and the height, and the axes a map wraps along.
    bool SwapsAxes() const { return kind == Clockwise90 || kind == Clockwise270; }
    int NewWidth() const { return SwapsAxes() ? height : width; }
    int NewHeight() const { return SwapsAxes() ? width : height; }
    // Whether north and south change places, so that the top and bottom latitudes do as well.
    bool MirrorsNorthSouth() const { return kind == FlipY || kind == Clockwise180; }

    TPlotCorner Corner(TPlotCorner corner) const;
    std::pair<int, int> Plot(int x, int y) const;
    TPlotEdge Edge(const TPlotEdge& edge) const;
    // A flow of RiverNorth ... RiverWest as it looks in the turned picture; other values stay.
    int Flow(int flow) const;

    // Moves every plot of the grid, which is of this turn's size and wraps as said, and every river
    // with it: each edge's river goes, flag and direction as they are written, to the plot that keeps
    // the turned edge on the turned map, its flow turned. Returns how many rivers fell on an edge no
    // plot keeps there (the west or north border of a map that does not wrap) and went. Refused with
    // OperationAborted, changing nothing, for a grid of another size.
    int MovePlotsAndRivers(TPlotGrid& grids, bool wrapX, bool wrapY) const;

private:
    TKind kind;
    int width, height;
};
