#pragma once

// Image lists of plain colours, so a painted pixel tells which picture lies there, and small maps.

#include "document/Map.h"
#include "render/PlotPainter.h"
#include "support/ImageList.h"

#include <QImage>

// Terrain image i and bonus image i are filled with their own colour; each bonus picture keeps a
// magenta border, its background, around a square of its colour. Route, rivers, units and city have
// colours of their own.
QRgb TerrainImageColour(int index);
QRgb BonusImageColour(int index);
inline constexpr QRgb RouteColour = 0xff'ff8000;
inline constexpr QRgb RiverWestColour = 0xff'c00000;
inline constexpr QRgb RiverNorthColour = 0xff'00c000;
inline constexpr QRgb UnitsColour = 0xff'404040;
inline constexpr QRgb CityColour = 0xff'800080;

struct TTestPictures : TPlotImages {
    TTestPictures();
};

// A map of the size whose every plot is grassland, flat, with nothing on it.
void MakeGrassMap(TMap& map, int width, int height);

// Paints the plot into a cell at (Left, Top) of a grey picture a little larger than the cell.
inline constexpr int Left = 5, Top = 7;
QImage PaintCell(TPlotPainter& painter, const TPlot& plot, int zoom, bool graphic);
