#include "catalogue/GameFolder.h"
#include "catalogue/GameLayers.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A system.reg as Wine writes it, holding the given key blocks.
std::string Registry(std::string_view blocks) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
           "[Software\\\\Classes\\\\.txt] 1600000000\n#time=1d6a\n@=\"txtfile\"\n\n" +
           std::string(blocks);
}

std::string Key(std::string_view path, std::string_view installDir) {
    return "[" + std::string(path) +
           "] 1700000000\n#time=1d7b\n\"Language\"=dword:00000409\n\"INSTALLDIR\"=\"" +
           std::string(installDir) + "\"\n\n";
}

// A home folder with a Wine prefix at ~/.wine.
class GameFolderSearch : public ::testing::Test {
protected:
    TGameSearchPlaces Places() const { return {home.Path(), ""}; }
    std::string Prefix() const { return home / ".wine"; }
    std::string MakeGame(std::string_view relative) const {
        home.Write(std::string(relative) + "/Assets/XML/GameInfo/CIV4EraInfos.xml",
                   "<Type>ERA_ANCIENT</Type>\n");
        return home / relative;
    }

    TTempFolder home;
};

} // namespace

TEST(WineRegistry, ReadsKeysAndStringValuesWithTheirEscapes) {
    const TWineRegistry registry = TWineRegistry::Parse(
        Registry("[Software\\\\Firaxis Games\\\\Halvard's \\\"Best\\\" Civ] 1700000000\n"
                 "\"INSTALLDIR\"=\"C:\\\\Games\\\\Caf\\xe9 \\\"Q\\\"\"\n\"Kind\"=str(2):\"%ProgramFiles%\"\n"
                 "\"Flags\"=hex:01,02\n"));
    std::string value;
    ASSERT_TRUE(registry.ReadString("SOFTWARE\\firaxis games\\Halvard's \"Best\" Civ", "installdir", value));
    EXPECT_EQ(value, "C:\\Games\\Caf\xC3\xA9 \"Q\"");
    ASSERT_TRUE(registry.ReadString("Software\\Firaxis Games\\Halvard's \"Best\" Civ", "Kind", value));
    EXPECT_EQ(value, "%ProgramFiles%");
    EXPECT_FALSE(registry.ReadString("Software\\Firaxis Games\\Halvard's \"Best\" Civ", "Flags", value));
    EXPECT_FALSE(registry.HasKey("Software\\Firaxis Games"));
    EXPECT_EQ(registry.SubkeyNames("software\\FIRAXIS GAMES"),
              (std::vector<std::string>{"Halvard's \"Best\" Civ"}));
}

TEST(WineRegistry, GarbageGivesNoKeys) {
    std::string garbage = "\x00\xFF[\\\\\"=\n[unterminated\n\"A\"=\"B\"\n";
    for (int i = 0; i < 4096; ++i)
        garbage.push_back(static_cast<char>(i * 37 % 256));
    const TWineRegistry registry = TWineRegistry::Parse(garbage);
    EXPECT_TRUE(GameKeyCandidates(registry).empty());
}

TEST(WineRegistry, DemoKeyComesFirstThenTheFullGameThenOtherEditions) {
    const TWineRegistry registry = TWineRegistry::Parse(Registry(
        Key("Software\\\\Firaxis Games\\\\Sid Meier's Civilization 4", "C:\\\\Other") +
        Key("Software\\\\Wow6432Node\\\\Firaxis Games\\\\Halvard's Civilization 4", "C:\\\\Full32") +
        Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4 Demo", "C:\\\\Demo") +
        Key("Software\\\\Firaxis Games\\\\Sid Meier's Civilization 4 Demo\\\\Patches", "C:\\\\Patch")));
    EXPECT_EQ(GameKeyCandidates(registry),
              (std::vector<std::string>{"SOFTWARE\\Firaxis Games\\Halvard's Civilization 4 Demo",
                                        "SOFTWARE\\Wow6432Node\\Firaxis Games\\Halvard's Civilization 4",
                                        "SOFTWARE\\Firaxis Games\\Sid Meier's Civilization 4"}))
        << "a subkey that exists only through its own subkey is no candidate";
}

TEST_F(GameFolderSearch, NothingFoundGivesAnEmptyFolder) {
    EXPECT_EQ(FindGameFolder(Places()), "");
}

TEST_F(GameFolderSearch, DemoWinsOverTheFullGame) {
    const std::string demo = MakeGame(".wine/drive_c/Games/Demo");
    MakeGame(".wine/drive_c/Games/Full");
    home.Write(
        ".wine/system.reg",
        Registry(Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4", "C:\\\\Games\\\\Full") +
                 Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4 Demo", "C:\\\\Games\\\\Demo")));
    EXPECT_EQ(FindGameFolder(Places()), demo);
}

TEST_F(GameFolderSearch, SixtyFourBitPrefixKeepsTheKeyBelowWow6432Node) {
    const std::string game = MakeGame(".wine/drive_c/Program Files (x86)/Civ4");
    home.Write(".wine/system.reg",
               Registry(Key("Software\\\\Wow6432Node\\\\Firaxis Games\\\\Halvard's Civilization 4",
                            "C:\\\\Program Files (x86)\\\\Civ4\\\\")));
    EXPECT_EQ(FindGameFolder(Places()), game);
}

TEST_F(GameFolderSearch, OtherEditionsAreFoundByTheEndOfTheirKeyName) {
    const std::string game = MakeGame(".wine/drive_c/Firaxis/Civ4");
    home.Write(".wine/system.reg", Registry(Key("Software\\\\Firaxis Games\\\\Sid Meier's CIVILIZATION 4",
                                                "C:\\\\Firaxis\\\\Civ4")));
    EXPECT_EQ(FindGameFolder(Places()), game);
}

TEST_F(GameFolderSearch, AnExpansionsKeyNamesItsFolderBesideTheBaseGame) {
    const std::string game = MakeGame(".wine/drive_c/Civ4");
    home.MakeFolder(".wine/drive_c/Civ4/Beyond the Sword/Assets/XML");
    home.Write(".wine/system.reg",
               Registry(Key("Software\\\\Firaxis Games\\\\Sid Meier's Civilization 4 - Beyond the Sword",
                            "C:\\\\Civ4\\\\Beyond the Sword")));
    EXPECT_EQ(FindGameFolder(Places()), game + "/Beyond the Sword");
    EXPECT_EQ(LocateGameFolder(FindGameFolder(Places())).root, game);
}

TEST_F(GameFolderSearch, WindowsPathFindsFoldersWhateverTheirCase) {
    const std::string game = MakeGame(".wine/drive_c/games/civ4");
    home.Write(".wine/system.reg",
               Registry(Key("SOFTWARE\\\\FIRAXIS GAMES\\\\HALVARD'S CIVILIZATION 4", "c:\\\\GAMES\\\\Civ4")));
    EXPECT_EQ(FindGameFolder(Places()), game);
}

TEST_F(GameFolderSearch, DriveLettersGoThroughTheDosDevicesLinks) {
    const std::string game = MakeGame("elsewhere/Civ4");
    home.MakeFolder(".wine/dosdevices");
    std::filesystem::create_directory_symlink(home / "elsewhere", home / ".wine/dosdevices/d:");
    home.Write(".wine/system.reg",
               Registry(Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4", "D:\\\\Civ4")));
    EXPECT_EQ(FindGameFolder(Places()), home / ".wine/dosdevices/d:/Civ4");
    EXPECT_TRUE(std::filesystem::equivalent(FindGameFolder(Places()), game));
}

TEST_F(GameFolderSearch, AKeyWhoseFolderIsGoneGivesWayToTheNext) {
    const std::string full = MakeGame(".wine/drive_c/Full");
    home.Write(".wine/system.reg",
               Registry(Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4 Demo", "C:\\\\Removed") +
                        Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4", "C:\\\\Full")));
    EXPECT_EQ(FindGameFolder(Places()), full);
}

TEST_F(GameFolderSearch, WinePrefixVariableReplacesTheHomePrefix) {
    MakeGame(".wine/drive_c/Home");
    home.Write(".wine/system.reg",
               Registry(Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4", "C:\\\\Home")));
    const std::string game = MakeGame("prefix/drive_c/Mine");
    home.Write("prefix/system.reg",
               Registry(Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4", "C:\\\\Mine")));
    EXPECT_EQ(FindGameFolder({home.Path(), home / "prefix"}), game);
}

TEST_F(GameFolderSearch, ProtonPrefixesAreSearched) {
    const std::string game = MakeGame(".local/share/Steam/steamapps/compatdata/3900/pfx/drive_c/Civ4");
    home.Write(".local/share/Steam/steamapps/compatdata/3900/pfx/system.reg",
               Registry(Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4", "C:\\\\Civ4")));
    EXPECT_EQ(FindGameFolder(Places()), game);
}

TEST_F(GameFolderSearch, SteamLibraryFolderHoldingTheGameFilesIsFound) {
    home.MakeFolder(".steam/steam/steamapps/common/Another Game/Assets");
    const std::string game = home / ".steam/steam/steamapps/common/Civ IV";
    home.Write(".steam/steam/steamapps/common/Civ IV/assets/xml/gameinfo/civ4erainfos.xml", "");
    EXPECT_EQ(FindGameFolder(Places()), game);
}

TEST_F(GameFolderSearch, RegistryWinsOverSteamLibraries) {
    MakeGame(".steam/steam/steamapps/common/Civ IV");
    const std::string game = MakeGame(".wine/drive_c/Civ4");
    home.Write(".wine/system.reg",
               Registry(Key("Software\\\\Firaxis Games\\\\Halvard's Civilization 4", "C:\\\\Civ4")));
    EXPECT_EQ(FindGameFolder(Places()), game);
}

TEST(WindowsPathInPrefix, PathsWithoutADriveOrAMappedDriveGiveNothing) {
    const TTempFolder prefix;
    prefix.MakeFolder("drive_c/Games");
    EXPECT_EQ(WindowsPathInPrefix(prefix.Path(), "\\\\server\\share"), "");
    EXPECT_EQ(WindowsPathInPrefix(prefix.Path(), "E:\\Games"), "");
    EXPECT_EQ(WindowsPathInPrefix(prefix.Path(), "C:\\Games"), prefix / "drive_c/Games");
}
