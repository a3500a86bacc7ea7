#include "document/MapStarts.h"

#include "document/Map.h"

#include <algorithm>

std::vector<TMapStart> MapStartsIn(const TMap& map, int x1, int y1, int x2, int y2) {
    const TPlotGrid& grids = map.Grids();
    const int left = std::max(x1, 0), right = std::min(x2, grids.Width() - 1);
    const int bottom = std::max(y1, 0), top = std::min(y2, grids.Height() - 1);
    std::vector<TMapStart> starts;
    if (left > right || bottom > top)
        return starts;
    const auto inside = [&](int x, int y) { return x >= left && x <= right && y >= bottom && y <= top; };
    for (int slot = 0; slot < MaxPlayers; ++slot) {
        const TPlayer* player = map.Players().GetPlayer(slot);
        if (player && player->InUse() && inside(player->StartingX(), player->StartingY()))
            starts.push_back({slot, player->StartingX(), player->StartingY()});
    }
    const std::size_t playerStarts = starts.size();
    const auto playerStartsAt = [&](int x, int y) {
        const auto end = starts.begin() + static_cast<std::ptrdiff_t>(playerStarts);
        return std::any_of(starts.begin(), end,
                           [&](const TMapStart& start) { return start.x == x && start.y == y; });
    };
    for (int x = left; x <= right; ++x)
        for (int y = bottom; y <= top; ++y)
            if (const TPlot* plot = grids.GetPlot(x, y);
                plot && plot->StartingPlot() && !playerStartsAt(x, y))
                starts.push_back({TMapStart::NoPlayer, x, y});
    return starts;
}

std::vector<TMapStart> MapStarts(const TMap& map) {
    return MapStartsIn(map, 0, 0, map.Grids().Width() - 1, map.Grids().Height() - 1);
}

void MoveStart(TMap& map, int slot, int x, int y) {
    TPlayer* player = map.Players().GetPlayer(slot);
    TPlot* plot = map.Grids().GetPlot(x, y);
    if (!player || !plot)
        return;
    const int oldX = player->StartingX(), oldY = player->StartingY();
    player->SetStartingX(x);
    player->SetStartingY(y);
    plot->SetStartingPlot(true);
    if (oldX == x && oldY == y)
        return;
    const std::vector<TMapStart> left = MapStartsIn(map, oldX, oldY, oldX, oldY);
    const bool stillStarted = std::any_of(
        left.begin(), left.end(), [](const TMapStart& start) { return start.player != TMapStart::NoPlayer; });
    if (TPlot* oldPlot = map.Grids().GetPlot(oldX, oldY); oldPlot && !stillStarted)
        oldPlot->SetStartingPlot(false);
}
