#pragma once

// The picture of the whole map the mini-map window shows: three by three pixels per plot in the
// terrain's colour, grid row 0 (the map's north) at the top. The main window owns the one picture.

#include <QImage>
#include <QRgb>

#include <string>
#include <string_view>
#include <vector>

class TPlotGrid;

class TMiniMapBitmap {
public:
    static constexpr int CellPixels = 3;

    TMiniMapBitmap() = default;
    TMiniMapBitmap(const TMiniMapBitmap&) = delete;
    TMiniMapBitmap& operator=(const TMiniMapBitmap&) = delete;

    const QImage& Image() const { return image; }
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }

    // Paints the block of grid cell (col, row); a cell without a plot or outside the picture is left
    // as it is.
    void PaintMiniMapCell(const TPlotGrid& plots, int col, int row);
    // With a negative col or row: sizes the picture to the grid's colCount x rowCount cells and paints
    // every plot. Otherwise paints only that cell.
    void RebuildMiniMap(const TPlotGrid& plots, int col, int row, int colCount, int rowCount);

private:
    void FillBlock(int col, int row, QRgb colour);
    QRgb ColourOf(const std::string& terrainType);

    struct TTerrainColour {
        std::string terrain;
        QRgb colour;
    };
    static constexpr std::size_t MaxKnownTerrains = 64;

    QImage image;
    // The colours of the terrains met so far, and the last one asked: neighbouring plots mostly
    // share their terrain.
    std::vector<TTerrainColour> colours;
    const TTerrainColour* lastColour = nullptr;
};
