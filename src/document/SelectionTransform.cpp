#include "document/SelectionTransform.h"

#include "document/RiverEdges.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

using TPlace = std::pair<int, int>;

// The smallest rectangle that holds every plot of a selection.
struct TBounds {
    int left = 0, bottom = 0, right = -1, top = -1;
    int Width() const { return right - left + 1; }
    int Height() const { return top - bottom + 1; }
};

TBounds BoundsOf(const TPlotSet& selection) {
    TBounds bounds{selection.Width(), selection.Height(), -1, -1};
    selection.ForEach([&bounds](int x, int y) {
        bounds.left = std::min(bounds.left, x);
        bounds.right = std::max(bounds.right, x);
        bounds.bottom = std::min(bounds.bottom, y);
        bounds.top = std::max(bounds.top, y);
    });
    return bounds;
}

void CheckSelection(const TMap& map, const TPlotSet& selection, const std::string& action) {
    const TPlotGrid& grids = map.Grids();
    if (selection.Width() != grids.Width() || selection.Height() != grids.Height())
        throw OperationAborted(action + ": the selection was made on a map of " +
                               IntToText(selection.Width()) + " x " + IntToText(selection.Height()) +
                               " plots, this one has " + IntToText(grids.Width()) + " x " +
                               IntToText(grids.Height()) + ".");
    if (selection.Empty())
        throw OperationAborted(action + ": no plot is selected.");
}

// The four sides of a plot, west, east, south and north, as edges between corners.
std::array<TPlotEdge, 4> SidesOf(TPlace plot) {
    const auto [x, y] = plot;
    return {{{x, y, true}, {x + 1, y, true}, {x, y, false}, {x, y + 1, false}}};
}

// Calls `visit(plot, side)` for every side of the set's plots (side indexes SidesOf), an edge between
// two of them once.
template <typename Visit> void ForEachSide(const TPlotSet& plots, Visit visit) {
    plots.ForEach([&](int x, int y) {
        for (int side = 0; side < 4; ++side) {
            const bool sharedWithEarlier =
                (side == 0 && plots.Contains(x - 1, y)) || (side == 2 && plots.Contains(x, y - 1));
            if (!sharedWithEarlier)
                visit(TPlace{x, y}, side);
        }
    });
}

// The river an edge holds, read from the plot the game keeps it on, and where it is to go.
struct TCarriedRiver {
    TRiverHolder to;
    TEdgeRiver river;
};

// Rivers taken off their edges and put on others once the plots have moved: every edge read is
// cleared, whether or not a river comes back to it.
class TRiverCarrier {
public:
    TRiverCarrier(const TMap& map, bool spansWrappingAxis)
        : lattice(TRiverLattice::Of(map)), grids(map.Grids()), once(spansWrappingAxis) {}

    // Reads the edge's river, to go to `to` with the direction `flow` gives it.
    template <typename Flow> void Carry(const TPlotEdge& from, const TPlotEdge& to, Flow flow) {
        const std::optional<TRiverHolder> holder = lattice.Holder(from);
        if (!holder)
            return;
        // Across a wrapping axis the rectangle's two outer edges are one: its river goes once.
        if (once && !read.insert(*holder).second)
            return;
        cleared.push_back(*holder);
        TEdgeRiver river = grids.GetPlot(holder->x, holder->y)->EdgeRiver(holder->eastEdge);
        const std::optional<TRiverHolder> target = lattice.Holder(to);
        if (river.Empty() || !target)
            return;
        river.direction = flow(river.direction);
        carried.push_back({*target, river});
    }
    void Clear(const TPlotEdge& edge) {
        if (const std::optional<TRiverHolder> holder = lattice.Holder(edge))
            cleared.push_back(*holder);
    }
    void TakeOff(TPlotGrid& target) const {
        for (const TRiverHolder& holder : cleared)
            target.GetPlot(holder.x, holder.y)->SetEdgeRiver(holder.eastEdge, {});
    }
    void PutOn(TPlotGrid& target) const {
        for (const TCarriedRiver& moved : carried)
            target.GetPlot(moved.to.x, moved.to.y)->SetEdgeRiver(moved.to.eastEdge, moved.river);
    }

private:
    TRiverLattice lattice;
    const TPlotGrid& grids;
    bool once;
    std::set<TRiverHolder> read;
    std::vector<TRiverHolder> cleared;
    std::vector<TCarriedRiver> carried;
};

// Takes the plots off their places and puts each, renumbered, on its new one. A place left that no
// plot lands on keeps an emptied plot, for the caller to make anew.
void MovePlots(TPlotGrid& grids, const std::vector<std::pair<TPlace, TPlace>>& moves) {
    std::vector<TPlot> carried;
    carried.reserve(moves.size());
    for (const auto& [from, to] : moves)
        carried.push_back(std::move(*grids.GetPlot(from.first, from.second)));
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto [x, y] = moves[i].second;
        TPlot& plot = *grids.GetPlot(x, y) = std::move(carried[i]);
        plot.SetX(x);
        plot.SetY(y);
    }
}

// What becomes of a place the map's text names (a player's start, a sign): it stays, moves or goes.
enum class TPlaceFate { Stays, Moves, Goes };
using TPlaceRule = std::function<TPlaceFate(int& x, int& y)>;

void SetNumberOfItem(std::string& line, std::string_view key, int number) {
    const std::string_view item = FindKeyItem(line, key);
    line.replace(static_cast<std::size_t>(item.data() - line.data()) + key.size(), item.size() - key.size(),
                 IntToText(number));
}

// Applies the rule to the place each block between the markers names with its two keys; a block
// whose place goes is taken out when `dropGone`, else its place becomes -1, -1. Returns how many went.
int MoveBlockPlaces(StringList& lines, std::string_view beginMarker, std::string_view endMarker,
                    std::string_view keyX, std::string_view keyY, const TPlaceRule& rule, bool dropGone) {
    std::vector<bool> kept(lines.size(), true);
    int gone = 0;
    for (std::size_t begin = 0; begin < lines.size(); ++begin) {
        if (!HasMarker(lines[begin], beginMarker))
            continue;
        std::size_t end = begin;
        while (end + 1 < lines.size() && !HasMarker(lines[end], endMarker))
            ++end;
        std::optional<std::size_t> lineX, lineY;
        for (std::size_t i = begin; i <= end; ++i) {
            lineX = lineX ? lineX : (ReadIntItem(lines[i], keyX) ? std::optional(i) : std::nullopt);
            lineY = lineY ? lineY : (ReadIntItem(lines[i], keyY) ? std::optional(i) : std::nullopt);
        }
        if (lineX && lineY) {
            int x = *ReadIntItem(lines[*lineX], keyX), y = *ReadIntItem(lines[*lineY], keyY);
            const TPlaceFate fate = rule(x, y);
            gone += fate == TPlaceFate::Goes ? 1 : 0;
            if (fate == TPlaceFate::Goes && dropGone)
                std::fill(kept.begin() + static_cast<std::ptrdiff_t>(begin),
                          kept.begin() + static_cast<std::ptrdiff_t>(end) + 1, false);
            else if (fate != TPlaceFate::Stays) {
                SetNumberOfItem(lines[*lineX], keyX, fate == TPlaceFate::Goes ? -1 : x);
                SetNumberOfItem(lines[*lineY], keyY, fate == TPlaceFate::Goes ? -1 : y);
            }
        }
        begin = end;
    }
    StringList result;
    result.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (kept[i])
            result.push_back(std::move(lines[i]));
    lines = std::move(result);
    return gone;
}

// Moves the players' starts and the signs by the rule: a player whose start goes has none, a sign
// whose place goes is taken off, and the map section counts one sign less for it.
void MovePlaces(TMap& map, const TPlaceRule& rule) {
    for (int slot = 0; slot < MaxPlayers; ++slot) {
        TPlayer& player = *map.Players().GetPlayer(slot);
        int x = player.StartingX(), y = player.StartingY();
        const TPlaceFate fate = rule(x, y);
        if (fate == TPlaceFate::Stays)
            continue;
        player.SetStartingX(fate == TPlaceFate::Goes ? -1 : x);
        player.SetStartingY(fate == TPlaceFate::Goes ? -1 : y);
    }
    StringList players = map.Players().ExtraBlocks();
    MoveBlockPlaces(players, "BeginPlayer", "EndPlayer", "StartingX=", "StartingY=", rule, false);
    map.Players().SetExtraBlocks(std::move(players));
    StringList signs = map.Grids().TrailingLines();
    const int signsGone = MoveBlockPlaces(signs, "BeginSign", "EndSign", "plotX=", "plotY=", rule, true);
    map.Grids().SetTrailingLines(std::move(signs));
    if (signsGone == 0)
        return;
    // The game reads as many signs as the map section says it wrote.
    StringList mapLines = map.MapData().KeptLines();
    for (std::string& line : mapLines)
        if (const std::optional<int> count = ReadIntItem(line, "num signs written="))
            SetNumberOfItem(line, "num signs written=", std::max(0, *count - signsGone));
    map.MapData().SetKeptLines(mapLines);
}

std::string TurnText(TMapTurn::TKind kind) {
    // In the order of TMapTurn::TKind.
    static const char* const texts[] = {
        "flip the selection east-west", "flip the selection north-south", "turn the selection by 90 degrees",
        "turn the selection by 180 degrees", "turn the selection by 270 degrees"};
    return texts[static_cast<int>(kind)];
}

TMapTurn::TKind InverseOf(TMapTurn::TKind kind) {
    return kind == TMapTurn::Clockwise90    ? TMapTurn::Clockwise270
           : kind == TMapTurn::Clockwise270 ? TMapTurn::Clockwise90
                                            : kind;
}

// The turn of the selection's rectangle, in map coordinates, and where it sends each plot and edge
// of the rectangle: the selected ones one step on, those they land on back along the cycle to the
// first place the selection left.
class TSelectionTurn {
public:
    TSelectionTurn(const TPlotSet& selection, const TBounds& box, TMapTurn::TKind kind)
        : selection(selection), box(box), forward(kind, box.Width(), box.Height()),
          backward(InverseOf(kind), box.Width(), box.Height()) {}

    TPlace Forward(TPlace plot) const { return Turned(forward, plot); }
    TPlotEdge Forward(const TPlotEdge& edge) const { return Turned(forward, edge); }

    // Where the plot or edge goes, and how many turns that is (negative: back).
    template <typename Place> std::pair<Place, int> Destination(const Place& place) const {
        if (!InBox(place))
            return {place, 0};
        if (Selected(place))
            return {Turned(forward, place), 1};
        Place last = Turned(backward, place);
        if (!Selected(last))
            return {place, 0};
        int steps = 1;
        for (Place back = Turned(backward, last); Selected(back); back = Turned(backward, back)) {
            last = back;
            ++steps;
        }
        return {last, -steps};
    }

    // A flow as the picture shows it after `turns` turns.
    int Flow(int flow, int turns) const {
        const int order = forward.SwapsAxes() ? 4 : 2;
        for (int step = ((turns % order) + order) % order; step > 0; --step)
            flow = forward.Flow(flow);
        return flow;
    }

    bool Selected(TPlace plot) const { return selection.Contains(plot.first, plot.second); }
    // An edge is the selection's when it is a side of a selected plot.
    bool Selected(const TPlotEdge& edge) const {
        const TPlace before = edge.northSouth ? TPlace{edge.x - 1, edge.y} : TPlace{edge.x, edge.y - 1};
        return Selected(before) || Selected(TPlace{edge.x, edge.y});
    }

private:
    bool InBox(TPlace plot) const {
        return plot.first >= box.left && plot.first <= box.right && plot.second >= box.bottom &&
               plot.second <= box.top;
    }
    bool InBox(const TPlotEdge& edge) const {
        return edge.x >= box.left && edge.y >= box.bottom &&
               edge.x <= box.right + (edge.northSouth ? 1 : 0) &&
               edge.y <= box.top + (edge.northSouth ? 0 : 1);
    }
    TPlace Turned(const TMapTurn& turn, TPlace plot) const {
        const auto [x, y] = turn.Plot(plot.first - box.left, plot.second - box.bottom);
        return {x + box.left, y + box.bottom};
    }
    TPlotEdge Turned(const TMapTurn& turn, const TPlotEdge& edge) const {
        const TPlotEdge turned = turn.Edge({edge.x - box.left, edge.y - box.bottom, edge.northSouth});
        return {turned.x + box.left, turned.y + box.bottom, turned.northSouth};
    }

    const TPlotSet& selection;
    TBounds box;
    TMapTurn forward, backward;
};

bool SpansWrappingAxis(const TMap& map, const TBounds& box) {
    return (map.MapData().WrapX() != 0 && box.Width() == map.Grids().Width()) ||
           (map.MapData().WrapY() != 0 && box.Height() == map.Grids().Height());
}

bool IsTypeName(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return IsDigit(c) || c == '_' || (UpperChar(c) >= 'A' && UpperChar(c) <= 'Z');
    });
}

// The place a coordinate moves to along an axis of `size` plots, or none off an axis that does not wrap.
std::optional<int> Along(int at, int shift, int size, bool wraps) {
    long long moved = static_cast<long long>(at) + shift;
    if (wraps)
        moved = ((moved % size) + size) % size;
    if (moved < 0 || moved >= size)
        return std::nullopt;
    return static_cast<int>(moved);
}

} // namespace

TPlotSet TurnSelection(TMap& map, const TPlotSet& selection, TMapTurn::TKind kind) {
    const std::string action = "Cannot " + TurnText(kind);
    CheckSelection(map, selection, action);
    const TBounds box = BoundsOf(selection);
    if ((kind == TMapTurn::Clockwise90 || kind == TMapTurn::Clockwise270) && box.Width() != box.Height())
        throw OperationAborted(action + ": a quarter turn needs a square, and the selection spans " +
                               IntToText(box.Width()) + " x " + IntToText(box.Height()) + " plots.");
    const TSelectionTurn turn(selection, box, kind);

    TPlotSet turned(selection.Width(), selection.Height());
    std::vector<std::pair<TPlace, TPlace>> moves;
    selection.ForEach([&](int x, int y) {
        const TPlace to = turn.Forward(TPlace{x, y});
        turned.Insert(to.first, to.second);
        if (to != TPlace{x, y})
            moves.emplace_back(TPlace{x, y}, to);
        if (!turn.Selected(to))
            moves.emplace_back(to, turn.Destination(to).first);
    });

    TRiverCarrier rivers(map, SpansWrappingAxis(map, box));
    const auto carry = [&](const TPlotEdge& from) {
        const auto [to, turns] = turn.Destination(from);
        rivers.Carry(from, to, [&turn, turns = turns](int flow) { return turn.Flow(flow, turns); });
    };
    ForEachSide(selection, [&](TPlace plot, int side) {
        const TPlotEdge edge = SidesOf(plot)[static_cast<std::size_t>(side)];
        carry(edge);
        if (const TPlotEdge to = turn.Forward(edge); !turn.Selected(to))
            carry(to);
    });

    TPlotGrid& grids = map.Grids();
    rivers.TakeOff(grids);
    MovePlots(grids, moves);
    rivers.PutOn(grids);
    MovePlaces(map, [&turn](int& x, int& y) {
        const TPlace to = turn.Destination(TPlace{x, y}).first;
        if (to == TPlace{x, y})
            return TPlaceFate::Stays;
        std::tie(x, y) = to;
        return TPlaceFate::Moves;
    });
    return turned;
}

TPlotSet MoveSelection(TMap& map, const TPlotSet& selection, int dx, int dy,
                       const std::optional<TPlotFill>& fill) {
    const std::string action = "Cannot move the selection by " + IntToText(dx) + ", " + IntToText(dy);
    CheckSelection(map, selection, action);
    if (fill && (!IsTypeName(fill->terrainType) || fill->plotType < 0 || fill->plotType > 3))
        throw OperationAborted(action + " with the fill \"" + fill->terrainType + "\", plot type " +
                               IntToText(fill->plotType) +
                               ": a fill names a terrain type and a plot type 0..3.");
    TPlotGrid& grids = map.Grids();
    const int width = grids.Width(), height = grids.Height();
    const bool wrapX = map.MapData().WrapX() != 0, wrapY = map.MapData().WrapY() != 0;
    const auto placeOf = [&](TPlace plot) -> std::optional<TPlace> {
        const std::optional<int> x = Along(plot.first, dx, width, wrapX),
                                 y = Along(plot.second, dy, height, wrapY);
        if (!x || !y)
            return std::nullopt;
        return TPlace{*x, *y};
    };

    TPlotSet moved(width, height);
    std::vector<std::pair<TPlace, TPlace>> moves;
    bool leaves = false;
    selection.ForEach([&](int x, int y) {
        const std::optional<TPlace> to = placeOf({x, y});
        leaves = leaves || !to;
        if (to) {
            moved.Insert(to->first, to->second);
            moves.emplace_back(TPlace{x, y}, *to);
        }
    });
    if (leaves)
        throw OperationAborted(action + ": a selected plot would leave the map, which does not wrap along " +
                               (dx != 0 && !wrapX ? "x (wrap X=0)." : "y (wrap Y=0)."));
    if (std::all_of(moves.begin(), moves.end(), [](const auto& move) { return move.first == move.second; }))
        return moved;

    // The plots left behind take the terrain of the nearest plot not selected behind them.
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int stepX = alongX ? (dx > 0 ? -1 : 1) : 0, stepY = alongX ? 0 : (dy > 0 ? -1 : 1);
    const auto fillBehind = [&](TPlace plot) -> TPlotFill {
        if (fill)
            return *fill;
        for (int step = 1; step < (alongX ? width : height); ++step) {
            const std::optional<int> x = Along(plot.first, step * stepX, width, wrapX);
            const std::optional<int> y = Along(plot.second, step * stepY, height, wrapY);
            if (!x || !y)
                break;
            if (!selection.Contains(*x, *y)) {
                const TPlot& behind = *grids.GetPlot(*x, *y);
                return {behind.TerrainType(), behind.PlotType()};
            }
        }
        return {"TERRAIN_OCEAN", 3};
    };
    std::vector<std::pair<TPlace, TPlotFill>> left;
    selection.ForEach([&](int x, int y) {
        if (!moved.Contains(x, y))
            left.emplace_back(TPlace{x, y}, fillBehind({x, y}));
    });

    TRiverCarrier rivers(map, false);
    ForEachSide(selection, [&](TPlace plot, int side) {
        const std::size_t index = static_cast<std::size_t>(side);
        rivers.Carry(SidesOf(plot)[index], SidesOf(*placeOf(plot))[index], [](int flow) { return flow; });
    });
    ForEachSide(moved,
                [&](TPlace plot, int side) { rivers.Clear(SidesOf(plot)[static_cast<std::size_t>(side)]); });

    rivers.TakeOff(grids);
    MovePlots(grids, moves);
    for (const auto& [place, plotFill] : left) {
        TPlot& plot = *grids.GetPlot(place.first, place.second) = TPlot();
        plot.SetX(place.first);
        plot.SetY(place.second);
        plot.SetTerrainType(plotFill.terrainType);
        plot.SetPlotType(plotFill.plotType);
    }
    rivers.PutOn(grids);
    MovePlaces(map, [&](int& x, int& y) {
        if (selection.Contains(x, y)) {
            std::tie(x, y) = *placeOf({x, y});
            return TPlaceFate::Moves;
        }
        return moved.Contains(x, y) ? TPlaceFate::Goes : TPlaceFate::Stays;
    });
    return moved;
}
