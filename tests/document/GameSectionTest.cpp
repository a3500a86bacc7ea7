#include "document/GameSection.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(GameSection, ClearedSectionWritesItsDefaults) {
    TGameSection game;
    EXPECT_EQ(game.SaveToStrings(),
              Lines("BeginGame\n\tEra=ERA_ANCIENT\n\tSpeed=GAMESPEED_EPIC\n\tCalendar=CALENDAR_DEFAULT\n"
                    "\tGameTurn=0\n\tMaxTurns=0\n\tMaxCityElimination=0\n\tTargetScore=0\n\tStartYear=-4000\n"
                    "\tDescription=\n\tModPath=\nEndGame"));
}

TEST(GameSection, TypeNamesAreUpperCasedFreeTextKeepsItsCaseAndListsKeepFileOrder) {
    TGameSection game;
    game.LoadFromStrings(
        Lines("BeginGame\n\tDescription=My map\n\tModPath=Mods\\Foo\n\tOption=b\n\tOption=A\n"
              "\tOption=b\n\tVictory=\n\tera=era_medieval\nEndGame"));
    EXPECT_EQ(game.Description(), "My map");
    EXPECT_EQ(game.ModPath(), "Mods\\Foo");
    EXPECT_EQ(game.Era(), "ERA_MEDIEVAL");
    EXPECT_EQ(game.Options(), (StringList{"B", "A", "B"}));
    EXPECT_EQ(game.Victories(), StringList{""});
    EXPECT_EQ(game.SaveToStrings(),
              Lines("BeginGame\n\tEra=ERA_MEDIEVAL\n\tOption=B\n\tOption=A\n\tOption=B\n\tVictory=\n"
                    "\tDescription=My map\n\tModPath=Mods\\Foo\nEndGame"));
    game.ApplyEditorLines({"Description=Old Invictus"});
    EXPECT_EQ(game.Description(), "Old Invictus");
}

TEST(GameSection, IntegersKeepTheirValueWhenEmptyAndRaiseWhenMalformed) {
    TGameSection game;
    game.LoadFromStrings(Lines("GameTurn=12\nGameTurn=\nStartYear=-3000"));
    EXPECT_EQ(game.GameTurn(), 12);
    EXPECT_EQ(game.StartYear(), -3000);
    EXPECT_THROW(game.LoadFromStrings(Lines("MaxTurns=5\nTargetScore=many\nEra=ERA_X")), OperationAborted);
    EXPECT_EQ(game.MaxTurns(), 5);
    EXPECT_EQ(game.Era(), "ERA_ANCIENT");
}

TEST(GameSection, AnEraLineAfterTheEndMarkerStillCounts) {
    TGameSection game;
    game.LoadFromStrings(Lines("BeginGame\nEndGame\nEra=ERA_RENAISSANCE"));
    EXPECT_EQ(game.Era(), "ERA_RENAISSANCE");
}

TEST(GameSection, EditorRowsShowListsAsCommaTextAndWhatTheFileLeftUnsetAsEmpty) {
    TGameSection game;
    game.ApplyEditorLines({"Option=A,B,"});
    const StringList& rows = game.GetEditorLines();
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[0], "Era=ERA_ANCIENT");
    EXPECT_EQ(rows[3], "Option=A,B,");
    EXPECT_EQ(rows[4], "MPOption=");
    EXPECT_EQ(rows[11], "StartYear=-4000");
    EXPECT_EQ(rows[13], "ModPath=");

    TGameSection read;
    read.LoadFromStrings(Lines("BeginGame\n\tSpeed=GAMESPEED_NORMAL\n\tStartYear=-4000\nEndGame"));
    EXPECT_EQ(read.GetEditorLines(),
              (StringList{"Era=", "Speed=GAMESPEED_NORMAL", "Calendar=", "Option=", "MPOption=",
                          "ForceControl=", "Victory=", "GameTurn=", "MaxTurns=", "MaxCityElimination=",
                          "TargetScore=", "StartYear=-4000", "Description=", "ModPath="}));
    EXPECT_EQ(read.Era(), "ERA_ANCIENT");
}

TEST(GameSection, EditorRowsReplaceWholeListsAndSetSingleValues) {
    TGameSection game;
    game.LoadFromStrings(Lines("Option=OLD"));
    game.ApplyEditorLines({"Option=a,B,"});
    EXPECT_EQ(game.Options(), (StringList{"a", "B"}));
    game.ApplyEditorLines({"Option="});
    EXPECT_TRUE(game.Options().empty());
    game.ApplyEditorLines({"Speed=gamespeed_quick"});
    EXPECT_EQ(game.Speed(), "GAMESPEED_QUICK");
    EXPECT_THROW(game.ApplyEditorLines({"GameTurn=x"}), OperationAborted);
}

TEST(GameSection, UnknownLinesInsideTheBlockAreKeptAndWrittenBeforeTheEnd) {
    TGameSection game;
    game.LoadFromStrings(
        Lines("BeginGame\n\tSyncRandSeed=7623250  \n\tTutorial=0\n\n\tEra=ERA_ANCIENT\nEndGame\n"
              "\tStray=1"));
    EXPECT_EQ(game.KeptLines(), (StringList{"SyncRandSeed=7623250", "Tutorial=0"}));
    const StringList& saved = game.SaveToStrings();
    ASSERT_GE(saved.size(), 3u);
    EXPECT_EQ(saved[saved.size() - 3], "\tSyncRandSeed=7623250");
    EXPECT_EQ(saved[saved.size() - 2], "\tTutorial=0");
    EXPECT_EQ(saved.back(), "EndGame");

    game.LoadFromStrings(Lines("BeginGame\n\tTutorial=0\nEndGame"));
    EXPECT_EQ(game.KeptLines(), StringList{"Tutorial=0"});
    game.ApplyEditorLines({"Foo=1"});
    EXPECT_EQ(game.KeptLines(), StringList{"Tutorial=0"});
    game.Clear();
    EXPECT_TRUE(game.KeptLines().empty());
}

TEST(GameSection, AnEmptyEditorRowMakesAFieldAbsentAgain) {
    TGameSection game;
    game.LoadFromStrings(Lines("BeginGame\n\tGameTurn=12\n\tSpeed=GAMESPEED_QUICK\nEndGame"));
    game.ApplyEditorLines({"GameTurn="});
    game.ApplyEditorLines({"Era=ERA_ANCIENT"});
    EXPECT_EQ(game.GameTurn(), 0);
    EXPECT_FALSE(game.IsSet("gameturn="));
    EXPECT_TRUE(game.IsSet("Era="));
    EXPECT_EQ(game.SaveToStrings(), Lines("BeginGame\n\tEra=ERA_ANCIENT\n\tSpeed=GAMESPEED_QUICK\nEndGame"));
    EXPECT_EQ(game.UnsetFieldCount(), 8);
    // A malformed number sets nothing.
    EXPECT_THROW(game.ApplyEditorLines({"MaxTurns=many"}), OperationAborted);
    EXPECT_FALSE(game.IsSet("MaxTurns="));
}
