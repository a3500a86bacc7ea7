#include "document/Unit.h"
#include "TestText.h"

#include <gtest/gtest.h>

TEST(Unit, ADefaultUnitWritesFiveLines) {
    TUnit unit;
    EXPECT_EQ(unit.SaveToStrings(), Lines("\tBeginUnit\n\t\tUnitType=UNIT_SETTLER, UnitOwner=0\n\t\tLevel=1, "
                                          "Experience=0\n\t\tUnitAIType=UNITAI_SETTLE\n\tEndUnit"));
}

TEST(Unit, PromotionsAreWrittenBetweenLevelAndAILines) {
    TUnit unit;
    unit.LoadFromStrings(
        Lines("\tBeginUnit\n\t\tUnitType=unit_warrior, UnitOwner=2\n\t\tLevel=3, Experience=7\n"
              "\t\tPromotionType=promotion_combat1\n\t\tPromotionType=PROMOTION_COMBAT1\n"
              "\t\tUnitAIType=\n\t\tScriptData=abc\n\tEndUnit"));
    EXPECT_EQ(unit.UnitType(), "UNIT_WARRIOR");
    EXPECT_EQ(unit.UnitOwner(), 2);
    EXPECT_EQ(unit.PromotionTypes(), (StringList{"PROMOTION_COMBAT1", "PROMOTION_COMBAT1"}));
    EXPECT_EQ(
        unit.SaveToStrings(),
        Lines("\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=2\n\t\tLevel=3, Experience=7\n"
              "\t\tPromotionType=PROMOTION_COMBAT1\n\t\tPromotionType=PROMOTION_COMBAT1\n\t\tUnitAIType=\n"
              "\t\tScriptData=abc\n\tEndUnit"));
}

TEST(Unit, AnEmptyLevelReadsAsZero) {
    TUnit unit;
    unit.LoadFromStrings(Lines("Level=, Experience="));
    EXPECT_EQ(unit.Level(), 0);
    EXPECT_EQ(unit.Experience(), 0);
}

TEST(Unit, DisplayNameDropsEveryUnitPrefix) {
    TUnit unit;
    EXPECT_EQ(unit.DisplayName(), "SETTLER");
    unit.LoadFromStrings(Lines("UnitType=Unit_x_unit_Y"));
    EXPECT_EQ(unit.DisplayName(), "X_Y");
}

TEST(Unit, EditorRowsReplacePromotionsAndRejectMalformedNumbers) {
    TUnit unit;
    EXPECT_EQ(unit.GetEditorLines(),
              (StringList{"UnitType=UNIT_SETTLER", "UnitOwner=0", "Level=1", "Experience=0",
                          "PromotionType=", "UnitAIType=UNITAI_SETTLE", "ScriptData="}));
    unit.ApplyEditorLines({"PromotionType=a,B,"});
    EXPECT_EQ(unit.PromotionTypes(), (StringList{"a", "B"}));
    unit.ApplyEditorLines({"PromotionType="});
    EXPECT_TRUE(unit.PromotionTypes().empty());
    EXPECT_THROW(unit.ApplyEditorLines({"Level=abc"}), OperationAborted);
    EXPECT_EQ(unit.Level(), 1);
}

TEST(Unit, UnknownLinesStayWithTheUnit) {
    TUnit unit;
    unit.LoadFromStrings(
        Lines("\tBeginUnit\n\t\tUnitType=UNIT_WORKER, UnitOwner=1\n\t\tDamage=20\n\t\tSleep\n"
              "\t\tFacingDirection=4\n\tEndUnit"));
    EXPECT_EQ(unit.KeptLines(), (StringList{"Damage=20", "Sleep", "FacingDirection=4"}));
    const StringList& lines = unit.SaveToStrings();
    EXPECT_EQ(lines[lines.size() - 4], "\t\tDamage=20");
    EXPECT_EQ(lines[lines.size() - 2], "\t\tFacingDirection=4");
    EXPECT_EQ(lines.back(), "\tEndUnit");
}

TEST(UnitList, AddDeleteAndGetIgnoreBadIndices) {
    TUnitList units;
    units.Add().SetUnitType("UNIT_A");
    units.Add().SetUnitType("UNIT_B");
    units.Delete(5);
    units.Delete(-1);
    EXPECT_EQ(units.Count(), 2);
    EXPECT_EQ(units.GetUnit(-1), nullptr);
    EXPECT_EQ(units.GetUnit(2), nullptr);
    units.Delete(0);
    ASSERT_EQ(units.Count(), 1);
    EXPECT_EQ(units.GetUnit(0)->UnitType(), "UNIT_B");
    EXPECT_EQ(units.SaveToStrings().size(), 5u);
    units.Clear();
    EXPECT_TRUE(units.SaveToStrings().empty());
}

TEST(Unit, AUnitFromAFileWritesWhatTheFileSet) {
    TUnit unit;
    unit.LoadFromStrings(Lines("\tBeginUnit\n\t\tUnitType=UNIT_ARCHER, UnitOwner=1\n\t\tLevel=2\n\tEndUnit"));
    // Without an AI of its own the game gives the archer its type's AI, not a settler's.
    EXPECT_EQ(unit.UnitAIType(), "UNITAI_SETTLE");
    EXPECT_FALSE(unit.IsSet("UnitAIType="));
    EXPECT_EQ(unit.UnsetFieldCount(), 2);
    EXPECT_EQ(unit.SaveToStrings(),
              Lines("\tBeginUnit\n\t\tUnitType=UNIT_ARCHER, UnitOwner=1\n\t\tLevel=2\n\tEndUnit"));
    EXPECT_EQ(unit.GetEditorLines(),
              (StringList{"UnitType=UNIT_ARCHER", "UnitOwner=1", "Level=2",
                          "Experience=", "PromotionType=", "UnitAIType=", "ScriptData="}));

    unit.SetExperience(5);
    EXPECT_EQ(unit.SaveToStrings()[2], "\t\tLevel=2, Experience=5");
    unit.ApplyEditorLines({"Level="});
    unit.ApplyEditorLines({"UnitAIType=UNITAI_SETTLE", "ScriptData=Hero"});
    EXPECT_EQ(unit.Level(), 1);
    EXPECT_EQ(unit.SaveToStrings(),
              Lines("\tBeginUnit\n\t\tUnitType=UNIT_ARCHER, UnitOwner=1\n\t\tExperience=5\n"
                    "\t\tUnitAIType=UNITAI_SETTLE\n\t\tScriptData=Hero\n\tEndUnit"));
}
