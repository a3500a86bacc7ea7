#include "document/Player.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Player, ANewEmptyPlayerIsWrittenShort) {
    TPlayer player;
    EXPECT_TRUE(player.SaveToStrings().empty());
    player.ApplyEditorLines({"Team=2"});
    EXPECT_EQ(player.SaveToStrings(),
              Lines("BeginPlayer\n\tTeam=2\n\tLeaderType=NONE\n\tCivType=NONE\n\tColor=NONE\n"
                    "\tArtStyle=NONE\n\tHandicap=HANDICAP_NOBLE\nEndPlayer"));
    // Values that differ from the defaults are written as well.
    player.ApplyEditorLines({"PlayableCiv=0", "CivDesc=Nobody"});
    EXPECT_EQ(player.SaveToStrings(),
              Lines("BeginPlayer\n\tTeam=2\n\tLeaderType=NONE\n\tCivDesc=Nobody\n\tCivType=NONE\n"
                    "\tColor=NONE\n\tArtStyle=NONE\n\tPlayableCiv=0\n\tHandicap=HANDICAP_NOBLE\nEndPlayer"));
}

TEST(Player, ANewFullPlayerIsWrittenInFull) {
    TPlayer player;
    player.ApplyEditorLines({"Team=1", "LeaderType=none", "Handicap=handicap_x", "StartingX=12",
                             "StartingY=30", "CIVICOPTION_LABOR=CIVIC_X", "Player4, AttitudeExtra=-2",
                             "CityList=Rome,Antium,",
                             "CivDesc=Espa\xf1"
                             "a"});
    EXPECT_EQ(player.LeaderType(), "none");
    EXPECT_EQ(player.Handicap(), "HANDICAP_X");
    EXPECT_EQ(
        player.SaveToStrings(),
        Lines("BeginPlayer\n\tTeam=1\n\tLeaderType=none\n\tLeaderName=\n\tCivDesc=Espa\xf1"
              "a\n\tCivShortDesc=\n"
              "\tCivAdjective=\n\tFlagDecal=\n\tWhiteFlag=0\n\tCivType=NONE\n\tColor=NONE\n\tArtStyle=NONE\n"
              "\tPlayableCiv=1\n\tMinorNationStatus=0\n\tStartingGold=0\n\tStartingX=12, StartingY=30\n"
              "\tStateReligion=\n\tStartingEra=ERA_ANCIENT\n"
              "\tCivicOption=CIVICOPTION_GOVERNMENT, Civic=CIVIC_DESPOTISM\n"
              "\tCivicOption=CIVICOPTION_LEGAL, Civic=CIVIC_BARBARISM\n"
              "\tCivicOption=CIVICOPTION_LABOR, Civic=CIVIC_X\n"
              "\tCivicOption=CIVICOPTION_ECONOMY, Civic=CIVIC_DECENTRALIZATION\n"
              "\tCivicOption=CIVICOPTION_RELIGION, Civic=CIVIC_PAGANISM\n"
              "\tAttitudePlayer=4, AttitudeExtra=-2\n\tCityList=Rome\n\tCityList=Antium\n"
              "\tHandicap=HANDICAP_X\nEndPlayer"));
}

TEST(Player, APlayerReadFromAFileWritesOnlyWhatTheFileSet) {
    TPlayer player;
    player.LoadFromStrings(
        Lines("BeginPlayer\n\tLeaderType=none\n\tHandicap=handicap_x\n\tStartingX=12, StartingY=30\n"
              "\tCivicOption=CIVICOPTION_LABOR, Civic=civic_x\n\tCivicOption=CIVICOPTION_LEGAL\n"
              "\tAttitudePlayer=4, AttitudeExtra=-2\n\tCityList=Rome\n\tCityList=Antium\n\tTeam=1\n"
              "\tStateReligion=\n\tCivDesc=Espa\xf1"
              "a\nEndPlayer"));
    EXPECT_EQ(player.Handicap(), "HANDICAP_X");
    EXPECT_EQ(player.Civic(2), "CIVIC_X");
    EXPECT_EQ(player.Civic(1), "");
    EXPECT_EQ(player.Civic(0), "CIVIC_DESPOTISM");
    EXPECT_EQ(player.StartingEra(), "ERA_ANCIENT");
    EXPECT_EQ(player.AttitudeExtras()[4], "-2");
    // No era, civic or gold of its own: the game gives the player its own, so none is written.
    EXPECT_EQ(
        player.SaveToStrings(),
        Lines("BeginPlayer\n\tTeam=1\n\tLeaderType=none\n\tCivDesc=Espa\xf1"
              "a\n\tStartingX=12, StartingY=30\n\tStateReligion=\n"
              "\tCivicOption=CIVICOPTION_LEGAL, Civic=\n\tCivicOption=CIVICOPTION_LABOR, Civic=CIVIC_X\n"
              "\tAttitudePlayer=4, AttitudeExtra=-2\n\tCityList=Rome\n\tCityList=Antium\n"
              "\tHandicap=HANDICAP_X\nEndPlayer"));
    EXPECT_FALSE(player.IsSet("StartingEra="));
    EXPECT_TRUE(player.IsSet("civicoption=civicoption_labor"));
    EXPECT_FALSE(player.IsSet("CivicOption=CIVICOPTION_RELIGION"));
    EXPECT_TRUE(player.IsSet("CityList="));
    EXPECT_EQ(player.UnsetFieldCount(), 24 - 9);
}

TEST(Player, AStartIsWrittenOnlyOnceSet) {
    TPlayer made;
    made.ApplyEditorLines({"Team=0", "LeaderType=LEADER_X"});
    const StringList& madeLines = made.SaveToStrings();
    EXPECT_NE(std::find(madeLines.begin(), madeLines.end(), "\tStartingX=-1, StartingY=-1"), madeLines.end());

    TPlayer read;
    read.LoadFromStrings(Lines("Team=0\nLeaderType=LEADER_X"));
    EXPECT_EQ(read.SaveToStrings(), Lines("BeginPlayer\n\tTeam=0\n\tLeaderType=LEADER_X\nEndPlayer"));
    read.SetStartingX(5);
    EXPECT_EQ(read.SaveToStrings(),
              Lines("BeginPlayer\n\tTeam=0\n\tLeaderType=LEADER_X\n\tStartingX=5\nEndPlayer"));
    read.SetStartingY(7);
    EXPECT_EQ(read.SaveToStrings()[3], "\tStartingX=5, StartingY=7");
}

TEST(Player, EditorRowsSetFieldsEvenToTheDefaultAndEmptyRowsMakeThemAbsent) {
    TPlayer player;
    player.LoadFromStrings(Lines("BeginPlayer\n\tTeam=3\n\tLeaderType=LEADER_X\n\tStartingGold=50\n"
                                 "\tCivicOption=CIVICOPTION_LABOR, Civic=CIVIC_SLAVERY\nEndPlayer"));
    player.ApplyEditorLines({"StartingEra=ERA_ANCIENT", "CIVICOPTION_RELIGION=CIVIC_PAGANISM"});
    player.ApplyEditorLines({"StartingGold=", "CIVICOPTION_LABOR=", "Team="});
    EXPECT_EQ(player.StartingGold(), 0);
    EXPECT_EQ(player.Civic(2), "CIVIC_TRIBALISM");
    EXPECT_EQ(player.Team(), 3);
    EXPECT_EQ(player.SaveToStrings(),
              Lines("BeginPlayer\n\tTeam=3\n\tLeaderType=LEADER_X\n\tStartingEra=ERA_ANCIENT\n"
                    "\tCivicOption=CIVICOPTION_RELIGION, Civic=CIVIC_PAGANISM\nEndPlayer"));
    const StringList& rows = player.GetEditorLines();
    EXPECT_EQ(rows[13], "StartingGold=");
    EXPECT_EQ(rows[17], "StartingEra=ERA_ANCIENT");
    EXPECT_EQ(rows[20], "CIVICOPTION_LABOR=");
    EXPECT_EQ(rows[22], "CIVICOPTION_RELIGION=CIVIC_PAGANISM");
    EXPECT_EQ(rows[42], "Handicap=");
}

TEST(Player, AttitudeIndicesBeyondTheSlotsAreIgnored) {
    TPlayer player;
    EXPECT_NO_THROW(player.LoadFromStrings(Lines("AttitudePlayer=18, AttitudeExtra=3\nAttitudeExtra=5\n"
                                                 "AttitudePlayer=1\nAttitudeExtra=7")));
    EXPECT_EQ(player.AttitudeExtras()[1], "7");
    EXPECT_EQ(player.AttitudeExtras().size(), 18u);
    EXPECT_THROW(player.LoadFromStrings(Lines("StartingGold=rich")), OperationAborted);
}

TEST(Player, TeamAndAttitudeNumbersOfNoSlotAreListed) {
    TPlayer player;
    player.LoadFromStrings(Lines("Team=25\nTeam=\nAttitudePlayer=40, AttitudeExtra=3\nAttitudePlayer=2\n"
                                 "AttitudeExtra=1\nTeam=4"));
    EXPECT_EQ(player.IgnoredNumbers(), (StringList{"Team=25", "AttitudePlayer=40"}));
    EXPECT_EQ(player.Team(), 4);
    EXPECT_EQ(player.AttitudeExtras()[2], "1");
    player.ApplyEditorLines({"Team=30"});
    EXPECT_EQ(player.IgnoredNumbers().size(), 2u);
    player.Clear();
    EXPECT_TRUE(player.IgnoredNumbers().empty());
}

TEST(Player, EditorRows) {
    TPlayer player;
    const StringList& rows = player.GetEditorLines();
    ASSERT_EQ(rows.size(), 43u);
    EXPECT_EQ(rows[0], "Team=-1");
    EXPECT_EQ(rows[18], "CIVICOPTION_GOVERNMENT=CIVIC_DESPOTISM");
    EXPECT_EQ(rows[26], "Player3, AttitudeExtra=");
    EXPECT_EQ(rows[42], "Handicap=HANDICAP_NOBLE");

    player.ApplyEditorLines({"Player3, AttitudeExtra=1"});
    EXPECT_EQ(player.AttitudeExtras()[3], "1");
    player.ApplyEditorLines({"Player18, AttitudeExtra=1"});
    player.ApplyEditorLines({"CityList=CityA,CityB,", "CIVICOPTION_LEGAL=civic_y"});
    EXPECT_EQ(player.CityList(), (StringList{"CityA", "CityB"}));
    EXPECT_EQ(player.Civic(1), "civic_y");
    player.ApplyEditorLines({"Team=-1"});
    EXPECT_FALSE(player.InUse());
    EXPECT_TRUE(player.SaveToStrings().empty());
    player.ApplyEditorLines({"Team=4"});
    EXPECT_EQ(player.Team(), 4);
    player.ApplyEditorLines({"Team=-1"});
    EXPECT_EQ(player.Team(), 4);
}

TEST(PlayerSlots, APlayerWithoutATeamLinePairsWithItsOwnTeam) {
    TPlayerSlots players;
    players.LoadFromStrings(
        Lines("BeginPlayer\n\tLeaderType=LEADER_A\nEndPlayer\nBeginPlayer\n\tTeam=5\nEndPlayer\n"
              "BeginPlayer\n\tTeam=30\nEndPlayer"));
    EXPECT_EQ(players.GetPlayer(0)->Team(), 0);
    EXPECT_EQ(players.GetPlayer(1)->Team(), 5);
    EXPECT_EQ(players.GetPlayer(2)->Team(), 2);
    EXPECT_FALSE(players.GetPlayer(3)->InUse());
    EXPECT_EQ(players.GetPlayer(18), nullptr);
    // Written back, the block still names no team, and the game pairs the player as before.
    EXPECT_EQ(players.GetPlayer(0)->SaveToStrings(), Lines("BeginPlayer\n\tLeaderType=LEADER_A\nEndPlayer"));
    EXPECT_FALSE(players.GetPlayer(0)->IsSet("Team="));
    EXPECT_EQ(players.GetPlayer(0)->GetEditorLines()[0], "Team=");
    // The sheet's empty team row, applied, changes nothing; a team row sets the team.
    players.GetPlayer(0)->ApplyEditorLines({"Team="});
    EXPECT_FALSE(players.GetPlayer(0)->IsSet("Team="));
    players.GetPlayer(0)->ApplyEditorLines({"Team=0"});
    EXPECT_EQ(players.GetPlayer(0)->SaveToStrings()[1], "\tTeam=0");
}

TEST(PlayerSlots, BlocksBeyondTheEighteenthAreKept) {
    std::string text;
    for (int i = 0; i < 19; ++i)
        text +=
            "BeginPlayer\n\tTeam=" + std::to_string(i % 18) + "\n\tRandomStartLocation=false\nEndPlayer\n";
    TPlayerSlots players;
    players.LoadFromStrings(Lines(text));
    EXPECT_EQ(players.LoadedCount(), 18);
    EXPECT_EQ(players.ExtraBlocks().size(), 4u);
    EXPECT_EQ(players.GetPlayer(3)->KeptLines(), StringList{"RandomStartLocation=false"});
}

TEST(PlayerSlots, BlocksBeyondTheEighteenthKeepNoOtherMarkers) {
    // Written back, a "BeginTeam" there would open a team section after the players.
    std::string text;
    for (int i = 0; i < 18; ++i)
        text += "BeginPlayer\n\tTeam=" + std::to_string(i) + "\nEndPlayer\n";
    text += "BeginPlayer, BeginTeam\n\tTeam=3\n\tEndGame\n\tCityName=Legendcity\nxEndPlayer\n";
    TPlayerSlots players;
    players.LoadFromStrings(Lines(text));
    EXPECT_EQ(players.ExtraBlocks(), Lines("BeginPlayer\n\tTeam=3\n\tCityName=Legendcity\nEndPlayer"));
}
