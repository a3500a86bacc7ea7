#include "catalogue/ValueCatalogue.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

StringList Values(TValueCatalogue& catalogue, std::string_view key) {
    StringList list{"left over"};
    catalogue.GetValueList(key, list);
    return list;
}

// The error text of the request, "" when it raised nothing.
std::string AbortText(TValueCatalogue& catalogue, std::string_view key) {
    StringList list;
    try {
        catalogue.GetValueList(key, list);
    } catch (const OperationAborted& error) {
        EXPECT_TRUE(list.empty());
        return error.what();
    }
    return {};
}

} // namespace

TEST(ValueCatalogue, NewCatalogueKnowsNoKey) {
    TValueCatalogue catalogue;
    EXPECT_EQ(catalogue.GameDir(), "");
    EXPECT_EQ(catalogue.EntryCount(), 0u);
    EXPECT_EQ(catalogue.GetKind("TerrainType"), 0);
}

TEST(ValueCatalogue, EmptyGameDirBuildsNothing) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("");
    EXPECT_EQ(catalogue.EntryCount(), 0u);
    for (const std::string& key : TValueCatalogue::CatalogueKeys())
        EXPECT_EQ(catalogue.GetKind(key), 0) << key;
    EXPECT_TRUE(Values(catalogue, "PlotType").empty());
    EXPECT_EQ(catalogue.ApplyEditStyles({"Units=", "City="}), (std::vector<int>{0, 0}));
}

TEST(ValueCatalogue, KeyTableHoldsItsSixtySevenKeysInOrder) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    EXPECT_EQ(catalogue.EntryCount(), 67u);
    const StringList keys = TValueCatalogue::CatalogueKeys();
    ASSERT_EQ(keys.size(), 67u);
    EXPECT_EQ(keys.front(), "Era");
    EXPECT_EQ(keys[17], "LeaderName");
    EXPECT_EQ(keys[36], "world size");
    EXPECT_EQ(keys.back(), "HolyCityReligionType");
}

TEST(ValueCatalogue, KindsFollowTheKeyIgnoringCase) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    EXPECT_EQ(catalogue.GetKind("Tech"), 1);
    EXPECT_EQ(catalogue.GetKind("TerrainType"), 2);
    EXPECT_EQ(catalogue.GetKind("terraintype"), 2);
    EXPECT_EQ(catalogue.GetKind("era"), 2);
    EXPECT_EQ(catalogue.GetKind("Level"), 0);
    EXPECT_EQ(catalogue.GetKind("Era "), 0);
    EXPECT_EQ(catalogue.GetKind("Era="), 0);
    EXPECT_EQ(catalogue.GetKind("Units"), 1);
    EXPECT_EQ(catalogue.GetKind("World Size"), 2);
}

TEST(ValueCatalogue, FixedListsNeedNoFile) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("/no/such/game");
    EXPECT_EQ(Values(catalogue, "PlotType"), (StringList{"0", "1", "2", "3"}));
    EXPECT_EQ(Values(catalogue, "RiverWEDirection"), (StringList{"1", "3"}));
    EXPECT_EQ(Values(catalogue, "RiverNSDirection"), (StringList{"0", "2"}));
    EXPECT_EQ(Values(catalogue, "FeatureVariety"), (StringList{"0", "1", "2"}));
    EXPECT_EQ(Values(catalogue, "StartingPlot"), (StringList{"0", "1"}));
    const StringList owners = Values(catalogue, "UnitOwner");
    ASSERT_EQ(owners.size(), 18u);
    EXPECT_EQ(owners.front(), "0");
    EXPECT_EQ(owners.back(), "17");
    EXPECT_EQ(Values(catalogue, "Team"), owners);
}

TEST(ValueCatalogue, TeamNamesComeInNumericOrder) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    const StringList teams = Values(catalogue, "ContactWithTeam");
    ASSERT_EQ(teams.size(), 18u);
    EXPECT_EQ(teams[9], "Team9");
    EXPECT_EQ(teams[10], "Team10");
    EXPECT_EQ(teams[17], "Team17");
    EXPECT_EQ(catalogue.GetTeamNames(), teams);
    EXPECT_EQ(Values(catalogue, "TeamReveal"), teams);
    const StringList& players = catalogue.GetPlayerNames();
    ASSERT_EQ(players.size(), 18u);
    EXPECT_EQ(players.front(), "Player0");
    EXPECT_EQ(players.back(), "Player17");
}

TEST(ValueCatalogue, UnitsAndCityHaveButtonsButNoValues) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    EXPECT_TRUE(Values(catalogue, "Units").empty());
    EXPECT_TRUE(Values(catalogue, "City").empty());
}

TEST(ValueCatalogue, UnknownKeyGivesAnEmptyList) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    EXPECT_TRUE(Values(catalogue, "Level").empty());
}

TEST(ValueCatalogue, ReadersNameTheGameFilesBelowTheGameDir) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    EXPECT_EQ(catalogue.FindEntry("Era")->Reader()->FileName(),
              "C:\\Game\\Assets\\XML\\GameInfo\\CIV4EraInfos.xml");
    EXPECT_EQ(catalogue.FindEntry("ArtStyle")->Reader()->FileName(),
              "C:\\Game\\Assets\\XML\\GlobalTypes.xml");
    EXPECT_EQ(catalogue.FindEntry("PlotType")->Reader(), nullptr);
}

TEST(ValueCatalogue, EachKeyReadsItsFileOnceEvenWhereKeysShareAFile) {
    const TTempFolder game;
    const std::string eras = game.Write("Assets/XML/GameInfo/CIV4EraInfos.xml",
                                        "<Type>ERA_MEDIEVAL</Type>\n<Type>ERA_ANCIENT</Type>\n");
    TValueCatalogue catalogue;
    catalogue.SetGameDir(game.Path());
    EXPECT_EQ(Values(catalogue, "Era"), (StringList{"ERA_ANCIENT", "ERA_MEDIEVAL"}));
    std::filesystem::remove(eras);
    EXPECT_EQ(Values(catalogue, "Era"), (StringList{"ERA_ANCIENT", "ERA_MEDIEVAL"}))
        << "served from the cache";
    const std::string error = AbortText(catalogue, "StartingEra");
    EXPECT_NE(error.find("Assets/XML/GameInfo/CIV4EraInfos.xml"), std::string::npos) << error;
}

TEST(ValueCatalogue, MissingFileAbortsEachRequestUntilItExists) {
    const TTempFolder game;
    TValueCatalogue catalogue;
    catalogue.SetGameDir(game.Path());
    EXPECT_EQ(catalogue.GetKind("TerrainType"), 2) << "styles do not need the files";
    EXPECT_NE(AbortText(catalogue, "TerrainType").find("CIV4TerrainInfos.xml"), std::string::npos);
    EXPECT_NE(AbortText(catalogue, "TerrainType"), "");
    game.Write("Assets/XML/Terrain/CIV4TerrainInfos.xml", "<Type>TERRAIN_GRASS</Type>\n");
    EXPECT_EQ(Values(catalogue, "TerrainType"), (StringList{"TERRAIN_GRASS"}));
}

TEST(ValueCatalogue, CallersGetCopies) {
    const TTempFolder game;
    game.Write("Assets/XML/Terrain/CIV4TerrainInfos.xml", "<Type>TERRAIN_GRASS</Type>\n");
    TValueCatalogue catalogue;
    catalogue.SetGameDir(game.Path());
    StringList terrains = Values(catalogue, "TerrainType");
    terrains.push_back("TERRAIN_MINE");
    StringList flags = Values(catalogue, "RevealMap");
    flags[0] = "changed";
    EXPECT_EQ(Values(catalogue, "TerrainType"), (StringList{"TERRAIN_GRASS"}));
    EXPECT_EQ(Values(catalogue, "RevealMap"), (StringList{"0", "1"}));
}

TEST(ValueCatalogue, SameGameDirKeepsTheTableAndAnotherHasItsOwn) {
    const TTempFolder game, other;
    const std::string eras = game.Write("Assets/XML/GameInfo/CIV4EraInfos.xml", "<Type>ERA_ANCIENT</Type>\n");
    TValueCatalogue catalogue;
    catalogue.SetGameDir(game.Path());
    EXPECT_EQ(Values(catalogue, "Era"), (StringList{"ERA_ANCIENT"}));
    std::filesystem::remove(eras);
    catalogue.SetGameDir(game.Path());
    EXPECT_EQ(Values(catalogue, "Era"), (StringList{"ERA_ANCIENT"})) << "the same text rebuilds nothing";
    catalogue.SetGameDir(other.Path());
    EXPECT_NE(AbortText(catalogue, "Era"), "") << "another folder reads its own files";
}

TEST(ValueCatalogue, GameDirComparesWithLetterCase) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    catalogue.SetGameDir("C:\\game");
    EXPECT_EQ(catalogue.GameDir(), "C:\\game");
    EXPECT_EQ(catalogue.FindEntry("Era")->Reader()->FileName(),
              "C:\\game\\Assets\\XML\\GameInfo\\CIV4EraInfos.xml");
}

TEST(ValueCatalogue, EditStylesFollowEachRowsKey) {
    TValueCatalogue catalogue;
    catalogue.SetGameDir("C:\\Game");
    EXPECT_EQ(catalogue.ApplyEditStyles({"Era=X", "Foo=1", "Option=A,B,"}), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(catalogue.ApplyEditStyles({"Units", "city=", "", "=Era"}), (std::vector<int>{1, 1, 0, 0}));
}

TEST(ValueCatalogue, CatalogueKeysAreKnownWithoutATable) {
    EXPECT_TRUE(TValueCatalogue::IsCatalogueKey("terraintype"));
    EXPECT_TRUE(TValueCatalogue::IsCatalogueKey("CIVICOPTION_LEGAL"));
    EXPECT_FALSE(TValueCatalogue::IsCatalogueKey("Level"));
    EXPECT_EQ(TValueCatalogue::KeyTableKind("tech"), KindSeveralValues);
    EXPECT_EQ(TValueCatalogue::KeyTableKind("TerrainType"), KindOneValue);
    EXPECT_EQ(TValueCatalogue::KeyTableKind("Level"), KindPlainText);
}
