#include "document/MapSection.h"
#include "TestText.h"

#include <gtest/gtest.h>

TEST(MapSection, ANewSectionWritesTheTwelveDefaultLines) {
    TMapSection map;
    EXPECT_EQ(map.SaveToStrings(),
              Lines("BeginMap\n\tgrid width=1\n\tgrid height=1\n\ttop latitude=90\n\tbottom latitude=-90\n"
                    "\twrap X=1\n\twrap Y=0\n\tworld size=WORLDSIZE_SMALL\n\tclimate=CLIMATE_TEMPERATE\n"
                    "\tsealevel=SEALEVEL_LOW\n\tnum plots written=1\nEndMap"));
}

TEST(MapSection, AnEmptySectionOfAFileWritesOnlyTheGridSizeAndPlotCount) {
    TMapSection map;
    map.LoadFromStrings(Lines("BeginMap\nEndMap"));
    EXPECT_EQ(map.SaveToStrings(),
              Lines("BeginMap\n\tgrid width=1\n\tgrid height=1\n\tnum plots written=1\nEndMap"));
    EXPECT_EQ(map.TopLatitude(), 90);
    EXPECT_FALSE(map.IsSet("top latitude="));
    EXPECT_TRUE(map.IsSet("GRID WIDTH="));
    EXPECT_EQ(map.UnsetFieldCount(), 7);
}

TEST(MapSection, EmptyValuesTakeTheReadingDefaults) {
    TMapSection map;
    map.LoadFromStrings(Lines("\tgrid width=7\n\tgrid width=\n\tnum plots written=\n\tclimate="));
    EXPECT_EQ(map.GridWidth(), 1);
    EXPECT_EQ(map.NumPlotsWritten(), -1);
    EXPECT_EQ(map.Climate(), "");
}

TEST(MapSection, ThePlotCountFollowsTheGridSize) {
    TMapSection map;
    map.LoadFromStrings(Lines("grid width=10\ngrid height=8\nnum plots written=99"));
    const StringList& lines = map.SaveToStrings();
    EXPECT_EQ(lines[3], "\tnum plots written=80");
}

TEST(MapSection, KeysIgnoreCaseAndShareLines) {
    TMapSection map;
    map.LoadFromStrings(Lines("\tWRAP x=0\n\tgrid width=20, grid height=12\n\tworld size=worldsize_small\n"
                              "\ttop latitude= 60\n\tclimate=A\n\tclimate=B\n\tgrid height=-3"));
    EXPECT_EQ(map.WrapX(), 0);
    EXPECT_EQ(map.GridWidth(), 20);
    EXPECT_EQ(map.GridHeight(), -3);
    EXPECT_EQ(map.WorldSize(), "WORLDSIZE_SMALL");
    EXPECT_EQ(map.TopLatitude(), 60);
    EXPECT_EQ(map.Climate(), "B");
    EXPECT_THROW(map.LoadFromStrings(Lines("\ttop latitude=6O")), OperationAborted);
}

TEST(MapSection, EditorRowsAreTheThreeWorldTypes) {
    TMapSection map;
    EXPECT_EQ(map.GetEditorLines(), (StringList{"world size=WORLDSIZE_SMALL", "climate=CLIMATE_TEMPERATE",
                                                "sealevel=SEALEVEL_LOW"}));
    map.ApplyEditorLines({"sealevel=sealevel_high"});
    EXPECT_EQ(map.SeaLevel(), "SEALEVEL_HIGH");
}

TEST(MapSection, UnknownLinesOfTheBlockAreKept) {
    TMapSection map;
    map.LoadFromStrings(Lines("BeginMap\n\tnum signs written=0\n\tRandomize Resources=false\nEndMap"));
    EXPECT_EQ(map.KeptLines(), (StringList{"num signs written=0", "Randomize Resources=false"}));
    EXPECT_EQ(map.SaveToStrings(), Lines("BeginMap\n\tgrid width=1\n\tgrid height=1\n\tnum plots written=1\n"
                                         "\tnum signs written=0\n\tRandomize Resources=false\nEndMap"));
}

TEST(MapSection, EditorRowsSetFieldsEvenToTheDefaultAndEmptyRowsMakeThemAbsent) {
    TMapSection map;
    map.LoadFromStrings(Lines("BeginMap\n\tgrid width=4\n\tgrid height=3\n\tclimate=CLIMATE_ARID\nEndMap"));
    EXPECT_EQ(map.GetEditorLines(), (StringList{"world size=", "climate=CLIMATE_ARID", "sealevel="}));
    map.ApplyEditorLines({"sealevel=SEALEVEL_LOW"});
    map.ApplyEditorLines({"climate="});
    map.SetWrapY(0);
    EXPECT_EQ(map.Climate(), "CLIMATE_TEMPERATE");
    EXPECT_EQ(map.GetEditorLines(), (StringList{"world size=", "climate=", "sealevel=SEALEVEL_LOW"}));
    EXPECT_EQ(map.SaveToStrings(), Lines("BeginMap\n\tgrid width=4\n\tgrid height=3\n\twrap Y=0\n"
                                         "\tsealevel=SEALEVEL_LOW\n\tnum plots written=12\nEndMap"));
    EXPECT_EQ(map.UnsetFieldCount(), 5);
}
