#include "render/MiniMapBitmap.h"

#include "document/Plot.h"
#include "render/PlotPainter.h"

#include <algorithm>

QRgb TMiniMapBitmap::ColourOf(const std::string& terrainType) {
    if (lastColour && lastColour->terrain == terrainType)
        return lastColour->colour;
    auto found = std::find_if(colours.begin(), colours.end(),
                              [&](const TTerrainColour& known) { return known.terrain == terrainType; });
    if (found == colours.end()) {
        // A map holds a handful of terrains; a hostile one with thousands only makes this slower.
        if (colours.size() >= MaxKnownTerrains)
            colours.clear();
        colours.push_back({terrainType, TerrainColor(terrainType).rgb()});
        found = colours.end() - 1;
    }
    lastColour = &*found;
    return found->colour;
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

void TMiniMapBitmap::PaintMiniMapCell(const TPlotGrid& plots, int col, int row) {
    if (const TPlot* plot = GetPlotAt(plots, col, row))
        FillBlock(col, row, ColourOf(plot->TerrainType()));
}

void TMiniMapBitmap::RebuildMiniMap(const TPlotGrid& plots, int col, int row, int colCount, int rowCount) {
    if (col >= 0 && row >= 0) {
        PaintMiniMapCell(plots, col, row);
        return;
    }
    const int width = std::max(colCount, 0) * CellPixels, height = std::max(rowCount, 0) * CellPixels;
    if (image.width() != width || image.height() != height)
        image = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
    if (image.isNull())
        return;
    const int cols = std::min(colCount, plots.Width()), rows = std::min(rowCount, plots.Height());
    if (cols < colCount || rows < rowCount)
        image.fill(Qt::black);
    // In bands of columns: each column's plots lie together in memory and a band's blocks fill
    // whole stretches of the picture's rows, so neither the plots nor the picture are read or
    // written a page at a time.
    constexpr int BandColumns = 16, PrefetchRows = 4;
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const std::size_t stride = static_cast<std::size_t>(image.bytesPerLine()) / sizeof(QRgb);
    for (int bandStart = 0; bandStart < cols; bandStart += BandColumns) {
        const int bandEnd = std::min(bandStart + BandColumns, cols);
        for (int r = 0; r < rows; ++r) {
            QRgb* block = pixels + static_cast<std::size_t>(r * CellPixels) * stride +
                          static_cast<std::size_t>(bandStart * CellPixels);
            for (int c = bandStart; c < bandEnd; ++c, block += CellPixels) {
                // Reading the plots is what costs: the terrain of a plot a few rows on is fetched
                // while this one is painted.
                if (r + PrefetchRows < rows)
                    __builtin_prefetch(&GetPlotAt(plots, c, r + PrefetchRows)->TerrainType());
                const QRgb colour = ColourOf(GetPlotAt(plots, c, r)->TerrainType());
                for (int y = 0; y < CellPixels; ++y)
                    std::fill(block + y * stride, block + y * stride + CellPixels, colour);
            }
        }
    }
}
