// The map of the "Map" tab as the main window wires it: selecting cells, edits showing at once, the
// zoom, the blinking cell, and the windows its tool bar shows.

#include "MapEditingFixture.h"

#include "ui/tools/BrushTool.h"

#include "document/MapContents.h"
#include "render/MiniMapBitmap.h"
#include "ui/mapview/MapGridView.h"
#include "ui/windows/DockWindow.h"
#include "ui/windows/MiniMapWindow.h"
#include "ui/windows/OptionsWindow.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QTabBar>
#include <QTimer>

namespace {

class MainFormMapTest : public MapEditingFixture {
protected:
    QRgb GridPixelAtCentreOf(int col, int row) const {
        const QImage shown = Grid().viewport()->grab().toImage();
        return shown.pixel(Grid().CellRect(col, row).center());
    }
};

TEST_F(MainFormMapTest, SelectingACellWritesTheEditedRowIntoThePlotLeft) {
    ASSERT_EQ(Plot(0, 9).TerrainType(), "TERRAIN_OCEAN");
    TypeInto("TerrainType", "TERRAIN_DESERT");
    ASSERT_TRUE(Grid().SelectCell(1, 0));
    EXPECT_EQ(Plot(0, 9).TerrainType(), "TERRAIN_DESERT");
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("TerrainType")),
              QString::fromStdString(Plot(1, 9).TerrainType()));
    EXPECT_EQ(mainWindow->StatusPanel(2)->text(), "(1, 0)");
    // The status bar counts grid rows from the top: grid row 9 is the map's y = 0.
    ASSERT_TRUE(Grid().SelectCell(1, 9));
    EXPECT_EQ(mainWindow->StatusPanel(2)->text(), "(1, 9)");
    EXPECT_EQ(mainWindow->GetPlotAt(1, 9), &Plot(1, 0));
}

TEST_F(MainFormMapTest, ARefusedRowKeepsTheCurrentCell) {
    TypeInto("PlotType", "hill");
    EXPECT_FALSE(Grid().SelectCell(2, 2));
    EXPECT_EQ(Grid().Col(), 0);
    EXPECT_EQ(Grid().Row(), 0);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("PlotType")), "hill");
}

TEST_F(MainFormMapTest, AWrittenTerrainShowsAtOnceOnTheGridAndTheMiniMap) {
    TypeInto("TerrainType", "TERRAIN_DESERT");
    QTest::keyClick(Sheet().OpenEditor(), Qt::Key_Return);
    const QRgb yellow = qRgb(255, 255, 0);
    EXPECT_EQ(mainWindow->MiniMapBitmap().Image().pixel(1, 1), yellow);
    EXPECT_EQ(mainWindow->MiniMapBitmap().Image().pixel(4, 1), qRgb(0, 0, 255)); // its neighbour stays
    EXPECT_EQ(GridPixelAtCentreOf(0, 0), yellow);
}

TEST_F(MainFormMapTest, ZoomMovesInStepsOfFourWithinItsLimits) {
    QSlider* zoom = mainWindow->ZoomSlider();
    EXPECT_EQ(Grid().Zoom(), 32);
    mainWindow->ZoomIn();
    EXPECT_EQ(Grid().Zoom(), 36);
    EXPECT_EQ(zoom->toolTip(), "36");
    zoom->setValue(126);
    EXPECT_EQ(Grid().Zoom(), 128);
    mainWindow->ZoomIn();
    EXPECT_EQ(Grid().Zoom(), 128);
    zoom->setValue(8);
    mainWindow->ZoomOut();
    EXPECT_EQ(Grid().Zoom(), 8);
}

TEST_F(MainFormMapTest, TheCurrentCellBlinksOnlyOnTheMapTab) {
    EXPECT_TRUE(mainWindow->BlinkTimer()->isActive());
    const bool before = Grid().BlinkOn();
    mainWindow->BlinkCurrentCell();
    EXPECT_NE(Grid().BlinkOn(), before);
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabWorld);
    EXPECT_FALSE(mainWindow->BlinkTimer()->isActive());
}

TEST_F(MainFormMapTest, TheDetachedWindowTakesTheMapAndAnotherTabBringsItBack) {
    mainWindow->MapButton("BtnDock")->trigger();
    EXPECT_TRUE(mainWindow->DockWindow()->isVisible());
    EXPECT_TRUE(mainWindow->DockWindow()->HoldsPanel());
    EXPECT_FALSE(mainWindow->MapPanelHome()->isVisible());

    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabRule);
    EXPECT_FALSE(mainWindow->DockWindow()->isVisible());
    EXPECT_FALSE(mainWindow->MapButton("BtnDock")->isChecked());
    EXPECT_EQ(mainWindow->MapPanel()->parentWidget(), mainWindow->MapPanelHome());
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
    EXPECT_TRUE(mainWindow->MapPanelHome()->isVisible());
}

TEST_F(MainFormMapTest, ToolWindowsClosedByThemselvesReleaseTheirButtons) {
    mainWindow->MapButton("BtnShowMiniMap")->trigger();
    EXPECT_TRUE(mainWindow->MiniMapWindow()->isVisible());
    mainWindow->MiniMapWindow()->close();
    EXPECT_FALSE(mainWindow->MapButton("BtnShowMiniMap")->isChecked());

    mainWindow->MapButton("BtnOptions")->trigger();
    EXPECT_TRUE(mainWindow->OptionsWindow()->isVisible());
    mainWindow->OptionsWindow()->close();
    EXPECT_FALSE(mainWindow->MapButton("BtnOptions")->isChecked());
}

TEST_F(MainFormMapTest, TheMiniMapFramesWhatTheGridShows) {
    mainWindow->MapButton("BtnShowMiniMap")->trigger();
    mainWindow->ZoomSlider()->setValue(128); // the map no longer fits the view
    Grid().SetTopLeft(2, 1);
    ASSERT_EQ(Grid().LeftCol(), 2);
    const TViewRect frame = mainWindow->MiniMapWindow()->ViewRect();
    EXPECT_EQ(frame.left, 6);
    EXPECT_EQ(frame.top, 3);
    EXPECT_LE(frame.right, mainWindow->MiniMapBitmap().Width());
}

TEST_F(MainFormMapTest, GridAndMiniMapTakeTheSizeOfEveryNewPlotGrid) {
    EXPECT_EQ(Grid().ColCount(), 16);
    EXPECT_EQ(mainWindow->MiniMapBitmap().Width(), 48);
    mainWindow->NewMap();
    EXPECT_EQ(Grid().ColCount(), 1);
    EXPECT_EQ(Grid().RowCount(), 1);
    EXPECT_EQ(mainWindow->MiniMapBitmap().Width(), 3);
    EXPECT_EQ(mainWindow->GetPlotAt(0, 0), mainWindow->Map().Grids().GetPlot(0, 0));
}

TEST_F(MainFormMapTest, TheDisplayOptionsDecideWhatTheGridPaints) {
    TypeInto("TerrainType", "TERRAIN_GRASS");
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    EXPECT_EQ(GridPixelAtCentreOf(0, 0), qRgb(0, 128, 0));
    mainWindow->OptionsWindow()->RemoveOption("Terrain");
    Grid().viewport()->repaint();
    EXPECT_EQ(GridPixelAtCentreOf(0, 0), qRgb(0, 0, 0));
}

TEST_F(MainFormMapTest, OneEditingToolIsDownAtATime) {
    QAction* paint = mainWindow->MapButton("BtnPaint");
    QAction* start = mainWindow->MapButton("BtnStart");
    paint->trigger();
    EXPECT_EQ(Grid().Tool(), static_cast<TMapGridTool*>(&mainWindow->BrushTool()));
    start->trigger();
    EXPECT_FALSE(paint->isChecked());
    EXPECT_NE(Grid().Tool(), static_cast<TMapGridTool*>(&mainWindow->BrushTool()));
    EXPECT_NE(Grid().Tool(), nullptr);
    start->trigger();
    EXPECT_EQ(Grid().Tool(), nullptr);
}

} // namespace
