#include "PlayerData.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PlayerData, AnEmptyPlayerIsWrittenShort) {
    TPlayerData player;
    EXPECT_TRUE(player.SaveToStrings().empty());
    player.LoadFromStrings(Lines("BeginPlayer\n\tTeam=2\n\tLeaderType=NONE\nEndPlayer"));
    EXPECT_EQ(player.SaveToStrings(),
              Lines("BeginPlayer\n\tTeam=2\n\tLeaderType=NONE\n\tCivType=NONE\n\tColor=NONE\n"
                    "\tArtStyle=NONE\n\tHandicap=HANDICAP_NOBLE\nEndPlayer"));
}

TEST(PlayerData, AnEmptyPlayerKeepsValuesThatDifferFromTheDefaults) {
    TPlayerData player;
    player.LoadFromStrings(Lines("\tLeaderType=NONE\n\tCivType=NONE\n\tPlayableCiv=0\n\tCivDesc=\n\tTeam=6"));
    EXPECT_EQ(player.SaveToStrings(),
              Lines("BeginPlayer\n\tTeam=6\n\tLeaderType=NONE\n\tCivType=NONE\n\tColor=NONE\n"
                    "\tArtStyle=NONE\n\tPlayableCiv=0\n\tHandicap=HANDICAP_NOBLE\nEndPlayer"));
}

TEST(PlayerData, AFullPlayerIsWrittenInFull) {
    TPlayerData player;
    player.LoadFromStrings(
        Lines("\tTeam=1\n\tLeaderType=none\n\tHandicap=handicap_x\n\tStartingX=12, StartingY=30\n"
              "\tCivicOption=CIVICOPTION_LABOR, Civic=civic_x\n"
              "\tCivicOption=CIVICOPTION_LEGAL\n\tAttitudePlayer=4, AttitudeExtra=-2\n"
              "\tCityList=Rome\n\tCityList=Antium\n\tCivDesc=Espa\xf1"
              "a"));
    EXPECT_EQ(player.LeaderType(), "none");
    EXPECT_EQ(player.Handicap(), "HANDICAP_X");
    EXPECT_EQ(player.Civic(2), "CIVIC_X");
    EXPECT_EQ(player.Civic(1), "");
    EXPECT_EQ(player.AttitudeExtras()[4], "-2");
    EXPECT_EQ(
        player.SaveToStrings(),
        Lines("BeginPlayer\n\tTeam=1\n\tLeaderType=none\n\tLeaderName=\n\tCivDesc=Espa\xf1"
              "a\n\tCivShortDesc=\n"
              "\tCivAdjective=\n\tFlagDecal=\n\tWhiteFlag=0\n\tCivType=NONE\n\tColor=NONE\n\tArtStyle=NONE\n"
              "\tPlayableCiv=1\n\tMinorNationStatus=0\n\tStartingGold=0\n\tStartingX=12, StartingY=30\n"
              "\tStateReligion=\n\tStartingEra=ERA_ANCIENT\n"
              "\tCivicOption=CIVICOPTION_GOVERNMENT, Civic=CIVIC_DESPOTISM\n"
              "\tCivicOption=CIVICOPTION_LEGAL, Civic=\n\tCivicOption=CIVICOPTION_LABOR, Civic=CIVIC_X\n"
              "\tCivicOption=CIVICOPTION_ECONOMY, Civic=CIVIC_DECENTRALIZATION\n"
              "\tCivicOption=CIVICOPTION_RELIGION, Civic=CIVIC_PAGANISM\n"
              "\tAttitudePlayer=4, AttitudeExtra=-2\n\tCityList=Rome\n\tCityList=Antium\n"
              "\tHandicap=HANDICAP_X\nEndPlayer"));
}

TEST(PlayerData, AFullPlayerWithoutStartWritesMinusOne) {
    TPlayerData player;
    player.LoadFromStrings(Lines("Team=0\nLeaderType=LEADER_X"));
    const StringList& lines = player.SaveToStrings();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "\tStartingX=-1, StartingY=-1"), lines.end());
}

TEST(PlayerData, AttitudeIndicesBeyondTheSlotsAreIgnored) {
    TPlayerData player;
    EXPECT_NO_THROW(player.LoadFromStrings(Lines("AttitudePlayer=18, AttitudeExtra=3\nAttitudeExtra=5\n"
                                                 "AttitudePlayer=1\nAttitudeExtra=7")));
    EXPECT_EQ(player.AttitudeExtras()[1], "7");
    EXPECT_EQ(player.AttitudeExtras().size(), 18u);
    EXPECT_THROW(player.LoadFromStrings(Lines("StartingGold=rich")), OperationAborted);
}

TEST(PlayerData, TeamAndAttitudeNumbersOfNoSlotAreListed) {
    TPlayerData player;
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

TEST(PlayerData, EditorRows) {
    TPlayerData player;
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

TEST(PlayerDatas, APlayerWithoutATeamLinePairsWithItsOwnTeam) {
    TPlayerDatas players;
    players.LoadFromStrings(
        Lines("BeginPlayer\n\tLeaderType=LEADER_A\nEndPlayer\nBeginPlayer\n\tTeam=5\nEndPlayer\n"
              "BeginPlayer\n\tTeam=30\nEndPlayer"));
    EXPECT_EQ(players.GetPlayer(0)->Team(), 0);
    EXPECT_EQ(players.GetPlayer(1)->Team(), 5);
    EXPECT_EQ(players.GetPlayer(2)->Team(), 2);
    EXPECT_FALSE(players.GetPlayer(3)->InUse());
    EXPECT_EQ(players.GetPlayer(18), nullptr);
}

TEST(PlayerDatas, BlocksBeyondTheEighteenthAreKept) {
    std::string text;
    for (int i = 0; i < 19; ++i)
        text +=
            "BeginPlayer\n\tTeam=" + std::to_string(i % 18) + "\n\tRandomStartLocation=false\nEndPlayer\n";
    TPlayerDatas players;
    players.LoadFromStrings(Lines(text));
    EXPECT_EQ(players.LoadedCount(), 18);
    EXPECT_EQ(players.ExtraBlocks().size(), 4u);
    EXPECT_EQ(players.GetPlayer(3)->KeptLines(), StringList{"RandomStartLocation=false"});
}

TEST(PlayerDatas, BlocksBeyondTheEighteenthKeepNoOtherMarkers) {
    // Written back, a "BeginTeam" there would open a team section after the players.
    std::string text;
    for (int i = 0; i < 18; ++i)
        text += "BeginPlayer\n\tTeam=" + std::to_string(i) + "\nEndPlayer\n";
    text += "BeginPlayer, BeginTeam\n\tTeam=3\n\tEndGame\n\tCityName=Legendcity\nxEndPlayer\n";
    TPlayerDatas players;
    players.LoadFromStrings(Lines(text));
    EXPECT_EQ(players.ExtraBlocks(), Lines("BeginPlayer\n\tTeam=3\n\tCityName=Legendcity\nEndPlayer"));
}
