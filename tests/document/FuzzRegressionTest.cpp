// Inputs the fuzz targets found, each read through the same path as the target that found it.

#include "TestText.h"
#include "document/FileText.h"
#include "document/Map.h"
#include "document/Player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

std::string FuzzInput(const std::string& name) {
    return ReadFileBytes(std::string(TESSEL_SAMPLES_DIR) + "/../tests/data/fuzz/" + name);
}

StringList LinesOf(std::string_view text) {
    StringList lines;
    for (std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return lines;
}

// Loads the file's bytes as the editor opens a map; the map must load without a message.
void LoadAccepted(TMap& map, const std::string& bytes) {
    ASSERT_EQ(MapLoadMessage([&] { map.LoadFromStrings(LinesOf(bytes)); }), "");
}

// A map the program took must save a file that it opens again and saves the same way.
void ExpectSaveReadsBack(const std::string& input) {
    TMap first(65536);
    try {
        first.LoadFromStrings(LinesOf(input));
    } catch (const OperationAborted&) {
        return; // refused with a reason: sound
    }
    const StringList saved = first.SaveToStrings();
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, first.SaveToBytes()));
    EXPECT_EQ(second.SaveToStrings(), saved);
}

} // namespace

TEST(FuzzRegression, APlotWithAPlotTypeOutsideItsRangeIsLeftOutAndReloadsAsOcean) {
    // The sample map with PlotType=6 at (14,7).
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(first, FuzzInput("plot-type-out-of-range.Civ4WorldBuilderSave")));
    ASSERT_FALSE(first.Grids().GetPlot(14, 7)->IsWritten());
    const std::string saved = first.SaveToBytes();
    EXPECT_EQ(saved.find("x=14,y=7\r\n"), std::string::npos);

    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, saved));
    const TPlot& plot = *second.Grids().GetPlot(14, 7);
    EXPECT_EQ(plot.TerrainType(), "TERRAIN_OCEAN");
    EXPECT_EQ(plot.PlotType(), 3);

    TMap third(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(third, second.SaveToBytes()));
    EXPECT_EQ(third.SaveToStrings(), second.SaveToStrings());
}

// A grid of width 2 and height 0 writes no plot, so its file has no "BeginPlot".
TEST(FuzzRegression, AGridOfNoAreaIsRefusedOrSavesAFileThatOpens) {
    ExpectSaveReadsBack(FuzzInput("grid-of-no-area.Civ4WorldBuilderSave"));
}

// The same through a 1 x 1 map whose one plot has a plot type outside 0 to 3: the plot is left out,
// comes back as a default plot, and the text is stable from then on.
TEST(FuzzRegression, AMapWhosePlotsAreAllUnwrittenSavesAFileThatOpens) {
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(first, FuzzInput("every-plot-unwritten.Civ4WorldBuilderSave")));
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, first.SaveToBytes()));
    ExpectSaveReadsBack(second.SaveToBytes());
}

// The input has a plot block, outside the grid of width 0; its save has none, so on the next load the
// sign section follows the plot info line instead of a last plot.
TEST(FuzzRegression, TheSignsOfAMapWithoutPlotsSurviveASecondLoad) {
    const std::string input = FuzzInput("signs-after-a-grid-of-no-area.Civ4WorldBuilderSave");
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(first, input));
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, first.SaveToBytes()));
    EXPECT_EQ(second.Grids().TrailingLines(), first.Grids().TrailingLines());
    ExpectSaveReadsBack(input);
}

// The lines after the input's last plot start with an unclosed "BeginPlot"; in the save of a grid of
// width 0 they follow the plot info line, and the next load must keep them all as the tail again.
TEST(FuzzRegression, TextAfterTheLastPlotOfAMapWithoutPlotsSurvivesASecondLoad) {
    const std::string input = FuzzInput("plot-lines-after-the-last-plot-of-no-area.Civ4WorldBuilderSave");
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(first, input));
    ASSERT_FALSE(first.Grids().TrailingLines().empty());
    EXPECT_EQ(first.Grids().TrailingLines().front(), "BeginPlot");
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, first.SaveToBytes()));
    EXPECT_EQ(second.Grids().TrailingLines(), first.Grids().TrailingLines());
    ExpectSaveReadsBack(input);
}

// A NUL byte cuts the input inside an unclosed plot block that follows a "### Plot Info ###" line
// of its own; on a grid of width 0 all of it is the tail, whose "BeginPlot" must not start the plot
// part of the save when it loads again.
TEST(FuzzRegression, ABeginPlotInTheTextAfterThePlotsDoesNotMoveThePlotPart) {
    const std::string input = FuzzInput("begin-plot-in-the-text-after-the-plots.Civ4WorldBuilderSave");
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(first, input));
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, first.SaveToBytes()));
    EXPECT_EQ(second.MapData().KeptLines(), first.MapData().KeptLines());
    EXPECT_EQ(second.Grids().TrailingLines(), first.Grids().TrailingLines());
    ExpectSaveReadsBack(input);
}

// The input's sign text, after its one plot (outside a grid of height 0), holds "EndGame",
// "BeginTeam" and "BeginPlayer" lines; the save has no plot block, so those lines follow the plot
// info line and must stay in the tail instead of opening sections out of order.
TEST(FuzzRegression, SectionMarkersAfterThePlotInfoLineStayInTheTail) {
    const std::string input = FuzzInput("section-markers-after-the-plot-info-line.Civ4WorldBuilderSave");
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(first, input));
    const StringList& tail = first.Grids().TrailingLines();
    ASSERT_NE(std::find(tail.begin(), tail.end(), "BeginTeam"), tail.end());
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, first.SaveToBytes()));
    EXPECT_EQ(second.Grids().TrailingLines(), tail);
    EXPECT_EQ(second.Players().GetPlayer(0)->KeptLines(), first.Players().GetPlayer(0)->KeptLines());
    ExpectSaveReadsBack(input);
}

// "EndPlot\tx=1,y=0" ends the plot at (0,1), whose reading also takes the "y=0" that shares the
// line; the coordinates name the place of the next block. The plot stays at (0,1) and says so.
TEST(FuzzRegression, CoordinatesOnTheEndPlotLineDoNotMoveThePlotTheyEnd) {
    const std::string input = FuzzInput("coordinates-on-the-end-plot-line.Civ4WorldBuilderSave");
    TMap map(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(map, input));
    const TPlot& plot = *map.Grids().GetPlot(0, 1);
    EXPECT_EQ(plot.X(), 0);
    EXPECT_EQ(plot.Y(), 1);
    EXPECT_EQ(plot.TerrainType(), "TERRAIN_COAST");
    // The lines after it have no "BeginPlot": (1,0) stays the default plot.
    EXPECT_EQ(map.Grids().GetPlot(1, 0)->TerrainType(), "TERRAIN_OCEAN");
    const std::string saved = map.SaveToBytes();
    EXPECT_NE(saved.find("\tx=0,y=1\r\n\tTerrainType=TERRAIN_COAST"), std::string::npos);
    ExpectSaveReadsBack(input);
}

// Plot keys inside a city or unit block are that city's or unit's unknown lines: the plot does not
// read them too, so they cannot count once before the plot's own lines and once after them.
TEST(FuzzRegression, PlotKeysInsideACityOrUnitStayWithIt) {
    const std::string input = FuzzInput("plot-keys-inside-a-city-and-a-unit.Civ4WorldBuilderSave");
    TMap map(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(map, input));
    const TPlot& plot = *map.Grids().GetPlot(1, 0);
    EXPECT_EQ(plot.TerrainType(), "TERRAIN_GRASS");
    EXPECT_EQ(plot.PlotType(), 2);
    ASSERT_TRUE(plot.HasCity());
    EXPECT_EQ(plot.City()->KeptLines(), (StringList{"TerrainTypE=TERRAIN_DESERT", "y=1"}));
    ASSERT_EQ(plot.Units().Count(), 1);
    EXPECT_EQ(plot.Units().GetUnit(0)->KeptLines(), StringList{"PlotType=0"});
    EXPECT_EQ(map.Grids().GetPlot(1, 1)->TerrainType(), "TERRAIN_OCEAN");
    ExpectSaveReadsBack(input);
}

// The 26th player block begins "BeginPlayermBeginTeam" and the map has no team: kept as it was, that
// line would open a team section after the players in the save.
TEST(FuzzRegression, ATeamMarkerInAPlayerBlockBeyondTheEighteenthIsNotWrittenBack) {
    const std::string input =
        FuzzInput("team-marker-in-a-player-block-beyond-the-eighteenth.Civ4WorldBuilderSave");
    TMap map(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(map, input));
    const StringList& extra = map.Players().ExtraBlocks();
    EXPECT_FALSE(extra.empty());
    EXPECT_TRUE(std::none_of(extra.begin(), extra.end(),
                             [](const std::string& line) { return HasMarker(line, "BeginTeam"); }));
    ExpectSaveReadsBack(input);
}

// "End-Map" does not end the map section, so "### Plot Info ###" below it is an unknown line of the
// section; kept and written back inside it, it would start the plot part of a map without plots.
TEST(FuzzRegression, APlotInfoLineInsideTheMapSectionIsNotKept) {
    const std::string input = FuzzInput("plot-info-line-inside-map-section.Civ4WorldBuilderSave");
    TMap map(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(map, input));
    EXPECT_EQ(map.MapData().KeptLines(), StringList{"End-Map"});
    ExpectSaveReadsBack(input);
}

// A city block without a "CityOwner=" line keeps its name at owner -1; the file then says
// "CityOwner=-1" first, where reading the city stops, so the name is gone after one more load.
TEST(FuzzRegression, ACityWithoutAnOwnerComesBackAsADefaultCity) {
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(first, FuzzInput("city-without-owner.Civ4WorldBuilderSave")));
    const TCity* city = first.Grids().GetPlot(0, 0)->City();
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->CityOwner(), -1);
    EXPECT_EQ(city->CityName(), "Camp");

    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, first.SaveToBytes()));
    const TCity* reloaded = second.Grids().GetPlot(0, 0)->City();
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(reloaded->CityName(), "Noname");
    EXPECT_TRUE(reloaded->KeptLines().empty());
    ExpectSaveReadsBack(second.SaveToBytes());
}

// A marker inside a value does not count: "CityName=Legendcity" does not end the city before its
// population, and the description "LEGENDGAME", written before the game's unknown lines, does not
// end the game section ahead of them on the next load.
TEST(FuzzRegression, ValuesHoldingBlockEndMarkersKeepTheirBlocksWhole) {
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(
        LoadAccepted(first, FuzzInput("values-holding-end-markers.Civ4WorldBuilderSave")));
    ASSERT_TRUE(first.Grids().GetPlot(0, 0)->HasCity());
    EXPECT_EQ(first.Grids().GetPlot(0, 0)->City()->CityPopulation(), 4);
    EXPECT_EQ(first.Game().KeptLines(), StringList{"SomethingNew=7"});
    ExpectSaveReadsBack(FuzzInput("values-holding-end-markers.Civ4WorldBuilderSave"));
}

// The sample map cut and joined by the fuzzer: a player block closes at "LeaderType=NONE\x01EndPlayer",
// whose value is then written second in the block and closes it there on the next load.
TEST(FuzzRegression, AValueHoldingEndPlayerDoesNotCutThePlayerOnTheNextLoad) {
    ExpectSaveReadsBack(FuzzInput("leader-type-holding-end-player.Civ4WorldBuilderSave"));
}

// "HolyCityReligionType=\x01RELIGION_BUDDHISM" in a city with that religion: the religion's name is
// written as the holy city's, and the rest, a control character, came back as an empty value.
TEST(FuzzRegression, WhatIsLeftOfAHolyCityValueIsWrittenAsAReloadReadsIt) {
    TMap first(65536);
    ASSERT_NO_FATAL_FAILURE(
        LoadAccepted(first, FuzzInput("holy-city-religion-holding-its-religion.Civ4WorldBuilderSave")));
    const StringList saved = first.SaveToStrings();
    EXPECT_EQ(std::count(saved.begin(), saved.end(), "\t\tHolyCityReligionType=RELIGION_BUDDHISM"), 1);
    EXPECT_EQ(
        std::count_if(saved.begin(), saved.end(),
                      [](const std::string& line) { return line.find("HolyCity") != std::string::npos; }),
        1);
    ExpectSaveReadsBack(FuzzInput("holy-city-religion-holding-its-religion.Civ4WorldBuilderSave"));

    // A leftover with text keeps it, but not its trailing blanks, which a reload would not see.
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(
        second,
        "BeginGame\nEndGame\nBeginMap\ngrid width=1\ngrid height=1\nEndMap\nBeginPlot\nx=0,y=0\n"
        "TerrainType=TERRAIN_GRASS\nPlotType=2\nBeginCity\nCityOwner=0\nReligionType=RELIGION_JUDAISM\n"
        "HolyCityReligionType=OLD \x02RELIGION_JUDAISM\nEndCity\nEndPlot\n"));
    const StringList lines = second.SaveToStrings();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "\t\tHolyCityReligionType=OLD"), lines.end());
    ExpectSaveReadsBack(second.SaveToBytes());
}

// "ModPath=\tModPath=" on the game's line: deleting the key from the value left a tab, written
// back at the end of the line, where a reload no longer sees it.
TEST(FuzzRegression, AValueThatHoldsItsKeyReadsBackAsItself) {
    const std::string input = FuzzInput("value-ending-in-its-key-after-a-blank.Civ4WorldBuilderSave");
    TMap map(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(map, input));
    EXPECT_EQ(map.Game().ModPath(), "");
    ExpectSaveReadsBack(input);
    const std::string nested = "BeginGame\n\tModPath=MaxTurn#\tModPath=\nEndGame\nBeginMap\ngrid width=1\n"
                               "grid height=1\nEndMap\nBeginPlot\nLandmark=LandLandmark=mark=Cape\nx=0,y=0\n"
                               "TerrainType=TERRAIN_GRASS\nPlotType=2\nEndPlot\n";
    TMap second(65536);
    ASSERT_NO_FATAL_FAILURE(LoadAccepted(second, nested));
    EXPECT_EQ(second.Game().ModPath(), "MaxTurn#");
    EXPECT_EQ(second.Grids().GetPlot(0, 0)->Landmark(), "Cape");
    ExpectSaveReadsBack(nested);
}

TEST(FuzzRegression, ACivicReadWithALeadingBlankSettlesAfterOneApplyOfTheSheet) {
    // First byte: the record kind and "read the rows as a block first", as the fuzz target reads it.
    const std::string input = FuzzInput("player-civic-with-leading-blank.rows");
    const StringList rows = LinesOf(std::string_view(input).substr(1));
    TPlayer player;
    player.SetTeam(0);
    player.LoadFromStrings(rows);
    player.ApplyEditorLines(rows);
    // A file line keeps the blank after "Civic="; the sheet's row is trimmed when applied.
    EXPECT_EQ(player.Civic(2), " ATTITUDEEXTRA=2");

    player.ApplyEditorLines(StringList(player.GetEditorLines()));
    EXPECT_EQ(player.Civic(2), "ATTITUDEEXTRA=2");
    const StringList shown = player.GetEditorLines();
    const StringList saved = player.SaveToStrings();
    player.ApplyEditorLines(shown);
    EXPECT_EQ(player.GetEditorLines(), shown);
    EXPECT_EQ(player.SaveToStrings(), saved);
}
