// Every change can be undone and redone: each kind of step puts back the document's very bytes,
// the map's modified state follows the last save, and the windows show what a step touched.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/mapview/MapGridView.h"
#include "ui/windows/HistoryWindow.h"
#include "ui/windows/UnitsCityWindow.h"

#include <QAction>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>
#include <QUndoStack>
#include <QUndoView>

namespace {

class HistoryTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
    }
    static void ShowTab(int tab) { mainWindow->Tabs()->setCurrentIndex(tab); }
    void Write(const QString& key, const QString& value) {
        TypeInto(key, value);
        ASSERT_TRUE(mainWindow->CommitCurrentRow());
    }
};

TEST_F(HistoryTest, ARowOfEverySectionIsOneStep) {
    ExpectOneStep([&] { Write("MaxTurns", "450"); }, "MaxTurns");
    ShowTab(TMainWindow::TabTeam);
    mainWindow->SelectTeamOrPlayer(1);
    ExpectOneStep([&] { Write("Tech", "TECH_WHEEL,"); }, "Tech of team 1");
    ShowTab(TMainWindow::TabPlayer);
    ExpectOneStep([&] { Write("LeaderName", "Gandhi"); }, "LeaderName of player 0");
    ShowTab(TMainWindow::TabWorld);
    ExpectOneStep([&] { Write("climate", "CLIMATE_ARID"); }, "climate");
    ShowTab(TMainWindow::TabMap);
    ExpectOneStep([&] { Write("TerrainType", "TERRAIN_DESERT"); }, "TerrainType at (0, 9)");
}

TEST_F(HistoryTest, ARowWrittenAgainUnchangedMakesNoStep) {
    Write("MaxTurns", "300");
    mainWindow->CommitCurrentRow();
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
}

TEST_F(HistoryTest, UnitsAndCityChangesAreStepsOfTheirPlot) {
    ShowTab(TMainWindow::TabMap);
    const int unitsRow = Sheet().FindRow("Units");
    Sheet().SetCurrentRow(unitsRow);
    const std::string before = DocumentBytes();
    QTimer::singleShot(0, [] {
        mainWindow->UnitsCityWindow()->AddUnit();
        mainWindow->UnitsCityWindow()->AddUnit();
        mainWindow->UnitsCityWindow()->AcceptAndClose();
    });
    mainWindow->PickRowValues(unitsRow);
    EXPECT_EQ(mainWindow->Session().History().count(), 2);
    mainWindow->Undo();
    mainWindow->Undo();
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("Units")), "[ 0 Units ]");
}

TEST_F(HistoryTest, BuildingANewMapIsOneStepThatUndoesWhole) {
    ExpectOneStep(
        [] {
            QTimer::singleShot(0, [] {
                mainWindow->NewMapDialog()->NumWidth()->setValue(5);
                mainWindow->NewMapDialog()->NumHeight()->setValue(4);
                mainWindow->NewMapDialog()->accept();
            });
            mainWindow->MapButton("BtnEmptyMap")->trigger();
        },
        "Build a new map");
    EXPECT_EQ(mainWindow->GridView()->ColCount(), 5);
    mainWindow->Undo();
    EXPECT_EQ(mainWindow->GridView()->ColCount(), 16);
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 16);
}

TEST_F(HistoryTest, ModifiedFollowsTheStateOfTheLastSave) {
    EXPECT_FALSE(mainWindow->Modified());
    Write("MaxTurns", "1");
    EXPECT_TRUE(mainWindow->Modified());
    mainWindow->Undo();
    EXPECT_FALSE(mainWindow->Modified());
    mainWindow->Redo();
    EXPECT_TRUE(mainWindow->Modified());

    QTemporaryDir folder;
    dialogs->filesToSave.push_back(folder.filePath("saved"));
    ASSERT_TRUE(mainWindow->SaveMapAs());
    EXPECT_FALSE(mainWindow->Modified());
    mainWindow->Undo();
    EXPECT_TRUE(mainWindow->Modified());
    mainWindow->Redo();
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(HistoryTest, UndoFirstWritesWhatIsBeingTypedAndUndoesThat) {
    Write("MaxTurns", "1");
    TypeInto("MaxTurns", "2");
    mainWindow->Undo();
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 1);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("MaxTurns")), "1");
}

TEST_F(HistoryTest, UndoShowsTheSectionOrSelectsThePlotItChanged) {
    ShowTab(TMainWindow::TabMap);
    ASSERT_TRUE(mainWindow->GridView()->SelectCell(3, 2));
    Write("TerrainType", "TERRAIN_SNOW");
    ASSERT_TRUE(mainWindow->GridView()->SelectCell(0, 0));
    ShowTab(TMainWindow::TabPlayer);
    mainWindow->SelectTeamOrPlayer(1);
    Write("LeaderName", "Someone");
    ShowTab(TMainWindow::TabRule);

    mainWindow->Undo();
    EXPECT_EQ(mainWindow->Tabs()->currentIndex(), TMainWindow::TabPlayer);
    EXPECT_EQ(mainWindow->PlayerIndex(), 1);
    mainWindow->Undo();
    EXPECT_EQ(mainWindow->Tabs()->currentIndex(), TMainWindow::TabMap);
    EXPECT_EQ(mainWindow->GridCol(), 3);
    EXPECT_EQ(mainWindow->GridRow(), 2);
    EXPECT_NE(Sheet().Value(Sheet().FindRow("TerrainType")), "TERRAIN_SNOW");
}

TEST_F(HistoryTest, OpenAndNewClearTheHistory) {
    Write("MaxTurns", "1");
    dialogs->answers = {TDialogs::TAnswer::No};
    ASSERT_TRUE(mainWindow->OpenFileAsking(SampleMap()));
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
    Write("MaxTurns", "1");
    dialogs->answers = {TDialogs::TAnswer::No};
    mainWindow->NewMap();
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
    EXPECT_FALSE(mainWindow->UndoAction()->isEnabled());
}

TEST_F(HistoryTest, TheHistoryWindowListsTheStepsAndGoesBackToOne) {
    Write("MaxTurns", "1");
    Write("MaxTurns", "2");
    mainWindow->MapButton("BtnHistory")->trigger();
    ASSERT_TRUE(mainWindow->HistoryWindow()->isVisible());
    QUndoView* view = mainWindow->HistoryWindow()->View();
    EXPECT_EQ(view->model()->rowCount(), 3); // the opened map and two steps
    mainWindow->Session().History().setIndex(0);
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 300);
    mainWindow->HistoryWindow()->close();
    EXPECT_FALSE(mainWindow->MapButton("BtnHistory")->isChecked());
}

} // namespace
