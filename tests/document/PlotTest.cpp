#include "document/Plot.h"
#include "TestText.h"

#include <gtest/gtest.h>

TEST(Plot, ADefaultPlotWritesFiveLines) {
    TPlotGrid grids;
    EXPECT_EQ(grids.GetPlot(0, 0)->SaveToStrings(),
              Lines("BeginPlot\n\tx=0,y=0\n\tTerrainType=TERRAIN_OCEAN\n\tPlotType=3\nEndPlot"));
}

TEST(Plot, AFullPlotWritesItsLinesInOrder) {
    TPlot plot;
    plot.LoadFromStrings(
        Lines("BeginPlot\n\tTeamReveal=2,0,\n\tx=3,y=7\n\tRouteType=route_road\n"
              "\tFeatureType=FEATURE_FOREST, FeatureVariety=2\n\tImprovementType=IMPROVEMENT_FARM\n"
              "\tBonusType=bonus_wheat\n\tStartingPlot\n\tisWOfRiver\n\tRiverWEDirection=3\n"
              "\tisNOfRiver=1\n\tRiverNSDirection=2\n\tScriptData=s\n\tLandmark=Old Invictus\n"
              "\tTerrainType=terrain_grass\n\tPlotType=1\nEndPlot"));
    EXPECT_EQ(
        plot.SaveToStrings(),
        Lines(
            "BeginPlot\n\tx=3,y=7\n\tLandmark=Old Invictus\n\tScriptData=s\n\tRiverNSDirection=2\n"
            "\tisNOfRiver\n\tRiverWEDirection=3\n\tisWOfRiver\n\tStartingPlot\n\tBonusType=BONUS_WHEAT\n"
            "\tImprovementType=IMPROVEMENT_FARM\n\tFeatureType=FEATURE_FOREST, FeatureVariety=2\n"
            "\tRouteType=ROUTE_ROAD\n\tTerrainType=TERRAIN_GRASS\n\tPlotType=1\n\tTeamReveal=0,2,\nEndPlot"));
}

TEST(Plot, OutOfRangeValuesTakeTheirReplacement) {
    TPlot plot;
    plot.ApplyEditorLines(Lines("RiverNSDirection=1\nRiverWEDirection=3"));
    plot.LoadFromStrings(Lines("FeatureVariety=7\nTeamReveal=0,3,25,"));
    EXPECT_EQ(plot.RiverNSDirection(), -1);
    EXPECT_EQ(plot.RiverWEDirection(), 3);
    EXPECT_EQ(plot.FeatureVariety(), 0);
    EXPECT_EQ(FlagsToCommaText(plot.TeamReveal()), "0,3,");
    plot.LoadFromStrings(Lines("FeatureVariety=-1\nPlotType=4"));
    EXPECT_EQ(plot.FeatureVariety(), 0);
    EXPECT_EQ(plot.PlotType(), -1);
    EXPECT_TRUE(plot.SaveToStrings().empty());
    EXPECT_THROW(plot.LoadFromStrings(Lines("RiverNSDirection=south")), OperationAborted);
}

TEST(Plot, ARiverDirectionOutsideItsPairIsKeptOnlyFromAFile) {
    TPlot plot;
    plot.LoadFromStrings(Lines("RiverWEDirection=0\nRiverNSDirection=3"));
    EXPECT_EQ(plot.RiverWEDirection(), 0);
    EXPECT_EQ(plot.RiverNSDirection(), 3);
    plot.LoadFromStrings(Lines("RiverWEDirection=4"));
    EXPECT_EQ(plot.RiverWEDirection(), -1);
    plot.ApplyEditorLines({"RiverNSDirection=1"});
    EXPECT_EQ(plot.RiverNSDirection(), -1);
    plot.ApplyEditorLines({"RiverNSDirection=2"});
    EXPECT_EQ(plot.RiverNSDirection(), 2);
}

TEST(Plot, UnitAndCityBlocksKeepTheirOwnLines) {
    TPlot plot;
    plot.LoadFromStrings(
        Lines("BeginPlot\n\tx=1,y=1\n\tScriptData=PLOT\n\tBeginUnit\n\t\tUnitType=UNIT_A, "
              "UnitOwner=1\n\t\tScriptData=UNIT\n\t\tDamage=5\n\tEndUnit\n\tBeginUnit\n"
              "\t\tUnitType=UNIT_B, UnitOwner=1\n\tEndUnit\n\tBeginCity\n\t\tCityOwner=1\n"
              "\t\tScriptData=CITY\n\t\tCorporationType=C\n\tEndCity\n\tTeam1PlotRevealed=1\n"
              "\tTerrainType=TERRAIN_PLAINS\n\tPlotType=1\nEndPlot"));
    EXPECT_EQ(plot.ScriptData(), "PLOT");
    ASSERT_EQ(plot.Units().Count(), 2);
    EXPECT_EQ(plot.Units().GetUnit(0)->ScriptData(), "UNIT");
    EXPECT_EQ(plot.Units().GetUnit(0)->KeptLines(), StringList{"Damage=5"});
    EXPECT_EQ(plot.Units().GetUnit(1)->UnitType(), "UNIT_B");
    ASSERT_TRUE(plot.HasCity());
    EXPECT_EQ(plot.City()->ScriptData(), "CITY");
    EXPECT_EQ(plot.City()->KeptLines(), StringList{"CorporationType=C"});
    EXPECT_EQ(plot.KeptLines(), StringList{"Team1PlotRevealed=1"});

    const StringList saved = plot.SaveToStrings();
    TPlot again;
    again.LoadFromStrings(saved);
    EXPECT_EQ(again.SaveToStrings(), saved);
    EXPECT_EQ(saved[saved.size() - 2], "\tTeam1PlotRevealed=1");
}

TEST(Plot, EditorRowsOfADefaultPlot) {
    TPlot plot;
    EXPECT_EQ(plot.GetEditorLines(),
              (StringList{"Landmark=", "ScriptData=", "RiverNSDirection=-1", "isNOfRiver=0",
                          "RiverWEDirection=-1", "isWOfRiver=0", "StartingPlot=0",
                          "BonusType=", "ImprovementType=", "FeatureType=", "FeatureVariety=0",
                          "RouteType=", "TerrainType=TERRAIN_OCEAN", "PlotType=3", "Units=[ 0 Units ]",
                          "City=[ 0 City ]", "TeamReveal="}));
}

TEST(Plot, EditorRowsSetAndClearFlagsButNeverTouchUnitsOrCity) {
    TPlot plot;
    plot.ApplyEditorLines({"isNOfRiver=1"});
    EXPECT_TRUE(plot.IsNOfRiver());
    plot.ApplyEditorLines({"isNOfRiver=0"});
    EXPECT_FALSE(plot.IsNOfRiver());
    plot.ApplyEditorLines({"Units=[ 2 Units ]", "City=[ 1 City ]"});
    EXPECT_EQ(plot.Units().Count(), 0);
    EXPECT_FALSE(plot.HasCity());
    plot.ApplyEditorLines({"terraintype=terrain_ocean", "TeamReveal=1,4,"});
    EXPECT_EQ(plot.TerrainType(), "TERRAIN_OCEAN");
    EXPECT_EQ(FlagsToCommaText(plot.TeamReveal()), "1,4,");
    plot.ApplyEditorLines({"TeamReveal="});
    EXPECT_FALSE(plot.HasTeamReveal());
    plot.ApplyEditorLines({"BonusType=X", "Landmark=a"});
    plot.ApplyEditorLines({"BonusType="});
    EXPECT_EQ(plot.BonusType(), "");
}

TEST(PlotGrid, PlotsAreWrittenColumnByColumn) {
    TPlotGrid grids;
    grids.SetWidth(2);
    grids.SetHeight(3);
    const StringList& lines = grids.SaveToStrings();
    ASSERT_EQ(lines.size(), 2u + 6u * 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "### Plot Info ###");
    const char* order[] = {"\tx=0,y=0", "\tx=0,y=1", "\tx=0,y=2", "\tx=1,y=0", "\tx=1,y=1", "\tx=1,y=2"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(lines[2 + 5 * i + 1], order[i]);
}

TEST(PlotGrid, BlocksLandOnTheirOwnCoordinates) {
    TPlotGrid grids;
    grids.SetWidth(5);
    grids.SetHeight(2);
    grids.LoadFromStrings(
        Lines("### Plot Info ###\nBeginPlot\n\tx=4,y=1\n\tTerrainType=TERRAIN_DESERT\nEndPlot\n"
              "BeginPlot\n\tx=5,y=0\n\tTerrainType=TERRAIN_SNOW\nEndPlot\n"
              "BeginPlot\n\tTerrainType=TERRAIN_SNOW\nEndPlot\n"
              "BeginPlot\n\tx=0,y=0\n\tTerrainType=TERRAIN_GRASS\nEndPlot"));
    EXPECT_EQ(grids.GetPlot(4, 1)->TerrainType(), "TERRAIN_DESERT");
    EXPECT_EQ(grids.GetPlot(0, 0)->TerrainType(), "TERRAIN_GRASS");
    for (int x = 1; x < 4; ++x)
        EXPECT_EQ(grids.GetPlot(x, 0)->TerrainType(), "TERRAIN_OCEAN");
    EXPECT_EQ(grids.GetPlot(5, 0), nullptr);
    EXPECT_EQ(grids.GetPlot(-1, 0), nullptr);
}

// Plots of a map repeat each other's lines, often but for their numbers: each plot still reads its
// own values, whether a line repeats, differs in digits, or differs in length or letters.
TEST(PlotGrid, PlotsWithSimilarLinesReadTheirOwnValues) {
    TPlotGrid grids;
    grids.SetWidth(12);
    grids.SetHeight(1);
    grids.LoadFromStrings(
        Lines("BeginPlot\n\tx=0,y=0\n\tLandmark=Sea Landmark=1\n\tTerrainType=TERRAIN_COAST\n"
              "\tPlotType=3\n\tTeamReveal=1,6,\nEndPlot\n"
              "BeginPlot\n\tx=1,y=0\n\tLandmark=Sea Landmark=2\n\tTerrainType=TERRAIN_GRASS\n"
              "\tPlotType=2\n\tTeamReveal=2,7,\nEndPlot\n"
              "BeginPlot\n\tx=10,y=0\n\tFeatureType=FEATURE_FOREST, FeatureVariety=1\n"
              "\tTerrainType=TERRAIN_GRASS\n\tPlotType=1\nEndPlot\n"
              "BeginPlot\n\tx=11,y=0\n\tFeatureType=FEATURE_FOREST, FeatureVariety=2\n"
              "\tTerrainType=TERRAIN_GRASS\n\tPlotType=1\n\tisNOfRiver\nEndPlot"));
    const TPlot& coast = *grids.GetPlot(0, 0);
    const TPlot& grass = *grids.GetPlot(1, 0);
    EXPECT_EQ(coast.Landmark(), "Sea 1");
    EXPECT_EQ(grass.Landmark(), "Sea 2");
    EXPECT_EQ(coast.TerrainType(), "TERRAIN_COAST");
    EXPECT_EQ(grass.TerrainType(), "TERRAIN_GRASS");
    EXPECT_EQ(coast.PlotType(), 3);
    EXPECT_EQ(grass.PlotType(), 2);
    EXPECT_EQ(FlagsToCommaText(coast.TeamReveal()), "1,6,");
    EXPECT_EQ(FlagsToCommaText(grass.TeamReveal()), "2,7,");
    EXPECT_EQ(grids.GetPlot(10, 0)->FeatureVariety(), 1);
    EXPECT_EQ(grids.GetPlot(11, 0)->FeatureVariety(), 2);
    EXPECT_FALSE(grids.GetPlot(10, 0)->IsNOfRiver());
    EXPECT_TRUE(grids.GetPlot(11, 0)->IsNOfRiver());
    EXPECT_EQ(grids.GetPlot(11, 0)->X(), 11);
    EXPECT_EQ(grids.GetPlot(2, 0)->TerrainType(), "TERRAIN_OCEAN");
}

TEST(PlotGrid, ResizingKeepsPlotsAndRefusesNegativeSizes) {
    TPlotGrid grids;
    grids.GetPlot(0, 0)->SetTerrainType("TERRAIN_GRASS");
    grids.SetWidth(3);
    grids.SetHeight(2);
    EXPECT_EQ(grids.GetPlot(0, 0)->TerrainType(), "TERRAIN_GRASS");
    EXPECT_EQ(grids.GetPlot(2, 1)->X(), 2);
    EXPECT_EQ(grids.GetPlot(2, 1)->Y(), 1);
    EXPECT_THROW(grids.SetWidth(-1), OperationAborted);
    EXPECT_EQ(grids.Width(), 3);
    grids.SetWidth(1);
    grids.SetHeight(0);
    EXPECT_EQ(grids.GetPlot(0, 0), nullptr);
    EXPECT_EQ(grids.SaveToStrings().size(), 2u);
    grids.Clear();
    EXPECT_EQ(grids.GetPlot(0, 0)->SaveToStrings()[1], "\tx=0,y=0");
}

TEST(PlotGrid, TextAfterTheLastPlotIsKeptWhole) {
    TPlotGrid grids;
    grids.LoadFromStrings(Lines("BeginPlot\n\tx=0,y=0\nEndPlot\n\n### Sign Info ###\nBeginSign\n\tplotX=0\n"
                                "\tcaption=Here, there  \nEndSign"));
    EXPECT_EQ(grids.TrailingLines(),
              Lines("\n### Sign Info ###\nBeginSign\n\tplotX=0\n\tcaption=Here, there  \nEndSign"));
    const StringList& saved = grids.SaveToStrings();
    EXPECT_EQ(saved.back(), "EndSign");
    EXPECT_EQ(saved[saved.size() - 6], "");

    grids.LoadFromStrings(Lines("BeginPlot\n\tx=0,y=0\nEndPlot\n   \n"));
    EXPECT_TRUE(grids.TrailingLines().empty());
}

TEST(Plot, APlotFromAFileWritesWhatTheFileSetEmptyValuesIncluded) {
    TPlot plot;
    plot.LoadFromStrings(Lines("BeginPlot\n\tx=0,y=0\n\tScriptData=Scenario\n\tBonusType=\n"
                               "\tFeatureType=FEATURE_ICE\n\tPlotType=3\nEndPlot"));
    EXPECT_EQ(plot.TerrainType(), "TERRAIN_OCEAN");
    EXPECT_FALSE(plot.IsSet("TerrainType="));
    EXPECT_TRUE(plot.IsSet("bonustype="));
    EXPECT_EQ(plot.UnsetFieldCount(), 1);
    EXPECT_EQ(plot.SaveToStrings(), Lines("BeginPlot\n\tx=0,y=0\n\tScriptData=Scenario\n\tBonusType=\n"
                                          "\tFeatureType=FEATURE_ICE\n\tPlotType=3\nEndPlot"));
    const StringList& rows = plot.GetEditorLines();
    EXPECT_EQ(rows[2], "RiverNSDirection=");
    EXPECT_EQ(rows[10], "FeatureVariety=");
    EXPECT_EQ(rows[12], "TerrainType=");

    plot.SetFeatureVariety(1);
    plot.ApplyEditorLines({"ScriptData=", "TerrainType=TERRAIN_OCEAN", "RiverNSDirection=-1"});
    EXPECT_EQ(plot.SaveToStrings(),
              Lines("BeginPlot\n\tx=0,y=0\n\tRiverNSDirection=-1\n\tBonusType=\n"
                    "\tFeatureType=FEATURE_ICE, "
                    "FeatureVariety=1\n\tTerrainType=TERRAIN_OCEAN\n\tPlotType=3\nEndPlot"));
    plot.ApplyEditorLines({"FeatureType="});
    EXPECT_EQ(plot.SaveToStrings()[4], "\tFeatureVariety=1");
}

TEST(Plot, AnEmptyOrZeroFlagRowClearsTheFlag) {
    TPlot plot;
    plot.ApplyEditorLines({"StartingPlot=1", "isWOfRiver=1"});
    EXPECT_TRUE(plot.StartingPlot());
    plot.ApplyEditorLines({"StartingPlot="});
    EXPECT_FALSE(plot.StartingPlot());
    plot.ApplyEditorLines({"isWOfRiver"});
    EXPECT_TRUE(plot.IsWOfRiver());
}
