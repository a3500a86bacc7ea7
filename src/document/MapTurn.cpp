#include "document/MapTurn.h"

#include "document/Plot.h"

#include <algorithm>
#include <vector>

TPlotCorner TMapTurn::Corner(TPlotCorner corner) const {
    const int x = corner.x, y = corner.y;
    switch (kind) {
    case FlipX:
        return {width - x, y};
    case FlipY:
        return {x, height - y};
    case Clockwise90:
        return {y, width - x};
    case Clockwise180:
        return {width - x, height - y};
    case Clockwise270:
        return {height - y, x};
    }
    return corner;
}

std::pair<int, int> TMapTurn::Plot(int x, int y) const {
    // A plot is the square between two opposite corners; its place is its turned square's south-west corner.
    const TPlotCorner a = Corner({x, y}), b = Corner({x + 1, y + 1});
    return {std::min(a.x, b.x), std::min(a.y, b.y)};
}

TPlotEdge TMapTurn::Edge(const TPlotEdge& edge) const {
    const TPlotCorner a = Corner({edge.x, edge.y});
    const TPlotCorner b =
        Corner(edge.northSouth ? TPlotCorner{edge.x, edge.y + 1} : TPlotCorner{edge.x + 1, edge.y});
    if (a.x == b.x)
        return {a.x, std::min(a.y, b.y), true};
    return {std::min(a.x, b.x), a.y, false};
}

int TMapTurn::Flow(int flow) const {
    if (flow < RiverNorth || flow > RiverWest)
        return flow;
    switch (kind) {
    case FlipX:
        return flow == RiverEast ? RiverWest : flow == RiverWest ? RiverEast : flow;
    case FlipY:
        return flow == RiverNorth ? RiverSouth : flow == RiverSouth ? RiverNorth : flow;
    case Clockwise90:
        return (flow + 1) % 4;
    case Clockwise180:
        return (flow + 2) % 4;
    case Clockwise270:
        return (flow + 3) % 4;
    }
    return flow;
}

int TMapTurn::MovePlotsAndRivers(TPlotGrid& grids, bool wrapX, bool wrapY) const {
    if (grids.Width() != width || grids.Height() != height)
        throw OperationAborted("Cannot turn a grid of " + IntToText(grids.Width()) + " x " +
                               IntToText(grids.Height()) + " plots as one of " + IntToText(width) + " x " +
                               IntToText(height));
    const TRiverLattice turned(NewWidth(), NewHeight(), SwapsAxes() ? wrapY : wrapX,
                               SwapsAxes() ? wrapX : wrapY);
    // Each river with where its plot lands and the plot that keeps its edge once turned (none when
    // it falls off), all found before anything changes.
    struct TMovedRiver {
        std::pair<int, int> carrier;
        bool eastEdge;
        std::optional<TRiverHolder> holder;
        TEdgeRiver river;
    };
    std::vector<TMovedRiver> moved;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            for (const bool eastEdge : {true, false}) {
                TEdgeRiver river = grids.GetPlot(x, y)->EdgeRiver(eastEdge);
                if (river.Empty())
                    continue;
                river.direction = Flow(river.direction);
                moved.push_back(
                    {Plot(x, y), eastEdge,
                     turned.Holder(Edge(eastEdge ? TPlotEdge{x + 1, y, true} : TPlotEdge{x, y, false})),
                     river});
            }

    grids.RearrangePlots(NewWidth(), NewHeight(), [this](int x, int y) { return Plot(x, y); });
    // Every river leaves the plot that carried it before any is put on its edge's new keeper.
    int dropped = 0;
    for (const TMovedRiver& river : moved) {
        grids.GetPlot(river.carrier.first, river.carrier.second)->SetEdgeRiver(river.eastEdge, {});
        dropped += river.holder ? 0 : 1;
    }
    for (const TMovedRiver& river : moved)
        if (river.holder)
            grids.GetPlot(river.holder->x, river.holder->y)
                ->SetEdgeRiver(river.holder->eastEdge, river.river);
    return dropped;
}
