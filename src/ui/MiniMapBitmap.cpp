#include "MiniMapBitmap.h"

#include "MapGrid.h"
#include "PlotPainter.h"

#include <algorithm>

QRgb TMiniMapBitmap::ColourOf(const std::string& terrainType) {
    if (!hasLast || terrainType != lastTerrain) {
        lastTerrain = terrainType;
        lastColour = TerrainColor(terrainType).rgb();
        hasLast = true;
    }
    return lastColour;
}

void TMiniMapBitmap::FillBlock(int col, int row, QRgb colour) {
    const int left = col * CellPixels, top = row * CellPixels;
    if (col < 0 || row < 0 || left + CellPixels > image.width() || top + CellPixels > image.height())
        return;
    for (int y = top; y < top + CellPixels; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y)) + left;
        std::fill(line, line + CellPixels, colour);
    }
}

void TMiniMapBitmap::PaintMiniMapCell(const TMapGrids& plots, int col, int row) {
    if (const TMapGrid* plot = GetPlotAt(plots, col, row))
        FillBlock(col, row, ColourOf(plot->TerrainType()));
}

void TMiniMapBitmap::RebuildMiniMap(const TMapGrids& plots, int col, int row, int colCount, int rowCount) {
    if (col >= 0 && row >= 0) {
        PaintMiniMapCell(plots, col, row);
        return;
    }
    const int width = std::max(colCount, 0) * CellPixels, height = std::max(rowCount, 0) * CellPixels;
    if (image.width() != width || image.height() != height)
        image = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
    if (image.isNull())
        return;
    image.fill(Qt::black);
    // Column by column, as the plots lie in memory; each block is painted once whatever the order.
    const int cols = std::min(colCount, plots.Width()), rows = std::min(rowCount, plots.Height());
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            FillBlock(c, r, ColourOf(GetPlotAt(plots, c, r)->TerrainType()));
}
