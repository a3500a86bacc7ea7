// Mirroring, turning and moving a selection of plots inside a map: where the plots, starts, signs
// and rivers go, what fills the places a move leaves, and what is refused.

#include "document/SelectionTransform.h"
#include "RealMapFiles.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using TExtraLines = std::map<std::pair<int, int>, std::string>;

// A map drawn as rows from the north, a letter a plot: 'g' grass, 'd' desert, 'o' ocean. Each plot
// is named by its place as its landmark ("21" is x 2, y 1). Player 0 starts on (1,1), which is
// marked, and a sign stands there.
TMap DrawnMap(const std::vector<std::string>& rows, int wrapX, const TExtraLines& extra = {}) {
    const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
    std::string text = "Version=11\nBeginGame\nEndGame\nBeginPlayer\n\tStartingX=1, StartingY=1\nEndPlayer\n"
                       "BeginMap\n\tgrid width=" +
                       std::to_string(width) + "\n\tgrid height=" + std::to_string(height) +
                       "\n\twrap X=" + std::to_string(wrapX) +
                       "\n\twrap Y=0\n\tnum signs written=1\nEndMap\n";
    const std::map<char, std::string> terrains = {
        {'g', "GRASS\n\tPlotType=2"}, {'d', "DESERT\n\tPlotType=2"}, {'o', "OCEAN\n\tPlotType=3"}};
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const auto more = extra.find({x, y});
            text += "BeginPlot\n\tx=" + std::to_string(x) + ",y=" + std::to_string(y) +
                    "\n\tLandmark=" + std::to_string(x) + std::to_string(y) + "\n\tTerrainType=TERRAIN_" +
                    terrains.at(rows[static_cast<std::size_t>(height - 1 - y)][static_cast<std::size_t>(x)]) +
                    "\n" + (x == 1 && y == 1 ? "\tStartingPlot\n" : "") +
                    (more != extra.end() ? more->second : "") + "EndPlot\n";
        }
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] {
                  map.LoadFromStrings(
                      Lines(text + "BeginSign\n\tplotX=1\n\tplotY=1\n\tcaption=Here\nEndSign\n"));
              }),
              "");
    return map;
}

// The plots as rows from the north, each by its landmark, or a fresh plot by its terrain's first
// letter twice ("dd").
std::vector<std::string> Names(const TMap& map) {
    std::vector<std::string> rows;
    for (int y = map.Grids().Height() - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < map.Grids().Width(); ++x) {
            const TPlot& plot = *map.Grids().GetPlot(x, y);
            const char terrain = static_cast<char>(plot.TerrainType()[8] - 'A' + 'a');
            row += (x ? " " : "") + (plot.Landmark().empty() ? std::string(2, terrain) : plot.Landmark());
        }
        rows.push_back(row);
    }
    return rows;
}

TPlotSet Selection(const TMap& map, const std::vector<std::pair<int, int>>& plots) {
    TPlotSet selection(map.Grids().Width(), map.Grids().Height());
    for (const auto& [x, y] : plots)
        selection.Insert(x, y);
    return selection;
}

std::string East(int flow) {
    return "\tRiverNSDirection=" + std::to_string(flow) + "\n\tisWOfRiver\n";
}
std::string South(int flow) {
    return "\tRiverWEDirection=" + std::to_string(flow) + "\n\tisNOfRiver\n";
}

// The flow of the river the plot keeps on its east or south edge; -2 for none.
int RiverOf(const TMap& map, int x, int y, bool eastEdge) {
    const TEdgeRiver river = map.Grids().GetPlot(x, y)->EdgeRiver(eastEdge);
    return river.Empty() ? -2 : river.direction;
}

int RiverCount(const TMap& map) {
    int count = 0;
    for (int x = 0; x < map.Grids().Width(); ++x)
        for (int y = 0; y < map.Grids().Height(); ++y)
            count += (RiverOf(map, x, y, true) != -2) + (RiverOf(map, x, y, false) != -2);
    return count;
}

const std::vector<std::string> Grass5x4 = {"ggggg", "ggggg", "ggggg", "ggggg"};

} // namespace

TEST(SelectionTransform, AMirrorTwiceOrFourQuarterTurnsGiveTheSameBytes) {
    // Rivers on every edge, a unit and a city; the selection stays off the west and north borders,
    // so that no river falls off.
    TExtraLines lines;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 4; ++y)
            lines[{x, y}] =
                East((x + y) % 2 ? RiverNorth : RiverSouth) + South(x % 2 ? RiverEast : RiverWest);
    lines[{2, 1}] += "\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=0\n\tEndUnit\n";
    lines[{3, 2}] += "\tBeginCity\n\t\tCityOwner=0\n\t\tCityName=Rome\n\tEndCity\n";
    TMap map = DrawnMap(Grass5x4, 0, lines);
    const std::string before = map.SaveToBytes();
    const TPlotSet shapeL = Selection(map, {{1, 0}, {1, 1}, {1, 2}, {2, 0}, {3, 0}, {3, 1}});
    for (const TMapTurn::TKind flip : {TMapTurn::FlipX, TMapTurn::FlipY, TMapTurn::Clockwise180}) {
        const TPlotSet flipped = TurnSelection(map, shapeL, flip);
        EXPECT_NE(map.SaveToBytes(), before);
        EXPECT_EQ(TurnSelection(map, flipped, flip), shapeL);
        EXPECT_EQ(map.SaveToBytes(), before) << "turn " << flip;
    }
    TPlotSet square = Selection(map, {});
    square.InsertRectangle(1, 0, 3, 2);
    for (int turn = 1; turn <= 4; ++turn) {
        EXPECT_EQ(TurnSelection(map, square, TMapTurn::Clockwise90), square);
        EXPECT_EQ(map.SaveToBytes() == before, turn == 4) << "after " << turn << " quarter turns";
    }
}

TEST(SelectionTransform, AnLShapeMirroredSwapsOnlyWithThePlotsItLandsOn) {
    TMap map = DrawnMap(Grass5x4, 0);
    // Selected: 10 11 12 20 and 30, an L in the box x 1..3, y 0..2.
    const TPlotSet flipped =
        TurnSelection(map, Selection(map, {{1, 0}, {1, 1}, {1, 2}, {2, 0}, {3, 0}}), TMapTurn::FlipX);
    EXPECT_EQ(flipped, Selection(map, {{3, 0}, {3, 1}, {3, 2}, {2, 0}, {1, 0}}));
    EXPECT_EQ(Names(map), (std::vector<std::string>{"03 13 23 33 43", //
                                                    "02 32 22 12 42", //
                                                    "01 31 21 11 41", //
                                                    "00 30 20 10 40"}));

    // A quarter turn of three plots of a square: 10 lands on 11, which takes the one place left.
    TMap turned = DrawnMap(Grass5x4, 0);
    EXPECT_EQ(TurnSelection(turned, Selection(turned, {{1, 0}, {2, 0}, {2, 1}}), TMapTurn::Clockwise90),
              Selection(turned, {{1, 1}, {1, 0}, {2, 0}}));
    EXPECT_EQ(Names(turned)[2], "01 10 11 31 41");
    EXPECT_EQ(Names(turned)[3], "00 20 21 30 40");
}

TEST(SelectionTransform, StartsAndSignsGoWithTheirPlots) {
    TMap map = DrawnMap(Grass5x4, 0);
    TPlotSet square = Selection(map, {});
    square.InsertRectangle(0, 0, 2, 2);
    TurnSelection(map, square, TMapTurn::Clockwise90);
    // Plot (x, y) of the square goes to (y, 2 - x).
    EXPECT_EQ(map.Grids().GetPlot(1, 1)->Landmark(), "11");
    TurnSelection(map, Selection(map, {{1, 1}, {2, 1}}), TMapTurn::FlipX);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingX(), 2);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingY(), 1);
    EXPECT_TRUE(map.Grids().GetPlot(2, 1)->StartingPlot());
    EXPECT_FALSE(map.Grids().GetPlot(1, 1)->StartingPlot());

    MoveSelection(map, Selection(map, {{2, 1}}), 1, 2, std::nullopt);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingX(), 3);
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingY(), 3);
    EXPECT_TRUE(map.Grids().GetPlot(3, 3)->StartingPlot());
    EXPECT_EQ(map.Grids().TrailingLines()[1], "\tplotX=3");
    EXPECT_EQ(map.Grids().TrailingLines()[2], "\tplotY=3");

    // Covered by another plot, the start and the sign go; nothing lies east of the plot left, so it
    // becomes ocean.
    MoveSelection(map, Selection(map, {{4, 3}}), -1, 0, std::nullopt);
    EXPECT_EQ(Names(map)[0].substr(9), "43 oo");
    EXPECT_EQ(map.Players().GetPlayer(0)->StartingX(), -1);
    EXPECT_TRUE(map.Grids().TrailingLines().empty());
    EXPECT_EQ(map.MapData().KeptLines(), StringList{"num signs written=0"});
}

TEST(SelectionTransform, RiversFollowThePictureAndTheSelectionTakesThoseAlongItsSides) {
    // Inside the selection x 1..2, y 1..2: south-flowing between 11 and 21, east-flowing between
    // 12 and 11; along its outline, north-flowing on the east of 22.
    const TExtraLines rivers = {
        {{1, 1}, East(RiverSouth)}, {{1, 2}, South(RiverEast)}, {{2, 2}, East(RiverNorth)}};
    TMap map = DrawnMap(Grass5x4, 0, rivers);
    TPlotSet square = Selection(map, {});
    square.InsertRectangle(1, 1, 2, 2);
    TurnSelection(map, square, TMapTurn::Clockwise90);
    // Between 11 (now at 1, 2) and 21 (now at 1, 1), flowing west; between 12 and 11, flowing south;
    // the outline's river, east of 22, is now south of it (22 is at 2, 1).
    EXPECT_EQ(RiverOf(map, 1, 2, false), RiverWest);
    EXPECT_EQ(RiverOf(map, 1, 2, true), RiverSouth);
    EXPECT_EQ(RiverOf(map, 2, 1, false), RiverEast);
    EXPECT_EQ(RiverCount(map), 3);

    TMap mirrored = DrawnMap(Grass5x4, 0, rivers);
    TurnSelection(mirrored, square, TMapTurn::FlipX);
    EXPECT_EQ(RiverOf(mirrored, 2, 2, false), RiverWest);
    EXPECT_EQ(RiverOf(mirrored, 1, 1, true), RiverSouth);
    EXPECT_EQ(RiverOf(mirrored, 0, 2, true), RiverNorth);
    EXPECT_EQ(RiverCount(mirrored), 3);
}

TEST(SelectionTransform, RefusalsChangeNothing) {
    TMap map = DrawnMap(Grass5x4, 0);
    const std::string before = map.SaveToBytes();
    TPlotSet wide = Selection(map, {});
    wide.InsertRectangle(1, 1, 3, 2);
    EXPECT_THROW(TurnSelection(map, wide, TMapTurn::Clockwise90), OperationAborted);
    EXPECT_THROW(TurnSelection(map, wide, TMapTurn::Clockwise270), OperationAborted);
    EXPECT_THROW(TurnSelection(map, Selection(map, {}), TMapTurn::FlipX), OperationAborted);
    EXPECT_THROW(TurnSelection(map, TPlotSet(4, 4), TMapTurn::FlipX), OperationAborted);
    EXPECT_THROW(MoveSelection(map, wide, 2, 0, std::nullopt), OperationAborted);
    EXPECT_THROW(MoveSelection(map, wide, 0, -2, std::nullopt), OperationAborted);
    EXPECT_THROW(MoveSelection(map, wide, 1, 0, TPlotFill{"TERRAIN_GRASS", 4}), OperationAborted);
    EXPECT_THROW(MoveSelection(map, wide, 1, 0, TPlotFill{"TERRAIN GRASS", 2}), OperationAborted);
    EXPECT_EQ(map.SaveToBytes(), before);
}

TEST(SelectionTransform, AMoveComesRoundTheSeamOfAWrappingMapWithItsInnerRivers) {
    TMap map =
        DrawnMap({"ooodg", "ggggg", "ggggg"}, 1, {{{3, 2}, East(RiverNorth)}, {{4, 2}, South(RiverWest)}});
    TPlotSet moved = MoveSelection(map, Selection(map, {{3, 2}, {4, 2}}), 2, 0, std::nullopt);
    EXPECT_EQ(moved, Selection(map, {{0, 2}, {1, 2}}));
    EXPECT_EQ(Names(map)[0], "32 42 22 oo oo");
    EXPECT_EQ(RiverOf(map, 0, 2, true), RiverNorth);
    EXPECT_EQ(RiverOf(map, 1, 2, false), RiverWest);
    EXPECT_EQ(RiverCount(map), 2);
}

TEST(SelectionTransform, PlotsLeftBehindTakeTheTerrainBehindThemOrTheFill) {
    const std::vector<std::string> rows = {"ooooo", "ogggd", "dgggo", "ggggg"};
    TExtraLines busy;
    for (int x = 1; x <= 3; ++x)
        busy[{x, 1}] = East(RiverSouth) +
                       "\tFeatureType=FEATURE_FOREST\n\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, "
                       "UnitOwner=0\n\tEndUnit\n";
    TMap map = DrawnMap(rows, 0, busy);
    TPlotSet block = Selection(map, {});
    block.InsertRectangle(1, 1, 3, 2);
    MoveSelection(map, block, -1, 0, std::nullopt);
    EXPECT_EQ(Names(map), (std::vector<std::string>{"03 13 23 33 43", //
                                                    "12 22 32 dd 42", //
                                                    "11 21 31 oo 41", //
                                                    "00 10 20 30 40"}));
    const TPlot& left = *map.Grids().GetPlot(3, 1);
    EXPECT_EQ(left.PlotType(), 3);
    EXPECT_EQ(left.FeatureType(), "");
    EXPECT_EQ(left.Units().Count(), 0);
    EXPECT_EQ(RiverOf(map, 3, 1, true), -2);
    EXPECT_EQ(RiverOf(map, 2, 1, true), RiverSouth);

    // A diagonal move fills along its longer axis, a tie along x.
    TMap diagonal = DrawnMap(rows, 0);
    MoveSelection(diagonal, block, 1, -1, std::nullopt);
    EXPECT_EQ(Names(diagonal)[1], "02 oo oo oo 42");
    EXPECT_EQ(Names(diagonal)[2], "01 dd 12 22 32");
    TMap filled = DrawnMap(rows, 0);
    MoveSelection(filled, block, 0, 1, TPlotFill{"terrain_plains", 1});
    EXPECT_EQ(Names(filled)[2], "01 pp pp pp 41");
    EXPECT_EQ(filled.Grids().GetPlot(2, 1)->PlotType(), 1);
}

// Real maps give the same bytes back after a square inside them, away from their borders, is
// mirrored twice or turned four quarters.
TEST(SelectionTransformRealMaps, ASquareMirroredTwiceOrTurnedFourQuartersComesBack) {
    const bool any = ForEachRealMapTwice([](TMap& map, TMap& expected) {
        const int side = std::min(map.Grids().Width(), map.Grids().Height()) / 2;
        TPlotSet square(map.Grids().Width(), map.Grids().Height());
        square.InsertRectangle(1, 1, side, side);
        for (int turn = 0; turn < 2; ++turn)
            TurnSelection(map, square, TMapTurn::FlipY);
        EXPECT_EQ(map.SaveToBytes(), expected.SaveToBytes()) << "mirrored twice";
        for (int turn = 0; turn < 4; ++turn)
            TurnSelection(map, square, TMapTurn::Clockwise90);
        EXPECT_EQ(map.SaveToBytes(), expected.SaveToBytes()) << "four quarter turns";
    });
    if (!any)
        GTEST_SKIP() << "no real maps in " << TESSEL_REALDATA_DIR;
}
