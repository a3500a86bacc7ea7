// What the records' field tables add to every record: clearing, setters and IsSet by key.

#include "TestText.h"
#include "document/City.h"
#include "document/MapSection.h"
#include "document/Plot.h"

#include <gtest/gtest.h>

namespace {

// Loads a full block into a record, clears it and compares it with a new one.
template <typename TRecord> void ExpectClearedAsNew(std::string_view block) {
    TRecord record;
    record.LoadFromStrings(Lines(block));
    record.Clear();
    TRecord fresh;
    EXPECT_EQ(record.SaveToStrings(), fresh.SaveToStrings());
    EXPECT_EQ(record.GetEditorLines(), fresh.GetEditorLines());
    EXPECT_TRUE(record.KeptLines().empty());
    EXPECT_EQ(record.UnsetFieldCount(), 0);
}

} // namespace

TEST(FieldRecord, AClearedPlotWritesAndShowsAsANewOne) {
    // A new plot takes its defaults from its members, a cleared one from its table.
    ExpectClearedAsNew<TPlot>(
        "BeginPlot\n\tx=3,y=7\n\tLandmark=Rock\n\tScriptData=s\n\tRiverNSDirection=2\n\tisNOfRiver\n"
        "\tRiverWEDirection=3\n\tisWOfRiver\n\tStartingPlot\n\tBonusType=BONUS_WHEAT\n"
        "\tImprovementType=IMPROVEMENT_FARM\n\tFeatureType=FEATURE_FOREST, FeatureVariety=2\n"
        "\tRouteType=ROUTE_ROAD\n\tTerrainType=TERRAIN_GRASS\n\tPlotType=1\n\tBeginUnit\n"
        "\t\tUnitType=UNIT_WARRIOR, UnitOwner=1\n\tEndUnit\n\tTeamReveal=0,4,\n\tSleepy=1\nEndPlot");
}

TEST(FieldRecord, AClearedCityWritesAndShowsAsANewOne) {
    // Its production, religions and culture are cleared by the city's own code.
    ExpectClearedAsNew<TCity>(
        "\tBeginCity\n\t\tCityOwner=2\n\t\tCityName=Rome\n\t\tCityPopulation=5\n"
        "\t\tProductionUnit=UNIT_WARRIOR\n\t\tBuildingType=BUILDING_PALACE\n\t\tReligionType=RELIGION_X\n"
        "\t\tHolyCityReligionType=RELIGION_X\n\t\tScriptData=s\n\t\tCityCulture=40\n"
        "\t\tPlayer3Culture=7\n\t\tWalls=1\n\tEndCity");
}

TEST(FieldRecord, ASetterStoresInItsOwnFieldAsItsKindSays) {
    TMapSection section;
    section.LoadFromStrings(Lines("BeginMap\n\tgrid width=4\n\tgrid height=2\nEndMap"));
    section.SetClimate("climate_arid");
    section.SetSeaLevel("sealevel_high");
    section.SetWrapY(1);
    EXPECT_EQ(section.Climate(), "CLIMATE_ARID");
    EXPECT_EQ(section.SeaLevel(), "SEALEVEL_HIGH");
    EXPECT_EQ(section.WorldSize(), "WORLDSIZE_SMALL");
    EXPECT_EQ(section.WrapX(), 1);
    EXPECT_TRUE(section.IsSet("Climate="));
    EXPECT_FALSE(section.IsSet("world size="));
    EXPECT_EQ(section.SaveToStrings(),
              Lines("BeginMap\n\tgrid width=4\n\tgrid height=2\n\twrap Y=1\n\tclimate=CLIMATE_ARID\n"
                    "\tsealevel=SEALEVEL_HIGH\n\tnum plots written=8\nEndMap"));

    TPlot plot;
    plot.SetPlotType(7);
    plot.SetFeatureVariety(5);
    plot.SetRiverWEDirection(3);
    plot.SetRiverNSDirection(3);
    EXPECT_EQ(plot.PlotType(), -1);
    EXPECT_EQ(plot.FeatureVariety(), 0);
    EXPECT_EQ(plot.RiverWEDirection(), 3);
    EXPECT_EQ(plot.RiverNSDirection(), -1);
}

TEST(FieldRecord, AKeyNotInTheTableIsNeverSet) {
    TCity city;
    EXPECT_TRUE(city.IsSet("cityowner="));
    EXPECT_FALSE(city.IsSet("CityOwner"));
    EXPECT_FALSE(city.IsSet("Walls="));
    EXPECT_FALSE(city.IsSet("Player3Culture="));
    city.SetCulture(3, 12);
    EXPECT_TRUE(city.IsSet("Player3Culture="));
}
