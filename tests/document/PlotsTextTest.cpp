// A rectangle of plots as text: written, read back and pasted elsewhere it repeats each plot's block;
// any other text is refused with its reason before a plot is touched.

#include "document/PlotsText.h"
#include "document/MapContents.h"

#include <gtest/gtest.h>

namespace {

std::string SampleMap() {
    return std::string(TESSEL_SAMPLES_DIR) + "/maps/Archipelago.Civ4WorldBuilderSave";
}

class PlotsTextTest : public ::testing::Test {
protected:
    void SetUp() override { map.LoadFromFile(SampleMap()); }
    TPlot& Plot(int x, int y) { return *map.Grids().GetPlot(x, y); }
    std::string Block(int x, int y) {
        std::string text;
        for (const std::string& line : Plot(x, y).SaveToStrings())
            text += line + "\n";
        return text;
    }
    // The block of (x, y) as it reads at (toX, toY).
    std::string BlockMovedTo(int x, int y, int toX, int toY) {
        std::string text = Block(x, y);
        const std::string from = "x=" + std::to_string(x) + ",y=" + std::to_string(y);
        return text.replace(text.find(from), from.size(),
                            "x=" + std::to_string(toX) + ",y=" + std::to_string(toY));
    }
    static std::string Refusal(const std::string& text) {
        try {
            TPlotsText::Read(text);
        } catch (const OperationAborted& error) {
            return error.what();
        }
        return "read";
    }

    TMap map;
};

TEST_F(PlotsTextTest, PastedElsewhereEachPlotKeepsItsBlockUnitsAndCityIncluded) {
    const std::string expected = BlockMovedTo(4, 5, 12, 1), right = BlockMovedTo(6, 6, 14, 2);
    const TPlotsText plots = TPlotsText::Read(TPlotsText::Write(map.Grids(), 4, 5, 6, 6));
    EXPECT_EQ(plots.Width(), 3);
    EXPECT_EQ(plots.Height(), 2);
    const std::string untouched = Block(11, 1);
    plots.PasteInto(map.Grids(), 12, 1);
    EXPECT_EQ(Block(12, 1), expected);
    EXPECT_EQ(Block(14, 2), right);
    EXPECT_EQ(Plot(12, 1).Units().Count(), 2);
    EXPECT_EQ(Block(11, 1), untouched);
}

TEST_F(PlotsTextTest, APlotThatWritesNoBlockIsPastedAsOneThatWritesNone) {
    Plot(0, 0).SetPlotType(-1);
    const std::string text = TPlotsText::Write(map.Grids(), 0, 0, 1, 0);
    EXPECT_NE(text.find("EmptyPlot,x=0,y=0"), std::string::npos);
    const std::string neighbour = BlockMovedTo(1, 0, 6, 5);
    TPlotsText::Read(text).PasteInto(map.Grids(), 5, 5);
    EXPECT_FALSE(Plot(5, 5).IsWritten());
    EXPECT_EQ(Plot(5, 5).X(), 5);
    EXPECT_EQ(Plot(5, 5).Y(), 5);
    EXPECT_EQ(Block(6, 5), neighbour);
}

TEST_F(PlotsTextTest, PlotsFallingOffTheGridAreSkipped) {
    const std::string corner = BlockMovedTo(5, 6, 0, 0);
    const TPlotsText plots = TPlotsText::Read(TPlotsText::Write(map.Grids(), 4, 5, 5, 6));
    plots.PasteInto(map.Grids(), -1, -1);
    EXPECT_EQ(Block(0, 0), corner);
    const std::string pasted = map.SaveToBytes();
    plots.PasteInto(map.Grids(), 16, 0);
    plots.PasteInto(map.Grids(), 0, 10);
    EXPECT_EQ(map.SaveToBytes(), pasted);
}

TEST_F(PlotsTextTest, OtherTextsAreRefusedWithTheirReason) {
    const std::string header = "TesselPlots,x=0,y=0,width=1,height=1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "The text holds no plots of a map"},
        {"BeginPlot\nx=0,y=0\nEndPlot\n", "The text holds no plots of a map"},
        {"TesselPlots,x=0,y=0,width=0,height=1\n", "The plots' rectangle of 0 x 1 is no size a map can hold"},
        {"TesselPlots,x=0,y=0,width=4097,height=1\n",
         "The plots' rectangle of 4097 x 1 is no size a map can hold"},
        {"TesselPlots,x=0,y=0,width=2048,height=4096\n",
         "The plots' rectangle of 2048 x 4096 is no size a map can hold"},
        {"TesselPlots,x=0,y=0,width=wide,height=1\n",
         "The plots' first line has a width that is no number: wide"},
        {"TesselPlots,y=0,width=1,height=1\n", "The plots' first line has no x"},
        {header + "BeginPlot\n\tx=1,y=0\nEndPlot\n", "The plot at (1, 0) lies outside the plots' rectangle"},
        {header + "EmptyPlot,x=0,y=0\nEmptyPlot,x=0,y=0\n", "The plot at (0, 0) is there twice"},
        {header + "BeginPlot\n\tx=0,y=0\n\tTerrainType=TERRAIN_GRASS\n",
         "The plot that begins on line 2 has no end"},
        {header + "\tTerrainType=TERRAIN_GRASS\n", "Line 2 belongs to no plot: \tTerrainType=TERRAIN_GRASS"},
        {header + "BeginPlot\n\tTerrainType=TERRAIN_GRASS\nEndPlot\n",
         "The plot that begins on line 2 has no place (x=, y=)"},
        {header + "BeginPlot\n\tx=0,y=zero\nEndPlot\n",
         "The plot that begins on line 2 has a y that is no number: zero"},
        {header + "BeginPlot\n\tx=0,y=0\n\tPlotType=high\nEndPlot\n",
         "The plot that begins on line 2 cannot be read: "},
    };
    for (const auto& [text, reason] : cases)
        EXPECT_EQ(Refusal(text).substr(0, reason.size()), reason) << text;
}

TEST_F(PlotsTextTest, BlankLinesAndLineEndsOfAnyKindAreRead) {
    const TPlotsText plots = TPlotsText::Read(
        "\r\n  "
        "\nTesselPlots,x=3,y=3,width=1,height=2\rBeginPlot\r\n\tx=3,y=4\r\n\tTerrainType=TERRAIN_SNOW\r\n"
        "\tPlotType=0\nEndPlot\n\n");
    EXPECT_EQ(plots.Height(), 2);
    plots.PasteInto(map.Grids(), 0, 0);
    EXPECT_EQ(Plot(0, 1).TerrainType(), "TERRAIN_SNOW");
    EXPECT_EQ(Plot(0, 1).PlotType(), 0);
    EXPECT_EQ(Plot(0, 0).TerrainType(), "TERRAIN_OCEAN");
}

} // namespace
