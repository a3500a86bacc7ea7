#include "ui/mapview/MapGridView.h"

#include "TestPictures.h"
#include "document/Plot.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr QRgb Green = 0xff'008000, Yellow = 0xff'ffff00, Lime = 0xff'00ff00, Silver = 0xff'c0c0c0,
               White = 0xff'ffffff;

class MapGridViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeGrassMap(map, 40, 30);
        view.SetPlots(&map.Grids());
        view.SetGridSize(40, 30);
        view.SetZoom(16);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(200, 150);
        view.show();
        QApplication::processEvents();
    }
    // What the viewport shows now.
    QImage Shown() { return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QPoint CellCentre(int col, int row) { return view.CellRect(col, row).center(); }
    void Wheel(QPoint angle, Qt::KeyboardModifiers modifiers, QPoint at = QPoint(50, 50)) {
        QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    }

    TTestPictures pictures;
    TMap map;
    TMapGridView view{pictures.Lists()};
};

// Remembers the cells of every paint.
struct TPaintLog {
    std::vector<TCellRange> paints;
    TMapGridView::TOverlayPainter Hook() {
        return [this](QPainter&, const TCellRange& cells) { paints.push_back(cells); };
    }
};

class TTakingTool : public TMapGridTool {
public:
    bool MousePress(const TMapGridMouse& mouse) override {
        presses.push_back(mouse);
        return true;
    }
    std::vector<TMapGridMouse> presses;
};

} // namespace

TEST(MapGridViewMapping, TopRowShowsTheNorthOfAFourByThreeMap) {
    TTestPictures pictures;
    TMap map;
    MakeGrassMap(map, 4, 3);
    TMapGridView view(pictures.Lists());
    view.SetPlots(&map.Grids());
    view.SetGridSize(4, 3);
    ASSERT_NE(view.GetPlotAt(0, 0), nullptr);
    EXPECT_EQ(view.GetPlotAt(0, 0), map.Grids().GetPlot(0, 2));
    EXPECT_EQ(view.GetPlotAt(3, 0), map.Grids().GetPlot(3, 2));
    EXPECT_EQ(view.GetPlotAt(1, 2), map.Grids().GetPlot(1, 0));
    EXPECT_EQ(view.GetPlotAt(4, 0), nullptr);
    EXPECT_EQ(view.GetPlotAt(0, 3), nullptr);
    EXPECT_EQ(view.GetPlotAt(-1, 0), nullptr);

    map.Grids().GetPlot(1, 2)->SetTerrainType("TERRAIN_DESERT");
    view.SetZoom(8);
    view.resize(100, 100);
    const QImage shown = view.viewport()->grab().toImage();
    EXPECT_EQ(shown.pixel(view.CellRect(1, 0).center()), Yellow);
    EXPECT_EQ(shown.pixel(view.CellRect(1, 2).center()), Green);
}

TEST(MapGridViewMapping, CellsBeyondThePlotGridAskForNoPlot) {
    TTestPictures pictures;
    TMap map;
    MakeGrassMap(map, 2, 2);
    TMapGridView view(pictures.Lists());
    view.SetPlots(&map.Grids());
    view.SetGridSize(5, 5);
    view.SetZoom(8);
    view.resize(100, 100);
    EXPECT_EQ(view.GetPlotAt(3, 3), nullptr);
    EXPECT_EQ(view.GetPlotAt(1, 4), nullptr);
    const QImage shown = view.viewport()->grab().toImage();
    EXPECT_EQ(shown.pixel(view.CellRect(3, 3).center()), White);
    EXPECT_EQ(shown.pixel(view.CellRect(1, 1).center()), Green);
}

TEST_F(MapGridViewTest, CellsFollowEachOtherWithOnePixelGridLines) {
    const QImage shown = Shown();
    EXPECT_EQ(view.CellRect(2, 1), QRect(34, 17, 16, 16));
    EXPECT_EQ(shown.pixel(16, 5), Silver);
    EXPECT_EQ(shown.pixel(5, 16), Silver);
    EXPECT_EQ(shown.pixel(17, 5), Green);
    view.SetGridLines(false);
    EXPECT_EQ(view.CellRect(2, 1), QRect(32, 16, 16, 16));
    EXPECT_EQ(Shown().pixel(16, 5), Green);
}

TEST_F(MapGridViewTest, GraphicModePaintsTheSameCellsWithPictures) {
    view.SetGraphicMode(true);
    const QImage shown = Shown();
    EXPECT_EQ(shown.pixel(CellCentre(3, 2)), TerrainImageColour(3));
    EXPECT_EQ(shown.pixel(16, 5), Silver);
}

TEST_F(MapGridViewTest, ZoomStaysWithinItsLimits) {
    view.SetZoom(4);
    EXPECT_EQ(view.Zoom(), TMapGridView::MinZoom);
    view.SetZoom(500);
    EXPECT_EQ(view.Zoom(), TMapGridView::MaxZoom);
    QSignalSpy zoomed(&view, &TMapGridView::ZoomChanged);
    view.SetZoom(36);
    ASSERT_EQ(zoomed.count(), 1);
    EXPECT_EQ(zoomed.at(0).at(0).toInt(), 36);
    EXPECT_EQ(view.CellRect(1, 0).width(), 36);
}

TEST_F(MapGridViewTest, ControlWheelZoomsByFourKeepingTheCellUnderThePointer) {
    view.SetTopLeft(10, 10);
    const QPoint pointer(120, 70);
    const TMapGridMouse before = view.MouseAt(pointer);
    Wheel(QPoint(0, 120), Qt::ControlModifier, pointer);
    EXPECT_EQ(view.Zoom(), 20);
    const TMapGridMouse after = view.MouseAt(pointer);
    EXPECT_EQ(after.col, before.col);
    EXPECT_EQ(after.row, before.row);
    Wheel(QPoint(0, -240), Qt::ControlModifier, pointer);
    EXPECT_EQ(view.Zoom(), 12);
    EXPECT_EQ(view.MouseAt(pointer).col, before.col);
    view.SetZoom(TMapGridView::MaxZoom);
    Wheel(QPoint(0, 120), Qt::ControlModifier, pointer);
    EXPECT_EQ(view.Zoom(), TMapGridView::MaxZoom);
}

TEST_F(MapGridViewTest, WheelScrollsDownAndShiftWheelSideways) {
    const int lines = QApplication::wheelScrollLines();
    Wheel(QPoint(0, -120), Qt::NoModifier);
    EXPECT_EQ(view.TopRow(), lines);
    EXPECT_EQ(view.LeftCol(), 0);
    Wheel(QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_EQ(view.LeftCol(), lines);
    EXPECT_EQ(view.TopRow(), lines);
    // Half notches add up.
    Wheel(QPoint(0, 60), Qt::NoModifier);
    EXPECT_EQ(view.TopRow(), lines);
    Wheel(QPoint(0, 60), Qt::NoModifier);
    EXPECT_EQ(view.TopRow(), 0);
}

TEST_F(MapGridViewTest, TopLeftScrollsByWholeCellsWithinTheRange) {
    QSignalSpy changed(&view, &TMapGridView::TopLeftChanged);
    // 200 x 150 pixels at 17 a cell: 11 whole columns and 8 whole rows.
    EXPECT_EQ(view.VisibleColCount(), 11);
    EXPECT_EQ(view.VisibleRowCount(), 8);
    view.SetTopLeft(5, 7);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(view.LeftCol(), 5);
    EXPECT_EQ(view.TopRow(), 7);
    EXPECT_EQ(view.CellRect(5, 7).topLeft(), QPoint(0, 0));
    view.SetTopLeft(1000, 1000);
    EXPECT_EQ(view.LeftCol(), 40 - 11);
    EXPECT_EQ(view.TopRow(), 30 - 8);
    view.SetTopLeft(view.LeftCol(), view.TopRow());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(view.MouseAt(QPoint(0, 0)).col, 29);
}

TEST_F(MapGridViewTest, ResizeReportsTheViewport) {
    QSignalSpy resized(&view, &TMapGridView::ViewportResized);
    view.resize(300, 200);
    EXPECT_GE(resized.count(), 1);
    EXPECT_EQ(view.VisibleColCount(), 300 / 17);
}

TEST_F(MapGridViewTest, KeysMoveTheCurrentCellAndScrollToIt) {
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(view.Col(), 1);
    EXPECT_EQ(view.Row(), 1);
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.Col(), 39);
    EXPECT_EQ(view.LeftCol(), 39 - 10);
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(view.Col(), 0);
    EXPECT_EQ(view.LeftCol(), 0);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.Row(), 1 + 8);
    QTest::keyClick(&view, Qt::Key_PageUp);
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(view.Col(), 0);
    EXPECT_EQ(view.Row(), 0);
}

TEST_F(MapGridViewTest, RefusedSelectionKeepsTheCurrentCell) {
    std::vector<QPoint> asked;
    bool allow = false;
    view.SetSelectCellHandler([&](int col, int row) {
        asked.emplace_back(col, row);
        return allow;
    });
    QSignalSpy moved(&view, &TMapGridView::CurrentCellChanged);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(3, 2));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], QPoint(3, 2));
    EXPECT_EQ(view.Col(), 0);
    EXPECT_EQ(moved.count(), 0);
    allow = true;
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(3, 2));
    EXPECT_EQ(view.Col(), 3);
    EXPECT_EQ(view.Row(), 2);
    EXPECT_EQ(moved.count(), 1);
    // The right button selects nothing.
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, CellCentre(5, 5));
    EXPECT_EQ(view.Col(), 3);
}

TEST_F(MapGridViewTest, ToolThatTakesThePressKeepsTheCellUnselected) {
    TTakingTool tool;
    view.SetTool(&tool);
    const QPoint point = view.CellRect(4, 3).topLeft() + QPoint(5, 6);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, point);
    ASSERT_EQ(tool.presses.size(), 1u);
    EXPECT_TRUE(tool.presses[0].onCell);
    EXPECT_EQ(tool.presses[0].col, 4);
    EXPECT_EQ(tool.presses[0].row, 3);
    EXPECT_EQ(tool.presses[0].inCell, QPoint(5, 6));
    EXPECT_EQ(view.Col(), 0);
}

TEST_F(MapGridViewTest, RepaintCellPaintsThatCellAtOnce) {
    TPaintLog log;
    view.AddOverlayPainter(log.Hook());
    view.viewport()->repaint();
    log.paints.clear();
    map.Grids().GetPlot(2, 30 - 1 - 3)->SetTerrainType("TERRAIN_DESERT");
    view.RepaintCell(2, 3);
    ASSERT_EQ(log.paints.size(), 1u);
    EXPECT_EQ(log.paints[0].firstCol, 2);
    EXPECT_EQ(log.paints[0].lastCol, 2);
    EXPECT_EQ(log.paints[0].firstRow, 3);
    EXPECT_EQ(log.paints[0].lastRow, 3);
    EXPECT_EQ(Shown().pixel(CellCentre(2, 3)), Yellow);
}

TEST_F(MapGridViewTest, EveryOverlayPaintsInTheOrderAdded) {
    std::vector<int> order;
    view.AddOverlayPainter([&](QPainter&, const TCellRange&) { order.push_back(1); });
    view.AddOverlayPainter([&](QPainter&, const TCellRange&) { order.push_back(2); });
    view.viewport()->repaint();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST_F(MapGridViewTest, ScrollingPaintsOnlyTheUncoveredCells) {
    TPaintLog log;
    view.AddOverlayPainter(log.Hook());
    view.viewport()->repaint();
    log.paints.clear();
    view.SetTopLeft(1, 0);
    QApplication::processEvents();
    ASSERT_FALSE(log.paints.empty());
    for (const TCellRange& cells : log.paints)
        EXPECT_GE(cells.firstCol, 1 + 10) << "painted from column " << cells.firstCol;
}

TEST_F(MapGridViewTest, BlinkingMarkerFramesTheCurrentCell) {
    view.SetCurrentCell(2, 1);
    view.SetBlinkOn(true);
    const QRect cell = view.CellRect(2, 1);
    QImage shown = Shown();
    EXPECT_EQ(shown.pixel(cell.topLeft()), Lime);
    EXPECT_EQ(shown.pixel(cell.bottomRight()), Lime);
    EXPECT_EQ(shown.pixel(cell.center()), Green);
    view.SetBlinkOn(false);
    shown = Shown();
    // Every other pixel of the border inverted: green turns to its opposite.
    int inverted = 0;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        const QRgb pixel = shown.pixel(x, cell.top());
        EXPECT_TRUE(pixel == Green || pixel == qRgb(255, 127, 255)) << x;
        inverted += pixel != Green;
    }
    EXPECT_GE(inverted, cell.width() / 2 - 1);
    EXPECT_LE(inverted, cell.width() / 2 + 1);
    view.SetGraphicMode(true);
    view.SetBlinkOn(true);
    EXPECT_EQ(Shown().pixel(cell.topLeft()), Lime);
}

TEST_F(MapGridViewTest, GridIsNamedForScreenReaders) {
    EXPECT_EQ(view.accessibleName(), "Map grid");
    EXPECT_FALSE(view.horizontalScrollBar()->accessibleName().isEmpty());
}
