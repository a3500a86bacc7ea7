// Selections of any shape: the set of plots, the magic wand, every plot with a row's value, and
// landmasses against bodies of water.

#include "document/MapSelections.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TRows = std::vector<std::string>;

// A map drawn as rows of letters, the northern row first: G grass, W grass with wheat, H a grassy
// hill, M a grassy peak, P plains, O ocean.
TMap PaintedMap(const TRows& rows, int wrapX, int wrapY) {
    const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
    std::string text = "Version=11\nBeginGame\nEndGame\nBeginMap\n\tgrid width=" + std::to_string(width) +
                       "\n\tgrid height=" + std::to_string(height) + "\n\twrap X=" + std::to_string(wrapX) +
                       "\n\twrap Y=" + std::to_string(wrapY) + "\nEndMap\n### Plot Info ###\n";
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const char letter = rows[static_cast<std::size_t>(height - 1 - y)][static_cast<std::size_t>(x)];
            text += "BeginPlot\n\tx=" + std::to_string(x) + ",y=" + std::to_string(y) +
                    "\n\tTerrainType=TERRAIN_" +
                    (letter == 'O'   ? "OCEAN"
                     : letter == 'P' ? "PLAINS"
                                     : "GRASS") +
                    "\n\tPlotType=" +
                    (letter == 'O'   ? "3"
                     : letter == 'H' ? "1"
                     : letter == 'M' ? "0"
                                     : "2") +
                    "\n" + (letter == 'W' ? "\tBonusType=BONUS_WHEAT\n" : "") + "EndPlot\n";
        }
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(Lines(text)); }), "");
    return map;
}

// The set drawn as rows of "#" (in the set) and "." (not), the northern row first.
TRows Drawn(const TPlotSet& set) {
    TRows rows;
    for (int y = set.Height() - 1; y >= 0; --y) {
        rows.emplace_back();
        for (int x = 0; x < set.Width(); ++x)
            rows.back() += set.Contains(x, y) ? '#' : '.';
    }
    return rows;
}

} // namespace

TEST(PlotSet, HoldsPlotsOfAnyShapeOnItsGridOnly) {
    TPlotSet set(70, 2); // more plots than one word of bits holds
    set.InsertRectangle(69, 1, 75, -4);
    set.Toggle(0, 1);
    set.Toggle(69, 0);
    set.Insert(70, 0);
    EXPECT_EQ(Drawn(set), (TRows{"#" + std::string(68, '.') + "#", std::string(70, '.')}));
    TPlotSet other(70, 2);
    other.InsertRectangle(0, 0, 1, 1);
    set.Subtract(other);
    EXPECT_EQ(set.Count(), 1u);
    set.Unite(other);
    EXPECT_EQ(set.Count(), 5u);
}

TEST(MapSelections, TheWandTakesJoinedPlotsOfTheSameTerrainAndPlotTypeAcrossTheSeam) {
    // The grass at x = 4 joins the first column across the seam; the hill is of another plot type
    // and the grass at (3, 2) touches the others at a corner only.
    const TRows picture = {"GGPGH", "GPPPG", "GGPOO"};
    EXPECT_EQ(Drawn(SelectAlike(PaintedMap(picture, 1, 0), 0, 0)), (TRows{"##...", "#...#", "##..."}));
    EXPECT_EQ(Drawn(SelectAlike(PaintedMap(picture, 0, 0), 0, 0)), (TRows{"##...", "#....", "##..."}));
    EXPECT_TRUE(SelectAlike(PaintedMap(picture, 1, 0), 5, 0).Empty());
}

TEST(MapSelections, ALandmassJoinsAtCornersWhileWaterIsPartedByADiagonalOfLand) {
    const TMap map = PaintedMap({"GOOO", "OHOO", "OOPO", "OOOM"}, 0, 0);
    EXPECT_EQ(Drawn(SelectLandmass(map, 1, 2)), (TRows{"#...", ".#..", "..#.", "...#"}));
    EXPECT_EQ(Drawn(SelectLandmass(map, 0, 0)), (TRows{"....", "#...", "##..", "###."}));
    // Across the seam the two seas are one.
    EXPECT_EQ(SelectLandmass(PaintedMap({"GOOO", "OHOO", "OOPO", "OOOM"}, 1, 0), 0, 0).Count(), 12u);
}

TEST(MapSelections, SameValueTakesEveryPlotThatShowsTheRowsValue) {
    const TMap map = PaintedMap({"WOOP", "OOOO", "OWOH"}, 0, 0);
    EXPECT_EQ(Drawn(SelectSameValue(map, 0, 2, "BonusType")), (TRows{"#...", "....", ".#.."}));
    EXPECT_EQ(SelectSameValue(map, 1, 1, "BonusType=").Count(), 10u);
    EXPECT_EQ(Drawn(SelectSameValue(map, 3, 0, "plottype")), (TRows{"....", "....", "...#"}));
    EXPECT_THROW(SelectSameValue(map, 0, 0, "NoSuchRow"), OperationAborted);
}

TEST(MapSelections, ARowsValueIsWhatTheSheetShows) {
    TMap map;
    map.LoadFromFile(std::string(TESSEL_SAMPLES_DIR) + "/maps/Archipelago.Civ4WorldBuilderSave");
    std::string value;
    for (int x = 0; x < map.Grids().Width(); ++x)
        for (int y = 0; y < map.Grids().Height(); ++y)
            for (const std::string& row : map.Grids().GetPlot(x, y)->GetEditorLines()) {
                const std::size_t equals = row.find('=');
                ASSERT_TRUE(PlotRowValue(*map.Grids().GetPlot(x, y), row.substr(0, equals), value)) << row;
                EXPECT_EQ(value, row.substr(equals + 1)) << "plot " << x << "," << y;
            }
    EXPECT_FALSE(PlotRowValue(*map.Grids().GetPlot(0, 0), "x", value));
}
