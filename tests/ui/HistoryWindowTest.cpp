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
        ASSERT_TRUE(MainForm->OpenFile(SampleMap()));
    }
    static void ShowTab(int tab) { MainForm->Tabs()->setCurrentIndex(tab); }
    void Write(const QString& key, const QString& value) {
        TypeInto(key, value);
        ASSERT_TRUE(MainForm->CommitCurrentRow());
    }
};

TEST_F(HistoryTest, ARowOfEverySectionIsOneStep) {
    ExpectOneStep([&] { Write("MaxTurns", "450"); }, "MaxTurns");
    ShowTab(TMainWindow::TabTeam);
    MainForm->SelectTeamOrPlayer(1);
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
    MainForm->CommitCurrentRow();
    EXPECT_EQ(MainForm->Session().History().count(), 0);
}

TEST_F(HistoryTest, UnitsAndCityChangesAreStepsOfTheirPlot) {
    ShowTab(TMainWindow::TabMap);
    const int unitsRow = Sheet().FindRow("Units");
    Sheet().SetCurrentRow(unitsRow);
    const std::string before = DocumentBytes();
    QTimer::singleShot(0, [] {
        UCForm->AddUnit();
        UCForm->AddUnit();
        UCForm->AcceptAndClose();
    });
    MainForm->PickRowValues(unitsRow);
    EXPECT_EQ(MainForm->Session().History().count(), 2);
    MainForm->Undo();
    MainForm->Undo();
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("Units")), "[ 0 Units ]");
}

TEST_F(HistoryTest, BuildingANewMapIsOneStepThatUndoesWhole) {
    ExpectOneStep(
        [] {
            QTimer::singleShot(0, [] {
                NewMapForm->NumWidth()->setValue(5);
                NewMapForm->NumHeight()->setValue(4);
                NewMapForm->accept();
            });
            MainForm->MapButton("BtnEmptyMap")->trigger();
        },
        "Build a new map");
    EXPECT_EQ(MainForm->GridView()->ColCount(), 5);
    MainForm->Undo();
    EXPECT_EQ(MainForm->GridView()->ColCount(), 16);
    EXPECT_EQ(MainForm->Map().Grids().Width(), 16);
}

TEST_F(HistoryTest, ModifiedFollowsTheStateOfTheLastSave) {
    EXPECT_FALSE(MainForm->Modified());
    Write("MaxTurns", "1");
    EXPECT_TRUE(MainForm->Modified());
    MainForm->Undo();
    EXPECT_FALSE(MainForm->Modified());
    MainForm->Redo();
    EXPECT_TRUE(MainForm->Modified());

    QTemporaryDir folder;
    dialogs->filesToSave.push_back(folder.filePath("saved"));
    ASSERT_TRUE(MainForm->SaveMapAs());
    EXPECT_FALSE(MainForm->Modified());
    MainForm->Undo();
    EXPECT_TRUE(MainForm->Modified());
    MainForm->Redo();
    EXPECT_FALSE(MainForm->Modified());
}

TEST_F(HistoryTest, UndoFirstWritesWhatIsBeingTypedAndUndoesThat) {
    Write("MaxTurns", "1");
    TypeInto("MaxTurns", "2");
    MainForm->Undo();
    EXPECT_EQ(MainForm->Map().Game().MaxTurns(), 1);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("MaxTurns")), "1");
}

TEST_F(HistoryTest, UndoShowsTheSectionOrSelectsThePlotItChanged) {
    ShowTab(TMainWindow::TabMap);
    ASSERT_TRUE(MainForm->GridView()->SelectCell(3, 2));
    Write("TerrainType", "TERRAIN_SNOW");
    ASSERT_TRUE(MainForm->GridView()->SelectCell(0, 0));
    ShowTab(TMainWindow::TabPlayer);
    MainForm->SelectTeamOrPlayer(1);
    Write("LeaderName", "Someone");
    ShowTab(TMainWindow::TabRule);

    MainForm->Undo();
    EXPECT_EQ(MainForm->Tabs()->currentIndex(), TMainWindow::TabPlayer);
    EXPECT_EQ(MainForm->PlayerIndex(), 1);
    MainForm->Undo();
    EXPECT_EQ(MainForm->Tabs()->currentIndex(), TMainWindow::TabMap);
    EXPECT_EQ(MainForm->GridCol(), 3);
    EXPECT_EQ(MainForm->GridRow(), 2);
    EXPECT_NE(Sheet().Value(Sheet().FindRow("TerrainType")), "TERRAIN_SNOW");
}

TEST_F(HistoryTest, OpenAndNewClearTheHistory) {
    Write("MaxTurns", "1");
    dialogs->answers = {TDialogs::TAnswer::No};
    ASSERT_TRUE(MainForm->OpenFileAsking(SampleMap()));
    EXPECT_EQ(MainForm->Session().History().count(), 0);
    Write("MaxTurns", "1");
    dialogs->answers = {TDialogs::TAnswer::No};
    MainForm->NewMap();
    EXPECT_EQ(MainForm->Session().History().count(), 0);
    EXPECT_FALSE(MainForm->UndoAction()->isEnabled());
}

TEST_F(HistoryTest, TheHistoryWindowListsTheStepsAndGoesBackToOne) {
    Write("MaxTurns", "1");
    Write("MaxTurns", "2");
    MainForm->MapButton("BtnHistory")->trigger();
    ASSERT_TRUE(MainForm->HistoryWindow()->isVisible());
    QUndoView* view = MainForm->HistoryWindow()->View();
    EXPECT_EQ(view->model()->rowCount(), 3); // the opened map and two steps
    MainForm->Session().History().setIndex(0);
    EXPECT_EQ(MainForm->Map().Game().MaxTurns(), 300);
    MainForm->HistoryWindow()->close();
    EXPECT_FALSE(MainForm->MapButton("BtnHistory")->isChecked());
}

} // namespace
