#include "render/PlotPainter.h"

#include "TestPictures.h"
#include "document/Plot.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb Green = 0xff'008000, Yellow = 0xff'ffff00, Black = 0xff'000000, White = 0xff'ffffff,
               Red = 0xff'ff0000, Cyan = 0xff'00ffff, Magenta = 0xff'ff00ff;

TPlot Plot(const char* terrain, int plotType = 2) {
    TPlot plot;
    plot.SetTerrainType(terrain);
    plot.SetPlotType(plotType);
    return plot;
}

QRgb At(const QImage& picture, int x, int y) {
    return picture.pixel(Left + x, Top + y);
}

class PlotPainterTest : public ::testing::Test {
protected:
    TTestPictures pictures;
    TDisplayOptions options = TDisplayOptions::AllOfTree();
    TPlotPainter painter{pictures.Lists(), &options};
};

} // namespace

TEST(PlotPainterNames, ListsHoldTheImageNamesInImageOrder) {
    ASSERT_EQ(TerrainNames().size(), 17u);
    ASSERT_EQ(BonusNames().size(), 36u);
    EXPECT_EQ(TerrainNames()[13], "FLOOD_PLAINS");
    EXPECT_EQ(BonusNames().back(), "OTHER BONUS");
    EXPECT_EQ(TerrainNameIndex("forest2"), 10);
    EXPECT_EQ(BonusNameIndex("Gold"), 14);
    EXPECT_EQ(BonusNameIndex("SHRIMP"), -1);
}

TEST(PlotPainterNames, TypeNameDeletesEveryOccurrenceOfThePrefixIgnoringCase) {
    EXPECT_EQ(TypeName("TERRAIN_GRASS", "TERRAIN_"), "GRASS");
    EXPECT_EQ(TypeName("terrain_TERRAIN_SNOW", "TERRAIN_"), "SNOW");
    EXPECT_EQ(TypeName("FEATURE_FLOOD_PLAINS", "FEATURE_"), "FLOOD_PLAINS");
}

TEST(PlotPainterNames, TerrainColourTakesTheFirstWordTheTypeContains) {
    EXPECT_EQ(TerrainColor("TERRAIN_OCEAN"), QColor(0, 0, 255));
    EXPECT_EQ(TerrainColor("terrain_coast"), QColor(0, 128, 128));
    EXPECT_EQ(TerrainColor("TERRAIN_GRASS"), QColor(0, 128, 0));
    EXPECT_EQ(TerrainColor("TERRAIN_DESERT"), QColor(255, 255, 0));
    EXPECT_EQ(TerrainColor("TERRAIN_PLAINS"), QColor(128, 128, 0));
    EXPECT_EQ(TerrainColor("TERRAIN_TUNDRA"), QColor(128, 128, 128));
    EXPECT_EQ(TerrainColor("TERRAIN_SNOW"), QColor(255, 255, 255));
    EXPECT_EQ(TerrainColor("TERRAIN_MARSH"), QColor(0, 0, 0));
    EXPECT_EQ(TerrainColor("GRASS_BY_THE_OCEAN"), QColor(0, 0, 255));
}

TEST(PlotPainterNames, SubCellRectDividesTheCellIntoFourByFourSquares) {
    EXPECT_EQ(SubCellRect(3, QRect(10, 20, 32, 32)), QRect(34, 20, 8, 8));
    EXPECT_EQ(SubCellRect(7, QRect(10, 20, 32, 32)), QRect(34, 28, 8, 8));
    EXPECT_EQ(SubCellRect(15, QRect(10, 20, 32, 32)), QRect(34, 44, 8, 8));
    EXPECT_EQ(SubCellRect(3, QRect(0, 0, 8, 8)), QRect(6, 0, 2, 2));
    EXPECT_EQ(SubCellRect(5, QRect(0, 0, 11, 11)), QRect(3, 3, 3, 3));
}

TEST_F(PlotPainterTest, SchematicCellShowsItsTerrainColourAndNothingOutside) {
    for (const char* terrain : {"TERRAIN_OCEAN", "TERRAIN_COAST", "TERRAIN_GRASS", "TERRAIN_DESERT",
                                "TERRAIN_PLAINS", "TERRAIN_TUNDRA", "TERRAIN_SNOW"}) {
        const QImage cell = PaintCell(painter, Plot(terrain), 16, false);
        EXPECT_EQ(At(cell, 8, 8), TerrainColor(terrain).rgb()) << terrain;
        EXPECT_EQ(At(cell, 0, 0), TerrainColor(terrain).rgb()) << terrain;
        EXPECT_EQ(At(cell, 15, 15), TerrainColor(terrain).rgb()) << terrain;
        EXPECT_EQ(At(cell, 16, 8), qRgb(100, 100, 100)) << terrain;
        EXPECT_EQ(At(cell, -1, 8), qRgb(100, 100, 100)) << terrain;
    }
}

TEST_F(PlotPainterTest, TerrainWithoutItsOptionLeavesTheCellBlackOrWhite) {
    options.RemoveOption("grass");
    EXPECT_EQ(At(PaintCell(painter, Plot("TERRAIN_GRASS"), 16, false), 8, 8), Black);
    EXPECT_EQ(At(PaintCell(painter, Plot("TERRAIN_GRASS"), 16, true), 8, 8), White);
    // A terrain without an option of its own is never painted.
    EXPECT_EQ(At(PaintCell(painter, Plot("TERRAIN_MARSH"), 16, false), 8, 8), Black);
    options.AddOption("Grass");
    options.RemoveOption("Terrain");
    EXPECT_EQ(At(PaintCell(painter, Plot("TERRAIN_GRASS"), 16, false), 8, 8), Black);
}

TEST_F(PlotPainterTest, PeakIsATriangleWithItsApexAtTheTopMiddle) {
    const QImage grass = PaintCell(painter, Plot("TERRAIN_GRASS", 0), 32, false);
    EXPECT_EQ(At(grass, 16, 4), White);
    EXPECT_EQ(At(grass, 16, 1), Green);
    EXPECT_EQ(At(grass, 16, 20), White);
    EXPECT_EQ(At(grass, 6, 10), Green);
    EXPECT_EQ(At(grass, 26, 10), Green);
    const QImage desert = PaintCell(painter, Plot("TERRAIN_DESERT", 0), 32, false);
    EXPECT_EQ(At(desert, 16, 4), Black);
    EXPECT_EQ(At(desert, 16, 1), Yellow);
}

TEST_F(PlotPainterTest, HillMarkIsBlackOnDesertAndWhiteOnGrass) {
    const QImage desert = PaintCell(painter, Plot("TERRAIN_DESERT", 1), 32, false);
    const QImage grass = PaintCell(painter, Plot("TERRAIN_GRASS", 1), 32, false);
    // The line from (q, q) to (R - q, B - q), and the arc's upper left quarter through (h, e).
    EXPECT_EQ(At(desert, 16, 16), Black);
    EXPECT_EQ(At(grass, 16, 16), White);
    EXPECT_EQ(At(grass, 12, 4), White);
    // Nothing of the ellipse's other quarters.
    EXPECT_EQ(At(grass, 27, 16), Green);
    EXPECT_EQ(At(grass, 16, 27), Green);
}

TEST_F(PlotPainterTest, PlotMarksNeedThePlotOption) {
    options.RemoveOption("Plot");
    EXPECT_EQ(At(PaintCell(painter, Plot("TERRAIN_GRASS", 0), 32, false), 16, 20), Green);
    options.AddOption("Plot");
    EXPECT_EQ(At(PaintCell(painter, Plot("TERRAIN_GRASS", 0), 32, false), 16, 20), White);
}

TEST_F(PlotPainterTest, GoodyHutIsARedDotAtZoom8AndARedCrossFrom16) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetImprovementType("IMPROVEMENT_GOODY_HUT");
    for (bool graphic : {false, true}) {
        const QImage small = PaintCell(painter, plot, 8, graphic);
        EXPECT_EQ(At(small, 4, 4), Red) << graphic;
        EXPECT_EQ(At(small, 3, 5), Red) << graphic;
        const QImage large = PaintCell(painter, plot, 16, graphic);
        EXPECT_EQ(At(large, 8, 8), Red) << graphic;
        EXPECT_EQ(At(large, 3, 3), Red) << graphic;
        EXPECT_EQ(At(large, 12, 3), Red) << graphic;
        EXPECT_NE(At(large, 8, 2), Red) << graphic;
        EXPECT_NE(At(large, 2, 8), Red) << graphic;
    }
    plot.SetImprovementType("IMPROVEMENT_FARM");
    EXPECT_EQ(At(PaintCell(painter, plot, 16, false), 8, 8), Green);
}

TEST_F(PlotPainterTest, RevealedPlotGetsACyanFrameAlongItsCell) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetTeamReveal(3, true);
    for (bool graphic : {false, true}) {
        const QImage cell = PaintCell(painter, plot, 16, graphic);
        EXPECT_EQ(At(cell, 0, 0), Cyan) << graphic;
        EXPECT_EQ(At(cell, 15, 7), Cyan) << graphic;
        EXPECT_EQ(At(cell, 7, 15), Cyan) << graphic;
        EXPECT_NE(At(cell, 1, 1), Cyan) << graphic;
        EXPECT_NE(At(cell, 16, 7), Cyan) << graphic;
    }
    options.RemoveOption("TeamReveal");
    EXPECT_EQ(At(PaintCell(painter, plot, 16, false), 0, 0), Green);
}

TEST_F(PlotPainterTest, BonusIsAMagentaDiscWhenItsOptionOrOtherBonusIsOn) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetBonusType("BONUS_WHEAT");
    EXPECT_EQ(At(PaintCell(painter, plot, 16, false), 8, 8), Magenta);
    options.RemoveOption("Wheat");
    EXPECT_EQ(At(PaintCell(painter, plot, 16, false), 8, 8), Magenta);
    options.RemoveOption("Other Bonus");
    EXPECT_EQ(At(PaintCell(painter, plot, 16, false), 8, 8), Green);
}

TEST_F(PlotPainterTest, IceHatchFallsFromLeftToRight) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetFeatureType("FEATURE_ICE");
    const QImage cell = PaintCell(painter, plot, 32, false);
    int whites = 0;
    for (int y = 0; y + 1 < 32; ++y)
        for (int x = 0; x + 1 < 32; ++x) {
            EXPECT_EQ(At(cell, x, y), At(cell, x + 1, y + 1)) << x << "," << y;
            whites += At(cell, x, y) == White;
        }
    EXPECT_GT(whites, 0);
    EXPECT_LT(whites, 31 * 31 / 2);
}

TEST_F(PlotPainterTest, FloodPlainsHatchIsVerticalAndDesertMarksAreBlack) {
    TPlot plot = Plot("TERRAIN_DESERT");
    plot.SetFeatureType("FEATURE_FLOOD_PLAINS");
    const QImage cell = PaintCell(painter, plot, 32, false);
    int blackColumns = 0;
    for (int x = 0; x < 32; ++x) {
        for (int y = 1; y < 32; ++y)
            EXPECT_EQ(At(cell, x, y), At(cell, x, 0));
        blackColumns += At(cell, x, 0) == Black;
    }
    EXPECT_EQ(blackColumns, 4);
}

TEST_F(PlotPainterTest, ForestHatchCrossesBothWaysOverTheTerrain) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetFeatureType("FEATURE_FOREST");
    const QImage cell = PaintCell(painter, plot, 32, false);
    int whites = 0, greens = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            whites += At(cell, x, y) == White;
            greens += At(cell, x, y) == Green;
        }
    EXPECT_GT(whites, 32 * 4);
    EXPECT_GT(greens, 32 * 16);
    options.RemoveOption("Forest");
    EXPECT_EQ(At(PaintCell(painter, plot, 32, false), 4, 3), Green);
}

TEST_F(PlotPainterTest, OasisIsARingInTheLowerHalf) {
    TPlot plot = Plot("TERRAIN_DESERT");
    plot.SetFeatureType("FEATURE_OASIS");
    const QImage cell = PaintCell(painter, plot, 36, false);
    // z = 36: e = 4, h = 18; the ring spans (4, 22) to (31, 31).
    EXPECT_EQ(At(cell, 17, 10), Yellow);
    EXPECT_EQ(At(cell, 17, 26), Yellow);
    EXPECT_EQ(At(cell, 17, 22), Black);
    EXPECT_EQ(At(cell, 4, 26), Black);
}

TEST_F(PlotPainterTest, GraphicCellStretchesTheTerrainPicture) {
    const QImage cell = PaintCell(painter, Plot("TERRAIN_PLAINS"), 32, true);
    EXPECT_EQ(At(cell, 1, 1), TerrainImageColour(2));
    EXPECT_EQ(At(cell, 30, 30), TerrainImageColour(2));
    EXPECT_EQ(At(cell, 32, 30), qRgb(100, 100, 100));
}

TEST_F(PlotPainterTest, GraphicRiversLieInTheTopRightSquares) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetIsWOfRiver(true);
    plot.SetIsNOfRiver(true);
    QImage cell = PaintCell(painter, plot, 32, true);
    EXPECT_EQ(At(cell, 28, 4), RiverWestColour);
    EXPECT_EQ(At(cell, 28, 12), RiverNorthColour);
    EXPECT_EQ(At(cell, 20, 4), TerrainImageColour(3));
    plot.SetIsWOfRiver(false);
    cell = PaintCell(painter, plot, 32, true);
    EXPECT_EQ(At(cell, 28, 4), RiverNorthColour);
    EXPECT_EQ(At(cell, 28, 12), TerrainImageColour(3));
    plot.SetRouteType("ROUTE_ROAD");
    cell = PaintCell(painter, plot, 32, true);
    EXPECT_EQ(At(cell, 28, 28), RouteColour);
    options.RemoveOption("River");
    options.RemoveOption("Route");
    cell = PaintCell(painter, plot, 32, true);
    EXPECT_EQ(At(cell, 28, 4), TerrainImageColour(3));
    EXPECT_EQ(At(cell, 28, 28), TerrainImageColour(3));
}

TEST_F(PlotPainterTest, GraphicForestShowsThePictureOfItsVariety) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetFeatureType("FEATURE_FOREST");
    plot.SetFeatureVariety(2);
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), TerrainImageColour(10));
    plot.SetFeatureVariety(0);
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), TerrainImageColour(8));
}

TEST_F(PlotPainterTest, GraphicReliefNeedsTheOptionOfItsName) {
    TPlot plot = Plot("TERRAIN_GRASS", 0);
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), TerrainImageColour(15));
    options.RemoveOption("Mountain");
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), TerrainImageColour(3));
    plot.SetPlotType(1);
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), TerrainImageColour(16));
}

TEST_F(PlotPainterTest, GraphicBonusLeavesItsBackgroundOutAndFallsBackToOtherBonus) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.SetBonusType("BONUS_GOLD");
    QImage cell = PaintCell(painter, plot, 55, true);
    EXPECT_EQ(At(cell, 27, 27), BonusImageColour(14));
    EXPECT_EQ(At(cell, 3, 3), TerrainImageColour(3));
    plot.SetBonusType("BONUS_SHRIMP");
    EXPECT_EQ(At(PaintCell(painter, plot, 55, true), 27, 27), BonusImageColour(35));
    options.RemoveOption("OTHER BONUS");
    EXPECT_EQ(At(PaintCell(painter, plot, 55, true), 27, 27), TerrainImageColour(3));
}

TEST_F(PlotPainterTest, GraphicUnitsCoverTheCity) {
    TPlot plot = Plot("TERRAIN_GRASS");
    plot.GetOrCreateCity();
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), CityColour);
    plot.Units().Add();
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), UnitsColour);
    options.RemoveOption("Units");
    EXPECT_EQ(At(PaintCell(painter, plot, 16, true), 8, 8), CityColour);
}

TEST_F(PlotPainterTest, PainterWithoutOptionsPaintsEveryOptionOfTheTree) {
    TPlotPainter everything(pictures.Lists());
    TPlot plot = Plot("TERRAIN_TUNDRA");
    plot.SetTeamReveal(0, true);
    const QImage cell = PaintCell(everything, plot, 16, false);
    EXPECT_EQ(At(cell, 8, 8), TerrainColor("TERRAIN_TUNDRA").rgb());
    EXPECT_EQ(At(cell, 0, 0), Cyan);
}

TEST_F(PlotPainterTest, DrawCellImageDrawsNothingForAnIndexTheListLacks) {
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Black);
    QPainter canvas(&picture);
    painter.DrawCellImage(canvas, -1, pictures.Lists().terrain, QRect(0, 0, 20, 20));
    painter.DrawCellImage(canvas, 17, pictures.Lists().terrain, QRect(0, 0, 20, 20));
    EXPECT_EQ(picture.pixel(10, 10), Black);
    painter.DrawCellImage(canvas, 4, pictures.Lists().terrain, QRect(0, 0, 10, 20));
    EXPECT_EQ(picture.pixel(5, 10), TerrainImageColour(4));
    EXPECT_EQ(picture.pixel(15, 10), Black);
}
