// The city radius and the river edges of a plot, across the seams of wrapping maps.

#include "rules/MapTopology.h"
#include "document/Map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace {

std::set<std::pair<int, int>> Positions(const std::vector<TPlotPosition>& plots) {
    std::set<std::pair<int, int>> positions;
    for (const TPlotPosition& plot : plots)
        positions.insert({plot.x, plot.y});
    return positions;
}

// A map of land plots without rivers, of the given size and wrapping.
void MakeMap(TMap& map, int width, int height, int wrapX, int wrapY) {
    map.Clear();
    map.MapData().SetGridWidth(width);
    map.MapData().SetGridHeight(height);
    map.MapData().SetWrapX(wrapX);
    map.MapData().SetWrapY(wrapY);
    map.Grids().SetWidth(width);
    map.Grids().SetHeight(height);
}

} // namespace

TEST(MapTopology, CityRadiusInsideTheMapIsFiveByFiveWithoutCorners) {
    const TMapTopology topology(10, 10, false, false);
    const auto radius = Positions(topology.CityRadius(5, 5));
    EXPECT_EQ(radius.size(), 21u);
    for (const auto& corner : {std::pair{3, 3}, std::pair{7, 3}, std::pair{3, 7}, std::pair{7, 7}})
        EXPECT_EQ(radius.count(corner), 0u);
    for (const auto& edge :
         {std::pair{3, 4}, std::pair{7, 6}, std::pair{5, 7}, std::pair{5, 3}, std::pair{5, 5}})
        EXPECT_EQ(radius.count(edge), 1u);
}

TEST(MapTopology, CityRadiusAtACornerWrapsAcrossTheXSeamOnlyAndIsCutAtTheBottom) {
    // 20 x 12, wrapping in x only; a start at the south-west corner (0, 0).
    const TMapTopology topology(20, 12, true, false);
    const std::set<std::pair<int, int>> expected = {// y = 0: x = -2 .. 2 wraps to 18, 19, 0, 1, 2
                                                    {18, 0},
                                                    {19, 0},
                                                    {0, 0},
                                                    {1, 0},
                                                    {2, 0},
                                                    // y = 1: the same five columns
                                                    {18, 1},
                                                    {19, 1},
                                                    {0, 1},
                                                    {1, 1},
                                                    {2, 1},
                                                    // y = 2: without the corners x = -2 and 2
                                                    {19, 2},
                                                    {0, 2},
                                                    {1, 2}};
    EXPECT_EQ(Positions(topology.CityRadius(0, 0)), expected);
    // The rows y = -1 and y = -2 lie beyond an edge that does not wrap: 13 of the 21 plots remain.
    EXPECT_EQ(topology.CityRadius(0, 0).size(), 13u);
    // The north-east corner wraps the other way.
    const auto northEast = Positions(topology.CityRadius(19, 11));
    EXPECT_EQ(northEast.size(), 13u);
    EXPECT_EQ(northEast.count({1, 11}), 1u);
    EXPECT_EQ(northEast.count({0, 9}), 1u);
    EXPECT_EQ(northEast.count({1, 9}), 0u);
}

TEST(MapTopology, CityRadiusOnAMapThatWrapsBothWaysKeepsAllPlots) {
    const TMapTopology topology(8, 8, true, true);
    const auto radius = Positions(topology.CityRadius(0, 7));
    EXPECT_EQ(radius.size(), 21u);
    EXPECT_EQ(radius.count({6, 0}), 1u);
    EXPECT_EQ(radius.count({0, 1}), 1u);
    EXPECT_EQ(radius.count({6, 1}), 0u);
}

TEST(MapTopology, CityRadiusCountsAPlotReachedTwiceOnceOnAMapNarrowerThanIt) {
    // 3 plots wide: x - 2 and x + 1 are the same column, as are x + 2 and x - 1.
    const TMapTopology topology(3, 10, true, false);
    const auto radius = topology.CityRadius(1, 5);
    EXPECT_EQ(Positions(radius).size(), radius.size());
    EXPECT_EQ(radius.size(), 15u);
    // A single-plot world that wraps both ways has one plot in its radius.
    EXPECT_EQ(TMapTopology(1, 1, true, true).CityRadius(0, 0).size(), 1u);
}

TEST(MapTopology, CityRadiusOfAPlotOutsideTheGridIsEmpty) {
    const TMapTopology topology(10, 10, true, true);
    EXPECT_TRUE(topology.CityRadius(10, 0).empty());
    EXPECT_TRUE(topology.CityRadius(0, -1).empty());
    EXPECT_TRUE(TMapTopology(0, 0, true, true).CityRadius(0, 0).empty());
}

TEST(MapTopology, WrapSettingOfTheMapSectionDecides) {
    TMap map;
    MakeMap(map, 6, 4, 1, 0);
    int x = -1, y = 3;
    EXPECT_TRUE(TMapTopology::Of(map).Wrap(x, y));
    EXPECT_EQ(x, 5);
    y = 4;
    EXPECT_FALSE(TMapTopology::Of(map).Wrap(x, y));
    EXPECT_EQ(y, 4);
    MakeMap(map, 6, 4, 0, 2);
    x = 0;
    y = -1;
    EXPECT_TRUE(TMapTopology::Of(map).Wrap(x, y));
    EXPECT_EQ(y, 3);
    x = 6;
    EXPECT_FALSE(TMapTopology::Of(map).Wrap(x, y));
}

TEST(MapTopology, RiverEdgesComeFromThePlotAndFromItsWestAndNorthNeighbours) {
    TMap map;
    MakeMap(map, 6, 5, 0, 0);
    // A river along the east edge of (2, 2) and one along the south edge of (4, 3).
    map.Grids().GetPlot(2, 2)->SetIsWOfRiver(true);
    map.Grids().GetPlot(4, 3)->SetIsNOfRiver(true);
    const TMapTopology topology = TMapTopology::Of(map);
    const TPlotGrid& grids = map.Grids();
    EXPECT_TRUE(topology.HasRiverEdge(grids, 2, 2));  // its own east edge
    EXPECT_TRUE(topology.HasRiverEdge(grids, 3, 2));  // its west edge
    EXPECT_FALSE(topology.HasRiverEdge(grids, 1, 2)); // west of the river's plot
    EXPECT_TRUE(topology.HasRiverEdge(grids, 4, 3));  // its own south edge
    EXPECT_TRUE(topology.HasRiverEdge(grids, 4, 2));  // its north edge
    EXPECT_FALSE(topology.HasRiverEdge(grids, 4, 4)); // north of the river's plot
    EXPECT_FALSE(topology.HasRiverEdge(grids, 3, 3));
}

TEST(MapTopology, RiverEdgesReachAcrossTheSeamsOfAWrappingMap) {
    TMap map;
    MakeMap(map, 6, 5, 1, 1);
    // Along the east edge of the easternmost column and the south edge of the bottom row.
    map.Grids().GetPlot(5, 1)->SetIsWOfRiver(true);
    map.Grids().GetPlot(3, 0)->SetIsNOfRiver(true);
    const TMapTopology wrapping = TMapTopology::Of(map);
    EXPECT_TRUE(wrapping.HasRiverEdge(map.Grids(), 0, 1));
    EXPECT_TRUE(wrapping.HasRiverEdge(map.Grids(), 3, 4));
    const TMapTopology flat(6, 5, false, false);
    EXPECT_FALSE(flat.HasRiverEdge(map.Grids(), 0, 1));
    EXPECT_FALSE(flat.HasRiverEdge(map.Grids(), 3, 4));
}
