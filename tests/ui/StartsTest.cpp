// The starts on the map: their flags in both looks and under their display option, and the Start
// tool that moves a player's start as one step of the history.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "render/StartFlag.h"
#include "ui/mapview/MapGridView.h"
#include "ui/tools/StartTool.h"
#include "ui/windows/OptionsWindow.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QTabBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

// On the sample map (16 x 10) player 0 starts on (4, 5) and player 1 on (13, 3), both plots marked.
class StartsTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
        ShowTab(TMainWindow::TabMap);
        QCoreApplication::processEvents(); // lays the shown map panel out
        ASSERT_EQ(Grid().Zoom(), 32);
    }
    static void ShowTab(int tab) { mainWindow->Tabs()->setCurrentIndex(tab); }
    static TMapGridView& Grid() { return *mainWindow->GridView(); }
    static TMap& Map() { return mainWindow->Map(); }
    static TPlot& Plot(int x, int y) { return *Map().Grids().GetPlot(x, y); }
    static int RowOf(int y) { return Map().Grids().Height() - 1 - y; }
    // A pixel inside the flag's cloth, left of its label, on the plot (x, y) at zoom 32.
    static QRgb ClothPixel(int x, int y) {
        const QImage shown = Grid().viewport()->grab().toImage();
        return shown.pixel(Grid().CellRect(x, RowOf(y)).topLeft() + QPoint(7, 5));
    }
    static void ChoosePlayer(int slot) {
        ShowTab(TMainWindow::TabPlayer);
        mainWindow->SelectTeamOrPlayer(slot);
        ShowTab(TMainWindow::TabMap);
    }
    static void ClickPlot(int x, int y) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().CellRect(x, RowOf(y)).center());
    }
    static QAction* StartButton() { return mainWindow->MapButton("BtnStart"); }
};

TEST_F(StartsTest, EachStartShowsAFlagInBothLooksWhileItsOptionIsOn) {
    const QColor player = PlayerFlagColour;
    EXPECT_EQ(ClothPixel(4, 5), player.rgb());
    EXPECT_EQ(ClothPixel(13, 3), player.rgb());
    EXPECT_NE(ClothPixel(5, 5), player.rgb());
    mainWindow->MapButton("BtnGraphicMode")->trigger();
    EXPECT_EQ(ClothPixel(4, 5), player.rgb());

    mainWindow->OptionsWindow()->RemoveOption(StartsOption);
    Grid().viewport()->repaint();
    EXPECT_NE(ClothPixel(4, 5), player.rgb());
    mainWindow->MapButton("BtnGraphicMode")->trigger();
    EXPECT_NE(ClothPixel(4, 5), player.rgb());
    EXPECT_EQ(ClothPixel(4, 5), TerrainColor(Plot(4, 5).TerrainType()).rgb());
}

TEST_F(StartsTest, AStartPlotOfNoPlayerShowsAPlainFlagAtOnce) {
    ASSERT_TRUE(Grid().SelectCell(2, RowOf(2)));
    TypeInto("StartingPlot", "1");
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    EXPECT_EQ(ClothPixel(2, 2), PlainFlagColour.rgb());
    const std::vector<TStartFlag> flags = StartFlagsIn(Map(), 0, 0, 15, 9);
    ASSERT_EQ(flags.size(), 3u);
    EXPECT_EQ(flags[2].Label(), "-");
}

TEST_F(StartsTest, PlayersSharingAStartShareOneFlag) {
    Map().Players().GetPlayer(1)->ApplyEditorLines({"StartingX=4", "StartingY=5"});
    const std::vector<TStartFlag> flags = StartFlagsIn(Map(), 0, 0, 15, 9);
    ASSERT_EQ(flags.size(), 2u); // (13, 3) keeps its mark
    EXPECT_EQ(flags[0].Label(), "0,1");
    EXPECT_EQ(flags[1].Label(), "-");
}

TEST_F(StartsTest, ALongLabelStaysInItsCell) {
    for (int slot = 1; slot <= 4; ++slot)
        Map().Players().GetPlayer(slot)->ApplyEditorLines(
            {"Team=" + std::to_string(slot), "StartingX=4", "StartingY=5"});
    mainWindow->ZoomSlider()->setValue(LetteredFlagZoom);
    // The whole view painted at once: the neighbour's cell as a paint of everything shows it.
    const auto neighbour = [] {
        return Grid().viewport()->grab().toImage().copy(Grid().CellRect(5, RowOf(5)));
    };
    const QImage withFlags = neighbour();
    mainWindow->OptionsWindow()->RemoveOption(StartsOption);
    EXPECT_EQ(neighbour(), withFlags);
}

TEST_F(StartsTest, TheStartToolMovesTheChosenPlayersStartAsOneStep) {
    ChoosePlayer(1);
    StartButton()->trigger();
    EXPECT_EQ(Grid().Tool(), &mainWindow->StartTool());
    EXPECT_EQ(mainWindow->StatusPanel(0)->text(), "Start for player 1");
    EXPECT_TRUE(StartButton()->toolTip().contains("player 1"));
    EXPECT_EQ(mainWindow->MapToolBar()->widgetForAction(StartButton())->accessibleName(), "Start");

    const std::string before = Map().SaveToBytes();
    ClickPlot(2, 7);
    ASSERT_EQ(mainWindow->Session().History().count(), 1);
    EXPECT_EQ(mainWindow->Session().History().undoText(), "Start of player 1 at (2, 7)");
    const std::string after = Map().SaveToBytes();
    EXPECT_EQ(Map().Players().GetPlayer(1)->StartingX(), 2);
    EXPECT_EQ(Map().Players().GetPlayer(1)->StartingY(), 7);
    EXPECT_TRUE(Plot(2, 7).StartingPlot());
    EXPECT_FALSE(Plot(13, 3).StartingPlot());
    // The clicked plot is the current cell, and the sheet shows its mark.
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(Grid().Row(), RowOf(7));
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("StartingPlot")), "1");
    EXPECT_EQ(ClothPixel(2, 7), PlayerFlagColour.rgb());
    EXPECT_NE(ClothPixel(13, 3), PlayerFlagColour.rgb());

    mainWindow->Undo();
    EXPECT_EQ(Map().SaveToBytes(), before);
    EXPECT_EQ(mainWindow->Tabs()->currentIndex(), TMainWindow::TabMap);
    EXPECT_EQ(ClothPixel(13, 3), PlayerFlagColour.rgb());
    EXPECT_NE(ClothPixel(2, 7), PlayerFlagColour.rgb());
    mainWindow->Redo();
    EXPECT_EQ(Map().SaveToBytes(), after);
    // Its own start again changes nothing.
    ClickPlot(2, 7);
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
}

TEST_F(StartsTest, WithTheToolUpAClickOnlySelects) {
    StartButton()->trigger();
    StartButton()->trigger();
    EXPECT_EQ(Grid().Tool(), nullptr);
    EXPECT_EQ(mainWindow->StatusPanel(0)->text(), "Ready...");
    ClickPlot(2, 7);
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
}

TEST_F(StartsTest, APlayerNotInUseGetsNoStart) {
    ChoosePlayer(5);
    ASSERT_FALSE(Map().Players().GetPlayer(5)->InUse());
    StartButton()->trigger();
    EXPECT_TRUE(StartButton()->toolTip().contains("player 5 (not in use)"));
    ClickPlot(2, 7);
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
    EXPECT_FALSE(Plot(2, 7).StartingPlot());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].startsWith("Player 5 is not in use"));
}

TEST_F(StartsTest, ARowTheSheetRefusesKeepsTheStart) {
    StartButton()->trigger();
    TypeInto("PlotType", "hill");
    ClickPlot(2, 7);
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
    EXPECT_EQ(Map().Players().GetPlayer(0)->StartingX(), 4);
    EXPECT_EQ(Grid().Col(), 0);
}

} // namespace
