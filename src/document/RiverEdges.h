#pragma once

// Rivers run along the edges between plots, but the game keeps each one on a single plot beside it:
// "isWOfRiver" marks a river along the plot's east edge, flowing as "RiverNSDirection" says, and
// "isNOfRiver" one along its south edge, flowing as "RiverWEDirection" says (y grows northwards).
// TRiverLattice finds the plot that keeps the river of an edge, across the seams of a wrapping map,
// turns a walk from corner to corner into edges with their flows, and puts rivers on and off.

#include <optional>
#include <vector>

class TMap;
class TPlot;
class TPlotGrid;

// The game's numbers of the four ways a river flows; a river along an east edge flows north or
// south, one along a south edge east or west.
constexpr int RiverNorth = 0;
constexpr int RiverEast = 1;
constexpr int RiverSouth = 2;
constexpr int RiverWest = 3;

// A corner of the plots: corner (x, y) is the south-west corner of plot (x, y). A map of W x H plots
// has the corners (0, 0) to (W, H).
struct TPlotCorner {
    int x = 0, y = 0;
    bool operator==(const TPlotCorner& other) const { return x == other.x && y == other.y; }
    bool operator!=(const TPlotCorner& other) const { return !(*this == other); }
};

// The side between two neighbouring corners: from corner (x, y) one step north (a north-south
// edge, the west edge of plot (x, y)) or one step east (the south edge of plot (x, y)).
struct TPlotEdge {
    int x = 0, y = 0;
    bool northSouth = false;
    bool operator==(const TPlotEdge& other) const {
        return x == other.x && y == other.y && northSouth == other.northSouth;
    }
    bool operator!=(const TPlotEdge& other) const { return !(*this == other); }
};

// A river on an edge and the way it flows (RiverNorth ... RiverWest).
struct TRiverStep {
    TPlotEdge edge;
    int flow = RiverSouth;
    bool operator==(const TRiverStep& other) const { return edge == other.edge && flow == other.flow; }
};

// The plot that keeps the river of an edge, and which of its two: its east edge or its south edge.
struct TRiverHolder {
    int x = 0, y = 0;
    bool eastEdge = false;
    bool operator==(const TRiverHolder& other) const {
        return x == other.x && y == other.y && eastEdge == other.eastEdge;
    }
    bool operator<(const TRiverHolder& other) const {
        if (eastEdge != other.eastEdge)
            return eastEdge < other.eastEdge;
        return x != other.x ? x < other.x : y < other.y;
    }
};

// What an edge holds: a river or none, and its flow, or -1 when the plot gives none that suits the
// edge (a file may set the flag without a direction).
struct TRiverState {
    bool river = false;
    int flow = -1;
};

// `value` brought into 0 .. size - 1 across the seam of an axis that wraps; false, leaving it as it
// is, when it lies outside an axis that does not.
bool WrapPlotCoordinate(int& value, int size, bool wraps);

// A value made from a map's size and wrapping; it holds no reference to the map.
class TRiverLattice {
public:
    TRiverLattice(int width, int height, bool wrapX, bool wrapY)
        : width(width), height(height), wrapX(wrapX), wrapY(wrapY) {}
    // The plot grid's size, and the wrapping of the map section ("wrap X=", "wrap Y=": any value
    // but 0 wraps).
    static TRiverLattice Of(const TMap& map);

    int Width() const { return width; }
    int Height() const { return height; }
    bool WrapsX() const { return wrapX; }
    bool WrapsY() const { return wrapY; }

    // The plot that keeps a river on the edge, found across a seam the map wraps at; nothing for an
    // edge no plot keeps: the west border of a map that does not wrap in x, its north border when it
    // does not wrap in y, and edges beyond the map.
    std::optional<TRiverHolder> Holder(const TPlotEdge& edge) const;
    // The edges of the corners (0, 0) to (W, H) the river of a holder lies on: its own edge and, on
    // a wrapping map, the same edge at the other border (the east edge of the last column is the
    // west edge of the first).
    std::vector<TPlotEdge> Places(const TRiverHolder& holder) const;

    // The edges walked from one corner to another, one corner at a time and close to the straight
    // line between them, each with the flow of its step; nothing when the corners are the same.
    static std::vector<TRiverStep> Path(TPlotCorner from, TPlotCorner to);

    TRiverState RiverAt(const TPlotGrid& grids, const TPlotEdge& edge) const;
    // The river a plot keeps on its east edge or on its south edge.
    static TRiverState RiverKept(const TPlot& plot, bool eastEdge);
    // Whether a river runs along any of the four edges of the plot at (x, y).
    bool TouchesRiver(const TPlotGrid& grids, int x, int y) const;

    // Puts a river flowing `step.flow` on the edge, or gives it that flow; false, changing nothing,
    // when no plot keeps the edge or the flow runs across it.
    bool SetRiver(TPlotGrid& grids, const TRiverStep& step) const;
    // Takes the river off the edge: its flag and direction are no longer written.
    void RemoveRiver(TPlotGrid& grids, const TPlotEdge& edge) const;
    // Takes a river off the edge, or puts one on with the flow its plot still names for that edge,
    // else south or east. Returns whether the edge now has a river (false too for an edge no plot
    // keeps, which is left alone).
    bool ToggleRiver(TPlotGrid& grids, const TPlotEdge& edge) const;

private:
    int width, height;
    bool wrapX, wrapY;
};
