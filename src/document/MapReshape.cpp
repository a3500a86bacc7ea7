#include "document/MapReshape.h"

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Where a place of the old map lands: the move TPlotGrid::MovePlots makes, for the coordinates the
// map's text holds (players' starts, signs).
class TPlaceMap {
public:
    enum TOutcome { Unchanged, Moved, Left };

    TPlaceMap(const TPlotGrid& grids, int newWidth, int newHeight, int dx, int dy, bool wrapX, bool wrapY)
        : oldWidth(grids.Width()), oldHeight(grids.Height()), newWidth(newWidth), newHeight(newHeight),
          dx(dx), dy(dy), wrapX(wrapX), wrapY(wrapY) {}
    // A mirror or turn of the whole grid, on a map that wraps as said.
    TPlaceMap(const TPlotGrid& grids, const TMapTurn& turn, bool wrapX, bool wrapY)
        : oldWidth(grids.Width()), oldHeight(grids.Height()), newWidth(turn.NewWidth()),
          newHeight(turn.NewHeight()), dx(0), dy(0), wrapX(wrapX), wrapY(wrapY), turn(turn) {}

    // A place off the old map names no plot and stays as it is.
    TOutcome Apply(int& x, int& y) const {
        if (x < 0 || y < 0 || x >= oldWidth || y >= oldHeight)
            return Unchanged;
        if (turn) {
            std::tie(x, y) = turn->Plot(x, y);
            return Moved;
        }
        const long long movedX = Along(x, dx, newWidth, wrapX), movedY = Along(y, dy, newHeight, wrapY);
        if (movedX < 0 || movedY < 0 || movedX >= newWidth || movedY >= newHeight)
            return Left;
        x = static_cast<int>(movedX);
        y = static_cast<int>(movedY);
        return Moved;
    }
    // Moves the plots; returns how many river edges went.
    int Move(TMap& map) const {
        if (turn)
            return turn->MovePlotsAndRivers(map.Grids(), wrapX, wrapY);
        map.Grids().MovePlots(newWidth, newHeight, dx, dy, wrapX, wrapY);
        return 0;
    }
    // Whether a plot of the old map can land outside the new one.
    bool CanLeave() const {
        if (turn)
            return false;
        const bool leavesX = !wrapX && (dx < 0 || static_cast<long long>(oldWidth) + dx > newWidth);
        const bool leavesY = !wrapY && (dy < 0 || static_cast<long long>(oldHeight) + dy > newHeight);
        return leavesX || leavesY;
    }
    int NewWidth() const { return newWidth; }
    int NewHeight() const { return newHeight; }

private:
    static long long Along(long long at, long long shift, long long size, bool wrap) {
        const long long moved = at + shift;
        return wrap && size > 0 ? ((moved % size) + size) % size : moved;
    }

    int oldWidth, oldHeight, newWidth, newHeight, dx, dy;
    bool wrapX, wrapY;
    std::optional<TMapTurn> turn;
};

// Writes the number as the value of the key's item, which the line holds; the rest stays as it was.
void WriteIntValue(std::string& line, std::string_view key, int value) {
    const std::string_view item = FindKeyItem(line, key);
    const std::size_t valueAt = static_cast<std::size_t>(item.data() - line.data()) + key.size();
    line.replace(valueAt, item.size() - key.size(), std::to_string(value));
}

// What becomes of a block whose place leaves the map: a sign goes, a player stays without a start.
enum class TLeaving { DropBlock, ClearPlace };

// Moves the places that the blocks between the markers name with their two keys (the first line
// holding each key); a block without a readable place stays as it is. Returns how many places left.
int MoveBlockPlaces(StringList& lines, std::string_view beginMarker, std::string_view endMarker,
                    std::string_view keyX, std::string_view keyY, const TPlaceMap& place, TLeaving leaving) {
    StringList result;
    result.reserve(lines.size());
    int left = 0;
    std::size_t begin = 0;
    bool inBlock = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!inBlock && HasMarker(lines[i], beginMarker)) {
            inBlock = true;
            begin = i;
        }
        if (!inBlock) {
            result.push_back(std::move(lines[i]));
            continue;
        }
        if (!HasMarker(lines[i], endMarker) && i + 1 < lines.size())
            continue;
        inBlock = false;
        std::size_t lineX = i + 1, lineY = i + 1;
        std::optional<int> x, y;
        for (std::size_t k = begin; k <= i; ++k) {
            if (!x && (x = ReadIntItem(lines[k], keyX)))
                lineX = k;
            if (!y && (y = ReadIntItem(lines[k], keyY)))
                lineY = k;
        }
        int newX = x.value_or(-1), newY = y.value_or(-1);
        const TPlaceMap::TOutcome outcome = x && y ? place.Apply(newX, newY) : TPlaceMap::Unchanged;
        if (outcome == TPlaceMap::Left) {
            ++left;
            if (leaving == TLeaving::DropBlock)
                continue;
            newX = newY = -1;
        }
        if (outcome != TPlaceMap::Unchanged) {
            WriteIntValue(lines[lineX], keyX, newX);
            WriteIntValue(lines[lineY], keyY, newY);
        }
        for (std::size_t k = begin; k <= i; ++k)
            result.push_back(std::move(lines[k]));
    }
    lines = std::move(result);
    return left;
}

// The whole change, made before the document is touched, so that a failure leaves it as it was.
struct TPlan {
    TReshapeResult result;
    StringList trailing, extraPlayers, mapKept;
    std::vector<std::pair<int, int>> starts;
};

TPlan MakePlan(const TMap& map, const TPlaceMap& place) {
    TPlan plan;
    TReshapeResult& result = plan.result;
    plan.trailing = map.Grids().TrailingLines();
    result.signs = MoveBlockPlaces(plan.trailing, "BeginSign", "EndSign", "plotX=", "plotY=", place,
                                   TLeaving::DropBlock);
    plan.extraPlayers = map.Players().ExtraBlocks();
    result.starts = MoveBlockPlaces(plan.extraPlayers, "BeginPlayer", "EndPlayer",
                                    "StartingX=", "StartingY=", place, TLeaving::ClearPlace);
    // The game reads as many signs as the map section says it wrote.
    plan.mapKept = map.MapData().KeptLines();
    for (std::string& line : plan.mapKept)
        if (const std::optional<int> count = ReadIntItem(line, "num signs written=");
            count && result.signs > 0)
            WriteIntValue(line, "num signs written=", std::max(0, *count - result.signs));
    for (int i = 0; i < MaxPlayers; ++i) {
        const TPlayer& player = *map.Players().GetPlayer(i);
        int x = player.StartingX(), y = player.StartingY();
        if (place.Apply(x, y) == TPlaceMap::Left) {
            x = y = -1;
            result.starts += player.InUse() ? 1 : 0;
        }
        plan.starts.emplace_back(x, y);
    }
    const TPlotGrid& grids = map.Grids();
    for (int x = 0; x < grids.Width() && place.CanLeave(); ++x)
        for (int y = 0; y < grids.Height(); ++y) {
            int movedX = x, movedY = y;
            if (place.Apply(movedX, movedY) != TPlaceMap::Left)
                continue;
            const TPlot& plot = *grids.GetPlot(x, y);
            result.units += plot.Units().Count();
            result.cities += plot.HasCity() ? 1 : 0;
        }
    return plan;
}

void CarryOut(TMap& map, const TPlaceMap& place, TPlan& plan) {
    plan.result.riverEdges += place.Move(map);
    map.Grids().SetTrailingLines(std::move(plan.trailing));
    map.Players().SetExtraBlocks(std::move(plan.extraPlayers));
    TMapSection& mapData = map.MapData();
    if (plan.result.signs > 0)
        mapData.SetKeptLines(plan.mapKept);
    mapData.SetGridWidth(place.NewWidth());
    mapData.SetGridHeight(place.NewHeight());
    mapData.SetNumPlotsWritten(
        static_cast<int>(static_cast<long long>(place.NewWidth()) * place.NewHeight()));
    for (int i = 0; i < MaxPlayers; ++i) {
        // A start the file left to the game stays absent unless it moves.
        TPlayer& player = *map.Players().GetPlayer(i);
        const auto [x, y] = plan.starts[static_cast<std::size_t>(i)];
        if (player.StartingX() != x)
            player.SetStartingX(x);
        if (player.StartingY() != y)
            player.SetStartingY(y);
    }
}

std::string SizeText(long long width, long long height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string RangeText(long long from, long long to) {
    return std::to_string(from) + ".." + std::to_string(to);
}

void CheckResultSize(const TMap& map, const std::string& action, long long width, long long height) {
    if (width <= 0 || height <= 0)
        throw OperationAborted(action + ": the map would have " + SizeText(width, height) +
                               " plots, no plot at all.");
    if (width > TMap::MaxGridSide || height > TMap::MaxGridSide || width * height > map.MaxPlots())
        throw OperationAborted(action + ": the map would have " + SizeText(width, height) +
                               " plots; the editor opens at most " + std::to_string(TMap::MaxGridSide) +
                               " plots a side and " + std::to_string(map.MaxPlots()) + " plots in all.");
}

// Takes the river off a plot's east edge; true when there was one.
bool CutEastRiver(TPlot& plot) {
    const bool river = plot.IsWOfRiver() || plot.RiverNSDirection() >= 0;
    plot.RemoveEastRiver();
    return river;
}

// Takes the river off a plot's south edge; true when there was one.
bool CutSouthRiver(TPlot& plot) {
    const bool river = plot.IsNOfRiver() || plot.RiverWEDirection() >= 0;
    plot.RemoveSouthRiver();
    return river;
}

// The edges between the kept rectangle and the plots beyond it. A plot holds the rivers of its
// east edge and of its south edge (y grows northwards), so the rectangle's west and north edges are
// held by plots that leave. On the seam of a wrapping axis the neighbour is on the far side.
int CutBorderRivers(TPlotGrid& grids, int x1, int y1, int x2, int y2, bool wrapX, bool wrapY) {
    const int width = grids.Width(), height = grids.Height();
    int cut = 0;
    if (x1 > 0 || x2 < width - 1) {
        const bool eastGoes = x2 < width - 1 || wrapX;
        const int westHolder = x1 > 0 ? x1 - 1 : (wrapX ? width - 1 : -1);
        for (int y = y1; y <= y2; ++y) {
            if (eastGoes)
                cut += CutEastRiver(*grids.GetPlot(x2, y));
            if (westHolder >= 0)
                cut += CutEastRiver(*grids.GetPlot(westHolder, y));
        }
    }
    if (y1 > 0 || y2 < height - 1) {
        const bool southGoes = y1 > 0 || wrapY;
        const int northHolder = y2 < height - 1 ? y2 + 1 : (wrapY ? 0 : -1);
        for (int x = x1; x <= x2; ++x) {
            if (southGoes)
                cut += CutSouthRiver(*grids.GetPlot(x, y1));
            if (northHolder >= 0)
                cut += CutSouthRiver(*grids.GetPlot(x, northHolder));
        }
    }
    return cut;
}

// The map section's fields that follow the picture: a quarter turn swaps the axes the map wraps
// along; a picture whose north and south change places puts the bottom's latitude, mirrored, at the
// top and the top's at the bottom, so that every plot keeps its distance from the equator.
void TurnMapSection(TMapSection& section, const TMapTurn& turn) {
    // The row that gives `key` what `from` holds, or makes it absent as `from` is.
    auto takeFrom = [&section](std::string_view key, std::string_view from, int value) {
        return std::string(key) + (section.IsSet(from) ? std::to_string(value) : std::string());
    };
    if (turn.SwapsAxes())
        section.ApplyEditorLines({takeFrom("wrap X=", "wrap Y=", section.WrapY()),
                                  takeFrom("wrap Y=", "wrap X=", section.WrapX())});
    if (turn.MirrorsNorthSouth())
        section.ApplyEditorLines({takeFrom("top latitude=", "bottom latitude=", -section.BottomLatitude()),
                                  takeFrom("bottom latitude=", "top latitude=", -section.TopLatitude())});
}

std::string TurnText(TMapTurn::TKind kind) {
    switch (kind) {
    case TMapTurn::FlipX:
        return "flip the map east-west";
    case TMapTurn::FlipY:
        return "flip the map north-south";
    case TMapTurn::Clockwise90:
        return "turn the map by 90 degrees";
    case TMapTurn::Clockwise180:
        return "turn the map by 180 degrees";
    case TMapTurn::Clockwise270:
        return "turn the map by 270 degrees";
    }
    return "turn the map";
}

bool IsTypeName(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (!IsDigit(c) && c != '_' && !(UpperChar(c) >= 'A' && UpperChar(c) <= 'Z'))
            return false;
    return true;
}

} // namespace

int PlotTypeOfTerrain(std::string_view terrain) {
    return SameText(terrain, "TERRAIN_OCEAN") || SameText(terrain, "TERRAIN_COAST") ? 3 : 2;
}

TReshapeResult CropMap(TMap& map, int x1, int y1, int x2, int y2) {
    const TPlotGrid& grids = map.Grids();
    const std::string action = "Cannot crop to x " + RangeText(x1, x2) + ", y " + RangeText(y1, y2);
    if (grids.Width() <= 0 || grids.Height() <= 0)
        throw OperationAborted(action + ": the map has no plots.");
    if (x1 > x2 || y1 > y2)
        throw OperationAborted(action + ": the first corner lies beyond the second.");
    if (x1 < 0 || y1 < 0 || x2 >= grids.Width() || y2 >= grids.Height())
        throw OperationAborted(action + ": the map's plots are x " + RangeText(0, grids.Width() - 1) +
                               ", y " + RangeText(0, grids.Height() - 1) + ".");
    const long long width = static_cast<long long>(x2) - x1 + 1, height = static_cast<long long>(y2) - y1 + 1;
    CheckResultSize(map, action, width, height);

    const TPlaceMap place(grids, static_cast<int>(width), static_cast<int>(height), -x1, -y1, false, false);
    TPlan plan = MakePlan(map, place);
    plan.result.riverEdges =
        CutBorderRivers(map.Grids(), x1, y1, x2, y2, map.MapData().WrapX() != 0, map.MapData().WrapY() != 0);
    CarryOut(map, place, plan);
    return plan.result;
}

TReshapeResult ExtendMap(TMap& map, int left, int right, int bottom, int top, std::string_view fillTerrain) {
    const TPlotGrid& grids = map.Grids();
    const std::string action =
        "Cannot extend the map of " + SizeText(grids.Width(), grids.Height()) + " plots";
    const std::pair<const char*, int> sides[] = {
        {"left", left}, {"right", right}, {"bottom", bottom}, {"top", top}};
    for (const auto& [side, count] : sides)
        if (count < 0)
            throw OperationAborted(action + " by " + std::to_string(count) + " on the " + side +
                                   ": a side takes 0 or more plots.");
    if (!IsTypeName(fillTerrain))
        throw OperationAborted(action + " with the terrain \"" + std::string(fillTerrain) +
                               "\": a terrain is a type name of letters, digits and underscores, such as " +
                               std::string(DefaultFillTerrain) + ".");
    const long long width = static_cast<long long>(grids.Width()) + left + right;
    const long long height = static_cast<long long>(grids.Height()) + bottom + top;
    CheckResultSize(map, action, width, height);

    const int oldWidth = grids.Width(), oldHeight = grids.Height();
    const TPlaceMap place(grids, static_cast<int>(width), static_cast<int>(height), left, bottom, false,
                          false);
    TPlan plan = MakePlan(map, place);
    CarryOut(map, place, plan);
    const std::string terrain = UpperCase(fillTerrain);
    const int plotType = PlotTypeOfTerrain(terrain);
    // New plots are made as ocean already.
    const TPlot blank;
    if (terrain == blank.TerrainType() && plotType == blank.PlotType())
        return plan.result;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const bool isNew = x < left || x >= left + oldWidth || y < bottom || y >= bottom + oldHeight;
            if (!isNew)
                continue;
            TPlot& plot = *map.Grids().GetPlot(x, y);
            plot.SetTerrainType(terrain);
            plot.SetPlotType(plotType);
        }
    return plan.result;
}

TReshapeResult ShiftMap(TMap& map, int dx, int dy) {
    const TPlotGrid& grids = map.Grids();
    const TMapSection& mapData = map.MapData();
    const std::string action = "Cannot shift the map by " + std::to_string(dx) + ", " + std::to_string(dy);
    if (grids.Width() <= 0 || grids.Height() <= 0)
        throw OperationAborted(action + ": the map has no plots.");
    if (dx != 0 && mapData.WrapX() == 0)
        throw OperationAborted(action + ": the map does not wrap along x (wrap X=0).");
    if (dy != 0 && mapData.WrapY() == 0)
        throw OperationAborted(action + ": the map does not wrap along y (wrap Y=0).");
    CheckResultSize(map, action, grids.Width(), grids.Height());

    // Taken modulo the size first, so that any shift fits the moves' integers.
    const int shiftX =
        static_cast<int>(((static_cast<long long>(dx) % grids.Width()) + grids.Width()) % grids.Width());
    const int shiftY =
        static_cast<int>(((static_cast<long long>(dy) % grids.Height()) + grids.Height()) % grids.Height());
    const TPlaceMap place(grids, grids.Width(), grids.Height(), shiftX, shiftY, true, true);
    TPlan plan = MakePlan(map, place);
    CarryOut(map, place, plan);
    return plan.result;
}

TReshapeResult TurnMap(TMap& map, TMapTurn::TKind kind) {
    const TPlotGrid& grids = map.Grids();
    const std::string action = "Cannot " + TurnText(kind);
    if (grids.Width() <= 0 || grids.Height() <= 0)
        throw OperationAborted(action + ": the map has no plots.");
    const TMapTurn turn(kind, grids.Width(), grids.Height());
    CheckResultSize(map, action, turn.NewWidth(), turn.NewHeight());

    const TPlaceMap place(grids, turn, map.MapData().WrapX() != 0, map.MapData().WrapY() != 0);
    TPlan plan = MakePlan(map, place);
    CarryOut(map, place, plan);
    TurnMapSection(map.MapData(), turn);
    return plan.result;
}
