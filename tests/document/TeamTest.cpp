#include "document/Team.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace {

std::string TeamBlocks(int count, std::string_view body = "") {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "BeginTeam\n" + std::string(body) + "EndTeam\n";
    return text;
}

} // namespace

TEST(TeamSlots, BlocksFillSlotsInOrderAndEachTeamKnowsItself) {
    TTeamSlots teams;
    teams.LoadFromStrings(Lines(TeamBlocks(5)));
    EXPECT_EQ(teams.LoadedCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(teams.GetTeam(i)->SlotIndex(), i);
        EXPECT_EQ(FlagsToCommaText(teams.GetTeam(i)->ContactWithTeam()), std::to_string(i) + ",");
    }
    EXPECT_FALSE(teams.GetTeam(5)->InUse());
    EXPECT_EQ(teams.GetTeam(18), nullptr);
    // The blocks set nothing: written back, they still set nothing.
    EXPECT_EQ(teams.SaveToStrings(), Lines(TeamBlocks(5)));
    EXPECT_EQ(teams.GetTeam(0)->UnsetFieldCount(), 1);
}

TEST(TeamSlots, BlocksBeyondTheEighteenthAreKeptWhole) {
    TTeamSlots teams;
    teams.LoadFromStrings(Lines(TeamBlocks(18) + "BeginTeam\n\tTech=TECH_X  \n\tTeamID=18\nEndTeam\n"));
    EXPECT_EQ(teams.LoadedCount(), 18);
    EXPECT_EQ(teams.ExtraBlocks(), Lines("BeginTeam\n\tTech=TECH_X  \n\tTeamID=18\nEndTeam"));
    const StringList& lines = teams.SaveToStrings();
    EXPECT_EQ(lines.back(), "EndTeam");
    EXPECT_EQ(lines[lines.size() - 3], "\tTech=TECH_X  ");
}

TEST(TeamSlots, AnUnclosedBlockAndLinesBetweenBlocksAreNotRead) {
    TTeamSlots teams;
    teams.LoadFromStrings(Lines("BeginTeam\n\tTech=A\nEndTeam\n\tTech=STRAY\nBeginTeam\n\tTech=B"));
    EXPECT_EQ(teams.LoadedCount(), 1);
    EXPECT_EQ(teams.GetTeam(0)->Techs(), StringList{"A"});
    EXPECT_FALSE(teams.GetTeam(1)->InUse());
}

TEST(Team, RelationsAreSetsOfTeamIndices) {
    TTeam team;
    team.SetSlotIndex(0);
    team.LoadFromStrings(Lines("AtWar=2\nAtWar=2\nAtWar=18\nAtWar=-1\nAtWar=\nOpenBordersWithTeam=3\n"
                               "tech=tech_x\nRevealMap=1"));
    EXPECT_EQ(FlagsToCommaText(team.AtWar()), "2,");
    EXPECT_EQ(team.Techs(), StringList{"TECH_X"});
    EXPECT_TRUE(team.RevealMap());
    EXPECT_EQ(FlagsToCommaText(team.ContactWithTeam()), "0,");
    // The contact with itself that every team has is written only when the file listed it.
    EXPECT_EQ(team.SaveToStrings(), Lines("BeginTeam\n\tTech=TECH_X\n\tAtWar=2\n"
                                          "\tOpenBordersWithTeam=3\n\tRevealMap=1\nEndTeam"));
    EXPECT_THROW(team.LoadFromStrings(Lines("AtWar=abc")), OperationAborted);
}

TEST(Team, RelationsToNoTeamSlotAreListedButNotWritten) {
    TTeam team;
    team.SetSlotIndex(0);
    team.LoadFromStrings(Lines("AtWar=25\nAtWar=\nContactWithTeam=-1, OpenBordersWithTeam=3\nAtWar=2"));
    EXPECT_EQ(team.IgnoredRelations(), (StringList{"AtWar=25", "ContactWithTeam=-1"}));
    EXPECT_EQ(FlagsToCommaText(team.AtWar()), "2,");
    // What the file did not set (its own contact, RevealMap) stays unwritten.
    EXPECT_EQ(team.SaveToStrings(), Lines("BeginTeam\n\tAtWar=2\n\tOpenBordersWithTeam=3\nEndTeam"));
    // An editor row is no file: it lists nothing, and the next file's list replaces the last.
    team.ApplyEditorLines({"AtWar=30"});
    EXPECT_EQ(team.IgnoredRelations(), (StringList{"AtWar=25", "ContactWithTeam=-1"}));
    team.LoadFromStrings(Lines("AtWar=1"));
    EXPECT_TRUE(team.IgnoredRelations().empty());
}

TEST(Team, ASlotNotInUseWritesNothingButShowsItsRows) {
    TTeam team;
    EXPECT_TRUE(team.SaveToStrings().empty());
    EXPECT_EQ(team.GetEditorLines(),
              (StringList{"Tech=", "ContactWithTeam=", "AtWar=", "PermanentWarPeace=", "OpenBordersWithTeam=",
                          "DefensivePactWithTeam=", "ProjectType=", "RevealMap=0"}));
}

TEST(Team, EditorRowsTakeASlotIntoUseAndReplaceSets) {
    TTeamSlots teams;
    teams.LoadFromStrings(Lines(TeamBlocks(5)));
    teams.GetTeam(7)->ApplyEditorLines({"ContactWithTeam=1,2"});
    EXPECT_TRUE(teams.GetTeam(7)->InUse());
    EXPECT_EQ(FlagsToCommaText(teams.GetTeam(7)->ContactWithTeam()), "1,2,");
    teams.GetTeam(7)->ApplyEditorLines({"ContactWithTeam="});
    EXPECT_EQ(FlagsToCommaText(teams.GetTeam(7)->ContactWithTeam()), "");
    teams.GetTeam(7)->ApplyEditorLines({"Tech=a,b,", "RevealMap=1"});
    EXPECT_EQ(teams.GetTeam(7)->Techs(), (StringList{"a", "b"}));

    TTeamSlots reloaded;
    reloaded.LoadFromStrings(teams.SaveToStrings());
    EXPECT_EQ(reloaded.LoadedCount(), 6);
    EXPECT_EQ(reloaded.GetTeam(5)->Techs(), (StringList{"A", "B"}));
    EXPECT_TRUE(reloaded.GetTeam(5)->RevealMap());
}

TEST(Team, UnknownLinesAreKeptOncePerLoad) {
    TTeam team;
    team.SetSlotIndex(0);
    const StringList block = Lines("BeginTeam\n\tTeamID=0\n\tVassalOfTeam=1\nEndTeam");
    team.LoadFromStrings(block);
    team.LoadFromStrings(block);
    EXPECT_EQ(team.KeptLines(), (StringList{"TeamID=0", "VassalOfTeam=1"}));
    const StringList& lines = team.SaveToStrings();
    EXPECT_EQ(lines[lines.size() - 3], "\tTeamID=0");
}

TEST(Team, ATeamFromAFileWritesItsRevealStateAndOwnContactOnlyAsListed) {
    TTeamSlots teams;
    teams.LoadFromStrings(Lines("BeginTeam\n\tContactWithTeam=1\nEndTeam\n"
                                "BeginTeam\n\tContactWithTeam=1\n\tRevealMap=0\nEndTeam"));
    TTeam& first = *teams.GetTeam(0);
    EXPECT_EQ(FlagsToCommaText(first.ContactWithTeam()), "0,1,");
    EXPECT_FALSE(first.IsSet("RevealMap="));
    EXPECT_TRUE(first.IsSet("ContactWithTeam="));
    EXPECT_EQ(first.GetEditorLines().back(), "RevealMap=");
    EXPECT_EQ(first.SaveToStrings(), Lines("BeginTeam\n\tContactWithTeam=1\nEndTeam"));
    EXPECT_EQ(teams.GetTeam(1)->SaveToStrings(),
              Lines("BeginTeam\n\tContactWithTeam=1\n\tRevealMap=0\nEndTeam"));

    first.ApplyEditorLines({"RevealMap=0"});
    EXPECT_EQ(first.SaveToStrings(), Lines("BeginTeam\n\tContactWithTeam=1\n\tRevealMap=0\nEndTeam"));
    first.ApplyEditorLines({"ContactWithTeam=0,1,"});
    first.ApplyEditorLines({"RevealMap="});
    EXPECT_EQ(first.SaveToStrings(), Lines("BeginTeam\n\tContactWithTeam=0\n\tContactWithTeam=1\nEndTeam"));
}
