// "New" and "Build a new map": what each keeps and discards, the size dialog's memory of its last
// numbers, and the sizes it refuses.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "render/MiniMapBitmap.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/mapview/MapGridView.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

using TAnswer = TDialogs::TAnswer;

class NewMapTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
    }

    // Presses "Build a new map" and, while the size dialog is shown, runs `act` on it.
    static void BuildNewMap(const std::function<void(TNewMapDialog&)>& act) {
        QTimer::singleShot(0, [act] { act(*mainWindow->NewMapDialog()); });
        mainWindow->MapToolBar()->findChild<QAction*>("BtnEmptyMap")->trigger();
    }
    static void SetSize(TNewMapDialog& form, int width, int height) {
        form.NumWidth()->setValue(width);
        form.NumHeight()->setValue(height);
    }
    static int UnitsAndCities() {
        const TPlotGrid& grids = mainWindow->Map().Grids();
        int count = 0;
        for (int x = 0; x < grids.Width(); ++x)
            for (int y = 0; y < grids.Height(); ++y)
                count += grids.GetPlot(x, y)->Units().Count() + (grids.GetPlot(x, y)->HasCity() ? 1 : 0);
        return count;
    }
};

TEST_F(NewMapTest, NewOnAModifiedMapAnsweredCancelKeepsItAndNoDiscardsIt) {
    TypeInto("MaxTurns", "77");
    dialogs->answers = {TAnswer::Cancel};
    mainWindow->NewMap();
    EXPECT_EQ(dialogs->questions.size(), 1);
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 16);
    EXPECT_FALSE(mainWindow->FileName().isEmpty());
    EXPECT_TRUE(mainWindow->Modified());

    dialogs->answers = {TAnswer::No};
    mainWindow->NewMap();
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 1);
    EXPECT_EQ(mainWindow->Map().Grids().Height(), 1);
    EXPECT_EQ(mainWindow->Map().MapData().GridWidth(), 1);
    EXPECT_EQ(mainWindow->GridView()->ColCount(), 1);
    EXPECT_EQ(mainWindow->MiniMapBitmap().Image().size(), QSize(3, 3)); // the mini-map shows the one plot
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 0);
    EXPECT_EQ(mainWindow->windowTitle(), "QuarraMapEditor V2");
    EXPECT_TRUE(mainWindow->FileName().isEmpty());
    EXPECT_FALSE(mainWindow->Modified());
    EXPECT_EQ(Sheet().Key(0), "Era"); // the "Rule" tab shows the cleared game section
}

TEST_F(NewMapTest, BuildingASixteenBySixteenMapGivesEmptyPlotsAndMarksItModified) {
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
    ASSERT_GT(UnitsAndCities(), 0);
    BuildNewMap([](TNewMapDialog& form) {
        EXPECT_EQ(form.windowTitle(), "New map");
        EXPECT_EQ(form.NumWidth()->value(), 16);
        EXPECT_EQ(form.NumHeight()->value(), 16);
        form.BtnOk()->click();
    });
    const TPlotGrid& grids = mainWindow->Map().Grids();
    EXPECT_EQ(grids.Width() * grids.Height(), 256);
    EXPECT_EQ(grids.GetPlot(15, 15)->X(), 15);
    EXPECT_EQ(grids.GetPlot(15, 15)->Y(), 15);
    EXPECT_EQ(grids.GetPlot(7, 3)->TerrainType(), "TERRAIN_OCEAN");
    EXPECT_EQ(UnitsAndCities(), 0);
    EXPECT_EQ(mainWindow->GridView()->ColCount(), 16);
    EXPECT_EQ(mainWindow->GridView()->RowCount(), 16);
    EXPECT_EQ(mainWindow->MiniMapBitmap().Image().size(), QSize(48, 48));
    EXPECT_EQ(mainWindow->StatusPanel(1)->text(), "Size = (16 x 16)");
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("Units")), "[ 0 Units ]");
    EXPECT_TRUE(mainWindow->Modified());
}

TEST_F(NewMapTest, BuildingANewMapKeepsTheFileTitleAndEverySectionButThePlots) {
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabTeam);
    mainWindow->SelectTeamOrPlayer(1);
    const QString title = mainWindow->windowTitle();
    const StringList game = mainWindow->Map().Game().SaveToStrings();
    const StringList teams = mainWindow->Map().Teams().GetTeam(1)->GetEditorLines();
    const int topLatitude = mainWindow->Map().MapData().TopLatitude();

    BuildNewMap([](TNewMapDialog& form) {
        SetSize(form, 20, 10);
        form.BtnOk()->click();
    });
    EXPECT_EQ(mainWindow->windowTitle(), title);
    EXPECT_EQ(mainWindow->FileName(), QFileInfo(SampleMap()).absoluteFilePath());
    EXPECT_EQ(mainWindow->TeamIndex(), 1);
    EXPECT_EQ(mainWindow->Map().MapData().GridWidth(), 20);
    EXPECT_EQ(mainWindow->Map().MapData().GridHeight(), 10);
    EXPECT_EQ(mainWindow->Map().MapData().TopLatitude(), topLatitude);
    EXPECT_EQ(mainWindow->Map().Game().SaveToStrings(), game);
    EXPECT_EQ(mainWindow->Map().Teams().GetTeam(1)->GetEditorLines(), teams);
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 20);
    EXPECT_EQ(mainWindow->Map().Grids().Height(), 10);
    EXPECT_TRUE(mainWindow->Modified());

    // The dialog keeps the numbers last entered; Cancel changes nothing.
    mainWindow->Session().MarkSaved();
    BuildNewMap([](TNewMapDialog& form) {
        EXPECT_EQ(form.NumWidth()->value(), 20);
        EXPECT_EQ(form.NumHeight()->value(), 10);
        SetSize(form, 5, 5);
        form.BtnCancel()->click();
    });
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 20);
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(NewMapTest, SizesBeyondWhatAMapHoldsAreRefusedWithAMessage) {
    int plotsAfterRefusal = -1;
    bool stayedOpen = false;
    BuildNewMap([&](TNewMapDialog& form) {
        SetSize(form, 0, 5000);
        EXPECT_EQ(form.NumWidth()->value(), 1);
        EXPECT_EQ(form.NumHeight()->value(), TMap::MaxGridSide);
        SetSize(form, 4096, 1025); // one row more than 4,194,304 plots
        form.BtnOk()->click();
        stayedOpen = form.isVisible();
        plotsAfterRefusal = mainWindow->Map().Grids().Width();
        SetSize(form, 30, 12);
        form.BtnOk()->click();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(plotsAfterRefusal, 16);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].contains("4,194,304"));
    EXPECT_TRUE(dialogs->messages[0].contains("4096 x 1025"));
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 30);
    EXPECT_EQ(mainWindow->Map().Grids().Height(), 12);
}

TEST_F(NewMapTest, TheLargestSideIsAccepted) {
    BuildNewMap([](TNewMapDialog& form) {
        SetSize(form, TMap::MaxGridSide, 2);
        form.BtnOk()->click();
    });
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(mainWindow->Map().Grids().Width(), TMap::MaxGridSide);
    EXPECT_EQ(mainWindow->StatusPanel(1)->text(), "Size = (4096 x 2)");
}

} // namespace
