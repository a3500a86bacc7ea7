#include "ui/windows/OptionsWindow.h"

#include "support/ImageList.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QImage Solid(int side, QRgb colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The main window's tool bar pictures and tick boxes, each a plain colour.
struct TOptionsPictures {
    TOptionsPictures() {
        for (int i = 0; i < 20; ++i)
            toolBar.Add(Solid(16, qRgb(i * 10, 0, 0)), qRgb(255, 0, 255));
        for (int i = 0; i < 4; ++i)
            yesNo.Add(Solid(16, qRgb(0, i * 60, 0)), qRgb(255, 0, 255));
    }
    TImageList toolBar{16, 16};
    TImageList yesNo{16, 16};
};

class OptionsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.BtnExpand->click();
        QApplication::processEvents();
    }
    QTreeWidgetItem* Item(const char* text) {
        QTreeWidgetItem* item = form.FindItem(text);
        EXPECT_NE(item, nullptr) << text;
        return item;
    }
    int State(const char* text) { return TOptionsWindow::ItemState(Item(text)); }
    void ClickTickBox(const char* text) {
        QTreeWidgetItem* item = Item(text);
        form.TVOptions->scrollToItem(item);
        QTest::mouseClick(form.TVOptions->viewport(), Qt::LeftButton, {}, form.TickBoxRect(item).center());
    }
    void ClickText(const char* text) {
        QTreeWidgetItem* item = Item(text);
        form.TVOptions->scrollToItem(item);
        const QRect row = form.TVOptions->visualItemRect(item);
        const QPoint onText(form.TickBoxRect(item).right() + 20, row.center().y());
        QTest::mouseClick(form.TVOptions->viewport(), Qt::LeftButton, {}, onText);
    }

    TOptionsPictures pictures;
    TOptionsWindow form{pictures.toolBar, pictures.yesNo};
};

} // namespace

TEST_F(OptionsFormTest, EveryOptionIsOnAtStartWhateverTheCase) {
    EXPECT_TRUE(form.IsOptionOn("OCEAN"));
    EXPECT_TRUE(form.IsOptionOn("flood_plains"));
    EXPECT_TRUE(form.IsOptionOn("Terrain"));
    EXPECT_TRUE(form.IsOptionOn("OTHER BONUS"));
    EXPECT_TRUE(form.IsOptionOn("City, Units"));
    EXPECT_TRUE(form.IsOptionOn("Starts"));
    EXPECT_FALSE(form.IsOptionOn("FOREST0"));
    // Every group with its items, and the group of the starts with its one.
    EXPECT_EQ(form.Options().Names().size(), 8u + 8 + 2 + 5 + 1 + 36 + 2 + 2 + 2);
    EXPECT_EQ(form.windowTitle(), "Display Options");
    EXPECT_EQ(form.Options().Names().front(), "Terrain");
    EXPECT_EQ(form.Options().Names()[1], "Ocean");
}

TEST_F(OptionsFormTest, ClickOnATickBoxTogglesAndAsksForARepaint) {
    QSignalSpy repaint(&form, &TOptionsWindow::RepaintRequested);
    ClickTickBox("Ocean");
    EXPECT_FALSE(form.IsOptionOn("Ocean"));
    EXPECT_EQ(State("Ocean"), 0);
    EXPECT_TRUE(form.IsOptionOn("Terrain"));
    EXPECT_EQ(repaint.count(), 1);
    EXPECT_EQ(Item("Ocean")->icon(0).pixmap(16, 16).toImage().pixel(8, 8), qRgb(0, 0, 0));
    EXPECT_EQ(Item("Coast")->icon(0).pixmap(16, 16).toImage().pixel(8, 8), qRgb(0, 60, 0));
    ClickTickBox("Ocean");
    EXPECT_TRUE(form.IsOptionOn("Ocean"));
    EXPECT_EQ(repaint.count(), 2);
}

TEST_F(OptionsFormTest, ClickOnTheTextOnlySelects) {
    QSignalSpy repaint(&form, &TOptionsWindow::RepaintRequested);
    ClickText("Coast");
    EXPECT_TRUE(form.IsOptionOn("Coast"));
    EXPECT_EQ(form.TVOptions->currentItem(), Item("Coast"));
    EXPECT_EQ(repaint.count(), 0);
}

TEST_F(OptionsFormTest, GroupIsTickedExactlyWhenOneOfItsItemsIs) {
    ClickTickBox("Mountain");
    EXPECT_TRUE(form.IsOptionOn("Plot"));
    ClickTickBox("Hill");
    EXPECT_FALSE(form.IsOptionOn("Plot"));
    EXPECT_EQ(State("Plot"), 0);
    ClickTickBox("Hill");
    EXPECT_TRUE(form.IsOptionOn("Plot"));
    EXPECT_FALSE(form.IsOptionOn("Mountain"));
}

TEST_F(OptionsFormTest, GroupTickBoxTogglesAllItsItems) {
    ClickTickBox("Bonus");
    EXPECT_FALSE(form.IsOptionOn("Bonus"));
    QTreeWidgetItem* bonus = Item("Bonus");
    ASSERT_EQ(bonus->childCount(), 36);
    for (int i = 0; i < bonus->childCount(); ++i) {
        EXPECT_EQ(TOptionsWindow::ItemState(bonus->child(i)), 0);
        EXPECT_FALSE(form.IsOptionOn(bonus->child(i)->text(0).toStdString()));
    }
    EXPECT_TRUE(form.IsOptionOn("Terrain"));
    ClickTickBox("Bonus");
    for (int i = 0; i < bonus->childCount(); ++i)
        EXPECT_TRUE(form.IsOptionOn(bonus->child(i)->text(0).toStdString()));
}

TEST_F(OptionsFormTest, TheStartsAreAnItemOfAGroupOfTheirOwn) {
    ASSERT_EQ(Item("Starts")->parent(), Item("Players"));
    ClickTickBox("Starts");
    EXPECT_FALSE(form.IsOptionOn("Starts"));
    EXPECT_FALSE(form.IsOptionOn("Players"));
    EXPECT_TRUE(form.IsOptionOn("TeamReveal"));
    ClickTickBox("Players");
    EXPECT_TRUE(form.IsOptionOn("Starts"));
}

TEST_F(OptionsFormTest, TeamRevealHasNoItemsAndTogglesAlone) {
    const std::size_t before = form.Options().Names().size();
    ClickTickBox("TeamReveal");
    EXPECT_FALSE(form.IsOptionOn("TeamReveal"));
    EXPECT_EQ(form.Options().Names().size(), before - 1);
}

TEST_F(OptionsFormTest, UnselectAllUnticksTheGroupOfTheSelectedItemWithoutRepaint) {
    QSignalSpy repaint(&form, &TOptionsWindow::RepaintRequested);
    form.TVOptions->setCurrentItem(Item("Wheat"));
    form.BtnSelectNone->click();
    EXPECT_FALSE(form.IsOptionOn("Bonus"));
    EXPECT_FALSE(form.IsOptionOn("Wheat"));
    EXPECT_FALSE(form.IsOptionOn("Aluminum"));
    EXPECT_TRUE(form.IsOptionOn("Feature"));
    form.TVOptions->setCurrentItem(Item("Feature"));
    form.BtnSelectNone->click();
    EXPECT_FALSE(form.IsOptionOn("Forest"));
    form.BtnSelectAll->click();
    EXPECT_TRUE(form.IsOptionOn("Bonus"));
    EXPECT_TRUE(form.IsOptionOn("Wheat"));
    EXPECT_TRUE(form.IsOptionOn("Forest"));
    EXPECT_EQ(repaint.count(), 0);
}

TEST_F(OptionsFormTest, CancelRestoresTheTicksOfTheLastShow) {
    ClickTickBox("Ocean");
    form.close();
    form.show();
    form.BtnExpand->click();
    ClickTickBox("Grass");
    ClickTickBox("Bonus");
    QSignalSpy repaint(&form, &TOptionsWindow::RepaintRequested);
    QSignalSpy closed(&form, &TOptionsWindow::Closed);
    form.BtnCancel->click();
    EXPECT_FALSE(form.IsOptionOn("Ocean"));
    EXPECT_TRUE(form.IsOptionOn("Grass"));
    EXPECT_TRUE(form.IsOptionOn("Wheat"));
    EXPECT_EQ(State("Grass"), 1);
    EXPECT_EQ(State("Ocean"), 0);
    EXPECT_EQ(repaint.count(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OptionsFormTest, EscCancelsEnterAppliesSpaceToggles) {
    form.TVOptions->setFocus();
    form.TVOptions->setCurrentItem(Item("Snow"));
    QTest::keyClick(form.TVOptions, Qt::Key_Space);
    EXPECT_FALSE(form.IsOptionOn("Snow"));
    QSignalSpy closed(&form, &TOptionsWindow::Closed);
    QTest::keyClick(form.TVOptions, Qt::Key_Escape);
    EXPECT_TRUE(form.IsOptionOn("Snow"));
    EXPECT_EQ(closed.count(), 1);

    form.show();
    form.TVOptions->setFocus();
    form.TVOptions->setCurrentItem(Item("Snow"));
    QTest::keyClick(form.TVOptions, Qt::Key_Space);
    QTest::keyClick(form.TVOptions, Qt::Key_Return);
    EXPECT_FALSE(form.IsOptionOn("Snow"));
    EXPECT_EQ(closed.count(), 2);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OptionsFormTest, ShowOptionsInTreeTicksTheItemsOfTheNames) {
    form.RemoveOption("desert");
    form.AddOption("Desert");
    form.AddOption("DESERT");
    form.RemoveOption("Hill");
    form.ShowOptionsInTree();
    EXPECT_EQ(State("Desert"), 1);
    EXPECT_EQ(State("Hill"), 0);
    form.RemoveOption("Desert");
    EXPECT_FALSE(form.IsOptionOn("desert"));
    form.CollectTicked();
    EXPECT_TRUE(form.IsOptionOn("desert"));
    EXPECT_FALSE(form.IsOptionOn("Hill"));
}

TEST_F(OptionsFormTest, ToolButtonsAreNamedByTheirHints) {
    EXPECT_EQ(form.BtnExpand->accessibleName(), "Expand list");
    EXPECT_EQ(form.BtnSelectNone->toolTip(), "Unselect all items of this type");
    EXPECT_EQ(form.BtnExit->accessibleName(), "Apply and exit");
    form.BtnCollapse->click();
    EXPECT_FALSE(Item("Terrain")->isExpanded());
    form.BtnExpand->click();
    EXPECT_TRUE(Item("Bonus")->isExpanded());
}
