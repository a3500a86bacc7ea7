#pragma once

// The starts as the map grid shows them: a small flag on each start's plot with the number of the
// player who starts there ("1,5" when two share it, "-" on a plot marked "StartingPlot" that no player
// in use starts on). The grid paints them over its cells while the display option "Starts" is on.

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPainter;
class TMap;

// The display option that shows the flags.
inline constexpr const char* StartsOption = "Starts";

// The cloth of a player's flag, and of a start of no player.
inline const QColor PlayerFlagColour(255, 140, 0);
inline const QColor PlainFlagColour(255, 255, 255);

// A flag of the grid: its plot and the players starting there, in slot order (none for a plot marked
// alone).
struct TStartFlag {
    int x = 0, y = 0;
    std::vector<int> players;
    QString Label() const;
};

// The flags of the plots x1..x2, y1..y2 (map coordinates, inclusive), one per plot.
std::vector<TStartFlag> StartFlagsIn(const TMap& map, int x1, int y1, int x2, int y2);

// Paints the flag over a cell of any size: the pole on the left, the cloth at the top, with the label
// on it from LetteredFlagZoom pixels a cell on.
inline constexpr int LetteredFlagZoom = 20;
void DrawStartFlag(QPainter& painter, const QRect& cell, const TStartFlag& flag);

// Paints the flags of the cells firstCol..lastCol, firstRow..lastRow of a grid whose top row is the
// map's north; cellRect gives a cell's square.
void PaintStartFlags(QPainter& painter, const TMap& map, int firstCol, int firstRow, int lastCol, int lastRow,
                     const std::function<QRect(int col, int row)>& cellRect);
