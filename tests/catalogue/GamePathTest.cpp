#include "catalogue/GamePath.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(GamePath, BackslashesBecomeSlashes) {
    EXPECT_EQ(ToLocalSeparators("/games/civ4\\Assets\\XML\\GlobalTypes.xml"),
              "/games/civ4/Assets/XML/GlobalTypes.xml");
}

TEST(GamePath, ExistingPathIsTakenAsWritten) {
    const TTempFolder folder;
    const std::string file = folder.Write("Assets/XML/GlobalTypes.xml", "");
    std::string resolved;
    EXPECT_TRUE(ResolvePathIgnoringCase(file, resolved));
    EXPECT_EQ(resolved, file);
}

TEST(GamePath, EachComponentFindsItsEntryIgnoringCase) {
    const TTempFolder folder;
    const std::string file = folder.Write("assets/Xml/globaltypes.XML", "");
    std::string resolved;
    EXPECT_TRUE(ResolvePathIgnoringCase(folder.Path() + "/Assets/XML/GlobalTypes.xml", resolved));
    EXPECT_EQ(resolved, file);
}

TEST(GamePath, SeveralMatchesTakeTheFirstInByteOrder) {
    const TTempFolder folder;
    folder.Write("xml/a.xml", "");
    const std::string file = folder.Write("XML/a.xml", "");
    std::string resolved;
    EXPECT_TRUE(ResolvePathIgnoringCase(folder.Path() + "/Xml/a.xml", resolved));
    EXPECT_EQ(resolved, file);
}

TEST(GamePath, MissingComponentFailsAndKeepsTheRestAsWritten) {
    const TTempFolder folder;
    folder.MakeFolder("assets");
    std::string resolved;
    EXPECT_FALSE(ResolvePathIgnoringCase(folder.Path() + "/Assets/XML/GlobalTypes.xml", resolved));
    EXPECT_EQ(resolved, folder.Path() + "/assets/XML/GlobalTypes.xml");
}

TEST(GamePath, EmptyPathNamesNothing) {
    std::string resolved;
    EXPECT_FALSE(ResolvePathIgnoringCase("", resolved));
}
