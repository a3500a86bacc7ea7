// The picker's selection and a row's comma text, both ways.

#include "ui/sheet/PickProtocol.h"

#include "catalogue/Catalogue.h"
#include "ui/sheet/SheetText.h"

#include <QListWidget>

#include <gtest/gtest.h>

namespace {

class PickProtocolTest : public ::testing::Test {
protected:
    PickProtocolTest() { list.setSelectionMode(QAbstractItemView::ExtendedSelection); }
    void Fill(const StringList& values) { FillPickList(list, values); }
    QStringList Selected() const {
        QStringList names;
        for (int i = 0; i < list.count(); ++i)
            if (list.item(i)->isSelected())
                names.append(list.item(i)->text());
        return names;
    }

    TValueCatalogue catalogue;
    QListWidget list;
};

TEST_F(PickProtocolTest, TeamNumbersAreMarkedByTheirNamesAndCollectedBare) {
    Fill(catalogue.GetTeamNames());
    EXPECT_TRUE(IsTeamPickList(list, catalogue));
    EXPECT_FALSE(IsPlayerPickList(list, catalogue));
    MarkPickedValues(list, "1, 3,,x,", catalogue);
    EXPECT_EQ(Selected(), (QStringList{"Team1", "Team3"}));
    EXPECT_EQ(CollectPickedValues(list, catalogue), "1,3,");

    list.selectAll();
    EXPECT_EQ(CollectPickedValues(list, catalogue), "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,");
    list.clearSelection();
    EXPECT_EQ(CollectPickedValues(list, catalogue), "");
}

TEST_F(PickProtocolTest, PlayerNamesAndPlainValuesKeepTheirOwnRules) {
    Fill(catalogue.GetPlayerNames());
    EXPECT_TRUE(IsPlayerPickList(list, catalogue));
    MarkPickedValues(list, "17", catalogue);
    EXPECT_EQ(CollectPickedValues(list, catalogue), "17,");

    Fill({"TECH_A", "TECH_B", "TECH_C"});
    EXPECT_FALSE(IsTeamPickList(list, catalogue));
    MarkPickedValues(list, " tech_c ,TECH_A", catalogue);
    EXPECT_EQ(CollectPickedValues(list, catalogue), "TECH_A,TECH_C,");

    list.clear();
    EXPECT_FALSE(IsTeamPickList(list, catalogue));
    EXPECT_FALSE(IsPlayerPickList(list, catalogue));
}

TEST(SheetText, EveryByteShowsAsACharacterAndComesBackTheSame) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const QString shown = FromWindows1252(all);
    EXPECT_EQ(shown.at(0xE9), QChar(0xE9));
    EXPECT_EQ(shown.at(0x80), QChar(0x20AC));
    EXPECT_EQ(ToWindows1252(shown), all);
    EXPECT_FALSE(ToWindows1252(QString::fromUtf8("\u0100")).has_value());
    EXPECT_EQ(FirstUnencodable(QString::fromUtf8("ab\u4e00c")), QChar(0x4e00));
}

} // namespace
