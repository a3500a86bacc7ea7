// The "River" tool on the sample map (16 x 10, wrapping in x only): rivers drawn along their edges
// over both looks, a click putting a river on an edge and taking it off, and a drag drawing a river
// edge by edge as one step of the history.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "render/StartFlag.h"
#include "ui/mapview/MapGridView.h"
#include "ui/tools/RiverTool.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <QTabBar>
#include <QToolBar>
#include <QUndoStack>

// Readable failure messages.
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}

namespace {

class RiverToolTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
        mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
        mainWindow->resize(1000, 800);
        mainWindow->ZoomSlider()->setValue(24); // every column shows
        QCoreApplication::processEvents();
        ASSERT_GE(Grid().VisibleColCount(), 16);
    }
    static TMapGridView& Grid() { return *mainWindow->GridView(); }
    static QWidget* Viewport() { return Grid().viewport(); }
    static const TPlot& Plot(int x, int y) { return *mainWindow->Map().Grids().GetPlot(x, y); }
    static std::string Bytes() { return mainWindow->Map().SaveToBytes(); }
    static void RiverButton(bool down) {
        QAction* button = mainWindow->MapButton("BtnRiver");
        if (button->isChecked() != down)
            button->trigger();
    }
    // The pixel on the grid lines where the corner between grid columns col - 1 and col and rows
    // row - 1 and row lies.
    static QPoint Corner(int col, int row) { return Grid().CellRect(col, row).topLeft() - QPoint(1, 1); }
    // A pixel a quarter of the way along the east and the south edge of a cell, on the grid line
    // (away from the arrow in the middle).
    static QPoint OnEastEdge(int col, int row) {
        const QRect cell = Grid().CellRect(col, row);
        return {cell.right() + 1, cell.top() + cell.height() / 4};
    }
    static QPoint OnSouthEdge(int col, int row) {
        const QRect cell = Grid().CellRect(col, row);
        return {cell.left() + cell.width() / 4, cell.bottom() + 1};
    }
    static QColor Shown(QPoint pixel) {
        Viewport()->repaint();
        return QColor(Viewport()->grab().toImage().pixel(pixel));
    }
    static void Click(QPoint position) { QTest::mouseClick(Viewport(), Qt::LeftButton, {}, position); }
};

TEST_F(RiverToolTest, TheRiverToggleIsNamedForScreenReaders) {
    QAction* button = mainWindow->MapButton("BtnRiver");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isCheckable());
    EXPECT_EQ(mainWindow->MapToolBar()->widgetForAction(button)->accessibleName(), "River");
    EXPECT_EQ(button->toolTip(), "River");
}

TEST_F(RiverToolTest, RiversShowOnTheirEdgesOverBothLooksWhileTheToggleIsDown) {
    // Grid column 4, row 2 is the plot (4, 7).
    mainWindow->Map().Grids().GetPlot(4, 7)->SetIsWOfRiver(true);
    mainWindow->Map().Grids().GetPlot(4, 7)->SetRiverNSDirection(RiverSouth);
    mainWindow->Map().Grids().GetPlot(6, 7)->SetIsNOfRiver(true);
    const QColor river = TRiverTool::RiverColor;
    EXPECT_NE(Shown(OnEastEdge(4, 2)), river);

    RiverButton(true);
    for (const bool graphic : {false, true}) {
        SCOPED_TRACE(graphic ? "graphic" : "schematic");
        if (mainWindow->MapButton("BtnGraphicMode")->isChecked() != graphic)
            mainWindow->MapButton("BtnGraphicMode")->trigger();
        EXPECT_EQ(Shown(OnEastEdge(4, 2)), river);
        EXPECT_EQ(Shown(OnEastEdge(4, 2) + QPoint(1, 0)), river); // into the cell beyond it
        EXPECT_EQ(Shown(OnSouthEdge(6, 2)), river);
        // Not on the plot's other edges, nor on its neighbours' edges.
        EXPECT_NE(Shown(OnSouthEdge(4, 2)), river);
        EXPECT_NE(Shown(OnEastEdge(3, 2)), river);
        EXPECT_NE(Shown(OnEastEdge(4, 1)), river);
        EXPECT_NE(Shown(OnEastEdge(6, 2)), river);
        EXPECT_NE(Shown(Grid().CellRect(4, 2).center()), river);
        // An arrow in the middle of a river with a flow; none where the plot gives no flow.
        const QRect cell = Grid().CellRect(4, 2);
        EXPECT_EQ(Shown(QPoint(cell.right() + 1, cell.center().y())), TRiverTool::ArrowColor);
        EXPECT_EQ(Shown(QPoint(Grid().CellRect(6, 2).center().x(), cell.bottom() + 1)), river);
    }
    RiverButton(false);
    EXPECT_NE(Shown(OnEastEdge(4, 2)), river);
}

TEST_F(RiverToolTest, APaintDrawsTheRiversOfItsOwnCellsOnlyAndThoseAcrossTheSeam) {
    // Along the east edge of the last column, which is the west edge of the first, and far away.
    mainWindow->Map().Grids().GetPlot(15, 6)->SetIsWOfRiver(true);
    mainWindow->Map().Grids().GetPlot(8, 6)->SetIsWOfRiver(true);
    QImage picture(Viewport()->size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        mainWindow->RiverTool()->PaintOverlay(painter, TCellRange{0, 3, 0, 3}); // grid row 3 is y = 6
    }
    const int y = OnEastEdge(0, 3).y();
    EXPECT_EQ(QColor(picture.pixel(Grid().CellRect(0, 3).left(), y)), TRiverTool::RiverColor);
    EXPECT_EQ(QColor(picture.pixel(OnEastEdge(8, 3))), QColor(Qt::white));
}

TEST_F(RiverToolTest, TheRiverAndStartToolsTakeTurnsAndTheStartFlagsStayShown) {
    QAction* start = mainWindow->MapButton("BtnStart");
    start->trigger();
    RiverButton(true);
    EXPECT_FALSE(start->isChecked());
    const QRect cell = Grid().CellRect(4, 2);
    Click(QPoint(cell.right() - 1, cell.center().y()));
    EXPECT_TRUE(Plot(4, 7).IsWOfRiver());
    EXPECT_EQ(mainWindow->UndoAction()->toolTip(), "Undo River east of (4, 7)");
    // Player 0 starts on (4, 5), grid row 4: its flag shows over the rivers' grid.
    Viewport()->repaint();
    const QImage shown = Viewport()->grab().toImage();
    const QRect flagCell = Grid().CellRect(4, 4);
    int flagPixels = 0;
    for (int x = flagCell.left(); x <= flagCell.right(); ++x)
        for (int y = flagCell.top(); y <= flagCell.bottom(); ++y)
            flagPixels += QColor(shown.pixel(x, y)) == PlayerFlagColour;
    EXPECT_GT(flagPixels, 0);

    start->trigger();
    EXPECT_FALSE(mainWindow->MapButton("BtnRiver")->isChecked());
    EXPECT_NE(Shown(OnEastEdge(4, 2)), TRiverTool::RiverColor);
}

TEST_F(RiverToolTest, AClickNearAnEdgePutsARiverOnItAndTakesItOff) {
    RiverButton(true);
    const std::string before = Bytes();
    const QRect cell = Grid().CellRect(4, 2); // the plot (4, 7)
    Click(QPoint(cell.right() - 1, cell.center().y()));
    EXPECT_TRUE(Plot(4, 7).IsWOfRiver());
    EXPECT_EQ(Plot(4, 7).RiverNSDirection(), RiverSouth);
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
    EXPECT_EQ(mainWindow->UndoAction()->toolTip(), "Undo River east of (4, 7)");
    EXPECT_EQ(Shown(OnEastEdge(4, 2)), TRiverTool::RiverColor);

    // The bottom edge is the plot's south edge; the top edge the south edge of the plot above.
    Click(QPoint(cell.center().x(), cell.bottom()));
    EXPECT_TRUE(Plot(4, 7).IsNOfRiver());
    EXPECT_EQ(Plot(4, 7).RiverWEDirection(), RiverEast);
    Click(QPoint(cell.center().x(), cell.top() + 1));
    EXPECT_TRUE(Plot(4, 8).IsNOfRiver());

    // Clicked again, each goes without a trace; a click off the edges selects the cell instead.
    Click(QPoint(cell.right() - 1, cell.center().y()));
    Click(QPoint(cell.center().x(), cell.bottom()));
    Click(QPoint(cell.center().x(), cell.top() + 1));
    EXPECT_FALSE(Plot(4, 7).IsWOfRiver());
    EXPECT_EQ(mainWindow->UndoAction()->toolTip(), "Undo Remove river south of (4, 8)");
    EXPECT_EQ(Bytes(), before);
    EXPECT_NE(Shown(OnEastEdge(4, 2)), TRiverTool::RiverColor);
    const int steps = mainWindow->Session().History().count();
    Click(cell.center());
    EXPECT_EQ(mainWindow->Session().History().count(), steps);
    EXPECT_EQ(Grid().Col(), 4);
    EXPECT_EQ(Grid().Row(), 2);
}

TEST_F(RiverToolTest, TheWestBorderOfAWrappingMapIsTheEastEdgeOfItsLastColumn) {
    RiverButton(true);
    // Grid row 3 is y = 6; the map wraps in x but not in y.
    Click(QPoint(Grid().CellRect(0, 3).left() + 1, Grid().CellRect(0, 3).center().y()));
    EXPECT_TRUE(Plot(15, 6).IsWOfRiver());
    // It shows at both borders, inside the cells.
    EXPECT_EQ(Shown(OnEastEdge(15, 3) - QPoint(1, 0)), TRiverTool::RiverColor);
    EXPECT_EQ(Shown(QPoint(Grid().CellRect(0, 3).left(), OnEastEdge(15, 3).y())), TRiverTool::RiverColor);

    // The north border keeps no river.
    const std::string before = Bytes();
    Click(QPoint(Grid().CellRect(5, 0).center().x(), Grid().CellRect(5, 0).top() + 1));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
}

TEST_F(RiverToolTest, TheSheetShowsARiverClickedOnTheCurrentPlot) {
    ASSERT_TRUE(Grid().SelectCell(4, 2));
    RiverButton(true);
    const QRect cell = Grid().CellRect(4, 2);
    Click(QPoint(cell.right() - 1, cell.center().y()));
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("isWOfRiver")), "1");
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("RiverNSDirection")), "2");
    mainWindow->Undo();
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("isWOfRiver")), "0");
}

TEST_F(RiverToolTest, ADragWithABendIsOneStepThatUndoAndRedoPutBackExactly) {
    RiverButton(true);
    const std::string before = Bytes();
    // From the grid corner (3, 6) (the map's corner (3, 4)) three edges east in one jump, then three
    // north corner by corner.
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, Corner(3, 6));
    QTest::mouseMove(Viewport(), Corner(6, 6));
    // Shown as it is drawn, but not yet in the document.
    EXPECT_EQ(Shown(OnSouthEdge(4, 5)), TRiverTool::RiverColor);
    EXPECT_FALSE(Plot(4, 4).IsNOfRiver());
    for (const int row : {5, 4, 3})
        QTest::mouseMove(Viewport(), Corner(6, row));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, Corner(6, 3));

    ASSERT_EQ(mainWindow->Session().History().count(), 1);
    EXPECT_EQ(mainWindow->UndoAction()->toolTip(), "Undo River of 6 edges");
    EXPECT_TRUE(mainWindow->Modified());
    for (const int x : {3, 4, 5}) {
        EXPECT_TRUE(Plot(x, 4).IsNOfRiver()) << x;
        EXPECT_EQ(Plot(x, 4).RiverWEDirection(), RiverEast) << x;
    }
    for (const int y : {4, 5, 6}) {
        EXPECT_TRUE(Plot(5, y).IsWOfRiver()) << y;
        EXPECT_EQ(Plot(5, y).RiverNSDirection(), RiverNorth) << y;
    }
    EXPECT_FALSE(Plot(5, 7).IsWOfRiver());
    const std::string after = Bytes();

    mainWindow->Undo();
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(mainWindow->Modified());
    EXPECT_NE(Shown(OnEastEdge(5, 4)), TRiverTool::RiverColor);
    mainWindow->Redo();
    EXPECT_EQ(Bytes(), after);
    EXPECT_EQ(Shown(OnEastEdge(5, 4)), TRiverTool::RiverColor);
}

TEST_F(RiverToolTest, ADragBackwardsTurnsTheRiverRound) {
    RiverButton(true);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, Corner(8, 2));
    QTest::mouseMove(Viewport(), Corner(8, 4));
    QTest::mouseMove(Viewport(), Corner(6, 4));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, Corner(6, 4));
    // South along the east edges of (7, 7) and (7, 6), then west along the south edges of (7, 6)
    // and (6, 6).
    EXPECT_EQ(Plot(7, 7).RiverNSDirection(), RiverSouth);
    EXPECT_EQ(Plot(7, 6).RiverNSDirection(), RiverSouth);
    EXPECT_EQ(Plot(7, 6).RiverWEDirection(), RiverWest);
    EXPECT_EQ(Plot(6, 6).RiverWEDirection(), RiverWest);
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
}

} // namespace
