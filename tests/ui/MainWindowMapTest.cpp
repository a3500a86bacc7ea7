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
    EXPECT_EQ(MainForm->StatusPanel(2)->text(), "(1, 0)");
    // The status bar counts grid rows from the top: grid row 9 is the map's y = 0.
    ASSERT_TRUE(Grid().SelectCell(1, 9));
    EXPECT_EQ(MainForm->StatusPanel(2)->text(), "(1, 9)");
    EXPECT_EQ(MainForm->GetPlotAt(1, 9), &Plot(1, 0));
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
    EXPECT_EQ(MainForm->MiniMapBitmap().Image().pixel(1, 1), yellow);
    EXPECT_EQ(MainForm->MiniMapBitmap().Image().pixel(4, 1), qRgb(0, 0, 255)); // its neighbour stays
    EXPECT_EQ(GridPixelAtCentreOf(0, 0), yellow);
}

TEST_F(MainFormMapTest, ZoomMovesInStepsOfFourWithinItsLimits) {
    QSlider* zoom = MainForm->ZoomSlider();
    EXPECT_EQ(Grid().Zoom(), 32);
    MainForm->ZoomIn();
    EXPECT_EQ(Grid().Zoom(), 36);
    EXPECT_EQ(zoom->toolTip(), "36");
    zoom->setValue(126);
    EXPECT_EQ(Grid().Zoom(), 128);
    MainForm->ZoomIn();
    EXPECT_EQ(Grid().Zoom(), 128);
    zoom->setValue(8);
    MainForm->ZoomOut();
    EXPECT_EQ(Grid().Zoom(), 8);
}

TEST_F(MainFormMapTest, TheCurrentCellBlinksOnlyOnTheMapTab) {
    EXPECT_TRUE(MainForm->BlinkTimer()->isActive());
    const bool before = Grid().BlinkOn();
    MainForm->BlinkCurrentCell();
    EXPECT_NE(Grid().BlinkOn(), before);
    MainForm->Tabs()->setCurrentIndex(TMainWindow::TabWorld);
    EXPECT_FALSE(MainForm->BlinkTimer()->isActive());
}

TEST_F(MainFormMapTest, TheDetachedWindowTakesTheMapAndAnotherTabBringsItBack) {
    MainForm->MapButton("BtnDock")->trigger();
    EXPECT_TRUE(DockForm->isVisible());
    EXPECT_TRUE(DockForm->HoldsPanel());
    EXPECT_FALSE(MainForm->MapPanelHome()->isVisible());

    MainForm->Tabs()->setCurrentIndex(TMainWindow::TabRule);
    EXPECT_FALSE(DockForm->isVisible());
    EXPECT_FALSE(MainForm->MapButton("BtnDock")->isChecked());
    EXPECT_EQ(MainForm->MapPanel()->parentWidget(), MainForm->MapPanelHome());
    MainForm->Tabs()->setCurrentIndex(TMainWindow::TabMap);
    EXPECT_TRUE(MainForm->MapPanelHome()->isVisible());
}

TEST_F(MainFormMapTest, ToolWindowsClosedByThemselvesReleaseTheirButtons) {
    MainForm->MapButton("BtnShowMiniMap")->trigger();
    EXPECT_TRUE(MiniMapForm->isVisible());
    MiniMapForm->close();
    EXPECT_FALSE(MainForm->MapButton("BtnShowMiniMap")->isChecked());

    MainForm->MapButton("BtnOptions")->trigger();
    EXPECT_TRUE(OptionsForm->isVisible());
    OptionsForm->close();
    EXPECT_FALSE(MainForm->MapButton("BtnOptions")->isChecked());
}

TEST_F(MainFormMapTest, TheMiniMapFramesWhatTheGridShows) {
    MainForm->MapButton("BtnShowMiniMap")->trigger();
    MainForm->ZoomSlider()->setValue(128); // the map no longer fits the view
    Grid().SetTopLeft(2, 1);
    ASSERT_EQ(Grid().LeftCol(), 2);
    const TViewRect frame = MiniMapForm->ViewRect();
    EXPECT_EQ(frame.left, 6);
    EXPECT_EQ(frame.top, 3);
    EXPECT_LE(frame.right, MainForm->MiniMapBitmap().Width());
}

TEST_F(MainFormMapTest, GridAndMiniMapTakeTheSizeOfEveryNewPlotGrid) {
    EXPECT_EQ(Grid().ColCount(), 16);
    EXPECT_EQ(MainForm->MiniMapBitmap().Width(), 48);
    MainForm->NewMap();
    EXPECT_EQ(Grid().ColCount(), 1);
    EXPECT_EQ(Grid().RowCount(), 1);
    EXPECT_EQ(MainForm->MiniMapBitmap().Width(), 3);
    EXPECT_EQ(MainForm->GetPlotAt(0, 0), MainForm->Map().Grids().GetPlot(0, 0));
}

TEST_F(MainFormMapTest, TheDisplayOptionsDecideWhatTheGridPaints) {
    TypeInto("TerrainType", "TERRAIN_GRASS");
    ASSERT_TRUE(MainForm->CommitCurrentRow());
    EXPECT_EQ(GridPixelAtCentreOf(0, 0), qRgb(0, 128, 0));
    OptionsForm->RemoveOption("Terrain");
    Grid().viewport()->repaint();
    EXPECT_EQ(GridPixelAtCentreOf(0, 0), qRgb(0, 0, 0));
}

TEST_F(MainFormMapTest, OneEditingToolIsDownAtATime) {
    QAction* paint = MainForm->MapButton("BtnPaint");
    QAction* start = MainForm->MapButton("BtnStart");
    paint->trigger();
    EXPECT_EQ(Grid().Tool(), static_cast<TMapGridTool*>(&MainForm->BrushTool()));
    start->trigger();
    EXPECT_FALSE(paint->isChecked());
    EXPECT_NE(Grid().Tool(), static_cast<TMapGridTool*>(&MainForm->BrushTool()));
    EXPECT_NE(Grid().Tool(), nullptr);
    start->trigger();
    EXPECT_EQ(Grid().Tool(), nullptr);
}

} // namespace
