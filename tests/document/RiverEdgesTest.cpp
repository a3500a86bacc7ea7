// Rivers edge by edge: which plot and flag keep the river of each edge, across the seams of wrapping
// maps, the flows of a walk from corner to corner, and rivers put on and taken off a map.

#include "document/RiverEdges.h"
#include "TestText.h"
#include "document/Map.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <utility>

// Readable failure messages.
inline void PrintTo(const TPlotEdge& edge, std::ostream* out) {
    *out << (edge.northSouth ? "NS(" : "WE(") << edge.x << ", " << edge.y << ")";
}
inline void PrintTo(const TRiverStep& step, std::ostream* out) {
    PrintTo(step.edge, out);
    *out << " flowing " << step.flow;
}
inline void PrintTo(const TRiverHolder& holder, std::ostream* out) {
    *out << "(" << holder.x << ", " << holder.y << ") " << (holder.eastEdge ? "east" : "south");
}

namespace {

// The west edge of plot (x, y), its east edge, its south edge and its north edge.
TPlotEdge West(int x, int y) {
    return {x, y, true};
}
TPlotEdge East(int x, int y) {
    return {x + 1, y, true};
}
TPlotEdge South(int x, int y) {
    return {x, y, false};
}
TPlotEdge North(int x, int y) {
    return {x, y + 1, false};
}

// Plots without rivers, and the lattice of their map.
struct TRiverMap {
    TRiverMap(int width, int height, bool wrapX, bool wrapY) : lattice(width, height, wrapX, wrapY) {
        grids.SetWidth(width);
        grids.SetHeight(height);
    }
    StringList Text() { return grids.SaveToStrings(); }
    TRiverLattice lattice;
    TPlotGrid grids;
};

} // namespace

TEST(RiverEdges, EachSideOfAPlotIsKeptByTheRightPlotAndFlag) {
    TRiverMap map(6, 5, false, false);
    const TRiverLattice& lattice = map.lattice;
    EXPECT_EQ(lattice.Holder(West(2, 2)), (TRiverHolder{1, 2, true}));
    EXPECT_EQ(lattice.Holder(East(2, 2)), (TRiverHolder{2, 2, true}));
    EXPECT_EQ(lattice.Holder(South(2, 2)), (TRiverHolder{2, 2, false}));
    EXPECT_EQ(lattice.Holder(North(2, 2)), (TRiverHolder{2, 3, false}));

    // Drawn on the map, each lands in the flag and direction of its plot, and nowhere else.
    TPlotGrid& grids = map.grids;
    ASSERT_TRUE(lattice.SetRiver(grids, {West(2, 2), RiverNorth}));
    EXPECT_TRUE(grids.GetPlot(1, 2)->IsWOfRiver());
    EXPECT_EQ(grids.GetPlot(1, 2)->RiverNSDirection(), RiverNorth);
    ASSERT_TRUE(lattice.SetRiver(grids, {North(2, 2), RiverWest}));
    EXPECT_TRUE(grids.GetPlot(2, 3)->IsNOfRiver());
    EXPECT_EQ(grids.GetPlot(2, 3)->RiverWEDirection(), RiverWest);
    ASSERT_TRUE(lattice.SetRiver(grids, {East(2, 2), RiverSouth}));
    ASSERT_TRUE(lattice.SetRiver(grids, {South(2, 2), RiverEast}));
    EXPECT_EQ(grids.GetPlot(2, 2)->SaveToStrings(),
              Lines("BeginPlot\n\tx=2,y=2\n\tRiverNSDirection=2\n\tisNOfRiver\n\tRiverWEDirection=1\n"
                    "\tisWOfRiver\n\tTerrainType=TERRAIN_OCEAN\n\tPlotType=3\nEndPlot"));
    int plotsWithRivers = 0;
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 5; ++y)
            plotsWithRivers += grids.GetPlot(x, y)->IsWOfRiver() || grids.GetPlot(x, y)->IsNOfRiver();
    EXPECT_EQ(plotsWithRivers, 3);
    for (const TPlotEdge& side : {West(2, 2), East(2, 2), South(2, 2), North(2, 2)})
        EXPECT_TRUE(lattice.RiverAt(grids, side).river);
    EXPECT_TRUE(lattice.TouchesRiver(grids, 3, 2));
    EXPECT_FALSE(lattice.TouchesRiver(grids, 4, 4));
}

TEST(RiverEdges, AMapThatDoesNotWrapHasNoPlotForItsWestAndNorthBorders) {
    TRiverMap map(6, 5, false, false);
    const TRiverLattice& lattice = map.lattice;
    EXPECT_FALSE(lattice.Holder(West(0, 3)));
    EXPECT_FALSE(lattice.Holder(North(4, 4)));
    EXPECT_FALSE(lattice.Holder(East(6, 1)));
    EXPECT_FALSE(lattice.Holder(South(2, -1)));
    // The east and south borders are the edges of the last column and the bottom row.
    EXPECT_EQ(lattice.Holder(East(5, 3)), (TRiverHolder{5, 3, true}));
    EXPECT_EQ(lattice.Holder(South(4, 0)), (TRiverHolder{4, 0, false}));
    EXPECT_EQ(lattice.Places({5, 3, true}), (std::vector<TPlotEdge>{East(5, 3)}));

    const StringList before = map.Text();
    EXPECT_FALSE(lattice.SetRiver(map.grids, {West(0, 3), RiverSouth}));
    EXPECT_FALSE(lattice.ToggleRiver(map.grids, North(4, 4)));
    EXPECT_FALSE(lattice.RiverAt(map.grids, West(0, 3)).river);
    EXPECT_EQ(map.Text(), before);
}

TEST(RiverEdges, AcrossTheSeamOfAWrappingMapThePlotOnTheOtherSideKeepsTheEdge) {
    TRiverMap map(6, 5, true, true);
    const TRiverLattice& lattice = map.lattice;
    EXPECT_EQ(lattice.Holder(West(0, 3)), (TRiverHolder{5, 3, true}));
    EXPECT_EQ(lattice.Holder(North(4, 4)), (TRiverHolder{4, 0, false}));
    // The edge shows at both borders.
    EXPECT_EQ(lattice.Places({5, 3, true}), (std::vector<TPlotEdge>{East(5, 3), West(0, 3)}));
    EXPECT_EQ(lattice.Places({4, 0, false}), (std::vector<TPlotEdge>{South(4, 0), North(4, 4)}));
    EXPECT_EQ(lattice.Places({2, 1, false}), (std::vector<TPlotEdge>{South(2, 1)}));

    ASSERT_TRUE(lattice.SetRiver(map.grids, {West(0, 3), RiverNorth}));
    EXPECT_TRUE(map.grids.GetPlot(5, 3)->IsWOfRiver());
    EXPECT_EQ(map.grids.GetPlot(5, 3)->RiverNSDirection(), RiverNorth);
    EXPECT_TRUE(lattice.RiverAt(map.grids, East(5, 3)).river);
    ASSERT_TRUE(lattice.SetRiver(map.grids, {North(4, 4), RiverWest}));
    EXPECT_TRUE(map.grids.GetPlot(4, 0)->IsNOfRiver());
    EXPECT_TRUE(lattice.TouchesRiver(map.grids, 0, 3));
    EXPECT_TRUE(lattice.TouchesRiver(map.grids, 4, 4));
}

TEST(RiverEdges, TheMapSectionSaysWhereTheMapWraps) {
    TMap map;
    map.Grids().SetWidth(6);
    map.Grids().SetHeight(5);
    // Any value but 0 wraps.
    map.MapData().SetWrapX(2);
    map.MapData().SetWrapY(0);
    EXPECT_EQ(TRiverLattice::Of(map).Holder(West(0, 3)), (TRiverHolder{5, 3, true}));
    EXPECT_FALSE(TRiverLattice::Of(map).Holder(North(4, 4)));
    EXPECT_EQ(TRiverLattice::Of(map).Places({4, 0, false}), (std::vector<TPlotEdge>{South(4, 0)}));
    map.MapData().SetWrapX(0);
    map.MapData().SetWrapY(1);
    EXPECT_FALSE(TRiverLattice::Of(map).Holder(West(0, 3)));
    EXPECT_EQ(TRiverLattice::Of(map).Holder(North(4, 4)), (TRiverHolder{4, 0, false}));
}

TEST(RiverEdges, AWalkGivesEachEdgeTheFlowOfItsStep) {
    using Path = std::vector<TRiverStep>;
    EXPECT_EQ(TRiverLattice::Path({1, 1}, {3, 1}),
              (Path{{South(1, 1), RiverEast}, {South(2, 1), RiverEast}}));
    EXPECT_EQ(TRiverLattice::Path({3, 1}, {1, 1}),
              (Path{{South(2, 1), RiverWest}, {South(1, 1), RiverWest}}));
    EXPECT_EQ(TRiverLattice::Path({1, 1}, {1, 3}),
              (Path{{West(1, 1), RiverNorth}, {West(1, 2), RiverNorth}}));
    EXPECT_EQ(TRiverLattice::Path({1, 3}, {1, 1}),
              (Path{{West(1, 2), RiverSouth}, {West(1, 1), RiverSouth}}));
    EXPECT_TRUE(TRiverLattice::Path({2, 2}, {2, 2}).empty());
}

TEST(RiverEdges, AJumpOverSeveralCornersFollowsAStaircaseOfEdges) {
    using Path = std::vector<TRiverStep>;
    // Two corners east and one north: east, north, east, the straight line's nearest edges.
    EXPECT_EQ(TRiverLattice::Path({0, 0}, {2, 1}),
              (Path{{South(0, 0), RiverEast}, {East(0, 0), RiverNorth}, {South(1, 1), RiverEast}}));
    // Diagonally south-west: west, south, west, south.
    EXPECT_EQ(TRiverLattice::Path({4, 4}, {2, 2}), (Path{{South(3, 4), RiverWest},
                                                         {West(3, 3), RiverSouth},
                                                         {South(2, 3), RiverWest},
                                                         {West(2, 2), RiverSouth}}));
}

TEST(RiverEdgesOnAMap, ARiverDrawnWithABendTakesTheFlowOfTheDrawing) {
    TRiverMap map(6, 5, false, false);
    const TRiverLattice& lattice = map.lattice;
    TPlotGrid& grids = map.grids;
    // East along the south edges of (1, 1) and (2, 1), then north along the east edges of (2, 1)
    // and (2, 2).
    for (const auto& [from, to] : {std::pair<TPlotCorner, TPlotCorner>{{1, 1}, {3, 1}}, {{3, 1}, {3, 3}}})
        for (const TRiverStep& step : TRiverLattice::Path(from, to))
            ASSERT_TRUE(lattice.SetRiver(grids, step));
    EXPECT_TRUE(grids.GetPlot(1, 1)->IsNOfRiver());
    EXPECT_EQ(grids.GetPlot(2, 1)->RiverWEDirection(), RiverEast);
    EXPECT_TRUE(grids.GetPlot(2, 1)->IsWOfRiver());
    EXPECT_EQ(grids.GetPlot(2, 2)->RiverNSDirection(), RiverNorth);
    EXPECT_FALSE(grids.GetPlot(2, 2)->IsNOfRiver());

    // Drawn back over, the river turns round.
    for (const TRiverStep& step : TRiverLattice::Path({3, 3}, {3, 1}))
        ASSERT_TRUE(lattice.SetRiver(grids, step));
    EXPECT_EQ(grids.GetPlot(2, 1)->RiverNSDirection(), RiverSouth);
    EXPECT_EQ(grids.GetPlot(2, 2)->RiverNSDirection(), RiverSouth);
    // A flow across the edge is refused.
    EXPECT_FALSE(lattice.SetRiver(grids, {South(4, 4), RiverNorth}));
    EXPECT_FALSE(grids.GetPlot(4, 4)->IsNOfRiver());
}

TEST(RiverEdgesOnAMap, AClickedRiverTakesSouthOrEastAndGoesAgainWithoutATrace) {
    TRiverMap map(6, 5, false, false);
    const TRiverLattice& lattice = map.lattice;
    TPlotGrid& grids = map.grids;
    const StringList before = map.Text();
    EXPECT_TRUE(lattice.ToggleRiver(grids, East(1, 1)));
    EXPECT_EQ(grids.GetPlot(1, 1)->RiverNSDirection(), RiverSouth);
    EXPECT_TRUE(lattice.ToggleRiver(grids, North(1, 1)));
    EXPECT_EQ(grids.GetPlot(1, 2)->RiverWEDirection(), RiverEast);
    EXPECT_FALSE(lattice.ToggleRiver(grids, East(1, 1)));
    EXPECT_FALSE(lattice.ToggleRiver(grids, North(1, 1)));
    EXPECT_FALSE(grids.GetPlot(1, 1)->IsWOfRiver());
    EXPECT_EQ(grids.GetPlot(1, 1)->RiverNSDirection(), -1);
    EXPECT_FALSE(grids.GetPlot(1, 1)->IsSet("RiverNSDirection="));
    EXPECT_EQ(map.Text(), before);
}

TEST(RiverEdgesOnAMap, AClickedRiverKeepsTheFlowItsPlotNames) {
    TRiverMap map(3, 3, false, false);
    const TRiverLattice& lattice = map.lattice;
    TPlotGrid& grids = map.grids;
    // A file's river without a direction, and a direction left without its river.
    grids.GetPlot(1, 1)->LoadFromStrings(Lines("BeginPlot\n\tx=1,y=1\n\tisWOfRiver\n\tRiverWEDirection=3\n"
                                               "\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\nEndPlot"));
    const TRiverState unknown = lattice.RiverAt(grids, East(1, 1));
    EXPECT_TRUE(unknown.river);
    EXPECT_EQ(unknown.flow, -1);
    EXPECT_TRUE(lattice.ToggleRiver(grids, South(1, 1)));
    EXPECT_EQ(grids.GetPlot(1, 1)->RiverWEDirection(), RiverWest);
    // Taken off, the river's flag and direction are no longer written.
    EXPECT_FALSE(lattice.ToggleRiver(grids, East(1, 1)));
    EXPECT_FALSE(lattice.ToggleRiver(grids, South(1, 1)));
    EXPECT_EQ(grids.GetPlot(1, 1)->SaveToStrings(),
              Lines("BeginPlot\n\tx=1,y=1\n\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\nEndPlot"));
}
