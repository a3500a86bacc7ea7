// Selections of any shape: the set of plots itself, the magic wand, every plot with a row's value,
// and landmasses against bodies of water.

#include "MapSelections.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A map drawn as rows of letters, the northern row first: G grass, H a grassy hill, M a grassy
// peak, P plains, O ocean. A "*" after a letter puts wheat on the plot.
TMap PaintedMap(const std::vector<std::string>& rows, int wrapX, int wrapY) {
    const int height = static_cast<int>(rows.size());
    int width = 0;
    for (char c : rows[0])
        width += c == '*' ? 0 : 1;
    std::string text = "Version=11\nBeginGame\nEndGame\nBeginMap\n\tgrid width=" + std::to_string(width) +
                       "\n\tgrid height=" + std::to_string(height) + "\n\twrap X=" + std::to_string(wrapX) +
                       "\n\twrap Y=" + std::to_string(wrapY) + "\nEndMap\n### Plot Info ###\n";
    for (int row = 0; row < height; ++row) {
        int x = 0;
        const std::string& letters = rows[static_cast<std::size_t>(row)];
        for (std::size_t i = 0; i < letters.size(); ++i, ++x) {
            const char letter = letters[i];
            const bool wheat = i + 1 < letters.size() && letters[i + 1] == '*';
            const std::string terrain = letter == 'O' ? "OCEAN" : letter == 'P' ? "PLAINS" : "GRASS";
            const int plotType = letter == 'O' ? 3 : letter == 'H' ? 1 : letter == 'M' ? 0 : 2;
            text += "BeginPlot\n\tx=" + std::to_string(x) + ",y=" + std::to_string(height - 1 - row) +
                    "\n\tTerrainType=TERRAIN_" + terrain + "\n\tPlotType=" + std::to_string(plotType) + "\n" +
                    (wheat ? "\tBonusType=BONUS_WHEAT\n" : "") + "EndPlot\n";
            i += wheat ? 1 : 0;
        }
    }
    TMap map;
    map.LoadFromStrings(Lines(text));
    EXPECT_EQ(map.ErrorText(), "");
    return map;
}

// The set drawn as rows of "#" (in the set) and "." (not), the northern row first.
std::vector<std::string> Drawn(const TPlotSet& set) {
    std::vector<std::string> rows;
    for (int y = set.Height() - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < set.Width(); ++x)
            row += set.Contains(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

using TRows = std::vector<std::string>;

} // namespace

TEST(PlotSet, HoldsPlotsOfAnyShapeOnItsGridOnly) {
    TPlotSet set(70, 3); // more plots than one word of bits holds
    set.InsertRectangle(68, 2, 75, -4);
    set.Toggle(0, 1);
    set.Toggle(69, 1);
    set.Insert(-1, 0);
    set.Insert(70, 0);
    EXPECT_EQ(set.Count(), 6u);
    EXPECT_TRUE(set.Contains(0, 1));
    EXPECT_FALSE(set.Contains(69, 1));
    EXPECT_FALSE(set.Contains(70, 0));
    std::vector<std::pair<int, int>> visited;
    set.ForEach([&](int x, int y) { visited.emplace_back(x, y); });
    EXPECT_EQ(visited,
              (std::vector<std::pair<int, int>>{{0, 1}, {68, 0}, {68, 1}, {68, 2}, {69, 0}, {69, 2}}));

    TPlotSet other(70, 3);
    other.InsertRectangle(68, 0, 69, 2);
    set.Subtract(other);
    EXPECT_EQ(set.Count(), 1u);
    set.Unite(other);
    EXPECT_EQ(set.Count(), 7u);
    set.Unite(TPlotSet(3, 70)); // another grid's set changes nothing
    EXPECT_EQ(set.Count(), 7u);
    set.Clear();
    EXPECT_TRUE(set.Empty());
}

TEST(MapSelections, TheWandTakesJoinedPlotsOfTheSameTerrainAndPlotTypeAcrossTheSeam) {
    const TRows picture = {"GGPGH", "GPPPG", "GGPOO"};
    // The grass at x = 4 joins the first column across the seam; the hill is of another plot type
    // and the grass at (3, 2) touches the others at a corner only.
    EXPECT_EQ(Drawn(SelectAlike(PaintedMap(picture, 1, 0), 0, 0)), (TRows{"##...", "#...#", "##..."}));
    EXPECT_EQ(Drawn(SelectAlike(PaintedMap(picture, 0, 0), 0, 0)), (TRows{"##...", "#....", "##..."}));
    EXPECT_EQ(Drawn(SelectAlike(PaintedMap(picture, 0, 1), 3, 0)), (TRows{".....", ".....", "...##"}));
    EXPECT_TRUE(SelectAlike(PaintedMap(picture, 1, 0), 5, 0).Empty());
}

TEST(MapSelections, ALandmassJoinsAtCornersWhileWaterIsPartedByADiagonalOfLand) {
    const TMap map = PaintedMap({"GOOO", "OHOO", "OOPO", "OOOM"}, 0, 0);
    EXPECT_EQ(Drawn(SelectLandmass(map, 1, 2)), (TRows{"#...", ".#..", "..#.", "...#"}));
    EXPECT_EQ(Drawn(SelectLandmass(map, 0, 0)), (TRows{"....", "#...", "##..", "###."}));
    EXPECT_EQ(Drawn(SelectLandmass(map, 3, 3)), (TRows{".###", "..##", "...#", "...."}));
    // Across the seam the two seas are one.
    const TMap wrapping = PaintedMap({"GOOO", "OHOO", "OOPO", "OOOM"}, 1, 0);
    EXPECT_EQ(SelectLandmass(wrapping, 0, 0).Count(), 12u);
}

TEST(MapSelections, SameValueTakesEveryPlotShowingTheRowsValueWhereverItIs) {
    const TMap map = PaintedMap({"G*OOOOP*", "OOOOOO", "OP*OOHG"}, 0, 0);
    EXPECT_EQ(Drawn(SelectSameValue(map, 0, 2, "BonusType")), (TRows{"#....#", "......", ".#...."}));
    EXPECT_EQ(SelectSameValue(map, 1, 1, "BonusType=").Count(), 15u);
    EXPECT_EQ(Drawn(SelectSameValue(map, 4, 0, "plottype")), (TRows{"......", "......", "....#."}));
    EXPECT_THROW(SelectSameValue(map, 0, 0, "NoSuchRow"), OperationAborted);
}

TEST(MapSelections, ARowsValueIsWhatTheSheetShows) {
    TMap map;
    map.LoadFromFile(std::string(TESSEL_SAMPLES_DIR) + "/maps/Archipelago.Civ4WorldBuilderSave");
    ASSERT_EQ(map.ErrorText(), "");
    TMapGrids& grids = map.Grids();
    std::string value;
    for (int x = 0; x < grids.Width(); ++x)
        for (int y = 0; y < grids.Height(); ++y)
            for (const std::string& row : grids.GetPlot(x, y)->GetEditorLines()) {
                const std::size_t equals = row.find('=');
                ASSERT_TRUE(PlotRowValue(*grids.GetPlot(x, y), row.substr(0, equals), value)) << row;
                EXPECT_EQ(value, row.substr(equals + 1)) << "plot " << x << "," << y;
            }
    EXPECT_FALSE(PlotRowValue(*grids.GetPlot(0, 0), "x", value));
}
