// What a screen reader reads: the status panels say what they are and what they show, and the
// sheet's open drop-down list can be reached from the sheet with its entries.

#include "EditorFixture.h"

#include <QAccessible>
#include <QComboBox>

namespace {

class AccessibilityTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
    }
};

TEST_F(AccessibilityTest, StatusPanelsAreNamedWithWhatTheyShow) {
    EXPECT_EQ(mainWindow->StatusPanel(0)->accessibleName(), "Status: Ready...");
    EXPECT_EQ(mainWindow->StatusPanel(1)->accessibleName(), "Map size: 16 x 10");
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
    mainWindow->SelectCell(3, 2);
    EXPECT_EQ(mainWindow->StatusPanel(2)->accessibleName(), "Current cell: column 3, row 2");
}

TEST_F(AccessibilityTest, TheOpenDropDownAndItsEntriesAreChildrenOfTheirCell) {
    EditRow("Era");
    QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(&Sheet());
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(sheet->tableInterface(), nullptr);
    // Numbered as the item view numbers the cells in its focus events: the column titles first, and
    // a hidden row title before each row.
    EXPECT_EQ(sheet->childCount(), (Sheet().RowCount() + 1) * 3);
    EXPECT_EQ(sheet->child(2)->text(QAccessible::Name), "Value");
    const int row = Sheet().FindRow("Era");
    QAccessibleInterface* key = sheet->tableInterface()->cellAt(row, 0);
    QAccessibleInterface* value = sheet->tableInterface()->cellAt(row, 1);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(key->text(QAccessible::Name), "Era");
    EXPECT_EQ(value->text(QAccessible::Name), "ERA_ANCIENT");
    EXPECT_EQ(sheet->indexOfChild(value), (row + 1) * 3 + 2);
    EXPECT_EQ(sheet->child((row + 1) * 3 + 2), value);
    ASSERT_EQ(value->childCount(), 1);
    QAccessibleInterface* combo = value->child(0);
    EXPECT_EQ(combo->role(), QAccessible::ComboBox);
    // The entries are there before the list is opened.
    auto* list = qobject_cast<QComboBox*>(Sheet().OpenEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_GT(list->count(), 1);
    EXPECT_NE(list->findText("ERA_ANCIENT"), -1);
    // Another row's value cell holds no editor.
    EXPECT_EQ(sheet->tableInterface()->cellAt(Sheet().FindRow("Speed"), 1)->childCount(), 0);
}

} // namespace
