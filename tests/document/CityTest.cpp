#include "document/City.h"
#include "TestText.h"

#include <gtest/gtest.h>

TEST(City, ADefaultCityWritesFiveLines) {
    TCity city;
    EXPECT_EQ(city.SaveToStrings(),
              Lines("\tBeginCity\n\t\tCityOwner=-1\n\t\tCityName=Noname\n\t\tCityPopulation=1\n\tEndCity"));
}

TEST(City, AHolyCityReligionFollowsItsReligionLine) {
    TCity city;
    city.LoadFromStrings(Lines("\t\tCityOwner=0\n\t\tReligionType=religion_a\n\t\tReligionType=RELIGION_B\n"
                               "\t\tHolyCityReligionType=RELIGION_C\n\t\tHolyCityReligionType=RELIGION_B"));
    const StringList& lines = city.SaveToStrings();
    EXPECT_EQ(lines,
              Lines("\tBeginCity\n\t\tCityOwner=0\n"
                    "\t\tReligionType=RELIGION_A\n\t\tReligionType=RELIGION_B\n"
                    "\t\tHolyCityReligionType=RELIGION_B\n\t\tHolyCityReligionType=RELIGION_C\n\tEndCity"));
    EXPECT_EQ(city.HolyCityReligionTypes(), (StringList{"RELIGION_C", "RELIGION_B"}));
}

TEST(City, OnlyTheCurrentProductionKindIsWritten) {
    TCity city;
    city.LoadFromStrings(Lines("CityOwner=1\nProductionUnit=unit_x\nProductionBuilding=building_y"));
    EXPECT_EQ(city.ProductionKind(), TCity::TProductionKind::Building);
    EXPECT_EQ(city.SaveToStrings(),
              Lines("\tBeginCity\n\t\tCityOwner=1\n\t\tProductionBuilding=BUILDING_Y\n\tEndCity"));

    city.ApplyEditorLines({"ProductionUnit=UNIT_X"});
    EXPECT_EQ(city.ProductionKind(), TCity::TProductionKind::Building);
    city.ApplyEditorLines({"ProductionUnit=UNIT_Z"});
    EXPECT_EQ(city.ProductionKind(), TCity::TProductionKind::Unit);

    // A file's production line names what the city makes even when its text is empty.
    TCity idle;
    idle.LoadFromStrings(Lines("CityOwner=1\nProductionUnit="));
    EXPECT_EQ(idle.SaveToStrings(), Lines("\tBeginCity\n\t\tCityOwner=1\n\t\tProductionUnit=\n\tEndCity"));
}

TEST(City, CultureIsReadPerPlayerSlotAndWrittenAsTheFileWroteIt) {
    TCity city;
    city.LoadFromStrings(Lines("\t\tCityOwner=2\n\t\tPlayer3Culture=250\n\t\tPlayer5Culture=9\n"
                               "\t\tPlayer5Culture=0\n\t\tPlayer20Culture=5\n\t\tCityCulture=40"));
    EXPECT_EQ(city.GetCulture(3), 250);
    EXPECT_EQ(city.GetCulture(5), -1);
    EXPECT_EQ(city.GetCulture(2), 40);
    EXPECT_EQ(city.GetCulture(18), -1);
    // The owner's culture keeps its "CityCulture=" line, and a culture of 0 keeps its line too.
    EXPECT_EQ(city.SaveToStrings(),
              Lines("\tBeginCity\n\t\tCityOwner=2\n\t\tCityCulture=40\n\t\tPlayer3Culture=250\n"
                    "\t\tPlayer5Culture=0\n\t\tPlayer20Culture=5\n\tEndCity"));

    // Owned by another player, the culture read as the owner's is written under its slot.
    city.ApplyEditorLines({"CityOwner=4"});
    const StringList& lines = city.SaveToStrings();
    EXPECT_EQ(lines[2], "\t\tPlayer2Culture=40");
}

TEST(City, ANegativeOwnerResetsTheCityAndStopsReading) {
    TCity city;
    city.LoadFromStrings(Lines("CityOwner=3\nCityName=Rome\nCityOwner=-2\nCityName=Paris"));
    EXPECT_EQ(city.CityOwner(), -1);
    EXPECT_EQ(city.CityName(), "Noname");

    TCity written;
    written.LoadFromStrings(written.SaveToStrings());
    EXPECT_EQ(written.CityOwner(), -1);
    // Read back, a city without an owner holds its defaults and writes them as a new city does.
    TCity unowned;
    unowned.LoadFromStrings(Lines("CityName=Rome\nCityOwner=-1"));
    EXPECT_EQ(unowned.SaveToStrings(), TCity().SaveToStrings());

    TCity edited;
    edited.LoadFromStrings(Lines("CityOwner=1\nCityName=Athens\nCityPopulation=5\nBuildingType=B"));
    edited.ApplyEditorLines({"CityOwner=20"});
    EXPECT_EQ(edited.CityName(), "Noname");
    EXPECT_EQ(edited.CityPopulation(), 1);
    EXPECT_TRUE(edited.BuildingTypes().empty());
}

TEST(City, ABarbarianCityFromAFileKeepsItsOwnerAndCulture) {
    TCity city;
    city.LoadFromStrings(Lines("\tBeginCity\n\t\tCityOwner=18\n\t\tCityName=Gadir\n\t\tCityCulture=10\n"
                               "\t\tBuildingType=BUILDING_WALLS\n\t\tPlayer18Culture=4\n\tEndCity"));
    EXPECT_EQ(city.CityOwner(), 18);
    EXPECT_EQ(city.CityName(), "Gadir");
    EXPECT_EQ(city.BuildingTypes(), StringList{"BUILDING_WALLS"});
    EXPECT_EQ(city.KeptLines(), (StringList{"CityCulture=10", "Player18Culture=4"}));
    const StringList saved = city.SaveToStrings();
    TCity again;
    again.LoadFromStrings(saved);
    EXPECT_EQ(again.SaveToStrings(), saved);

    city.ApplyEditorLines({"CityOwner=19"});
    EXPECT_EQ(city.CityOwner(), -1);
    EXPECT_EQ(city.CityName(), "Noname");
}

TEST(City, NamesKeepTheirCaseAndEndAtAComma) {
    TCity city;
    city.LoadFromStrings(Lines("CityOwner=0\nCityName=Los Angeles, CA"));
    EXPECT_EQ(city.CityName(), "Los Angeles");
}

TEST(City, EditorRowsEndWithEighteenCultureRows) {
    TCity city;
    const StringList& rows = city.GetEditorLines();
    ASSERT_EQ(rows.size(), 29u);
    EXPECT_EQ(rows[11], "Player0Culture=");
    EXPECT_EQ(rows[28], "Player17Culture=");
    city.ApplyEditorLines({"CityOwner=4", "BuildingType=b1,b2,", "Player3Culture=12"});
    EXPECT_EQ(city.CityOwner(), 4);
    EXPECT_EQ(city.BuildingTypes(), (StringList{"b1", "b2"}));
    EXPECT_EQ(city.GetCulture(3), 12);
    city.ApplyEditorLines({"Player3Culture="});
    EXPECT_EQ(city.GetCulture(3), -1);
    EXPECT_THROW(city.ApplyEditorLines({"CityPopulation=lots"}), OperationAborted);
}

TEST(City, UnknownLinesStayWithTheCity) {
    TCity city;
    city.LoadFromStrings(Lines("\tBeginCity\n\t\tCityOwner=1\n\t\tCorporationType=CORPORATION_1\n"
                               "\t\tFreeSpecialistType=SPECIALIST_X\n\tEndCity"));
    EXPECT_EQ(city.KeptLines(),
              (StringList{"CorporationType=CORPORATION_1", "FreeSpecialistType=SPECIALIST_X"}));
    const StringList& lines = city.SaveToStrings();
    EXPECT_EQ(lines[lines.size() - 2], "\t\tFreeSpecialistType=SPECIALIST_X");
}

TEST(City, ACityFromAFileWritesWhatTheFileSet) {
    TCity city;
    city.LoadFromStrings(Lines("\tBeginCity\n\t\tCityOwner=3\n\t\tScriptData=Capital\n\tEndCity"));
    EXPECT_EQ(city.CityName(), "Noname");
    EXPECT_EQ(city.UnsetFieldCount(), 2);
    EXPECT_EQ(city.SaveToStrings(), Lines("\tBeginCity\n\t\tCityOwner=3\n\t\tScriptData=Capital\n\tEndCity"));
    const StringList& rows = city.GetEditorLines();
    EXPECT_EQ(rows[1], "CityName=");
    EXPECT_EQ(rows[2], "CityPopulation=");
    EXPECT_EQ(rows[10], "ScriptData=Capital");

    city.ApplyEditorLines({"CityPopulation=1", "ProductionUnit=UNIT_WARRIOR"});
    city.ApplyEditorLines({"ScriptData="});
    city.SetCityName("Roma");
    EXPECT_EQ(city.SaveToStrings(),
              Lines("\tBeginCity\n\t\tCityOwner=3\n\t\tCityName=Roma\n\t\tCityPopulation=1\n"
                    "\t\tProductionUnit=UNIT_WARRIOR\n\tEndCity"));
    // An empty row for what the city makes leaves it making nothing.
    city.ApplyEditorLines({"ProductionUnit="});
    EXPECT_EQ(city.ProductionKind(), TCity::TProductionKind::None);
    EXPECT_TRUE(city.IsSet("CityName="));
    EXPECT_FALSE(city.IsSet("ProductionUnit="));
}
