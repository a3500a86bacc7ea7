#pragma once

// How the plots of a map join: the grid's size and the seams across which the map wraps.

#include <vector>

class TMap;
class TPlotGrid;

struct TPlotPosition {
    int x = 0;
    int y = 0;
    bool operator==(const TPlotPosition& other) const { return x == other.x && y == other.y; }
};

// A value made from a map when plots are measured; it holds no reference to the map.
class TMapTopology {
public:
    TMapTopology(int width, int height, bool wrapX, bool wrapY)
        : width(width), height(height), wrapX(wrapX), wrapY(wrapY) {}
    // The plot grid's size, and the wrapping the map section names ("wrap X=", "wrap Y=": any value
    // but 0 wraps).
    static TMapTopology Of(const TMap& map);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Contains(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }

    // Turns (x, y) into the plot it names across the seams of a wrapping map; false when it lies
    // beyond an edge that does not wrap.
    bool Wrap(int& x, int& y) const;

    // The plots a city at (x, y) works: 5 x 5 without its four corners, 21 plots, wrapped where the
    // map wraps and cut off at the edges that do not. On a wrapping map narrower or lower than the
    // radius, a plot the radius reaches twice is listed once. Nothing for a plot outside the grid.
    std::vector<TPlotPosition> CityRadius(int x, int y) const;

    // Whether a river runs along any of the four edges of the plot at (x, y). The game marks a
    // river on the plot west or north of it: "isWOfRiver" for a river along the plot's east edge,
    // "isNOfRiver" along its south edge (y grows northwards).
    bool HasRiverEdge(const TPlotGrid& grids, int x, int y) const;

private:
    int width, height;
    bool wrapX, wrapY;
};
