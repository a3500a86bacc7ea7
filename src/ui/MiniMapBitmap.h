#pragma once

// The picture of the whole map the mini-map window shows: three by three pixels per plot in the
// terrain's colour, grid row 0 (the map's north) at the top. The main window owns the one picture.

#include <QImage>
#include <QRgb>

#include <string>
#include <string_view>

class TMapGrids;

class TMiniMapBitmap {
public:
    static constexpr int CellPixels = 3;

    const QImage& Image() const { return image; }
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }

    // Paints the block of grid cell (col, row); a cell without a plot or outside the picture is left
    // as it is.
    void PaintMiniMapCell(const TMapGrids& plots, int col, int row);
    // With a negative col or row: sizes the picture to the grid's colCount x rowCount cells and paints
    // every plot. Otherwise paints only that cell.
    void RebuildMiniMap(const TMapGrids& plots, int col, int row, int colCount, int rowCount);

private:
    void FillBlock(int col, int row, QRgb colour);
    QRgb ColourOf(const std::string& terrainType);

    QImage image;
    // The colour of the last terrain asked: neighbouring plots mostly share their terrain.
    std::string lastTerrain;
    QRgb lastColour = 0;
    bool hasLast = false;
};
