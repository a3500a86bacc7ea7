#include "TestPictures.h"

#include <QPainter>

namespace {

QImage Solid(int side, QRgb colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

QRgb TerrainImageColour(int index) {
    return qRgb(20 + index * 11, 90 + index * 7, 60 + index * 3);
}

QRgb BonusImageColour(int index) {
    return qRgb(250 - index * 5, 40 + index * 3, 10 + index * 4);
}

TTestPictures::TTestPictures() {
    for (int i = 0; i < 17; ++i)
        terrain.Add(Solid(55, TerrainImageColour(i)), qRgb(255, 0, 255));
    const QRgb magenta = qRgb(255, 0, 255);
    for (int i = 0; i < 36; ++i) {
        QImage picture = Solid(55, magenta);
        QPainter(&picture).fillRect(14, 14, 27, 27, QColor(BonusImageColour(i)));
        bonus.Add(picture, magenta);
    }
    unitCity.Add(Solid(55, UnitsColour), magenta);
    unitCity.Add(Solid(55, CityColour), magenta);
    riverRoute.Add(Solid(32, RouteColour), magenta);
    riverRoute.Add(Solid(32, RiverWestColour), magenta);
    riverRoute.Add(Solid(32, RiverNorthColour), magenta);
}

void MakeGrassMap(TMap& map, int width, int height) {
    map.Clear();
    map.MapData().SetGridWidth(width);
    map.MapData().SetGridHeight(height);
    map.Grids().SetWidth(width);
    map.Grids().SetHeight(height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            TPlot& plot = *map.Grids().GetPlot(x, y);
            plot.SetTerrainType("TERRAIN_GRASS");
            plot.SetPlotType(2);
        }
}

QImage PaintCell(TPlotPainter& painter, const TPlot& plot, int zoom, bool graphic) {
    QImage picture(zoom + 2 * Left, zoom + 2 * Top, QImage::Format_RGB32);
    picture.fill(qRgb(100, 100, 100));
    QPainter canvas(&picture);
    painter.DrawPlot(canvas, plot, QRect(Left, Top, zoom, zoom), graphic);
    return picture;
}
