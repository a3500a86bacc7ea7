#include "document/MapReshape.h"
#include "RealMapFiles.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A 4 x 3 map whose every plot names its place in its landmark ("P2_1") and has a river on its
// east and its south edge, so that rivers run along every edge of the map; the direction of each
// river tells the plots apart. Units stand on (0,0) and (1,1), a city on (2,1); player 0 starts on
// (1,1), player 1 on (3,2); signs stand on (1,1) and (3,0).
std::string SmallMapText(int wrapX, int wrapY) {
    std::string text = "Version=11\nBeginGame\n\tEra=ERA_ANCIENT\nEndGame\n"
                       "BeginPlayer\n\tTeam=0\n\tLeaderType=LEADER_A\n\tStartingX=1, StartingY=1\nEndPlayer\n"
                       "BeginPlayer\n\tTeam=1\n\tLeaderType=LEADER_B\n\tStartingX=3, StartingY=2\nEndPlayer\n"
                       "BeginMap\n\tgrid width=4\n\tgrid height=3\n\twrap X=" +
                       std::to_string(wrapX) + "\n\twrap Y=" + std::to_string(wrapY) +
                       "\n\tnum signs written=2\nEndMap\n\n### Plot Info ###\n";
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y) {
            const std::string place = std::to_string(x) + "_" + std::to_string(y);
            text += "BeginPlot\n\tx=" + std::to_string(x) + ",y=" + std::to_string(y) + "\n\tLandmark=P" +
                    place + "\n\tRiverNSDirection=" + ((x + y) % 2 ? "0" : "2") +
                    "\n\tisWOfRiver\n\tRiverWEDirection=" + (x % 2 ? "1" : "3") +
                    "\n\tisNOfRiver\n\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\n";
            if (x == 0 && y == 0)
                text += "\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=0\n\tEndUnit\n";
            if (x == 1 && y == 1)
                text += "\tBeginUnit\n\t\tUnitType=UNIT_SETTLER, UnitOwner=0\n\tEndUnit\n"
                        "\tBeginUnit\n\t\tUnitType=UNIT_WORKER, UnitOwner=0\n\tEndUnit\n"
                        "\tTeamReveal=0,1,\n\tTeam1PlotRevealed=1\n\tScriptData=HOME\n";
            if (x == 2 && y == 1)
                text += "\tBeginCity\n\t\tCityOwner=0\n\t\tCityName=Alpha\n\tEndCity\n";
            text += "EndPlot\n";
        }
    text += "### Sign Info ###\nBeginSign\n\tplotX=1\n\tplotY=1\n\tplayerType=0\n\tcaption=Home\nEndSign\n"
            "BeginSign\n\tplotX=3\n\tplotY=0\n\tplayerType=-1\n\tcaption=Far\nEndSign\n";
    return text;
}

TMap LoadMap(const std::string& text) {
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(Lines(text)); }), "");
    return map;
}

std::string PlaceName(int x, int y) {
    return "P" + std::to_string(x) + "_" + std::to_string(y);
}

// The plot that stood at (x, y) of the small map carries its own river directions.
void ExpectPlotFrom(const TPlot& plot, int x, int y, bool eastRiver, bool southRiver) {
    SCOPED_TRACE("plot " + std::to_string(plot.X()) + "," + std::to_string(plot.Y()) + " from " +
                 PlaceName(x, y));
    EXPECT_EQ(plot.Landmark(), PlaceName(x, y));
    EXPECT_EQ(plot.IsWOfRiver(), eastRiver);
    EXPECT_EQ(plot.RiverNSDirection(), eastRiver ? ((x + y) % 2 ? 0 : 2) : -1);
    EXPECT_EQ(plot.IsNOfRiver(), southRiver);
    EXPECT_EQ(plot.RiverWEDirection(), southRiver ? (x % 2 ? 1 : 3) : -1);
    EXPECT_EQ(plot.Units().Count(), x == 1 && y == 1 ? 2 : x == 0 && y == 0 ? 1 : 0);
    EXPECT_EQ(plot.HasCity(), x == 2 && y == 1);
    EXPECT_EQ(plot.HasTeamReveal(), x == 1 && y == 1);
    EXPECT_EQ(plot.ScriptData(), x == 1 && y == 1 ? "HOME" : "");
    EXPECT_EQ(plot.KeptLines(), x == 1 && y == 1 ? StringList{"Team1PlotRevealed=1"} : StringList{});
}

std::string Start(const TMap& map, int player) {
    const TPlayer& data = *map.Players().GetPlayer(player);
    return std::to_string(data.StartingX()) + "," + std::to_string(data.StartingY());
}

int CountDropped(const TReshapeResult& result) {
    return result.units + result.cities + result.starts + result.signs + result.riverEdges;
}

std::string Joined(const StringList& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The starts of players 0 and 1, and the places of the signs "Home" and "Far", in that order.
void ExpectStartsAndSigns(const TMap& map, const std::array<std::string, 2>& starts,
                          const std::array<std::string, 2>& signPlaces) {
    EXPECT_EQ(Start(map, 0), starts[0]);
    EXPECT_EQ(Start(map, 1), starts[1]);
    const std::string signs = Joined(map.Grids().TrailingLines());
    EXPECT_NE(signs.find("BeginSign\n" + signPlaces[0] + "\tplayerType=0\n\tcaption=Home\n"),
              std::string::npos);
    EXPECT_NE(signs.find("BeginSign\n" + signPlaces[1] + "\tplayerType=-1\n\tcaption=Far\n"),
              std::string::npos);
}

} // namespace

TEST(MapReshape, CropKeepsTheRectangleWithAllItsPlotsHold) {
    TMap map = LoadMap(SmallMapText(1, 0));
    const TReshapeResult dropped = CropMap(map, 1, 1, 2, 2);

    ASSERT_EQ(map.Grids().Width(), 2);
    ASSERT_EQ(map.Grids().Height(), 2);
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 2; ++y) {
            const TPlot& plot = *map.Grids().GetPlot(x, y);
            EXPECT_EQ(plot.X(), x);
            EXPECT_EQ(plot.Y(), y);
            // The east edges of the last column and the south edges of the first row border plots
            // that left the map.
            ExpectPlotFrom(plot, x + 1, y + 1, x == 0, y == 1);
        }
    EXPECT_EQ(map.MapData().GridWidth(), 2);
    EXPECT_EQ(map.MapData().GridHeight(), 2);
    EXPECT_EQ(map.MapData().NumPlotsWritten(), 4);
    EXPECT_EQ(map.MapData().KeptLines(), StringList{"num signs written=1"});
    EXPECT_EQ(Start(map, 0), "0,0");
    EXPECT_EQ(Start(map, 1), "-1,-1");
    EXPECT_EQ(
        Joined(map.Grids().TrailingLines()),
        "### Sign Info ###\nBeginSign\n\tplotX=0\n\tplotY=0\n\tplayerType=0\n\tcaption=Home\nEndSign\n");

    EXPECT_EQ(dropped.units, 1);
    EXPECT_EQ(dropped.cities, 0);
    EXPECT_EQ(dropped.starts, 1);
    EXPECT_EQ(dropped.signs, 1);
    // Two rows on the east, two on the west (held by the column that left) and two columns on the
    // south; the top row's north edge was the map's edge.
    EXPECT_EQ(dropped.riverEdges, 6);
}

TEST(MapReshape, CropCountsTheCityAndCutsRiversAcrossEverySeamItLeaves) {
    TMap map = LoadMap(SmallMapText(1, 1));
    const TReshapeResult dropped = CropMap(map, 0, 0, 1, 0);

    ASSERT_EQ(map.Grids().Width(), 2);
    ASSERT_EQ(map.Grids().Height(), 1);
    // The plots of the old row 0, x 0 and 1: east of x=1 leaves, the south edge crosses the y seam
    // to the row that left.
    ExpectPlotFrom(*map.Grids().GetPlot(0, 0), 0, 0, true, false);
    ExpectPlotFrom(*map.Grids().GetPlot(1, 0), 1, 0, false, false);
    EXPECT_EQ(dropped.units, 2);
    EXPECT_EQ(dropped.cities, 1);
    EXPECT_EQ(dropped.starts, 2);
    EXPECT_EQ(dropped.signs, 2);
    // East of x=1 and west of x=0 (held by x=3 across the seam) in one row; south of y=0 (across the
    // seam) and north of y=0 (held by y=1) in two columns.
    EXPECT_EQ(dropped.riverEdges, 6);
    EXPECT_EQ(map.MapData().KeptLines(), StringList{"num signs written=0"});
    EXPECT_EQ(Joined(map.Grids().TrailingLines()), "### Sign Info ###\n");
}

TEST(MapReshape, CropOfTheWholeWidthKeepsTheSeamOfAWrappingMap) {
    TMap map = LoadMap(SmallMapText(1, 0));
    const TReshapeResult dropped = CropMap(map, 0, 0, 3, 1);

    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            ExpectPlotFrom(*map.Grids().GetPlot(x, y), x, y, true, true);
    EXPECT_EQ(dropped.riverEdges, 4); // only the north edges of the row that left
    EXPECT_EQ(Start(map, 1), "-1,-1");
}

TEST(MapReshape, CropThatKeepsEveryPlotChangesNoByte) {
    for (int wrap = 0; wrap < 2; ++wrap) {
        TMap map = LoadMap(SmallMapText(wrap, wrap));
        const std::string before = map.SaveToBytes();
        const TReshapeResult dropped = CropMap(map, 0, 0, 3, 2);
        EXPECT_EQ(map.SaveToBytes(), before);
        EXPECT_EQ(CountDropped(dropped), 0);
    }
}

TEST(MapReshape, ExtendMovesEveryPlotAndFillsTheNewOnes) {
    TMap map = LoadMap(SmallMapText(1, 0));
    const TReshapeResult dropped = ExtendMap(map, 1, 2, 1, 0, "terrain_grass");

    ASSERT_EQ(map.Grids().Width(), 7);
    ASSERT_EQ(map.Grids().Height(), 4);
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 4; ++y) {
            const TPlot& plot = *map.Grids().GetPlot(x, y);
            EXPECT_EQ(plot.X(), x);
            EXPECT_EQ(plot.Y(), y);
            if (x >= 1 && x <= 4 && y >= 1) {
                ExpectPlotFrom(plot, x - 1, y - 1, true, true);
                continue;
            }
            EXPECT_EQ(plot.TerrainType(), "TERRAIN_GRASS");
            EXPECT_EQ(plot.PlotType(), 2);
            EXPECT_EQ(plot.Landmark(), "");
            EXPECT_FALSE(plot.IsWOfRiver() || plot.IsNOfRiver());
        }
    EXPECT_EQ(map.MapData().GridWidth(), 7);
    EXPECT_EQ(map.MapData().GridHeight(), 4);
    EXPECT_EQ(map.MapData().NumPlotsWritten(), 28);
    EXPECT_EQ(map.MapData().KeptLines(), StringList{"num signs written=2"});
    ExpectStartsAndSigns(map, {"2,2", "4,3"}, {"\tplotX=2\n\tplotY=2\n", "\tplotX=4\n\tplotY=1\n"});
    EXPECT_EQ(CountDropped(dropped), 0);
}

TEST(MapReshape, ExtendFillsWithOceanUnlessToldOtherwise) {
    TMap map = LoadMap(SmallMapText(0, 0));
    ExtendMap(map, 0, 0, 0, 1);
    const TPlot& ocean = *map.Grids().GetPlot(2, 3);
    EXPECT_EQ(ocean.TerrainType(), "TERRAIN_OCEAN");
    EXPECT_EQ(ocean.PlotType(), 3);
    ExtendMap(map, 0, 1, 0, 0, "TERRAIN_COAST");
    EXPECT_EQ(map.Grids().GetPlot(4, 0)->PlotType(), 3);
    ExtendMap(map, 0, 1, 0, 0, "TERRAIN_DESERT");
    EXPECT_EQ(map.Grids().GetPlot(5, 0)->PlotType(), 2);
}

TEST(MapReshape, ShiftMovesPlotsStartsAndSignsAroundTheWorld) {
    TMap map = LoadMap(SmallMapText(1, 1));
    const TReshapeResult dropped = ShiftMap(map, 1, -1);

    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y) {
            const TPlot& plot = *map.Grids().GetPlot(x, y);
            EXPECT_EQ(plot.X(), x);
            EXPECT_EQ(plot.Y(), y);
            ExpectPlotFrom(plot, (x + 3) % 4, (y + 1) % 3, true, true);
        }
    ExpectStartsAndSigns(map, {"2,0", "0,1"}, {"\tplotX=2\n\tplotY=0\n", "\tplotX=0\n\tplotY=2\n"});
    EXPECT_EQ(CountDropped(dropped), 0);
}

TEST(MapReshape, ShiftByTheWholeMapOrInStepsAroundItChangesNoByte) {
    TMap map = LoadMap(SmallMapText(1, 1));
    const std::string before = map.SaveToBytes();
    ShiftMap(map, 4, -3);
    EXPECT_EQ(map.SaveToBytes(), before);
    ShiftMap(map, 3, 2);
    EXPECT_NE(map.SaveToBytes(), before);
    ShiftMap(map, 1, 1);
    EXPECT_EQ(map.SaveToBytes(), before);
}

TEST(MapReshape, BadRequestsAreRefusedWithTheirReasonAndChangeNothing) {
    TMap map = LoadMap(SmallMapText(1, 0));
    const std::string before = map.SaveToBytes();
    auto expectRefused = [&](auto operation, const std::string& reason) {
        try {
            operation();
            ADD_FAILURE() << "not refused: " << reason;
        } catch (const OperationAborted& refusal) {
            EXPECT_EQ(refusal.what(), reason);
        }
        EXPECT_EQ(map.SaveToBytes(), before);
    };
    expectRefused([&] { CropMap(map, 0, 0, 4, 2); },
                  "Cannot crop to x 0..4, y 0..2: the map's plots are x 0..3, y 0..2.");
    expectRefused([&] { CropMap(map, -1, 0, 1, 1); },
                  "Cannot crop to x -1..1, y 0..1: the map's plots are x 0..3, y 0..2.");
    expectRefused([&] { CropMap(map, 2, 0, 1, 2); },
                  "Cannot crop to x 2..1, y 0..2: the first corner lies beyond the second.");
    expectRefused([&] { ExtendMap(map, 0, 0, -1, 0); },
                  "Cannot extend the map of 4 x 3 plots by -1 on the bottom: a side takes 0 or more plots.");
    expectRefused(
        [&] { ExtendMap(map, 4093, 0, 0, 0); },
        "Cannot extend the map of 4 x 3 plots: the map would have 4097 x 3 plots; the editor opens at "
        "most 4096 plots a side and 4194304 plots in all.");
    expectRefused([&] { ExtendMap(map, 2147483647, 2147483647, 0, 0); },
                  "Cannot extend the map of 4 x 3 plots: the map would have 4294967298 x 3 plots; the editor "
                  "opens at most 4096 plots a side and 4194304 plots in all.");
    expectRefused([&] { ExtendMap(map, 1, 0, 0, 0, "TERRAIN_OCEAN, PlotType=0"); },
                  "Cannot extend the map of 4 x 3 plots with the terrain \"TERRAIN_OCEAN, PlotType=0\": a "
                  "terrain is a type name of letters, digits and underscores, such as TERRAIN_OCEAN.");
    expectRefused([&] { ExtendMap(map, 1, 0, 0, 0, ""); },
                  "Cannot extend the map of 4 x 3 plots with the terrain \"\": a terrain is a type name of "
                  "letters, digits and underscores, such as TERRAIN_OCEAN.");
    expectRefused([&] { ShiftMap(map, 1, 1); },
                  "Cannot shift the map by 1, 1: the map does not wrap along y (wrap Y=0).");

    TMap bounded(20);
    bounded.LoadFromStrings(Lines(SmallMapText(1, 0)));
    EXPECT_THROW(ExtendMap(bounded, 1, 1, 0, 1), OperationAborted);
    EXPECT_EQ(bounded.Grids().Width(), 4);
}

TEST(MapReshape, AMapWithoutPlotsIsRefusedAsNoResult) {
    std::string text = SmallMapText(1, 1);
    text.replace(text.find("grid width=4"), 12, "grid width=0");
    TMap map = LoadMap(text);
    ASSERT_EQ(map.Grids().Width(), 0);
    EXPECT_THROW(CropMap(map, 0, 0, 0, 0), OperationAborted);
    EXPECT_THROW(ShiftMap(map, 1, 0), OperationAborted);
    try {
        ExtendMap(map, 0, 0, 1, 1);
        ADD_FAILURE() << "an extension to no plot was not refused";
    } catch (const OperationAborted& refusal) {
        EXPECT_EQ(std::string(refusal.what()),
                  "Cannot extend the map of 0 x 3 plots: the map would have 0 x 5 plots, no plot at all.");
    }
    ExtendMap(map, 2, 0, 0, 0);
    EXPECT_EQ(map.Grids().Width(), 2);
    EXPECT_EQ(map.Grids().GetPlot(1, 2)->TerrainType(), "TERRAIN_OCEAN");
    // The starts and signs named plots that no longer existed: they stay as they were.
    EXPECT_EQ(Start(map, 1), "3,2");
}

TEST(MapReshape, PlayersBeyondTheSlotsAndOddSignsKeepTheirText) {
    std::string text = SmallMapText(1, 0);
    std::string players;
    for (int i = 2; i < 19; ++i)
        players += "BeginPlayer\n\tTeam=" + std::to_string(i % 18) +
                   "\n\tLeaderType=LEADER_X\n\tStartingX=" + std::to_string(i == 18 ? 3 : 0) +
                   ", StartingY=" + std::to_string(i == 18 ? 2 : 0) +
                   "\n\tRandomStartLocation=false\nEndPlayer\n";
    text.insert(text.find("BeginMap"), players);
    text +=
        "BeginSign\n\tplotX=x\n\tplotY=1\n\tcaption=Lost\nEndSign\nBeginSign\n\tPLOTX=2, plotY=2\nEndSign\n";
    TMap map = LoadMap(text);
    ASSERT_FALSE(map.Players().ExtraBlocks().empty());

    const TReshapeResult dropped = ShiftMap(map, 2, 0);
    EXPECT_NE(Joined(map.Players().ExtraBlocks()).find("\tStartingX=1, StartingY=2\n"), std::string::npos);
    const std::string signs = Joined(map.Grids().TrailingLines());
    EXPECT_NE(signs.find("BeginSign\n\tplotX=x\n\tplotY=1\n\tcaption=Lost\nEndSign"), std::string::npos);
    EXPECT_NE(signs.find("BeginSign\n\tPLOTX=0, plotY=2\nEndSign"), std::string::npos);
    EXPECT_EQ(dropped.starts, 0);

    const TReshapeResult cropped = CropMap(map, 2, 0, 3, 1);
    EXPECT_NE(Joined(map.Players().ExtraBlocks()).find("\tStartingX=-1, StartingY=-1\n"), std::string::npos);
    EXPECT_EQ(cropped.starts, 2); // player 1 and the 19th, both on (1,2)
    EXPECT_EQ(cropped.signs, 2);  // on (1,0) and (0,2); the unreadable one stays
    EXPECT_NE(Joined(map.Grids().TrailingLines()).find("caption=Lost"), std::string::npos);
}

TEST(MapReshapeRealMaps, CroppedToTheirOwnSizeOrShiftedAroundTheWorldTheyKeepEveryByte) {
    const std::vector<std::string> files = RealMapFiles();
    if (files.empty())
        GTEST_SKIP() << "no real maps in " << TESSEL_REALDATA_DIR;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        TMap map;
        map.LoadFromFile(file);
        const std::string before = map.SaveToBytes();
        const int width = map.Grids().Width(), height = map.Grids().Height();
        EXPECT_EQ(CountDropped(CropMap(map, 0, 0, width - 1, height - 1)), 0);
        EXPECT_EQ(map.SaveToBytes(), before);
        const int dx = map.MapData().WrapX() != 0 ? width : 0, dy = map.MapData().WrapY() != 0 ? height : 0;
        ShiftMap(map, dx, dy);
        EXPECT_EQ(map.SaveToBytes(), before);
        if (dx == 0)
            continue;
        ShiftMap(map, 1, 0);
        EXPECT_NE(map.SaveToBytes(), before);
        ShiftMap(map, width - 1, 0);
        EXPECT_EQ(map.SaveToBytes(), before);
    }
}

// Cropping back cuts the rivers on the old map's east and south edges, whose other side is then
// a new plot that leaves: apart from them, the map is as it was.
TEST(MapReshapeRealMaps, ExtendedAndCroppedBackTheyAreAsBeforeButForTheRiversOnTheirEdge) {
    const bool any = ForEachRealMapTwice([](TMap& map, TMap& expected) {
        const int width = map.Grids().Width(), height = map.Grids().Height();
        int edgeRivers = 0;
        for (int y = 0; y < height; ++y) {
            TPlot& plot = *expected.Grids().GetPlot(width - 1, y);
            edgeRivers += plot.IsWOfRiver() || plot.RiverNSDirection() >= 0 ? 1 : 0;
            plot.RemoveEastRiver();
        }
        for (int x = 0; x < width; ++x) {
            TPlot& plot = *expected.Grids().GetPlot(x, 0);
            edgeRivers += plot.IsNOfRiver() || plot.RiverWEDirection() >= 0 ? 1 : 0;
            plot.RemoveSouthRiver();
        }

        EXPECT_EQ(CountDropped(ExtendMap(map, 2, 3, 1, 4, "TERRAIN_GRASS")), 0);
        EXPECT_EQ(map.Grids().Width(), width + 5);
        const TReshapeResult dropped = CropMap(map, 2, 1, width + 1, height);
        EXPECT_EQ(dropped.riverEdges, edgeRivers);
        EXPECT_EQ(CountDropped(dropped), edgeRivers);
        EXPECT_EQ(map.SaveToBytes(), expected.SaveToBytes());
    });
    if (!any)
        GTEST_SKIP() << "no real maps in " << TESSEL_REALDATA_DIR;
}

TEST(Plot, MovedPlotsOfAGridWithoutPlotsAreNewDefaultOnes) {
    TPlotGrid grids;
    grids.SetWidth(0);
    grids.SetHeight(3);
    grids.MovePlots(0, 3, 0, 0, true, true);
    grids.MovePlots(0, 3, 1, 1, true, true);
    EXPECT_EQ(grids.Width(), 0);
    grids.MovePlots(2, 3, 1, 0, true, false);
    ASSERT_EQ(grids.Width(), 2);
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(grids.GetPlot(x, y)->X(), x);
            EXPECT_EQ(grids.GetPlot(x, y)->Y(), y);
            EXPECT_EQ(grids.GetPlot(x, y)->TerrainType(), "TERRAIN_OCEAN");
        }
    EXPECT_THROW(grids.MovePlots(-1, 3, 0, 0, false, false), OperationAborted);
    EXPECT_EQ(grids.Width(), 2);
}

TEST(Plot, PlotsMovedAcrossAWrapThatChangesSizeLeaveInsteadOfWrapping) {
    TPlotGrid grids;
    grids.SetWidth(3);
    for (int x = 0; x < 3; ++x)
        grids.GetPlot(x, 0)->SetLandmark("P" + std::to_string(x));
    // Wrapping keeps its meaning only on an axis that keeps its size.
    grids.MovePlots(2, 1, 1, 0, true, false);
    EXPECT_EQ(grids.GetPlot(0, 0)->Landmark(), "");
    EXPECT_EQ(grids.GetPlot(1, 0)->Landmark(), "P0");
    grids.MovePlots(2, 1, 1, 0, true, false);
    EXPECT_EQ(grids.GetPlot(0, 0)->Landmark(), "P0");
    EXPECT_EQ(grids.GetPlot(1, 0)->Landmark(), "");
}
