#include "catalogue/MapValidator.h"
#include "../document/TestText.h"
#include "TempFolder.h"
#include "document/Map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

const std::string SampleGame = TESSEL_SAMPLES_DIR "/game";

// A map of 2 x 2 plots whose sections hold the given lines; every plot is grassland unless the
// plot lines say otherwise for the plot at (1, 0).
TMap MakeMap(std::string_view game, std::string_view teams, std::string_view players, std::string_view map,
             std::string_view plot10) {
    std::string text = "Version=11\nBeginGame\n" + std::string(game) + "EndGame\n" + std::string(teams) +
                       std::string(players) + "BeginMap\ngrid width=2\ngrid height=2\n" + std::string(map) +
                       "EndMap\n";
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 2; ++y) {
            text += "BeginPlot\nx=" + std::to_string(x) + ",y=" + std::to_string(y) + "\n";
            text += x == 1 && y == 0 ? std::string(plot10) : "TerrainType=TERRAIN_GRASS\nPlotType=2\n";
            text += "EndPlot\n";
        }
    TMap result;
    result.LoadFromStrings(Lines(text));
    return result;
}

TMapValidator SampleRules() {
    TValueCatalogue catalogue;
    catalogue.SetGameDir(SampleGame);
    TMapValidator validator;
    validator.LoadRules(catalogue);
    return validator;
}

StringList Texts(const std::vector<TMapFinding>& findings) {
    StringList texts;
    for (const TMapFinding& finding : findings)
        texts.push_back(finding.ToText());
    return texts;
}

const char* const KnownGame = "Era=ERA_ANCIENT\nSpeed=gamespeed_normal\nCalendar=CALENDAR_DEFAULT\n"
                              "Option=GAMEOPTION_NO_BARBARIANS\nVictory=VICTORY_TIME\n";
const char* const KnownTeam = "BeginTeam\nTech=TECH_AGRICULTURE\nContactWithTeam=1\n"
                              "ProjectType=PROJECT_SDI\nEndTeam\n";
const char* const KnownPlayer =
    "BeginPlayer\nTeam=0\nLeaderType=LEADER_ASOKA\nLeaderName=Anyone at all\nCivDesc=Made up\n"
    "FlagDecal=Art/Nowhere.dds\nCivType=CIVILIZATION_INDIA\nColor=PLAYERCOLOR_PURPLE\n"
    "ArtStyle=ARTSTYLE_ASIAN\nStateReligion=\nStartingEra=ERA_ANCIENT\n"
    "CivicOption=CIVICOPTION_LABOR, Civic=CIVIC_SLAVERY\nHandicap=HANDICAP_NOBLE\nEndPlayer\n"
    "BeginPlayer\nTeam=1\nLeaderType=NONE\nCivType=NONE\nColor=NONE\nArtStyle=NONE\nEndPlayer\n";
const char* const KnownMap =
    "world size=WORLDSIZE_DUEL\nclimate=CLIMATE_TEMPERATE\nsealevel=SEALEVEL_MEDIUM\n";
const char* const KnownPlot =
    "TerrainType=TERRAIN_GRASS\nPlotType=2\nFeatureType=FEATURE_FOREST\nBonusType=\nRouteType=ROUTE_ROAD\n"
    "BeginUnit\nUnitType=UNIT_WARRIOR, "
    "UnitOwner=0\nPromotionType=PROMOTION_COMBAT1\nUnitAIType=UNITAI_ATTACK\n"
    "EndUnit\nBeginUnit\nUnitType=UNIT_WARRIOR, UnitOwner=18\nEndUnit\n"
    "BeginCity\nCityOwner=0\nCityName=Nowhere Special\nProductionBuilding=BUILDING_OBELISK\n"
    "BuildingType=BUILDING_PALACE\nReligionType=RELIGION_HINDUISM\nHolyCityReligionType=RELIGION_HINDUISM\n"
    "EndCity\n";

} // namespace

TEST(MapValidator, AMapOfKnownValuesAndFreeTextsHasNoFindings) {
    const TMapValidator validator = SampleRules();
    const TMap map = MakeMap(KnownGame, KnownTeam, KnownPlayer, KnownMap, KnownPlot);
    TValidationCounts counts;
    EXPECT_EQ(Texts(validator.Check(map, &counts)), StringList());
    EXPECT_EQ(
        counts.SummaryText(),
        "Checked 4 plots, 2 units, 1 city, 1 team and 2 players: 0 unknown values, 0 numbers out of range");
    EXPECT_EQ(counts.Findings(), 0);
}

TEST(MapValidator, NamesEveryUnknownValueWithItsPlace) {
    const TMapValidator validator = SampleRules();
    const TMap map = MakeMap(
        "Era=ERA_ANCEINT\nOption=GAMEOPTION_NO_BARBARIANS\nOption=GAMEOPTION_NO_VASSAL_STATES\n",
        "BeginTeam\nTech=TECH_WARP_DRIVE\nTech=TECH_AGRICULTURE\nProjectType=PROJECT_X\nEndTeam\n",
        "BeginPlayer\nTeam=0\nLeaderType=LEADER_ASOKA\nCivType=CIVILIZATION_ATLANTIS\n"
        "CivicOption=CIVICOPTION_LABOR, Civic=CIVIC_DESPOTISM\nHandicap=HANDICAP_NOBEL\nEndPlayer\n",
        "world size=WORLDSIZE_DUEL\nclimate=CLIMATE_MILD\n",
        "TerrainType=TERRAIN_GRASS\nPlotType=2\nFeatureType=FEATURE_FORESTT\nImprovementType=IMPROVEMENT_X\n"
        "BeginUnit\nUnitType=UNIT_WARRIOR, UnitOwner=0\nEndUnit\n"
        "BeginUnit\nUnitType=UNIT_WARRIOR, UnitOwner=0\nPromotionType=PROMOTION_COMBAT1\n"
        "PromotionType=PROMOTION_X\nUnitAIType=UNITAI_NAP\nEndUnit\n"
        "BeginCity\nCityOwner=0\nProductionUnit=UNIT_WORK_BOAT\nBuildingType=BUILDING_MONUMENT\n"
        "HolyCityReligionType=RELIGION_JEDI\nEndCity\n");
    TValidationCounts counts;
    const std::vector<TMapFinding> findings = validator.Check(map, &counts);
    EXPECT_EQ(
        Texts(findings),
        (StringList{"game: Era=ERA_ANCEINT", "game: Option=GAMEOPTION_NO_VASSAL_STATES",
                    "team 0: Tech=TECH_WARP_DRIVE", "team 0: ProjectType=PROJECT_X",
                    "player 0: CivType=CIVILIZATION_ATLANTIS", "player 0: CIVICOPTION_LABOR=CIVIC_DESPOTISM",
                    "player 0: Handicap=HANDICAP_NOBEL", "map: climate=CLIMATE_MILD",
                    "plot (1, 0): ImprovementType=IMPROVEMENT_X", "plot (1, 0): FeatureType=FEATURE_FORESTT",
                    "unit 1 on plot (1, 0): PromotionType=PROMOTION_X",
                    "unit 1 on plot (1, 0): UnitAIType=UNITAI_NAP",
                    "city on plot (1, 0): ProductionUnit=UNIT_WORK_BOAT",
                    "city on plot (1, 0): BuildingType=BUILDING_MONUMENT",
                    "city on plot (1, 0): HolyCityReligionType=RELIGION_JEDI"}));
    EXPECT_EQ(counts.unknownValues, 15);
    EXPECT_EQ(counts.Findings(), 15);

    // The editor selects a finding's plot, unit or slot from its fields.
    const TMapFinding& unit = findings[10];
    EXPECT_EQ(unit.kind, TFindingKind::UnknownValue);
    EXPECT_EQ(unit.place, TFindingPlace::Unit);
    EXPECT_EQ(unit.index, 1);
    EXPECT_EQ(unit.x, 1);
    EXPECT_EQ(unit.y, 0);
    EXPECT_EQ(unit.key, "PromotionType");
    EXPECT_EQ(unit.value, "PROMOTION_X");
    EXPECT_EQ(findings[4].place, TFindingPlace::Player);
    EXPECT_EQ(findings[4].index, 0);
    EXPECT_EQ(findings[8].place, TFindingPlace::Plot);
}

TEST(MapValidator, ANumberThatNamesNoSlotIsOutOfRangeButTheBarbariansAreNot) {
    const TMapValidator validator = SampleRules();
    const TMap map = MakeMap(
        "", "BeginTeam\nAtWar=25\nOpenBordersWithTeam=1\nEndTeam\n",
        "BeginPlayer\nTeam=30\nAttitudePlayer=19, AttitudeExtra=2\nEndPlayer\n", "",
        "TerrainType=TERRAIN_GRASS\nPlotType=2\nBeginUnit\nUnitType=UNIT_WARRIOR, UnitOwner=18\nEndUnit\n"
        "BeginUnit\nUnitType=UNIT_WARRIOR, UnitOwner=19\nEndUnit\n"
        "BeginUnit\nUnitType=UNIT_WARRIOR, UnitOwner=-2\nEndUnit\nBeginCity\nCityOwner=40\nEndCity\n");
    TValidationCounts counts;
    const std::vector<TMapFinding> findings = validator.Check(map, &counts);
    EXPECT_EQ(Texts(findings),
              (StringList{"team 0: AtWar=25", "player 0: Team=30", "player 0: AttitudePlayer=19",
                          "unit 1 on plot (1, 0): UnitOwner=19", "unit 2 on plot (1, 0): UnitOwner=-2",
                          "city on plot (1, 0): CityOwner=40"}));
    EXPECT_TRUE(std::all_of(findings.begin(), findings.end(), [](const TMapFinding& finding) {
        return finding.kind == TFindingKind::NumberOutOfRange;
    }));
    EXPECT_EQ(counts.numbersOutOfRange, 6);
    EXPECT_EQ(counts.unknownValues, 0);
    EXPECT_EQ(
        counts.SummaryText(),
        "Checked 4 plots, 3 units, 1 city, 1 team and 1 player: 0 unknown values, 6 numbers out of range");
}

TEST(MapValidator, BlocksBeyondTheSlotsAreFoundOnceEach) {
    std::string teams, players;
    for (int i = 0; i < 20; ++i) {
        teams += "BeginTeam\nContactWithTeam=" + std::to_string(i) + "\nEndTeam\n";
        players += "BeginPlayer\nTeam=" + std::to_string(i % 18) + "\nLeaderType=NONE\nEndPlayer\n";
    }
    const TMap map = MakeMap("", teams, players, "", "TerrainType=TERRAIN_GRASS\nPlotType=2\n");
    TValidationCounts counts;
    EXPECT_EQ(
        Texts(SampleRules().Check(map, &counts)),
        (StringList{"map: 2 team blocks beyond the game's 18", "map: 2 player blocks beyond the game's 18"}));
    EXPECT_EQ(counts.blocksBeyondSlots, 4);
    EXPECT_EQ(counts.Findings(), 4);
    EXPECT_EQ(counts.SummaryText(),
              "Checked 4 plots, 0 units, 0 cities, 18 teams and 18 players: 0 unknown values, "
              "0 numbers out of range, 4 blocks beyond the game's 18 teams and players");
}

TEST(MapValidator, ComparesIgnoringCaseAndKnowsOnlyCheckedKeys) {
    const TMapValidator validator = SampleRules();
    EXPECT_TRUE(validator.HasRules());
    EXPECT_TRUE(validator.IsKnown("terraintype", "terrain_grass"));
    EXPECT_FALSE(validator.IsKnown("TerrainType", "TERRAIN_GRAS"));
    // A civic is legal only under its own option.
    EXPECT_TRUE(validator.IsKnown("CIVICOPTION_LABOR", "CIVIC_SLAVERY"));
    EXPECT_FALSE(validator.IsKnown("CIVICOPTION_GOVERNMENT", "CIVIC_SLAVERY"));
    // Keys that share a file share its values.
    EXPECT_TRUE(validator.IsKnown("BuildingType", "BUILDING_OBELISK"));
    EXPECT_TRUE(validator.IsKnown("ProductionBuilding", "BUILDING_OBELISK"));
    EXPECT_FALSE(validator.IsKnown("CityName", "Delhi"));
    EXPECT_FALSE(TMapValidator().IsKnown("TerrainType", "TERRAIN_GRASS"));
}

TEST(MapValidator, AGameFolderWithoutAFileFailsNamingItAndKeepsTheRulesItHad) {
    TTempFolder game;
    fs::copy(SampleGame, game.Path(), fs::copy_options::recursive);
    fs::remove(game / "Assets/XML/Terrain/CIV4TerrainInfos.xml");
    TValueCatalogue catalogue;
    catalogue.SetGameDir(game.Path());
    TMapValidator validator = SampleRules();
    try {
        validator.LoadRules(catalogue);
        FAIL() << "a missing terrain file must fail";
    } catch (const OperationAborted& error) {
        EXPECT_NE(std::string(error.what()).find("CIV4TerrainInfos.xml"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(validator.IsKnown("TerrainType", "TERRAIN_GRASS"));

    TValueCatalogue noGame;
    TMapValidator fresh;
    EXPECT_THROW(fresh.LoadRules(noGame), OperationAborted);
    EXPECT_FALSE(fresh.HasRules());
}

// Every real map checks against the base game; what a map names of an expansion or a mod is a
// finding, and each finding really is missing from the game's list.
TEST(MapValidator, RealMapsCheckAgainstTheRealGame) {
    const fs::path folder = fs::path(TESSEL_REALDATA_DIR);
    if (!fs::is_directory(folder / "maps") || !fs::is_directory(folder / "game"))
        GTEST_SKIP() << "no real data at " << folder;
    TValueCatalogue catalogue;
    catalogue.SetGameDir((folder / "game").string());
    TMapValidator validator;
    validator.LoadRules(catalogue);

    const std::map<std::string, int> expectedFindings = {{"GreekWorld.Civ4WorldBuilderSave", 0},
                                                         {"a_BenchmarkMedium.Civ4WorldBuilderSave", 0},
                                                         {"Crusades.Civ4WorldBuilderSave", 13},
                                                         {"tutorial1.CivBeyondSwordWBSave", 14}};
    int maps = 0;
    for (const auto& entry : fs::directory_iterator(folder / "maps")) {
        SCOPED_TRACE(entry.path().filename().string());
        TMap map;
        map.LoadFromFile(entry.path().string());
        ++maps;
        const std::vector<TMapFinding> findings = validator.Check(map);
        for (const TMapFinding& finding : findings) {
            if (finding.kind != TFindingKind::UnknownValue)
                continue;
            StringList legal;
            catalogue.GetValueList(finding.key, legal);
            EXPECT_TRUE(std::none_of(legal.begin(), legal.end(), [&](const std::string& value) {
                return SameText(value, finding.value);
            })) << finding.ToText();
        }
        const auto expected = expectedFindings.find(entry.path().filename().string());
        if (expected != expectedFindings.end()) {
            EXPECT_EQ(static_cast<int>(findings.size()), expected->second);
        }
    }
    EXPECT_EQ(maps, 19);
}

TEST(MapValidator, FindsTheOutskirtsOfJerusalemWhereTheCrusadesPutThem) {
    const fs::path file = fs::path(TESSEL_REALDATA_DIR) / "maps/Crusades.Civ4WorldBuilderSave";
    if (!fs::exists(file))
        GTEST_SKIP() << "no real map at " << file;
    TValueCatalogue catalogue;
    catalogue.SetGameDir(TESSEL_REALDATA_DIR "/game");
    TMapValidator validator;
    validator.LoadRules(catalogue);
    TMap map;
    map.LoadFromFile(file.string());
    const std::vector<TMapFinding> findings = validator.Check(map);
    const auto outskirts = std::find_if(findings.begin(), findings.end(), [](const TMapFinding& finding) {
        return finding.value == "IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM";
    });
    ASSERT_NE(outskirts, findings.end());
    EXPECT_EQ(outskirts->ToText(), "plot (10, 11): ImprovementType=IMPROVEMENT_OUTSKIRTS_OF_JERUSALEM");
    EXPECT_EQ(map.Grids().GetPlot(outskirts->x, outskirts->y)->ImprovementType(), outskirts->value);
}
