#include "catalogue/GameLayers.h"
#include "catalogue/ValueCatalogue.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The hand-made install: the base game, Beyond the Sword replacing the units and adding a text
// file, and its mod Next War replacing the terrains.
const std::string Root = std::string(TESSEL_TESTS_DATA_DIR) + "/layers/game";
const std::string Expansion = Root + "/Beyond the Sword";
const std::string NextWar = Expansion + "/Mods/Next War";

TLayerChoice Choice(TEdition edition, std::string mod = "") {
    TLayerChoice choice;
    choice.edition = edition;
    choice.mod = std::move(mod);
    return choice;
}

StringList Values(TValueCatalogue& catalogue, std::string_view key) {
    StringList values;
    catalogue.GetValueList(key, values);
    return values;
}

} // namespace

TEST(GameLayers, EachFileComesFromTheHighestLayerThatHasItAndTextsAddUp) {
    TValueCatalogue catalogue;
    const TGameLayers layers = TGameLayers::Resolve(Root, Choice(TEdition::BeyondTheSword, "next war"), {});
    catalogue.SetLayers(layers);
    EXPECT_EQ(layers.Description(), "Beyond the Sword \xC2\xB7 Next War");
    EXPECT_EQ(layers.MissingText(), "");
    EXPECT_EQ(Values(catalogue, "UnitType"), (StringList{"UNIT_AIRSHIP", "UNIT_SETTLER", "UNIT_WARRIOR"}));
    EXPECT_EQ(catalogue.SourceOf("UnitType"), "Beyond the Sword");
    EXPECT_EQ(Values(catalogue, "TerrainType"),
              (StringList{"TERRAIN_GRASS", "TERRAIN_OCEAN", "TERRAIN_WASTELAND"}));
    EXPECT_EQ(catalogue.SourceOf("TerrainType"), "Next War");
    EXPECT_EQ(Values(catalogue, "Era"), (StringList{"ERA_ANCIENT", "ERA_CLASSICAL"}));
    // The expansion's text replaces the base game's text of the same tag and adds its own; its
    // Civilopedia article on a leader is no leader's name.
    EXPECT_EQ(Values(catalogue, "LeaderName"), (StringList{"Asoka", "Bismarck the Iron", "Charlemagne"}));
    EXPECT_EQ(catalogue.SourceOf("LeaderName"), "Beyond the Sword, base game");

    catalogue.SetLayers(TGameLayers::Resolve(Root, Choice(TEdition::Base), {}));
    EXPECT_EQ(Values(catalogue, "UnitType"), (StringList{"UNIT_SETTLER", "UNIT_WARRIOR"}));
    EXPECT_EQ(Values(catalogue, "LeaderName"), (StringList{"Asoka", "Bismarck"}));
}

TEST(GameLayers, ListsOfALayerSetUsedBeforeAreKeptWithoutReadingAgain) {
    TTempFolder install;
    install.Write("Assets/XML/Units/CIV4UnitInfos.xml", "<Type>UNIT_WARRIOR</Type>\n");
    install.Write("Warlords/Assets/XML/Units/CIV4UnitInfos.xml", "<Type>UNIT_BERSERKER</Type>\n");
    TValueCatalogue catalogue;
    catalogue.SetLayers(TGameLayers::Resolve(install.Path(), Choice(TEdition::Warlords), {}));
    EXPECT_EQ(Values(catalogue, "UnitType"), StringList{"UNIT_BERSERKER"});
    catalogue.SetLayers(TGameLayers::Resolve(install.Path(), Choice(TEdition::Base), {}));
    EXPECT_EQ(Values(catalogue, "UnitType"), StringList{"UNIT_WARRIOR"});

    std::filesystem::remove(install / "Warlords/Assets/XML/Units/CIV4UnitInfos.xml");
    catalogue.SetLayers(TGameLayers::Resolve(install.Path(), Choice(TEdition::Warlords), {}));
    EXPECT_EQ(Values(catalogue, "UnitType"), StringList{"UNIT_BERSERKER"});
}

TEST(GameLayers, AnExpansionsOrAModsFolderLeadsUpToTheGame) {
    const TNamedFolder root = LocateGameFolder(Root + "/");
    EXPECT_EQ(root.root, Root);
    EXPECT_FALSE(root.edition.has_value());

    const TNamedFolder expansion = LocateGameFolder(Expansion);
    EXPECT_EQ(expansion.root, Root);
    EXPECT_EQ(expansion.edition, TEdition::BeyondTheSword);
    EXPECT_EQ(expansion.mod, "");

    const TNamedFolder mod = LocateGameFolder(NextWar);
    EXPECT_EQ(mod.root, Root);
    EXPECT_EQ(mod.edition, TEdition::BeyondTheSword);
    EXPECT_EQ(mod.mod, "Next War");
    // The folder named stands over what a base-game map without a mod asks for.
    const TLayerChoice choice = mod.Over(ChoiceOfMap("Earth.Civ4WorldBuilderSave", ""));
    EXPECT_EQ(choice, Choice(TEdition::BeyondTheSword, "Next War"));
}

TEST(GameLayers, AMissingLayerIsNamedAndTheLayersThatExistAreUsed) {
    const TGameLayers noMod =
        TGameLayers::Resolve(Root, ChoiceOfMap("Scenario.CivBeyondSwordWBSave", "Mods\\Star Wars\\"), {});
    EXPECT_EQ(
        noMod.MissingText(),
        "ModPath names Mods\\Star Wars\\, which is not in the game folder: checked against Beyond the Sword");
    EXPECT_EQ(noMod.NamesText(), "Beyond the Sword, base game");

    const TGameLayers noExpansion =
        TGameLayers::Resolve(Root, ChoiceOfMap("Old.CivWarlordsWBSave", "Mods\\Next War\\"), {});
    EXPECT_EQ(noExpansion.MissingText(),
              "The map is for Warlords, which is not in the game folder: checked against the base game");
    EXPECT_EQ(noExpansion.NamesText(), "base game");
}

TEST(GameLayers, MapsNameTheirEditionByExtensionAndTheirModInEveryForm) {
    EXPECT_EQ(EditionOfMapFile("a/Earth.CivBeyondSwordWBSave"), TEdition::BeyondTheSword);
    EXPECT_EQ(EditionOfMapFile("Earth.civwarlordswbsave"), TEdition::Warlords);
    EXPECT_EQ(EditionOfMapFile("Earth.Civ4WorldBuilderSave"), TEdition::Base);
    EXPECT_EQ(EditionOfMapFile(""), TEdition::Base);
    for (const char* modPath :
         {"Mods\\Next War\\", "Mods/Next War", "mods\\Next War", "MODS/Next War/", "Next War"})
        EXPECT_EQ(ModNameOfModPath(modPath), "Next War") << modPath;
    for (const char* modPath : {"", "  ", "Mods\\", "\\"})
        EXPECT_EQ(ModNameOfModPath(modPath), "") << modPath;
    TEdition edition = TEdition::Base;
    EXPECT_TRUE(ParseEdition("BTS", edition));
    EXPECT_EQ(edition, TEdition::BeyondTheSword);
    EXPECT_FALSE(ParseEdition("vanilla", edition));
}

TEST(GameLayers, CustomAssetsOfThePrefixSitAboveTheEditionWhenNoModRuns) {
    TTempFolder prefix;
    prefix.Write(
        "drive_c/users/steamuser/My Documents/My Games/Beyond the Sword/CustomAssets/Assets/XML/Units/"
        "CIV4UnitInfos.xml",
        "<Type>UNIT_CUSTOM</Type>\n");
    const TGameLayers custom = TGameLayers::Resolve(Root, Choice(TEdition::BeyondTheSword), {prefix.Path()});
    EXPECT_EQ(custom.NamesText(), "CustomAssets, Beyond the Sword, base game");
    std::string layer;
    EXPECT_NE(custom.FindFile("Assets/XML/Units/CIV4UnitInfos.xml", &layer), "");
    EXPECT_EQ(layer, "CustomAssets");

    const TGameLayers withMod =
        TGameLayers::Resolve(Root, Choice(TEdition::BeyondTheSword, "Next War"), {prefix.Path()});
    EXPECT_EQ(withMod.NamesText(), "Next War, Beyond the Sword, base game");
}
