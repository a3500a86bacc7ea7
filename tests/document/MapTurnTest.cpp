// Mirrors and turns of whole maps: where the plots, starts and signs go, how each river's edge and
// flow follow the picture, and that a mirror done twice or four quarter turns give the map back.

#include "MapReshape.h"
#include "RealMapFiles.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using TPlotLines = std::map<std::pair<int, int>, std::string>;

// A map of plots of grass, each named by its place in its landmark ("P2_1"), with more lines on
// some of them; player 0 starts on (1,1) and a sign stands on (3,0).
std::string GrassMapText(int width, int height, int wrapX, int wrapY, const TPlotLines& extra) {
    std::string text = "Version=11\nBeginGame\nEndGame\n"
                       "BeginPlayer\n\tTeam=0\n\tStartingX=1, StartingY=1\nEndPlayer\n"
                       "BeginMap\n\tgrid width=" +
                       std::to_string(width) + "\n\tgrid height=" + std::to_string(height) +
                       "\n\ttop latitude=70\n\tbottom latitude=-20\n\twrap X=" + std::to_string(wrapX) +
                       "\n\twrap Y=" + std::to_string(wrapY) +
                       "\n\tnum signs written=1\nEndMap\n\n### Plot Info ###\n";
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            text += "BeginPlot\n\tx=" + std::to_string(x) + ",y=" + std::to_string(y) + "\n\tLandmark=P" +
                    std::to_string(x) + "_" + std::to_string(y) +
                    "\n\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\n";
            if (const auto line = extra.find({x, y}); line != extra.end())
                text += line->second;
            text += "EndPlot\n";
        }
    return text + "### Sign Info ###\nBeginSign\n\tplotX=3\n\tplotY=0\n\tcaption=Here\nEndSign\n";
}

TMap LoadMap(const std::string& text) {
    TMap map;
    map.LoadFromStrings(Lines(text));
    EXPECT_EQ(map.ErrorText(), "");
    return map;
}

// The lines of a river on a plot's east edge flowing `flow`, and on its south edge.
std::string EastRiver(int flow) {
    return "\tRiverNSDirection=" + std::to_string(flow) + "\n\tisWOfRiver\n";
}
std::string SouthRiver(int flow) {
    return "\tRiverWEDirection=" + std::to_string(flow) + "\n\tisNOfRiver\n";
}

// Every river of the map as "east of 2,0 flowing 2" or "south of 1,1 flowing 3" ("flowing -1"
// for a flag without a direction).
std::set<std::string> Rivers(const TMap& map) {
    std::set<std::string> rivers;
    for (int x = 0; x < map.Grids().Width(); ++x)
        for (int y = 0; y < map.Grids().Height(); ++y)
            for (const bool eastEdge : {true, false}) {
                const TEdgeRiver river = map.Grids().GetPlot(x, y)->EdgeRiver(eastEdge);
                if (!river.Empty())
                    rivers.insert(std::string(eastEdge ? "east" : "south") + " of " + std::to_string(x) +
                                  "," + std::to_string(y) + " flowing " + std::to_string(river.direction));
            }
    return rivers;
}

// One river of each flow, and one on the edge of each border a plot keeps: the east edge of the
// last column flowing south and the south edge of the first row flowing east.
const TPlotLines EveryFlow = {{{0, 0}, EastRiver(RiverSouth)}, {{1, 1}, EastRiver(RiverNorth)},
                              {{2, 1}, SouthRiver(RiverEast)}, {{1, 2}, SouthRiver(RiverWest)},
                              {{3, 2}, EastRiver(RiverSouth)}, {{2, 0}, SouthRiver(RiverEast)}};

std::string Place(const TMap& map, int x, int y) {
    return map.Grids().GetPlot(x, y)->Landmark();
}

std::string Start(const TMap& map) {
    const TPlayerData& player = *map.Players().GetPlayer(0);
    return std::to_string(player.StartingX()) + "," + std::to_string(player.StartingY());
}

std::string SignLines(const TMap& map) {
    std::string text;
    for (const std::string& line : map.Grids().TrailingLines())
        text += line + "\n";
    return text;
}

} // namespace

TEST(MapTurn, AnEastWestMirrorKeepsNorthAndSouthFlowsAndSwapsEastAndWest) {
    TMap map = LoadMap(GrassMapText(4, 3, 0, 0, EveryFlow));
    const TReshapeResult dropped = TurnMap(map, TMapTurn::FlipX);

    EXPECT_EQ(Place(map, 0, 0), "P3_0");
    EXPECT_EQ(Place(map, 3, 2), "P0_2");
    // A river east of (x, y) runs east of the plot west of the mirrored one, (W - 2 - x, y); the
    // one on the east border lands on the west border, which no plot keeps.
    EXPECT_EQ(Rivers(map), (std::set<std::string>{"east of 2,0 flowing 2", "east of 1,1 flowing 0",
                                                  "south of 1,1 flowing 3", "south of 2,2 flowing 1",
                                                  "south of 1,0 flowing 3"}));
    EXPECT_EQ(dropped.riverEdges, 1);
}

TEST(MapTurn, ANorthSouthMirrorSwapsNorthAndSouthFlowsAndTheLatitudes) {
    TMap map = LoadMap(GrassMapText(4, 3, 0, 0, EveryFlow));
    const TReshapeResult dropped = TurnMap(map, TMapTurn::FlipY);

    EXPECT_EQ(Place(map, 0, 0), "P0_2");
    // The south edge of the first row becomes the north border.
    EXPECT_EQ(Rivers(map), (std::set<std::string>{"east of 0,2 flowing 0", "east of 1,1 flowing 2",
                                                  "south of 2,2 flowing 1", "south of 1,1 flowing 3",
                                                  "east of 3,0 flowing 0"}));
    EXPECT_EQ(dropped.riverEdges, 1);
    EXPECT_EQ(map.MapData().TopLatitude(), 20);
    EXPECT_EQ(map.MapData().BottomLatitude(), -70);
}

TEST(MapTurn, AQuarterTurnPutsEastEdgesOnSouthEdgesWithTheFlowTurnedClockwise) {
    TPlotLines lines = EveryFlow;
    lines[{2, 2}] = "\tisWOfRiver\n"; // a flag without a direction moves as it is
    TMap map = LoadMap(GrassMapText(4, 3, 0, 0, lines));
    const TReshapeResult dropped = TurnMap(map, TMapTurn::Clockwise90);

    ASSERT_EQ(map.Grids().Width(), 3);
    ASSERT_EQ(map.Grids().Height(), 4);
    EXPECT_EQ(map.MapData().GridWidth(), 3);
    EXPECT_EQ(map.MapData().NumPlotsWritten(), 12);
    // The north-west corner turns to the north-east one; plot (x, y) goes to (y, W - 1 - x).
    EXPECT_EQ(Place(map, 2, 3), "P0_2");
    EXPECT_EQ(Place(map, 0, 0), "P3_0");
    // East of (x, y) becomes south of its turned plot; south of (x, y) becomes east of the plot
    // west of it, (y - 1, W - 1 - x); the first row's south edges land on the west border.
    EXPECT_EQ(Rivers(map), (std::set<std::string>{"south of 0,3 flowing 3", "south of 1,2 flowing 1",
                                                  "east of 0,1 flowing 2", "east of 1,2 flowing 0",
                                                  "south of 2,0 flowing 3", "south of 2,1 flowing -1"}));
    EXPECT_EQ(dropped.riverEdges, 1);
    EXPECT_FALSE(map.Grids().GetPlot(2, 1)->EdgeRiver(false).directionWritten);
}

TEST(MapTurn, RiversOnTheSeamsOfAWrappingMapStayAndTheWrapAxesSwapWithAQuarterTurn) {
    const TPlotLines seams = {{{3, 1}, EastRiver(RiverNorth)}, {{2, 0}, SouthRiver(RiverWest)}};
    TMap both = LoadMap(GrassMapText(4, 3, 1, 1, seams));
    EXPECT_EQ(TurnMap(both, TMapTurn::FlipX).riverEdges, 0);
    EXPECT_EQ(Rivers(both), (std::set<std::string>{"east of 3,1 flowing 0", "south of 1,0 flowing 1"}));
    EXPECT_EQ(TurnMap(both, TMapTurn::FlipY).riverEdges, 0);
    // The south edge of row 0 is the north edge of the last row: mirrored, it is row 0's again.
    EXPECT_EQ(Rivers(both), (std::set<std::string>{"east of 3,1 flowing 2", "south of 1,0 flowing 1"}));

    TMap alongX = LoadMap(GrassMapText(4, 3, 1, 0, seams));
    const TReshapeResult dropped = TurnMap(alongX, TMapTurn::Clockwise270);
    EXPECT_EQ(alongX.MapData().WrapX(), 0);
    EXPECT_EQ(alongX.MapData().WrapY(), 1);
    // The x seam becomes the y seam and keeps its river; the south border becomes the east border.
    EXPECT_EQ(Rivers(alongX), (std::set<std::string>{"south of 1,0 flowing 3", "east of 2,2 flowing 2"}));
    EXPECT_EQ(dropped.riverEdges, 0);
}

TEST(MapTurn, StartsSignsAndExtraPlayersMoveWithTheirPlots) {
    std::string text = GrassMapText(4, 3, 1, 0, {{{1, 1}, "\tStartingPlot\n\tScriptData=HOME\n"}});
    std::string players;
    for (int i = 1; i < 19; ++i)
        players += "BeginPlayer\n\tTeam=" + std::to_string(i % 18) +
                   "\n\tStartingX=" + (i == 18 ? "0" : "-1") + ", StartingY=" + (i == 18 ? "2" : "-1") +
                   "\nEndPlayer\n";
    text.insert(text.find("BeginMap"), players);
    TMap map = LoadMap(text);

    const TReshapeResult dropped = TurnMap(map, TMapTurn::Clockwise90);
    EXPECT_EQ(Start(map), "1,2");
    EXPECT_TRUE(map.Grids().GetPlot(1, 2)->StartingPlot());
    EXPECT_EQ(map.Grids().GetPlot(1, 2)->ScriptData(), "HOME");
    EXPECT_EQ(std::to_string(map.Players().GetPlayer(1)->StartingX()), "-1");
    std::string extra;
    for (const std::string& line : map.Players().ExtraBlocks())
        extra += line + "\n";
    EXPECT_NE(extra.find("StartingX=2, StartingY=3"), std::string::npos);
    EXPECT_NE(SignLines(map).find("plotX=0\n\tplotY=0\n"), std::string::npos);
    EXPECT_EQ(dropped.starts + dropped.signs + dropped.units + dropped.cities, 0);
}

TEST(MapTurn, AMirrorTwiceOrFourQuarterTurnsGiveTheSameBytes) {
    // Rivers on every edge, odd values the game wrote (a direction across its edge, a direction
    // without its flag) and a unit and a city: on a map that wraps both ways no river can go.
    TPlotLines lines;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 3; ++y)
            lines[{x, y}] = EastRiver((x + y) % 2 ? RiverNorth : RiverSouth) + SouthRiver(x % 2 ? 1 : 3);
    lines[{1, 1}] = "\tRiverNSDirection=1\n\tRiverWEDirection=2\n\tisNOfRiver\n"
                    "\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=0\n\tEndUnit\n";
    lines[{4, 2}] = "\tBeginCity\n\t\tCityOwner=0\n\t\tCityName=Alpha\n\tEndCity\n";
    TMap map = LoadMap(GrassMapText(5, 3, 1, 1, lines));
    const std::string before = map.SaveToBytes();

    for (const TMapTurn::TKind flip : {TMapTurn::FlipX, TMapTurn::FlipY, TMapTurn::Clockwise180}) {
        EXPECT_EQ(TurnMap(map, flip).riverEdges, 0);
        EXPECT_NE(map.SaveToBytes(), before);
        TurnMap(map, flip);
        EXPECT_EQ(map.SaveToBytes(), before) << "turn " << flip;
    }
    for (int turn = 1; turn <= 4; ++turn) {
        EXPECT_EQ(TurnMap(map, TMapTurn::Clockwise90).riverEdges, 0);
        EXPECT_EQ(map.SaveToBytes() == before, turn == 4) << "after " << turn << " quarter turns";
    }
    TurnMap(map, TMapTurn::Clockwise270);
    TurnMap(map, TMapTurn::Clockwise90);
    EXPECT_EQ(map.SaveToBytes(), before);
}

TEST(MapTurn, AMapWithoutPlotsIsRefusedAndLeftAsItWas) {
    std::string text = GrassMapText(4, 3, 0, 0, {});
    text.replace(text.find("grid width=4"), 12, "grid width=0");
    TMap map = LoadMap(text);
    const std::string before = map.SaveToBytes();
    try {
        TurnMap(map, TMapTurn::Clockwise90);
        ADD_FAILURE() << "a turn of no plot was not refused";
    } catch (const OperationAborted& refusal) {
        EXPECT_EQ(std::string(refusal.what()), "Cannot turn the map by 90 degrees: the map has no plots.");
    }
    EXPECT_EQ(map.SaveToBytes(), before);
}

namespace {

// Takes off the rivers a mirror of the map drops: those on the border that lands on the west (or
// north) border when the map does not wrap there. Returns how many there were.
int RemoveRiversOffTheMirror(TMap& map, TMapTurn::TKind flip) {
    TMapGrids& grids = map.Grids();
    const bool eastBorder = flip == TMapTurn::FlipX;
    if ((eastBorder ? map.MapData().WrapX() : map.MapData().WrapY()) != 0)
        return 0;
    int removed = 0;
    for (int i = 0; i < (eastBorder ? grids.Height() : grids.Width()); ++i) {
        TMapGrid& plot = eastBorder ? *grids.GetPlot(grids.Width() - 1, i) : *grids.GetPlot(i, 0);
        removed += plot.EdgeRiver(eastBorder).Empty() ? 0 : 1;
        plot.SetEdgeRiver(eastBorder, {});
    }
    return removed;
}

} // namespace

TEST(MapTurnRealMaps, MirroredTwiceTheyKeepEveryByteButTheRiversOfTheBorderThatFellOff) {
    for (const TMapTurn::TKind flip : {TMapTurn::FlipX, TMapTurn::FlipY}) {
        SCOPED_TRACE(flip == TMapTurn::FlipX ? "east-west" : "north-south");
        const bool any = ForEachRealMapTwice([flip](TMap& map, TMap& expected) {
            const int fellOff = RemoveRiversOffTheMirror(expected, flip);
            EXPECT_EQ(TurnMap(map, flip).riverEdges, fellOff);
            EXPECT_EQ(TurnMap(map, flip).riverEdges, 0);
            EXPECT_EQ(map.SaveToBytes(), expected.SaveToBytes());
        });
        if (!any)
            GTEST_SKIP() << "no real maps in " << TESSEL_REALDATA_DIR;
    }
}

// The first round of quarter turns takes off the rivers of the borders no plot keeps in some
// turn; a second round then changes no byte.
TEST(MapTurnRealMaps, FourQuarterTurnsGiveTheMapBack) {
    const bool any = ForEachRealMapTwice([](TMap& map, TMap& expected) {
        const int fellOff = RemoveRiversOffTheMirror(expected, TMapTurn::FlipX) +
                            RemoveRiversOffTheMirror(expected, TMapTurn::FlipY);
        int dropped = 0;
        for (int turn = 0; turn < 4; ++turn)
            dropped += TurnMap(map, TMapTurn::Clockwise90).riverEdges;
        EXPECT_EQ(dropped, fellOff);
        EXPECT_EQ(map.SaveToBytes(), expected.SaveToBytes());
    });
    if (!any)
        GTEST_SKIP() << "no real maps in " << TESSEL_REALDATA_DIR;
}
