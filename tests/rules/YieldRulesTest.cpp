// The yield rules read from the game's XML, and the natural yield of a plot under them.

#include "rules/YieldRules.h"
#include "RulesTestFiles.h"
#include "TempFolder.h"
#include "catalogue/GameLayers.h"
#include "document/LineCodec.h"
#include "document/Plot.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

using namespace rulestest;

namespace {

TPlot Plot(int plotType, const char* terrain, const char* feature = "", const char* bonus = "") {
    TPlot plot;
    plot.SetPlotType(plotType);
    plot.SetTerrainType(terrain);
    plot.SetFeatureType(feature);
    plot.SetBonusType(bonus);
    return plot;
}

class YieldRulesTest : public ::testing::Test {
protected:
    void SetUp() override { TRuleTexts().LoadInto(rules); }

    TYields Yield(int plotType, const char* terrain, const char* feature = "", const char* bonus = "",
                  bool river = false) const {
        return rules.NaturalYield(Plot(plotType, terrain, feature, bonus), river);
    }

    TYieldRules rules;
};

// The message of the abort that `load` raises; "" when it raises none.
template <typename Load> std::string AbortMessage(Load load) {
    try {
        load();
    } catch (const OperationAborted& abort) {
        return abort.what();
    }
    return {};
}

// The four files below a game folder, in the folder and under the names given.
void WriteGame(const TTempFolder& folder, const TRuleTexts& texts,
               const std::string& terrainFolder = "Assets/XML/Terrain",
               const std::array<const char*, 4>& names = {"CIV4TerrainInfos.xml", "CIV4FeatureInfos.xml",
                                                          "CIV4BonusInfos.xml", "CIV4YieldInfos.xml"}) {
    folder.Write(terrainFolder + "/" + names[0], texts.terrains);
    folder.Write(terrainFolder + "/" + names[1], texts.features);
    folder.Write(terrainFolder + "/" + names[2], texts.bonuses);
    folder.Write(terrainFolder + "/" + names[3], texts.yields);
}

} // namespace

TEST_F(YieldRulesTest, FlatPlotYieldsItsTerrainFeatureAndBonus) {
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS"), (TYields{2, 0, 0}));
    EXPECT_EQ(Yield(2, "TERRAIN_PLAINS", "FEATURE_FOREST"), (TYields{1, 2, 0}));
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS", "", "BONUS_GOLD"), (TYields{2, 0, 2}));
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS", "FEATURE_FOREST", "BONUS_COW"), (TYields{3, 1, 0}));
    EXPECT_EQ(Yield(3, "TERRAIN_OCEAN"), (TYields{1, 0, 1}));
}

TEST_F(YieldRulesTest, HillsAddTheYieldChangeAndTheTerrainsHillsChangeWithoutFeature) {
    // Grass 2/0/0, hills -1/+1/0, grass on hills 0/0/+3.
    EXPECT_EQ(Yield(1, "TERRAIN_GRASS"), (TYields{1, 1, 3}));
    // Plains have no hills change of their own.
    EXPECT_EQ(Yield(1, "TERRAIN_PLAINS", "", "BONUS_HORSE"), (TYields{0, 3, 0}));
}

TEST_F(YieldRulesTest, HillsWithFeatureTakeTheFeaturesHillsChangeInsteadOfTheTerrains) {
    // Grass 2/0/0, hills -1/+1/0, forest on hills +1/0/0 (not grass's 0/0/+3), forest 0/+1/0.
    EXPECT_EQ(Yield(1, "TERRAIN_GRASS", "FEATURE_FOREST"), (TYields{2, 2, 0}));
}

TEST_F(YieldRulesTest, PeakYieldsNothingWhateverItHolds) {
    EXPECT_EQ(Yield(0, "TERRAIN_GRASS", "FEATURE_FOREST", "BONUS_COW", true), (TYields{0, 0, 0}));
    EXPECT_EQ(rules.PeakChange(), (TYieldChanges{0, 2, 0}));
}

TEST_F(YieldRulesTest, RiverAddsTheTerrainsRiverChangeWithoutFeature) {
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS", "", "", true), (TYields{2, 0, 1}));
    EXPECT_EQ(Yield(1, "TERRAIN_PLAINS", "", "", true), (TYields{0, 2, 1}));
}

TEST_F(YieldRulesTest, RiverWithFeatureAddsTheFeaturesRiverChangeInsteadOfTheTerrains) {
    // Forest has no river change: the grass's commerce on a river is lost under it.
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS", "FEATURE_FOREST", "", true), (TYields{2, 1, 0}));
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS", "FEATURE_FLOOD_PLAINS", "", true), (TYields{5, 0, 2}));
}

TEST_F(YieldRulesTest, EachYieldIsAtLeastZero) {
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS", "FEATURE_FALLOUT", "BONUS_GOLD"), (TYields{0, 0, 0}));
}

TEST_F(YieldRulesTest, UnknownTypesAddNothing) {
    EXPECT_EQ(Yield(2, "TERRAIN_MARSH", "", "BONUS_COW"), (TYields{1, 0, 0}));
    EXPECT_EQ(Yield(2, "TERRAIN_GRASS", "FEATURE_SWAMP", "BONUS_TEA"), (TYields{2, 0, 0}));
    EXPECT_EQ(rules.Terrain("TERRAIN_MARSH"), nullptr);
}

TEST(YieldRules, YieldListsFollowTheOrderOfTheYieldFile) {
    TRuleTexts texts;
    // A mod that lists commerce first, and a yield of its own between the others.
    texts.yields = InfoFile("Civ4YieldInfos", "YieldInfos",
                            YieldRecord("YIELD_COMMERCE", 0, 0) + YieldRecord("YIELD_CULTURE", 5, 5) +
                                YieldRecord("YIELD_FOOD", -1, 0) + YieldRecord("YIELD_PRODUCTION", 1, 0));
    TYieldRules rules;
    texts.LoadInto(rules);
    // Grass lists 2, 0, 0: now 2 commerce, 0 culture, 0 food; plains list 1, 1, 0.
    EXPECT_EQ(rules.Terrain("TERRAIN_GRASS")->yields, (TYieldChanges{0, 0, 2}));
    EXPECT_EQ(rules.Terrain("TERRAIN_PLAINS")->yields, (TYieldChanges{0, 0, 1}));
    EXPECT_EQ(rules.HillsChange(), (TYieldChanges{-1, 1, 0}));
}

TEST(YieldRules, ReadsTheFilesBelowAGameFolderWhateverTheLetterCaseOfTheirNames) {
    const TTempFolder game;
    WriteGame(game, TRuleTexts(), "assets/xml/TERRAIN",
              {"civ4terraininfos.XML", "Civ4FeatureInfos.xml", "CIV4BONUSINFOS.XML", "civ4yieldinfos.xml"});
    TYieldRules rules;
    rules.LoadFromGameDir(game.Path());
    ASSERT_NE(rules.Terrain("TERRAIN_GRASS"), nullptr);
    EXPECT_EQ(rules.Terrain("TERRAIN_GRASS")->river, (TYieldChanges{0, 0, 1}));
    EXPECT_EQ(rules.Bonus("BONUS_GOLD")->yields, (TYieldChanges{0, 0, 2}));
}

TEST(YieldRules, EachFileComesFromTheHighestLayerThatHasIt) {
    const TTempFolder game;
    WriteGame(game, TRuleTexts());
    TRuleTexts modded;
    modded.terrains = InfoFile(
        "Civ4TerrainInfos", "TerrainInfos",
        Record("TerrainInfo", "TERRAIN_GRASS",
               List("Yields", {4, 0, 0}) + List("RiverYieldChange", {}) + List("HillsYieldChange", {})));
    game.Write("Mods/Next War/Assets/XML/Terrain/CIV4TerrainInfos.xml", modded.terrains);
    TLayerChoice choice;
    choice.mod = "Next War";
    TYieldRules rules;
    rules.LoadFromLayers(TGameLayers::Resolve(game.Path(), choice, {}));
    EXPECT_EQ(rules.Terrain("TERRAIN_GRASS")->yields, (TYieldChanges{4, 0, 0}));
    EXPECT_EQ(rules.Terrain("TERRAIN_PLAINS"), nullptr);
    EXPECT_EQ(rules.Bonus("BONUS_GOLD")->yields, (TYieldChanges{0, 0, 2}));
}

TEST(YieldRules, MissingFileIsNamedAndKeepsTheRulesHeldBefore) {
    const TTempFolder game;
    WriteGame(game, TRuleTexts());
    std::filesystem::remove(game / TYieldRules::BonusFile);
    TYieldRules rules;
    TRuleTexts().LoadInto(rules);
    const std::string message = AbortMessage([&] { rules.LoadFromGameDir(game.Path()); });
    EXPECT_NE(message.find("CIV4BonusInfos.xml"), std::string::npos) << message;
    EXPECT_NE(rules.Terrain("TERRAIN_GRASS"), nullptr);
}

TEST(YieldRules, BrokenFilesAreNamedWithWhatIsWrong) {
    struct TCase {
        const char* what;
        std::string TRuleTexts::*file;
        std::string text;
        const char* name;
        const char* says;
    };
    const TCase cases[] = {
        {"not XML", &TRuleTexts::features, "<Civ4FeatureInfos><FeatureInfos>\n<FeatureInfo>\n",
         "features.xml", "is not well-formed XML ("},
        {"no list", &TRuleTexts::terrains, "<Civ4TerrainInfos/>", "terrains.xml", "<TerrainInfos>"},
        {"a record without type", &TRuleTexts::bonuses,
         InfoFile("Civ4BonusInfos", "BonusInfos", "<BonusInfo><YieldChanges/></BonusInfo>"), "bonuses.xml",
         "without a <Type>"},
        {"a word for a number", &TRuleTexts::terrains,
         InfoFile("Civ4TerrainInfos", "TerrainInfos",
                  Record("TerrainInfo", "TERRAIN_GRASS", "<Yields><iYield>two</iYield></Yields>")),
         "terrains.xml", "\"two\""},
        {"a number beyond 32 bits", &TRuleTexts::yields,
         InfoFile("Civ4YieldInfos", "YieldInfos",
                  Record("YieldInfo", "YIELD_FOOD", "<iHillsChange>4294967296</iHillsChange>")),
         "yields.xml", "iHillsChange"},
        {"a yield missing", &TRuleTexts::yields,
         InfoFile("Civ4YieldInfos", "YieldInfos",
                  YieldRecord("YIELD_FOOD", -1, 0) + YieldRecord("YIELD_PRODUCTION", 1, 0)),
         "yields.xml", "YIELD_COMMERCE"},
    };
    for (const TCase& broken : cases) {
        TRuleTexts texts;
        texts.*broken.file = broken.text;
        TYieldRules rules;
        const std::string message = AbortMessage([&] { texts.LoadInto(rules); });
        EXPECT_NE(message.find(broken.name), std::string::npos) << broken.what << ": " << message;
        EXPECT_NE(message.find(broken.says), std::string::npos) << broken.what << ": " << message;
    }
}

TEST(YieldRules, AnyBytesInAFileLoadOrFailWithAReason) {
    const std::string garbage[] = {
        "",
        std::string("\xff\xfe<\0?\0x\0m\0l\0", 12),
        std::string(200000, '<'),
        [] {
            std::string deep;
            for (int i = 0; i < 100000; ++i)
                deep += "<YieldInfos>";
            return deep;
        }(),
        InfoFile("Civ4YieldInfos", "YieldInfos", std::string(5000, '\0')),
        "<a><![CDATA[" + std::string(1000, ']') + "</a>",
        InfoFile("Civ4TerrainInfos", "TerrainInfos",
                 Record("TerrainInfo", "TERRAIN_GRASS",
                        "<Yields><iYield>-2147483648</iYield><iYield>2147483647</iYield>"
                        "<iYield>2147483647</iYield><iYield>9</iYield></Yields>")),
    };
    for (std::string TRuleTexts::*file :
         {&TRuleTexts::terrains, &TRuleTexts::features, &TRuleTexts::bonuses, &TRuleTexts::yields})
        for (const std::string& bytes : garbage) {
            TRuleTexts texts;
            texts.*file = bytes;
            TYieldRules rules;
            try {
                texts.LoadInto(rules);
            } catch (const OperationAborted& abort) {
                EXPECT_STRNE(abort.what(), "Operation aborted");
            }
        }
}

TEST(YieldRules, ExtremeValuesSumWithoutOverflow) {
    TRuleTexts texts;
    texts.terrains = InfoFile("Civ4TerrainInfos", "TerrainInfos",
                              Record("TerrainInfo", "TERRAIN_GRASS",
                                     List("Yields", {2147483647, 2147483647, -2147483647 - 1}) +
                                         List("RiverYieldChange", {2147483647, 0, 0})));
    TYieldRules rules;
    texts.LoadInto(rules);
    EXPECT_EQ(rules.NaturalYield(Plot(2, "TERRAIN_GRASS", "", "BONUS_COW"), true),
              (TYields{2LL * 2147483647 + 1, 2147483647, 0}));
}

TEST(YieldRules, BaseGameFilesGiveTheGamesYields) {
    const std::string game = std::string(TESSEL_REALDATA_DIR) + "/game";
    if (!std::filesystem::is_directory(game))
        GTEST_SKIP() << "no real game files at " << game;
    TYieldRules rules;
    rules.LoadFromGameDir(game);
    EXPECT_EQ(rules.Terrain("TERRAIN_PLAINS")->yields, (TYieldChanges{1, 1, 0}));
    EXPECT_EQ(rules.Terrain("TERRAIN_DESERT")->river, (TYieldChanges{0, 0, 1}));
    EXPECT_EQ(rules.Feature("FEATURE_FLOOD_PLAINS")->yields, (TYieldChanges{3, 0, 0}));
    EXPECT_EQ(rules.Bonus("BONUS_GEMS")->yields, (TYieldChanges{0, 0, 1}));
    EXPECT_EQ(rules.HillsChange(), (TYieldChanges{-1, 1, 0}));
    // Desert flood plains on a river: 0/0/0 + 3/0/0 + the feature's river change 0/0/1.
    EXPECT_EQ(rules.NaturalYield(Plot(2, "TERRAIN_DESERT", "FEATURE_FLOOD_PLAINS"), true),
              (TYields{3, 0, 1}));
}
