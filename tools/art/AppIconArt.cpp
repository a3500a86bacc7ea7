// The program's icon for the desktop: a slab of map tiles seen at an angle, an island in the sea,
// as the about box's program picture shows it. Each size is drawn for itself, with fewer tiles and
// firmer lines where the pixels are few.

#include "Art.h"
#include "ArtKit.h"

#include <algorithm>
#include <array>

namespace {

// Terrains by index: ocean, coast, grassland, plains, desert, hills, snow.
const std::array<QColor, 7> Terrains = {QColor(30, 80, 180),  QColor(60, 130, 210),  QColor(60, 160, 60),
                                        QColor(110, 150, 60), QColor(220, 196, 110), QColor(140, 130, 120),
                                        QColor(240, 244, 250)};

// An island per tile count, row by row from the back corner.
const int Island3[3][3] = {{1, 2, 1}, {2, 2, 3}, {1, 3, 1}};
const int Island4[4][4] = {{0, 1, 1, 0}, {1, 2, 5, 1}, {1, 3, 2, 1}, {0, 1, 1, 0}};
const int Island5[5][5] = {
    {0, 1, 1, 1, 0}, {1, 2, 2, 3, 1}, {1, 3, 6, 5, 1}, {1, 2, 4, 2, 1}, {0, 1, 1, 1, 0}};

int TerrainAt(int tiles, int row, int col) {
    if (tiles == 3)
        return Island3[row][col];
    if (tiles == 4)
        return Island4[row][col];
    return Island5[row][col];
}

// A red pennant on a pole standing at `foot`, `height` units tall.
void Flag(TCanvas& c, QPointF foot, double height, double line, const QColor& edge) {
    const QPointF head = foot - QPointF(0, height);
    c.FillOutlined(
        Polygon({head, head + QPointF(height * 0.62, height * 0.2), head + QPointF(0, height * 0.4)}),
        QColor(220, 40, 40), edge, line);
    c.Line(foot, head - QPointF(0, line / 2), edge, line * 1.6, Qt::FlatCap);
}

} // namespace

QImage DrawAppIcon(int size) {
    // Drawn in 100 units a side; `pixel` is one pixel in units, so lines stay crisp at every size.
    TCanvas c(size, size, 100);
    const double pixel = 100.0 / size;
    const int tiles = size <= 16 ? 3 : size <= 32 ? 4 : 5;
    const double half = 47;                    // the diamond's half width
    const double slope = 0.58;                 // the diamond's height over its width
    const double depth = size <= 24 ? 14 : 11; // the slab's thickness
    const bool flag = size >= 24;
    const double flagHeight = 34;
    // The slab, and the flag above its middle, centred in the square.
    const double slabHeight = 2 * half * slope + depth;
    const double above = flag ? std::max(0.0, flagHeight - half * slope) : 0;
    const QPointF top(50, 50 - (slabHeight + above) / 2 + above);
    const double step = half / tiles;
    auto iso = [&](double col, double row) {
        return top + QPointF((col - row) * step, (col + row) * step * slope);
    };

    const QColor edge(40, 30, 20);
    const double line = std::max(pixel, 1.2);
    // The two visible sides of the slab, lit from the left.
    const QPointF back = iso(0, 0), left = iso(0, tiles), front = iso(tiles, tiles), right = iso(tiles, 0);
    const QPointF down(0, depth);
    c.FillOutlined(Polygon({left, front, front + down, left + down}), QColor(140, 98, 58), edge, line);
    c.FillOutlined(Polygon({front, right, right + down, front + down}), QColor(100, 68, 38), edge, line);
    // The tiles on top; at the smallest sizes their borders would swallow them.
    const double tileLine = size <= 24 ? 0 : std::max(pixel * 0.8, 0.6);
    for (int row = 0; row < tiles; ++row)
        for (int col = 0; col < tiles; ++col) {
            const QColor colour = Terrains[static_cast<std::size_t>(TerrainAt(tiles, row, col))];
            const QPainterPath tile =
                Polygon({iso(col, row), iso(col + 1, row), iso(col + 1, row + 1), iso(col, row + 1)});
            if (tileLine > 0)
                c.FillOutlined(tile, colour, Shade(colour, 0.6), tileLine);
            else
                c.Fill(tile, colour);
        }
    c.Stroke(Polygon({back, right, front, left}), edge, line);
    // A light along the back edges, where the sun of the about pictures falls.
    if (size >= 48) {
        QPainterPath rim(left);
        rim.lineTo(back);
        rim.lineTo(right);
        c.Stroke(rim, QColor(255, 255, 255, 120), pixel * 1.5);
    }
    if (flag)
        Flag(c, iso(tiles / 2.0, tiles / 2.0), flagHeight, line, edge);
    return c.Finish().convertToFormat(QImage::Format_ARGB32);
}
