#include "document/LineCodec.h"
#include "TestText.h"

#include <gtest/gtest.h>

TEST(LineCodec, KeysMatchItemsIgnoringCaseAndLeadingBlanks) {
    EXPECT_TRUE(LineHasKey("\tTeam=3", "Team="));
    EXPECT_EQ(ReadKeyValue("\tTeam=3", "Team="), "3");
    EXPECT_TRUE(LineHasKey("team=3", "Team="));
    EXPECT_FALSE(LineHasKey("Team=3", ""));
}

TEST(LineCodec, AKeyInsideAnotherItemDoesNotMatch) {
    EXPECT_TRUE(LineHasKey("MPOption=GAMEOPTION_X", "MPOption="));
    EXPECT_FALSE(LineHasKey("MPOption=GAMEOPTION_X", "Option="));
}

TEST(LineCodec, SeveralItemsShareALine) {
    const std::string line = "StartingX=10, StartingY=20";
    EXPECT_EQ(ReadKeyValue(line, "StartingX="), "10");
    EXPECT_EQ(ReadKeyValue(line, "StartingY="), "20");
}

TEST(LineCodec, ValuesEndAtCommaAndAngleBracket) {
    EXPECT_EQ(ReadKeyValue("Description=Hello, world", "Description="), "Hello");
    EXPECT_EQ(ReadKeyValue("ScriptData=a<b", "ScriptData="), "a");
    EXPECT_FALSE(LineHasKey("<Era=X", "Era="));
}

TEST(LineCodec, EveryOccurrenceOfTheKeyIsDeletedFromTheValue) {
    EXPECT_EQ(ReadKeyValue("Description=A Description=B", "Description="), "A B");
    EXPECT_EQ(ReadKeyValue("Era= ERA_X", "Era="), " ERA_X");
    // The value reads back as itself when written after its key: occurrences the deleting brings
    // together go too, and so do the blanks it leaves at the end.
    EXPECT_EQ(ReadKeyValue("ModPath=ModModPath=Path=X", "ModPath="), "X");
    EXPECT_EQ(ReadKeyValue("ModPath=A\tmodpath=", "ModPath="), "A");
    EXPECT_EQ(ReadKeyValue("ModPath=\tModPath=", "ModPath="), "");
    EXPECT_EQ(ReadKeyValue("ModPath=A ModPath= B", "ModPath="), "A  B");
}

TEST(LineCodec, AnEmptyKeyReadsTheFirstItemsValue) {
    EXPECT_EQ(ReadKeyValue("CIVICOPTION_LEGAL= CIVIC_X , more", ""), "CIVIC_X");
    EXPECT_EQ(ReadKeyValue("NoEquals", ""), "");
}

TEST(LineCodec, ValueToIntAcceptsStrictDecimalAndHexadecimal) {
    EXPECT_EQ(ValueToInt("", 7), 7);
    EXPECT_EQ(ValueToInt(" -5", 0), -5);
    EXPECT_EQ(ValueToInt("+12", 0), 12);
    EXPECT_EQ(ValueToInt("$FF", 0), 255);
    EXPECT_EQ(ValueToInt("0x10", 0), 16);
    EXPECT_EQ(ValueToInt("X1f", 0), 31);
    EXPECT_EQ(ValueToInt("$FFFFFFFF", 0), -1);
    EXPECT_EQ(ValueToInt("2147483647", 0), 2147483647);
    EXPECT_EQ(ValueToInt("-2147483648", 0), -2147483647 - 1);
}

TEST(LineCodec, ValueToIntRaisesOnMalformedOrOversizedText) {
    for (const char* bad : {"5x", "abc", "5 ", "-", "$", "0x", "$100000000", "2147483648", "-2147483649",
                            "99999999999", "-$5", "\t5", "1.5"})
        EXPECT_THROW(ValueToInt(bad, 0), OperationAborted) << bad;
}

TEST(LineCodec, BooleansAndFlagSetsAsText) {
    EXPECT_STREQ(BoolToFlagText(true), "1");
    EXPECT_STREQ(BoolToFlagText(false), "0");
    FlagSet flags{};
    EXPECT_EQ(FlagsToCommaText(flags), "");
    SetFlagSafe(flags, 0, true);
    SetFlagSafe(flags, 3, true);
    SetFlagSafe(flags, 18, true);
    SetFlagSafe(flags, -1, true);
    EXPECT_EQ(FlagsToCommaText(flags), "0,3,");
    ClearFlags(flags);
    EXPECT_EQ(FlagsToCommaText(flags), "");
}

TEST(LineCodec, CommaListsKeepEmptyPiecesButNoFinalOne) {
    StringList list{"old"};
    CommaTextToList("A,,B,", list);
    EXPECT_EQ(list, (StringList{"A", "", "B"}));
    CommaTextToList(",A", list);
    EXPECT_EQ(list, (StringList{"", "A"}));
    CommaTextToList("", list);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(ListToCommaText({"TECH_A", "TECH_B"}), "TECH_A,TECH_B,");
    EXPECT_EQ(ListToCommaText({}), "");
}

TEST(LineCodec, ExtractListValueRemovesEveryMatchAndTheLastWins) {
    StringList lines = Lines("Option=A,B\nEra=X\nOption=C, D <x\nMPOption=Z");
    StringList list{"kept"};
    ExtractListValue(lines, "Option=", list);
    EXPECT_EQ(list, (StringList{"C", " D <x"}));
    EXPECT_EQ(lines, (StringList{"Era=X", "MPOption=Z"}));

    StringList none{"kept"};
    ExtractListValue(lines, "Tech=", none);
    EXPECT_EQ(none, StringList{"kept"});
}

TEST(LineCodec, ExtractStringAndFlagsValues) {
    StringList lines = Lines("CIVICOPTION_LEGAL=civic_x\nTeamReveal=0,3,25,,\nOther=1");
    std::string civic = "before";
    ExtractStringValue(lines, "CIVICOPTION_LEGAL", civic);
    EXPECT_EQ(civic, "civic_x");
    FlagSet flags{};
    flags[5] = true;
    ExtractFlagsValue(lines, "TeamReveal=", flags);
    EXPECT_EQ(FlagsToCommaText(flags), "0,3,");
    EXPECT_EQ(lines, StringList{"Other=1"});

    StringList bad = Lines("AtWar=1,x");
    EXPECT_THROW(ExtractFlagsValue(bad, "AtWar=", flags), OperationAborted);
}

TEST(LineCodec, SlotIndicesRunFromZeroToSeventeen) {
    EXPECT_TRUE(IsValidTeamIndex(0));
    EXPECT_TRUE(IsValidTeamIndex(17));
    EXPECT_FALSE(IsValidTeamIndex(18));
    EXPECT_FALSE(IsValidPlayerIndex(-1));
    EXPECT_TRUE(IsValidPlayerIndex(17));
}

TEST(LineCodec, LinesWithManyItemsAreSearchedWhole) {
    std::string line;
    for (int i = 0; i < 20; ++i)
        line += "K" + std::to_string(i) + "=" + std::to_string(i) + ",";
    EXPECT_EQ(ReadKeyValue(line, "K19="), "19");
    EXPECT_EQ(ReadKeyValue(line, "k7="), "7");
}

TEST(LineCodec, MarkersCountAnywhereButInsideAValue) {
    EXPECT_TRUE(HasMarker("  endcity\t", "EndCity"));
    EXPECT_TRUE(HasMarker("xxEndCityxx", "EndCity"));
    EXPECT_TRUE(HasMarker("CityName=Rome, EndCity", "EndCity"));
    EXPECT_FALSE(HasMarker("CityName=Legendcity", "EndCity"));
    EXPECT_FALSE(HasMarker("LeaderType=NONE\x01"
                           "EndPlayer",
                           "EndPlayer"));
    // After a "<" commas no longer part items, as in values.
    EXPECT_FALSE(HasMarker("ScriptData=a<b, EndPlot", "EndPlot"));
    EXPECT_TRUE(HasMarker("EndPlot<ScriptData=a", "EndPlot"));
    // The first place that counts is enough.
    EXPECT_TRUE(HasMarker("Name=BeginUnit, BeginUnit", "BeginUnit"));

    // The tokenizer finds the same markers in its one pass.
    EXPECT_EQ(TLineItems("CityName=Legendcity").Markers(), 0u);
    EXPECT_EQ(TLineItems("\tEndCity").Markers(), unsigned(EndCityMarker));
    EXPECT_EQ(TLineItems("UnitName=Friendunit, EndUnit").Markers(), unsigned(EndUnitMarker));
    EXPECT_EQ(TLineItems("ScriptData=a<b, BeginPlot").Markers(), 0u);
    EXPECT_EQ(TLineItems("BeginPlot, x=1").Markers(), unsigned(BeginPlotMarker));
}

TEST(LineCodec, LinesOfTheSameShapeDifferOnlyInDigits) {
    EXPECT_TRUE(SameShape("\tx=12,y=34", "\tx=12,y=35"));
    EXPECT_TRUE(SameShape("\tTeamReveal=1,6,11,16,", "\tTeamReveal=2,7,12,17,"));
    EXPECT_TRUE(SameShape("", ""));
    EXPECT_FALSE(SameShape("\tx=9,y=0", "\tx=10,y=0"));
    EXPECT_FALSE(SameShape("\tx=1", "\ty=1"));
    EXPECT_FALSE(SameShape("a1", "11"));
    EXPECT_FALSE(SameShape("\tTerrainType=TERRAIN_GRASS", "\tTerrainType=TERRAIN_COAST"));
    // The eight-byte steps and the rest after them.
    EXPECT_FALSE(SameShape("ABCDEFGH1", "ABCDEFGHx"));
    EXPECT_FALSE(SameShape("ABCDEFG1", "ABCDEFGx"));

    // Such lines cut into the same items: the match of one, moved to the other, reads its values.
    const TLineItems first("x=12, y=3"), second("x=45, y=6");
    const std::string_view keys[] = {"x=", "y="};
    const TKeyTable table(keys, 2);
    TKeyTable::TMatch match;
    table.Match(first, match);
    match.MoveTo(second.Line());
    std::string scratch;
    EXPECT_EQ(match.Value(table, 0, scratch), "45");
    EXPECT_EQ(match.Value(table, 1, scratch), "6");
}
