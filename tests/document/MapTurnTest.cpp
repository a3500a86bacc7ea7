// Mirrors and turns of whole maps: where plots, starts and signs go, how each river's edge and flow
// follow the picture, and that a mirror done twice or four quarter turns give the map back.

#include "RealMapFiles.h"
#include "TestText.h"
#include "document/MapReshape.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using TPlotLines = std::map<std::pair<int, int>, std::string>;

// Plots of grass named by their place ("P2_1"), with more lines on some; player 0 starts on (1,1)
// and a sign stands on (3,0).
TMap GrassMap(int width, int height, int wrapX, int wrapY, const TPlotLines& extra) {
    std::string text = "Version=11\nBeginGame\nEndGame\nBeginPlayer\n\tStartingX=1, StartingY=1\nEndPlayer\n"
                       "BeginMap\n\tgrid width=" +
                       std::to_string(width) + "\n\tgrid height=" + std::to_string(height) +
                       "\n\ttop latitude=70\n\tbottom latitude=-20\n\twrap X=" + std::to_string(wrapX) +
                       "\n\twrap Y=" + std::to_string(wrapY) + "\nEndMap\n### Plot Info ###\n";
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const auto more = extra.find({x, y});
            text += "BeginPlot\n\tx=" + std::to_string(x) + ",y=" + std::to_string(y) + "\n\tLandmark=P" +
                    std::to_string(x) + "_" + std::to_string(y) + "\n\tTerrainType=TERRAIN_GRASS\n" +
                    (more != extra.end() ? more->second : "") + "EndPlot\n";
        }
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] {
                  map.LoadFromStrings(
                      Lines(text + "BeginSign\n\tplotX=3\n\tplotY=0\n\tcaption=Here\nEndSign\n"));
              }),
              "");
    return map;
}

// The lines of a river on a plot's east edge, or its south edge, flowing `flow`.
std::string East(int flow) {
    return "\tRiverNSDirection=" + std::to_string(flow) + "\n\tisWOfRiver\n";
}
std::string South(int flow) {
    return "\tRiverWEDirection=" + std::to_string(flow) + "\n\tisNOfRiver\n";
}

// Every river of the map as "E 2,0 flowing 2" (east edge of plot 2,0) or "S 1,1 flowing 3";
// "flowing -1" for a flag without a direction.
std::set<std::string> Rivers(const TMap& map) {
    std::set<std::string> rivers;
    for (int x = 0; x < map.Grids().Width(); ++x)
        for (int y = 0; y < map.Grids().Height(); ++y)
            for (const bool eastEdge : {true, false})
                if (const TEdgeRiver river = map.Grids().GetPlot(x, y)->EdgeRiver(eastEdge); !river.Empty())
                    rivers.insert(std::string(eastEdge ? "E " : "S ") + std::to_string(x) + "," +
                                  std::to_string(y) + " flowing " + std::to_string(river.direction));
    return rivers;
}

// Takes off the rivers a mirror drops (those that land on the west or north border of a map that
// does not wrap there) and returns how many there were.
int RemoveRiversOffTheMirror(TMap& map, TMapTurn::TKind flip) {
    const bool eastBorder = flip == TMapTurn::FlipX;
    if ((eastBorder ? map.MapData().WrapX() : map.MapData().WrapY()) != 0)
        return 0;
    TPlotGrid& grids = map.Grids();
    int removed = 0;
    for (int i = 0; i < (eastBorder ? grids.Height() : grids.Width()); ++i) {
        TPlot& plot = eastBorder ? *grids.GetPlot(grids.Width() - 1, i) : *grids.GetPlot(i, 0);
        removed += plot.EdgeRiver(eastBorder).Empty() ? 0 : 1;
        plot.SetEdgeRiver(eastBorder, {});
    }
    return removed;
}

} // namespace

TEST(MapTurn, EachFlowFollowsThePictureToTheEdgesNewKeeperAndOffTheWestAndNorthBorders) {
    // One river of each flow, a flag without a direction, and one on each border a plot keeps: the
    // east edge of the last column and the south edge of the first row.
    const TPlotLines rivers = {{{0, 0}, East(RiverSouth)}, {{1, 1}, East(RiverNorth)},
                               {{2, 1}, South(RiverEast)}, {{1, 2}, South(RiverWest)},
                               {{3, 2}, East(RiverSouth)}, {{2, 0}, South(RiverEast)},
                               {{2, 2}, "\tisWOfRiver\n"}};
    const struct {
        TMapTurn::TKind kind;
        std::string plotAtOrigin;
        std::set<std::string> rivers;
    } cases[] = {
        // East of (x, y) lands east of (W - 2 - x, y): east of the plot west of the mirrored one.
        {TMapTurn::FlipX,
         "P3_0",
         {"E 2,0 flowing 2", "E 1,1 flowing 0", "S 1,1 flowing 3", "S 2,2 flowing 1", "S 1,0 flowing 3",
          "E 0,2 flowing -1"}},
        {TMapTurn::FlipY,
         "P0_2",
         {"E 0,2 flowing 0", "E 1,1 flowing 2", "S 2,2 flowing 1", "S 1,1 flowing 3", "E 3,0 flowing 0",
          "E 2,0 flowing -1"}},
        // Plot (x, y) goes to (y, W - 1 - x); its east edge becomes its south edge.
        {TMapTurn::Clockwise90,
         "P3_0",
         {"S 0,3 flowing 3", "S 1,2 flowing 1", "E 0,1 flowing 2", "E 1,2 flowing 0", "S 2,0 flowing 3",
          "S 2,1 flowing -1"}},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.kind);
        TMap map = GrassMap(4, 3, 0, 0, rivers);
        EXPECT_EQ(TurnMap(map, expected.kind).riverEdges, 1);
        EXPECT_EQ(map.Grids().GetPlot(0, 0)->Landmark(), expected.plotAtOrigin);
        EXPECT_EQ(Rivers(map), expected.rivers);
    }
}

TEST(MapTurn, SeamsKeepTheirRiversAndTheMapSectionFollowsThePicture) {
    const TPlotLines seams = {{{3, 1}, East(RiverNorth)}, {{2, 0}, South(RiverWest)}};
    TMap both = GrassMap(4, 3, 1, 1, seams);
    EXPECT_EQ(TurnMap(both, TMapTurn::FlipX).riverEdges + TurnMap(both, TMapTurn::FlipY).riverEdges, 0);
    EXPECT_EQ(Rivers(both), (std::set<std::string>{"E 3,1 flowing 2", "S 1,0 flowing 1"}));
    EXPECT_EQ(both.MapData().TopLatitude(), 20);
    EXPECT_EQ(both.MapData().BottomLatitude(), -70);

    // Turned back a quarter, the x seam becomes the y seam; the south border, the east border.
    TMap alongX = GrassMap(4, 3, 1, 0, seams);
    EXPECT_EQ(TurnMap(alongX, TMapTurn::Clockwise270).riverEdges, 0);
    EXPECT_EQ(Rivers(alongX), (std::set<std::string>{"S 1,0 flowing 3", "E 2,2 flowing 2"}));
    EXPECT_EQ(alongX.MapData().WrapX(), 0);
    EXPECT_EQ(alongX.MapData().WrapY(), 1);
    EXPECT_EQ(alongX.MapData().GridWidth(), 3);
    EXPECT_EQ(alongX.MapData().NumPlotsWritten(), 12);
}

TEST(MapTurn, StartsAndSignsMoveWithTheirPlots) {
    TMap map = GrassMap(4, 3, 1, 0, {{{1, 1}, "\tStartingPlot\n"}});
    const TReshapeResult dropped = TurnMap(map, TMapTurn::Clockwise90);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingX(), 1);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingY(), 2);
    EXPECT_TRUE(map.Grids().GetPlot(1, 2)->StartingPlot());
    EXPECT_EQ(map.Grids().TrailingLines()[1], "\tplotX=0");
    EXPECT_EQ(map.Grids().TrailingLines()[2], "\tplotY=0");
    EXPECT_EQ(dropped.starts + dropped.signs + dropped.units + dropped.cities, 0);
}

TEST(MapTurn, AMirrorTwiceOrFourQuarterTurnsGiveTheSameBytes) {
    // Rivers on every edge, values the game wrote (a direction across its edge, a direction without
    // its flag) and a unit: on a map that wraps both ways no river can go.
    TPlotLines lines;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 3; ++y)
            lines[{x, y}] =
                East((x + y) % 2 ? RiverNorth : RiverSouth) + South(x % 2 ? RiverEast : RiverWest);
    lines[{1, 1}] = "\tRiverNSDirection=1\n\tRiverWEDirection=2\n\tisNOfRiver\n"
                    "\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=0\n\tEndUnit\n";
    TMap map = GrassMap(5, 3, 1, 1, lines);
    const std::string before = map.SaveToBytes();
    for (const TMapTurn::TKind flip : {TMapTurn::FlipX, TMapTurn::FlipY, TMapTurn::Clockwise180}) {
        TurnMap(map, flip);
        EXPECT_NE(map.SaveToBytes(), before);
        EXPECT_EQ(TurnMap(map, flip).riverEdges, 0);
        EXPECT_EQ(map.SaveToBytes(), before) << "turn " << flip;
    }
    for (int turn = 1; turn <= 4; ++turn) {
        EXPECT_EQ(TurnMap(map, TMapTurn::Clockwise90).riverEdges, 0);
        EXPECT_EQ(map.SaveToBytes() == before, turn == 4) << "after " << turn << " quarter turns";
    }
}

// Real maps give the same bytes back, but for the rivers of the borders that fell off on the way.
TEST(MapTurnRealMaps, MirroredTwiceOrTurnedFourQuartersTheyComeBack) {
    for (const TMapTurn::TKind flip : {TMapTurn::FlipX, TMapTurn::FlipY})
        ForEachRealMapTwice([flip](TMap& map, TMap& expected) {
            EXPECT_EQ(TurnMap(map, flip).riverEdges, RemoveRiversOffTheMirror(expected, flip));
            EXPECT_EQ(TurnMap(map, flip).riverEdges, 0);
            EXPECT_EQ(map.SaveToBytes(), expected.SaveToBytes()) << "mirror " << flip;
        });
    const bool any = ForEachRealMapTwice([](TMap& map, TMap& expected) {
        int dropped = 0;
        for (int turn = 0; turn < 4; ++turn)
            dropped += TurnMap(map, TMapTurn::Clockwise90).riverEdges;
        EXPECT_EQ(dropped, RemoveRiversOffTheMirror(expected, TMapTurn::FlipX) +
                               RemoveRiversOffTheMirror(expected, TMapTurn::FlipY));
        EXPECT_EQ(map.SaveToBytes(), expected.SaveToBytes()) << "four quarter turns";
    });
    if (!any)
        GTEST_SKIP() << "no real maps in " << TESSEL_REALDATA_DIR;
}

TEST(Plot, AnArrangementThatIsNoPlaceForEachPlotIsRefusedAndMovesNothing) {
    TMap map = GrassMap(3, 2, 0, 0, {});
    const std::string before = map.SaveToBytes();
    const auto column = [](int x, int) { return std::pair(x, 0); };
    const auto offGrid = [](int x, int y) { return std::pair(y, x); };
    EXPECT_THROW(map.Grids().RearrangePlots(6, 1, column), OperationAborted);
    EXPECT_THROW(map.Grids().RearrangePlots(3, 2, offGrid), OperationAborted);
    EXPECT_THROW(map.Grids().RearrangePlots(2, 2, offGrid), OperationAborted);
    EXPECT_EQ(map.SaveToBytes(), before);
}
