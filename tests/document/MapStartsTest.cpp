// Where a map's players start, and a start moved from one plot to another.

#include "document/MapStarts.h"
#include "TestText.h"
#include "document/Map.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// A 6 x 4 map of grassland: player 0 starts on (1, 1), player 1 on (4, 2), player 2 too; player 5
// names (5, 3) but is not in use; (0, 3) and (4, 2) are marked as starts, and so is (1, 1).
class MapStartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string text = "Version=11\nBeginGame\nEndGame\n"
                           "BeginPlayer\n\tTeam=0\n\tStartingX=1, StartingY=1\nEndPlayer\n"
                           "BeginPlayer\n\tTeam=1\n\tStartingX=4, StartingY=2\nEndPlayer\n"
                           "BeginPlayer\n\tTeam=2\n\tStartingX=4, StartingY=2\nEndPlayer\n"
                           "BeginMap\n\tgrid width=6\n\tgrid height=4\nEndMap\n";
        for (int x = 0; x < 6; ++x)
            for (int y = 0; y < 4; ++y) {
                text += "BeginPlot\n\tx=" + std::to_string(x) + ",y=" + std::to_string(y) + "\n";
                if ((x == 0 && y == 3) || (x == 4 && y == 2) || (x == 1 && y == 1))
                    text += "\tStartingPlot\n";
                text += "\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\nEndPlot\n";
            }
        ASSERT_EQ(MapLoadMessage([&] { map.LoadFromBytes(text); }), "");
        map.Players().GetPlayer(5)->ApplyEditorLines({"StartingX=5", "StartingY=3"});
        ASSERT_FALSE(map.Players().GetPlayer(5)->InUse());
    }
    static std::vector<std::tuple<int, int, int>> Listed(const std::vector<TMapStart>& starts) {
        std::vector<std::tuple<int, int, int>> listed;
        for (const TMapStart& start : starts)
            listed.emplace_back(start.player, start.x, start.y);
        return listed;
    }
    TPlot& Plot(int x, int y) { return *map.Grids().GetPlot(x, y); }

    TMap map;
};

TEST_F(MapStartsTest, PlayersInUseComeFirstThenMarkedPlotsNoPlayerStartsOn) {
    const std::vector<std::tuple<int, int, int>> expected = {{0, 1, 1}, {1, 4, 2}, {2, 4, 2}, {-1, 0, 3}};
    EXPECT_EQ(Listed(MapStarts(map)), expected);
}

TEST_F(MapStartsTest, ARectangleListsOnlyTheStartsInsideIt) {
    const std::vector<std::tuple<int, int, int>> right = {{1, 4, 2}, {2, 4, 2}};
    EXPECT_EQ(Listed(MapStartsIn(map, 2, 0, 5, 3)), right);
    const std::vector<std::tuple<int, int, int>> corner = {{-1, 0, 3}};
    EXPECT_EQ(Listed(MapStartsIn(map, -5, 3, 0, 99)), corner);
    EXPECT_TRUE(MapStartsIn(map, 3, 0, 2, 3).empty());
}

TEST_F(MapStartsTest, AMovedStartTakesItsMarkAlong) {
    MoveStart(map, 0, 2, 3);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingX(), 2);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingY(), 3);
    EXPECT_TRUE(Plot(2, 3).StartingPlot());
    EXPECT_FALSE(Plot(1, 1).StartingPlot());
}

TEST_F(MapStartsTest, APlotAnotherPlayerStillStartsOnKeepsItsMark) {
    MoveStart(map, 1, 0, 0);
    EXPECT_TRUE(Plot(4, 2).StartingPlot());
    MoveStart(map, 2, 0, 0);
    EXPECT_FALSE(Plot(4, 2).StartingPlot());
    EXPECT_TRUE(Plot(0, 0).StartingPlot());
}

TEST_F(MapStartsTest, AStartOutsideTheMapChangesNothing) {
    const std::string before = map.SaveToBytes();
    MoveStart(map, 0, 6, 0);
    MoveStart(map, 18, 0, 0);
    EXPECT_EQ(map.SaveToBytes(), before);
}

} // namespace
