#include "rules/MapTopology.h"

#include "document/Map.h"
#include "document/RiverEdges.h"

#include <algorithm>

TMapTopology TMapTopology::Of(const TMap& map) {
    return TMapTopology(map.Grids().Width(), map.Grids().Height(), map.MapData().WrapX() != 0,
                        map.MapData().WrapY() != 0);
}

bool TMapTopology::Wrap(int& x, int& y) const {
    int wrappedX = x, wrappedY = y;
    if (!WrapPlotCoordinate(wrappedX, width, wrapX) || !WrapPlotCoordinate(wrappedY, height, wrapY))
        return false;
    x = wrappedX;
    y = wrappedY;
    return true;
}

std::vector<TPlotPosition> TMapTopology::CityRadius(int x, int y) const {
    std::vector<TPlotPosition> plots;
    if (!Contains(x, y))
        return plots;
    plots.reserve(21);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if ((dx == -2 || dx == 2) && (dy == -2 || dy == 2))
                continue;
            TPlotPosition plot{x + dx, y + dy};
            if (Wrap(plot.x, plot.y) && std::find(plots.begin(), plots.end(), plot) == plots.end())
                plots.push_back(plot);
        }
    return plots;
}

bool TMapTopology::HasRiverEdge(const TPlotGrid& grids, int x, int y) const {
    return TRiverLattice(width, height, wrapX, wrapY).TouchesRiver(grids, x, y);
}
