// Every key of the table against a whole game folder: the base game's files and our sample.

#include "catalogue/ValueCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

struct TGameFolder {
    const char* name;
    std::string path;
};

void PrintTo(const TGameFolder& folder, std::ostream* out) {
    *out << folder.name << " at " << folder.path;
}

std::string Fold(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            c = static_cast<char>(u - 32);
    }
    return folded;
}

bool Contains(const StringList& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

class GameFiles : public ::testing::TestWithParam<TGameFolder> {
protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(GetParam().path + "/Assets/XML"))
            GTEST_SKIP() << "no game folder at " << GetParam().path;
        catalogue.SetGameDir(GetParam().path);
    }

    StringList Values(std::string_view key) {
        StringList list;
        catalogue.GetValueList(key, list);
        return list;
    }

    TValueCatalogue catalogue;
};

} // namespace

TEST_P(GameFiles, EveryFileBackedKeyGivesASortedListOfValues) {
    for (const std::string& key : TValueCatalogue::CatalogueKeys()) {
        const TValueInfo* entry = catalogue.FindEntry(key);
        ASSERT_NE(entry, nullptr) << key;
        if (!entry->Reader())
            continue;
        StringList values;
        ASSERT_NO_THROW(values = Values(key)) << key;
        EXPECT_FALSE(values.empty()) << key;
        for (std::size_t i = 1; i < values.size(); ++i)
            EXPECT_LE(Fold(values[i - 1]), Fold(values[i])) << key << " at " << i;
        for (const std::string& value : values)
            EXPECT_EQ(value.find_first_of("<>\r\n"), std::string::npos) << key << ": " << value;
    }
}

TEST_P(GameFiles, TypeListsHoldTheBaseGamesNames) {
    EXPECT_TRUE(Contains(Values("TerrainType"), "TERRAIN_GRASS"));
    EXPECT_TRUE(Contains(Values("TerrainType"), "TERRAIN_PEAK"));
    EXPECT_TRUE(Contains(Values("FeatureType"), "FEATURE_FOREST"));
    EXPECT_TRUE(Contains(Values("BonusType"), "BONUS_HORSE"));
    EXPECT_TRUE(Contains(Values("ImprovementType"), "IMPROVEMENT_FARM"));
    EXPECT_TRUE(Contains(Values("RouteType"), "ROUTE_RAILROAD"));
    EXPECT_TRUE(Contains(Values("UnitType"), "UNIT_WARRIOR"));
    EXPECT_EQ(Values("UnitType"), Values("ProductionUnit"));
    EXPECT_TRUE(Contains(Values("PromotionType"), "PROMOTION_COMBAT1"));
    EXPECT_TRUE(Contains(Values("BuildingType"), "BUILDING_PALACE"));
    EXPECT_TRUE(Contains(Values("ProductionProject"), "PROJECT_APOLLO_PROGRAM"));
    EXPECT_TRUE(Contains(Values("ProductionProcess"), "PROCESS_WEALTH"));
    EXPECT_TRUE(Contains(Values("StateReligion"), "RELIGION_BUDDHISM"));
    EXPECT_TRUE(Contains(Values("Tech"), "TECH_MINING"));
    EXPECT_TRUE(Contains(Values("Era"), "ERA_ANCIENT"));
    EXPECT_TRUE(Contains(Values("Speed"), "GAMESPEED_NORMAL"));
    EXPECT_TRUE(Contains(Values("Victory"), "VICTORY_CONQUEST"));
    EXPECT_TRUE(Contains(Values("Option"), "GAMEOPTION_RAGING_BARBARIANS"));
    EXPECT_TRUE(Contains(Values("Handicap"), "HANDICAP_NOBLE"));
    EXPECT_TRUE(Contains(Values("world size"), "WORLDSIZE_STANDARD"));
    EXPECT_TRUE(Contains(Values("climate"), "CLIMATE_TEMPERATE"));
    EXPECT_TRUE(Contains(Values("sealevel"), "SEALEVEL_MEDIUM"));
    EXPECT_TRUE(Contains(Values("LeaderType"), "LEADER_ELIZABETH"));
    EXPECT_TRUE(Contains(Values("CivType"), "CIVILIZATION_ENGLAND"));
    EXPECT_TRUE(Contains(Values("Color"), "PLAYERCOLOR_RED"));
    EXPECT_TRUE(Contains(Values("ArtStyle"), "ARTSTYLE_EUROPEAN"));
    EXPECT_TRUE(Contains(Values("FlagDecal"), "Art/Interface/TeamColor/FlagDECAL_Star.dds"));
}

TEST_P(GameFiles, FilteredTypeListsKeepOnlyTheirKind) {
    const StringList calendars = Values("Calendar");
    EXPECT_TRUE(Contains(calendars, "CALENDAR_DEFAULT"));
    for (const std::string& value : calendars)
        EXPECT_EQ(value.rfind("CALENDAR_", 0), 0u) << value;
    const StringList unitAIs = Values("UnitAIType");
    EXPECT_TRUE(Contains(unitAIs, "UNITAI_SETTLE"));
    for (const std::string& value : unitAIs)
        EXPECT_EQ(value.rfind("UNITAI_", 0), 0u) << value;
}

TEST_P(GameFiles, CivicsAreListedUnderTheirOption) {
    EXPECT_TRUE(Contains(Values("CIVICOPTION_LEGAL"), "CIVIC_BARBARISM"));
    EXPECT_TRUE(Contains(Values("CIVICOPTION_GOVERNMENT"), "CIVIC_DESPOTISM"));
    EXPECT_TRUE(Contains(Values("CIVICOPTION_LABOR"), "CIVIC_SLAVERY"));
    EXPECT_TRUE(Contains(Values("CIVICOPTION_ECONOMY"), "CIVIC_FREE_MARKET"));
    EXPECT_TRUE(Contains(Values("CIVICOPTION_RELIGION"), "CIVIC_PAGANISM"));
    EXPECT_FALSE(Contains(Values("CIVICOPTION_LEGAL"), "CIVIC_DESPOTISM"));
}

TEST_P(GameFiles, TextListsHoldEnglishDisplayNames) {
    const StringList leaders = Values("LeaderName");
    EXPECT_TRUE(Contains(leaders, "Elizabeth"));
    EXPECT_TRUE(Contains(leaders, "Hatshepsut")) << "an English text nested on its <Text> line";
    const StringList descriptions = Values("CivDesc");
    EXPECT_TRUE(Contains(descriptions, "American Empire"));
    EXPECT_FALSE(Contains(descriptions, "America")) << "short descriptions are excluded";
    EXPECT_TRUE(Contains(Values("CivShortDesc"), "America"));
    EXPECT_TRUE(Contains(Values("CivAdjective"), "American"));
    const StringList cities = Values("CityName");
    EXPECT_TRUE(Contains(cities, "Washington"));
    for (const StringList& texts : {leaders, descriptions, cities})
        for (const std::string& text : texts)
            EXPECT_EQ(text.find("&#"), std::string::npos) << "an undecoded reference in " << text;
}

TEST(SampleGame, TextsWriteAccentedLettersAsCharacterReferences) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir(TESSEL_SAMPLES_DIR "/game");
    StringList cities;
    catalogue.GetValueList("CityName", cities);
    EXPECT_TRUE(Contains(cities, "S\xE3o Paulo"));
    EXPECT_TRUE(Contains(cities, "Z\xFCrich"));
}

INSTANTIATE_TEST_SUITE_P(Folders, GameFiles,
                         ::testing::Values(TGameFolder{"RealGame", TESSEL_REALDATA_DIR "/game"},
                                           TGameFolder{"SampleGame", TESSEL_SAMPLES_DIR "/game"}),
                         [](const ::testing::TestParamInfo<TGameFolder>& info) { return info.param.name; });
