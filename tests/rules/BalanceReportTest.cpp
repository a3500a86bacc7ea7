// The balance report of a map's starts, on small maps made here and on maps the game made.

#include "rules/BalanceReport.h"
#include "RulesTestFiles.h"
#include "document/Map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>

using namespace rulestest;

namespace {

// A sea of TERRAIN_OCEAN (1/0/1 under the hand-made rules), of the given size, wrapping nowhere.
void MakeSea(TMap& map, int width, int height) {
    map.Clear();
    map.MapData().SetGridWidth(width);
    map.MapData().SetGridHeight(height);
    map.MapData().SetWrapX(0);
    map.MapData().SetWrapY(0);
    map.Grids().SetWidth(width);
    map.Grids().SetHeight(height);
}

TPlot& Land(TMap& map, int x, int y, int plotType, const char* terrain, const char* feature = "",
            const char* bonus = "") {
    TPlot& plot = *map.Grids().GetPlot(x, y);
    plot.SetPlotType(plotType);
    plot.SetTerrainType(terrain);
    plot.SetFeatureType(feature);
    plot.SetBonusType(bonus);
    return plot;
}

void StartPlayer(TMap& map, int slot, int x, int y) {
    map.Players().GetPlayer(slot)->ApplyEditorLines(
        {"Team=" + std::to_string(slot), "StartingX=" + std::to_string(x), "StartingY=" + std::to_string(y)});
}

TYieldRules HandMadeRules() {
    TYieldRules rules;
    TRuleTexts().LoadInto(rules);
    return rules;
}

// The report's line of the start at (x, y), "" when it has none.
std::string RowAt(const std::string& text, int x, int y) {
    const std::string coordinates = "\t" + std::to_string(x) + "\t" + std::to_string(y) + "\t";
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find('\n', begin);
        const std::string line = text.substr(begin, end - begin);
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos && line.compare(tab, coordinates.size(), coordinates) == 0)
            return line;
        begin = end == std::string::npos ? text.size() : end + 1;
    }
    return {};
}

std::string RealPath(const std::string& relative) {
    return std::string(TESSEL_REALDATA_DIR) + "/" + relative;
}

// The report of a map the game made under the base game's rules; nothing when they are absent.
std::optional<TBalanceReport> RealReport(const std::string& mapFile) {
    const std::string file = RealPath(mapFile);
    if (!std::filesystem::exists(file) || !std::filesystem::is_directory(RealPath("game")))
        return std::nullopt;
    TMap map;
    map.LoadFromFile(file);
    TYieldRules rules;
    rules.LoadFromGameDir(RealPath("game"));
    return TBalanceReport::Of(map, rules);
}

} // namespace

TEST(BalanceReport, PrintsEachStartAndTheRangeOfEachColumn) {
    TMap map;
    MakeSea(map, 7, 5);
    // Player 0 at (1, 1): grass on a river (its own east edge), grass hills with a cow east of it
    // (the river on their shared edge), a plains peak at (0, 0), plains forest at (1, 2).
    Land(map, 1, 1, 2, "TERRAIN_GRASS").SetIsWOfRiver(true);
    Land(map, 2, 1, 1, "TERRAIN_GRASS", "", "BONUS_COW");
    Land(map, 0, 0, 0, "TERRAIN_PLAINS");
    Land(map, 1, 2, 2, "TERRAIN_PLAINS", "FEATURE_FOREST");
    map.Grids().GetPlot(1, 1)->SetStartingPlot(true);
    StartPlayer(map, 0, 1, 1);
    // A start plot of no player at (5, 3): grass with gold, grass with a cow east of it.
    Land(map, 5, 3, 2, "TERRAIN_GRASS", "", "BONUS_GOLD").SetStartingPlot(true);
    Land(map, 6, 3, 2, "TERRAIN_GRASS", "", "BONUS_COW");
    // Not starts: a player whose start lies off the map, and a slot not in use.
    StartPlayer(map, 2, 7, 1);
    map.Players().GetPlayer(3)->ApplyEditorLines({"StartingX=3", "StartingY=3"});

    // (1, 1): x -1 .. 3 and y -1 .. 3 are cut to 0 .. 3, without the corner (3, 3): 15 plots,
    // 4 land (one hills, one peak), 11 ocean; river on (1, 1) and (2, 1).
    // Food: grass 2 + hills grass 2 - 1 + cow 1 + peak 0 + plains forest 1 + ocean 11 = 16.
    // Production: hills 1 + forest plains 2 = 3.
    // Commerce: river grass 1 + hills grass 3 (terrain hills change) + 1 (river) + ocean 11 = 16.
    // (5, 3): x 3 .. 6 and y 1 .. 4 without the corner (3, 1): 15 plots, 2 grass, 13 ocean.
    // Food 2 + 3 + 13 = 18, production 0, commerce gold 2 + ocean 13 = 15.
    const std::string expected =
        "player\tx\ty\tland\twater\thills\tpeaks\triver\tfood\tproduction\tcommerce\tbonuses\n"
        "0\t1\t1\t4\t11\t1\t1\t2\t16\t3\t16\tBONUS_COW:1\n"
        "-\t5\t3\t2\t13\t0\t0\t0\t18\t0\t15\tBONUS_COW:1,BONUS_GOLD:1\n"
        "land\tlowest 2\thighest 4\tspread 2\n"
        "water\tlowest 11\thighest 13\tspread 2\n"
        "hills\tlowest 0\thighest 1\tspread 1\n"
        "peaks\tlowest 0\thighest 1\tspread 1\n"
        "river\tlowest 0\thighest 2\tspread 2\n"
        "food\tlowest 16\thighest 18\tspread 2\n"
        "production\tlowest 0\thighest 3\tspread 3\n"
        "commerce\tlowest 15\thighest 16\tspread 1\n"
        "bonuses\tlowest 1\thighest 2\tspread 1\n";
    EXPECT_EQ(TBalanceReport::Of(map, HandMadeRules()).ToText(), expected);
}

TEST(BalanceReport, ListsPlayersInSlotOrderThenStartPlotsColumnByColumn) {
    TMap map;
    MakeSea(map, 10, 10);
    StartPlayer(map, 4, 8, 8);
    StartPlayer(map, 1, 2, 2);
    StartPlayer(map, 7, 2, 2); // two players on one plot: both are listed
    for (const auto& [x, y] : {std::pair{5, 1}, std::pair{3, 9}, std::pair{3, 0}, std::pair{8, 8}})
        map.Grids().GetPlot(x, y)->SetStartingPlot(true);
    const TBalanceReport report = TBalanceReport::Of(map, HandMadeRules());
    std::vector<std::tuple<int, int, int>> order;
    for (const TBalanceStart& start : report.Starts())
        order.emplace_back(start.player, start.x, start.y);
    const std::vector<std::tuple<int, int, int>> expected = {{1, 2, 2},  {4, 8, 8},  {7, 2, 2},
                                                             {-1, 3, 0}, {-1, 3, 9}, {-1, 5, 1}};
    EXPECT_EQ(order, expected);
}

TEST(BalanceReport, MapWithoutStartsPrintsTheHeaderOnly) {
    TMap map;
    MakeSea(map, 4, 4);
    const TBalanceReport report = TBalanceReport::Of(map, HandMadeRules());
    EXPECT_TRUE(report.Starts().empty());
    EXPECT_EQ(report.ToText(),
              "player\tx\ty\tland\twater\thills\tpeaks\triver\tfood\tproduction\tcommerce\tbonuses\n");
    EXPECT_EQ(report.Range(TBalanceColumn::Food).Spread(), 0);
}

TEST(BalanceReport, NamesEachTypeTheRulesDoNotKnowOnce) {
    TMap map;
    MakeSea(map, 6, 6);
    Land(map, 1, 1, 2, "TERRAIN_MARSH", "FEATURE_SWAMP", "BONUS_TEA").SetStartingPlot(true);
    Land(map, 2, 1, 2, "TERRAIN_MARSH", "FEATURE_FOREST", "BONUS_COW").SetStartingPlot(true);
    const TBalanceReport report = TBalanceReport::Of(map, HandMadeRules());
    EXPECT_EQ(report.UnknownTypes(),
              (std::vector<std::string>{"BONUS_TEA", "FEATURE_SWAMP", "TERRAIN_MARSH"}));
    // Around (2, 1): rows y 0 .. 2 whole and three plots of y 3, 18 plots. Marsh yields nothing;
    // the forest, the cow and 16 ocean plots count.
    EXPECT_EQ(report.Starts().at(1).food, 1 + 16);
    EXPECT_EQ(report.Starts().at(1).production, 1);
}

// A base-game map whose four starts are "StartingPlot" marks of no player, 24 x 16 plots, no wrap.
TEST(BalanceReport, BaseGameMapBattleMatchesAHandCount) {
    const std::optional<TBalanceReport> real = RealReport("maps/Battle.Civ4WorldBuilderSave");
    if (!real)
        GTEST_SKIP() << "no real maps and game files in " << TESSEL_REALDATA_DIR;
    const TBalanceReport& report = *real;
    ASSERT_EQ(report.Starts().size(), 4u);
    for (const TBalanceStart& start : report.Starts())
        EXPECT_EQ(start.player, TBalanceStart::NoPlayer);
    // The start at (3, 5), counted from the plot blocks of x 1 .. 5, y 3 .. 7 (the corners
    // (1, 3), (5, 3), (1, 7), (5, 7) left out), all land; hills at (2, 6) and (3, 3).
    //   y=7: (2) grass            (3) grass forest W     (4) plains forest
    //   y=6: (1) plains forest (2) hills grass forest (3) plains forest W (4) grass (5) plains forest
    //   y=5: (1) grass (2) plains forest (3) grass NW (4) plains (5) grass
    //   y=4: (1) grass forest (2) plains forest W (3) grass forest W (4) plains N (5) grass horse
    //   y=3:            (2) plains forest NW (3) hills grass forest (4) tundra W
    // A plot has a river when it has its own N or W mark, its west neighbour a W mark or its north
    // neighbour an N mark. Column 0 carries W on every row, so x=1 has three; x=2 has its own at
    // y 3 and 4; x=3 all five (own marks, and (2, 3)'s W for (3, 3)); x=4 all five (the W marks of
    // x=3, and its own at y 3); x=5 none: 15.
    // Food (grass 2, plains 1, tundra 1, hills -1, forest 0):
    //   y=7: 2 2 1; y=6: 1 1 1 2 1; y=5: 2 1 2 1 2; y=4: 2 1 2 1 2; y=3: 1 1 1 = 30.
    // Production (plains 1, forest +1, hills +1, horse +1):
    //   y=7: 0 1 2; y=6: 2 2 2 0 2; y=5: 0 2 0 1 0; y=4: 1 2 1 1 1; y=3: 2 2 0 = 24.
    // Commerce: +1 on a river without feature: (4, 6), (1, 5), (3, 5), (4, 5), (4, 4), (4, 3) = 6
    // (forest has no river change, so forests on the river give none).
    EXPECT_EQ(RowAt(report.ToText(), 3, 5), "-\t3\t5\t21\t0\t2\t0\t15\t30\t24\t6\tBONUS_HORSE:1");
    // The others, in the order of the plots: (5, 9), (16, 10), (19, 6).
    EXPECT_EQ(report.Starts()[1].x, 5);
    EXPECT_EQ(report.Starts()[2].x, 16);
    EXPECT_EQ(report.Starts()[3].y, 6);
}

// An expansion map of 52 x 24 plots that wraps both ways, with seven players' starts: one at x 0,
// one at y 0, two on the same plot.
TEST(BalanceReport, ExpansionMapTutorialMatchesAHandCountAcrossBothSeams) {
    const std::optional<TBalanceReport> real = RealReport("maps/tutorial1.CivBeyondSwordWBSave");
    if (!real)
        GTEST_SKIP() << "no real maps and game files in " << TESSEL_REALDATA_DIR;
    const TBalanceReport& report = *real;
    ASSERT_EQ(report.Starts().size(), 7u);
    for (int player = 0; player < 7; ++player)
        EXPECT_EQ(report.Starts()[static_cast<std::size_t>(player)].player, player);
    // Player 6 at (0, 22): x 50, 51, 0, 1, 2 and y 20 .. 23, 0 (y 24 wraps to 0); corners (50, 0),
    // (2, 0), (50, 20), (2, 20) left out. All 21 are land; hills at (0,0) (50,23) (1,23) (51,22)
    // (1,22) (50,21) (0,21) (1,21) (0,20): 9; the peak at (50, 20) is a corner.
    //   y=0:  (51) grass forest        (0) hills grass gems  (1) plains
    //   y=23: (50) hills grass forest NW (51) grass horse (0) grass forest (1) hills grass (2) grass forest N
    //   y=22: (50) grass forest (51) hills grass W (0) grass N (1) hills grass NW (2) grass oil
    //   y=21: (50) hills grass forest (51) grass (0) hills plains (1) hills grass forest (2) plains wheat
    //   y=20:                  (51) grass    (0) hills grass iron (1) plains forest
    // Rivers: (51, 0) by (50, 0)'s W across no seam; (50,23) own; (51,23) by (50,23)'s W; (2,23)
    // own; (50,22) by (50,23)'s N; (51,22), (0,22), (1,22) own; (2,22) by (1,22)'s W; (0,21) and
    // (1,21) by the N marks above them: 11.
    // Food:       y=0: 2 1 1; y=23: 1 2 2 1 2; y=22: 2 1 2 1 2; y=21: 1 2 0 1 2; y=20: 2 1 1 = 30.
    // Production: y=0: 1 1 1; y=23: 2 1 1 1 1; y=22: 1 1 0 1 1; y=21: 2 0 2 2 1; y=20: 0 2 2 = 24.
    // Commerce: gems (0,0); river without feature (51,23) (51,22) (0,22) (1,22) (2,22) (0,21) = 7.
    const std::string text = report.ToText();
    EXPECT_EQ(RowAt(text, 0, 22), "6\t0\t22\t21\t0\t9\t0\t11\t30\t24\t7\tBONUS_GEMS:1,BONUS_HORSE:1,BONUS_"
                                  "IRON:1,BONUS_OIL:1,BONUS_WHEAT:1");
    // Players 1 and 5 share (11, 19): the same counts.
    const TBalanceStart& first = report.Starts()[1];
    const TBalanceStart& fifth = report.Starts()[5];
    EXPECT_EQ(first.x, 11);
    EXPECT_EQ(fifth.y, 19);
    EXPECT_EQ(first.food, fifth.food);
    EXPECT_EQ(first.bonuses, fifth.bonuses);
}
