#pragma once

// Where a map's players start: what the balance report measures, what the editor's grid marks and
// what its Start tool moves.

#include <vector>

class TMap;

// One start: a player slot in use whose "StartingX" and "StartingY" name a plot, or a plot marked
// "StartingPlot" on which no such player starts (player NoPlayer).
struct TMapStart {
    static constexpr int NoPlayer = -1;
    int player = NoPlayer;
    int x = 0, y = 0;
};

// The starts on the plots x1..x2, y1..y2 (map coordinates, inclusive; cut to the map): first every
// player in use starting there, in slot order; then every plot there marked "StartingPlot" on which
// none of them starts, column by column as the file lists plots. Reads only the plots of the
// rectangle, so a view asks for what it shows.
std::vector<TMapStart> MapStartsIn(const TMap& map, int x1, int y1, int x2, int y2);

// The starts of the whole map, in the same order.
std::vector<TMapStart> MapStarts(const TMap& map);

// Makes the plot (x, y) the start of player `slot`: the player's "StartingX" and "StartingY" name it
// and the plot is marked "StartingPlot". The plot the player started on before loses its mark unless
// another player in use still starts there. Nothing changes for a slot or a plot that does not exist.
void MoveStart(TMap& map, int slot, int x, int y);
