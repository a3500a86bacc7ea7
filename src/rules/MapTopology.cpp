#include "MapTopology.h"

#include "Map.h"

#include <algorithm>

namespace {

// `value` brought into 0 .. size - 1 across the seam; false when it lies outside and may not wrap.
bool WrapAxis(int& value, int size, bool wraps) {
    if (value >= 0 && value < size)
        return true;
    if (!wraps || size <= 0)
        return false;
    value %= size;
    if (value < 0)
        value += size;
    return true;
}

} // namespace

TMapTopology TMapTopology::Of(const TMap& map) {
    return TMapTopology(map.Grids().Width(), map.Grids().Height(), map.MapData().WrapX() != 0,
                        map.MapData().WrapY() != 0);
}

bool TMapTopology::Wrap(int& x, int& y) const {
    int wrappedX = x, wrappedY = y;
    if (!WrapAxis(wrappedX, width, wrapX) || !WrapAxis(wrappedY, height, wrapY))
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

bool TMapTopology::HasRiverEdge(const TMapGrids& grids, int x, int y) const {
    const TMapGrid* plot = grids.GetPlot(x, y);
    if (!plot)
        return false;
    if (plot->IsWOfRiver() || plot->IsNOfRiver())
        return true;
    int westX = x - 1, westY = y;
    if (Wrap(westX, westY))
        if (const TMapGrid* west = grids.GetPlot(westX, westY); west && west->IsWOfRiver())
            return true;
    int northX = x, northY = y + 1;
    if (Wrap(northX, northY))
        if (const TMapGrid* north = grids.GetPlot(northX, northY); north && north->IsNOfRiver())
            return true;
    return false;
}
