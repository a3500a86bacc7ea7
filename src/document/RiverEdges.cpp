#include "document/RiverEdges.h"

#include "document/Map.h"

#include <cstdlib>

namespace {

bool IsNorthSouthFlow(int flow) {
    return flow == RiverNorth || flow == RiverSouth;
}

bool IsWestEastFlow(int flow) {
    return flow == RiverEast || flow == RiverWest;
}

} // namespace

bool WrapPlotCoordinate(int& value, int size, bool wraps) {
    if (value >= 0 && value < size)
        return true;
    if (!wraps || size <= 0)
        return false;
    value %= size;
    if (value < 0)
        value += size;
    return true;
}

TRiverLattice TRiverLattice::Of(const TMap& map) {
    return TRiverLattice(map.Grids().Width(), map.Grids().Height(), map.MapData().WrapX() != 0,
                         map.MapData().WrapY() != 0);
}

std::optional<TRiverHolder> TRiverLattice::Holder(const TPlotEdge& edge) const {
    // The plot west of a north-south edge keeps it; the plot north of a west-east edge does.
    TRiverHolder holder{edge.northSouth ? edge.x - 1 : edge.x, edge.y, edge.northSouth};
    if (!WrapPlotCoordinate(holder.x, width, wrapX) || !WrapPlotCoordinate(holder.y, height, wrapY))
        return std::nullopt;
    return holder;
}

std::vector<TPlotEdge> TRiverLattice::Places(const TRiverHolder& holder) const {
    std::vector<TPlotEdge> places;
    if (holder.eastEdge) {
        places.push_back({holder.x + 1, holder.y, true});
        if (wrapX && holder.x + 1 == width)
            places.push_back({0, holder.y, true});
    } else {
        places.push_back({holder.x, holder.y, false});
        if (wrapY && holder.y == 0)
            places.push_back({holder.x, height, false});
    }
    return places;
}

std::vector<TRiverStep> TRiverLattice::Path(TPlotCorner from, TPlotCorner to) {
    const int stepsX = std::abs(to.x - from.x), stepsY = std::abs(to.y - from.y);
    const bool east = to.x > from.x, north = to.y > from.y;
    std::vector<TRiverStep> path;
    path.reserve(static_cast<std::size_t>(stepsX + stepsY));
    TPlotCorner at = from;
    int doneX = 0, doneY = 0;
    while (doneX < stepsX || doneY < stepsY) {
        // The next step is the one whose half-way point the straight line reaches first.
        const bool stepX =
            doneY == stepsY || (doneX < stepsX && static_cast<long long>(2 * doneX + 1) * stepsY <=
                                                      static_cast<long long>(2 * doneY + 1) * stepsX);
        if (stepX) {
            path.push_back(east ? TRiverStep{{at.x, at.y, false}, RiverEast}
                                : TRiverStep{{at.x - 1, at.y, false}, RiverWest});
            at.x += east ? 1 : -1;
            ++doneX;
        } else {
            path.push_back(north ? TRiverStep{{at.x, at.y, true}, RiverNorth}
                                 : TRiverStep{{at.x, at.y - 1, true}, RiverSouth});
            at.y += north ? 1 : -1;
            ++doneY;
        }
    }
    return path;
}

TRiverState TRiverLattice::RiverAt(const TPlotGrid& grids, const TPlotEdge& edge) const {
    const std::optional<TRiverHolder> holder = Holder(edge);
    const TPlot* plot = holder ? grids.GetPlot(holder->x, holder->y) : nullptr;
    return plot != nullptr ? RiverKept(*plot, holder->eastEdge) : TRiverState{};
}

TRiverState TRiverLattice::RiverKept(const TPlot& plot, bool eastEdge) {
    if (eastEdge)
        return {plot.IsWOfRiver(), IsNorthSouthFlow(plot.RiverNSDirection()) ? plot.RiverNSDirection() : -1};
    return {plot.IsNOfRiver(), IsWestEastFlow(plot.RiverWEDirection()) ? plot.RiverWEDirection() : -1};
}

bool TRiverLattice::TouchesRiver(const TPlotGrid& grids, int x, int y) const {
    if (grids.GetPlot(x, y) == nullptr)
        return false;
    for (const TPlotEdge& edge : {TPlotEdge{x, y, true}, TPlotEdge{x + 1, y, true}, TPlotEdge{x, y, false},
                                  TPlotEdge{x, y + 1, false}})
        if (RiverAt(grids, edge).river)
            return true;
    return false;
}

bool TRiverLattice::SetRiver(TPlotGrid& grids, const TRiverStep& step) const {
    const std::optional<TRiverHolder> holder = Holder(step.edge);
    TPlot* plot = holder ? grids.GetPlot(holder->x, holder->y) : nullptr;
    if (plot == nullptr)
        return false;
    if (holder->eastEdge) {
        if (!IsNorthSouthFlow(step.flow))
            return false;
        plot->SetIsWOfRiver(true);
        plot->SetRiverNSDirection(step.flow);
    } else {
        if (!IsWestEastFlow(step.flow))
            return false;
        plot->SetIsNOfRiver(true);
        plot->SetRiverWEDirection(step.flow);
    }
    return true;
}

void TRiverLattice::RemoveRiver(TPlotGrid& grids, const TPlotEdge& edge) const {
    const std::optional<TRiverHolder> holder = Holder(edge);
    TPlot* plot = holder ? grids.GetPlot(holder->x, holder->y) : nullptr;
    if (plot == nullptr)
        return;
    if (holder->eastEdge)
        plot->RemoveEastRiver();
    else
        plot->RemoveSouthRiver();
}

bool TRiverLattice::ToggleRiver(TPlotGrid& grids, const TPlotEdge& edge) const {
    const TRiverState state = RiverAt(grids, edge);
    if (state.river) {
        RemoveRiver(grids, edge);
        return false;
    }
    const int flow = state.flow >= 0 ? state.flow : (edge.northSouth ? RiverSouth : RiverEast);
    return SetRiver(grids, {edge, flow});
}
