#include "ui/windows/MiniMapWindow.h"
#include "render/MiniMapBitmap.h"

#include "TestPictures.h"
#include "document/Plot.h"
#include "render/PlotPainter.h"
#include "ui/mapview/MapGridView.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr QRgb Green = 0xff'008000, Yellow = 0xff'ffff00, Blue = 0xff'0000ff, White = 0xff'ffffff;

struct TSyncCall {
    int col, row;
    bool force;
};

// A map of 60 x 20 plots, its picture, and a mini-map whose grid scrolls whenever asked.
class MiniMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeGrassMap(map, 60, 20);
        bitmap.RebuildMiniMap(map.Grids(), -1, -1, 60, 20);
        TMiniMapHost host;
        host.syncMiniMapView = [this](int col, int row, bool force) {
            calls.push_back({col, row, force});
            return scrolls;
        };
        host.colCount = [] { return 60; };
        host.rowCount = [] { return 20; };
        host.leftCol = [] { return 4; };
        host.topRow = [] { return 2; };
        form.SetHost(host);
    }

    TMap map;
    TMiniMapBitmap bitmap;
    TMiniMapWindow form{bitmap};
    std::vector<TSyncCall> calls;
    bool scrolls = true;
};

} // namespace

TEST(MiniMapBitmap, ThreePixelsAPlotWithTheNorthOnTop) {
    TMap map;
    MakeGrassMap(map, 4, 3);
    map.Grids().GetPlot(1, 2)->SetTerrainType("TERRAIN_DESERT");
    map.Grids().GetPlot(3, 0)->SetTerrainType("TERRAIN_OCEAN");
    TMiniMapBitmap bitmap;
    bitmap.RebuildMiniMap(map.Grids(), -1, -1, 4, 3);
    ASSERT_EQ(bitmap.Image().size(), QSize(12, 9));
    EXPECT_EQ(bitmap.Image().pixel(3, 0), Yellow);
    EXPECT_EQ(bitmap.Image().pixel(5, 2), Yellow);
    EXPECT_EQ(bitmap.Image().pixel(6, 2), Green);
    EXPECT_EQ(bitmap.Image().pixel(9, 6), Blue);
    EXPECT_EQ(bitmap.Image().pixel(11, 8), Blue);
    EXPECT_EQ(bitmap.Image().pixel(0, 8), Green);
}

TEST(MiniMapBitmap, PaintingOneCellChangesOnlyItsBlock) {
    TMap map;
    MakeGrassMap(map, 4, 3);
    TMiniMapBitmap bitmap;
    bitmap.RebuildMiniMap(map.Grids(), -1, -1, 4, 3);
    const QImage before = bitmap.Image().copy();
    map.Grids().GetPlot(2, 1)->SetTerrainType("TERRAIN_SNOW");
    bitmap.RebuildMiniMap(map.Grids(), 2, 1, 4, 3);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inBlock = x >= 6 && x < 9 && y >= 3 && y < 6;
            EXPECT_EQ(bitmap.Image().pixel(x, y), inBlock ? White : before.pixel(x, y)) << x << "," << y;
        }
    // A cell without a plot is left alone.
    bitmap.PaintMiniMapCell(map.Grids(), 7, 7);
    bitmap.PaintMiniMapCell(map.Grids(), -1, 0);
}

TEST(MiniMapBitmap, ManyDifferentTerrainsKeepTheirColours) {
    TMap map;
    MakeGrassMap(map, 20, 10);
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 10; ++y)
            map.Grids().GetPlot(x, y)->SetTerrainType((x % 2 ? "TERRAIN_OCEAN_" : "TERRAIN_DESERT_") +
                                                      std::to_string(x * 10 + y));
    TMiniMapBitmap bitmap;
    for (int pass = 0; pass < 2; ++pass) {
        bitmap.RebuildMiniMap(map.Grids(), -1, -1, 20, 10);
        for (int x = 0; x < 20; ++x)
            for (int row = 0; row < 10; ++row)
                EXPECT_EQ(bitmap.Image().pixel(3 * x + 1, 3 * row + 1), x % 2 ? Blue : Yellow)
                    << x << "," << row;
    }
}

TEST_F(MiniMapTest, DragStopsAtTheLeftEdgeWithItsWidth) {
    form.ShowViewRect({10, 10, 40, 30});
    form.MiniMapImageMouseDown(Qt::LeftButton, 20, 20);
    ASSERT_TRUE(form.InView());
    form.MiniMapImageMouseMove(-30, 20);
    EXPECT_EQ(form.DrawnRect(), (TViewRect{0, 10, 30, 30}));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].col, 0);
    EXPECT_FALSE(calls[0].force);
    EXPECT_EQ(form.ViewRect(), (TViewRect{0, 10, 30, 30}));
    EXPECT_TRUE(form.Dragged());
}

TEST_F(MiniMapTest, DragStopsWithTheRightEdgeOnTheLastPixelColumn) {
    form.ShowViewRect({100, 10, 130, 30});
    form.MiniMapImageMouseDown(Qt::LeftButton, 110, 20);
    form.MiniMapImageMouseMove(400, 500);
    EXPECT_EQ(form.DrawnRect(), (TViewRect{149, 39, 179, 59}));
}

TEST_F(MiniMapTest, ColumnOfTheGridFollowsTheFramesLeftEdge) {
    // 60 columns: a picture 180 pixels wide, maxX 179; a left edge at 59 gives 60 * 60 div 179.
    form.ShowViewRect({0, 0, 30, 15});
    form.MiniMapImageMouseDown(Qt::LeftButton, 5, 5);
    form.MiniMapImageMouseMove(64, 5);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].col, 20);
    EXPECT_EQ(calls[0].row, 20 * 1 / 59);
}

TEST_F(MiniMapTest, SmallMovesAddUpUntilTheGridScrolls) {
    form.ShowViewRect({30, 0, 60, 15});
    form.MiniMapImageMouseDown(Qt::LeftButton, 40, 5);
    scrolls = false;
    form.MiniMapImageMouseMove(41, 5);
    EXPECT_EQ(form.DrawnRect().left, 31);
    EXPECT_EQ(form.ViewRect().left, 30);
    EXPECT_EQ(form.DragX(), 40);
    form.MiniMapImageMouseMove(42, 5);
    EXPECT_EQ(form.DrawnRect().left, 32);
    scrolls = true;
    form.MiniMapImageMouseMove(43, 5);
    EXPECT_EQ(form.ViewRect().left, 33);
    EXPECT_EQ(form.DragX(), 43);
    EXPECT_EQ(calls.size(), 3u);
}

TEST_F(MiniMapTest, ClickCentresTheFrameOnThePoint) {
    form.ShowViewRect({0, 0, 30, 16});
    form.MiniMapImageMouseDown(Qt::LeftButton, 100, 30);
    EXPECT_FALSE(form.InView());
    form.MiniMapImageMouseUp(Qt::LeftButton, 100, 30);
    // The frame's centre (15, 8) moves to the point.
    EXPECT_EQ(form.DrawnRect(), (TViewRect{85, 22, 115, 38}));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].col, 60 * 86 / 179);
    EXPECT_FALSE(form.InView());
    EXPECT_FALSE(form.Dragged());
    EXPECT_EQ(form.DragX(), 0);
    // A click inside the frame centres it on the click as well.
    form.MiniMapImageMouseDown(Qt::LeftButton, 90, 30);
    EXPECT_TRUE(form.InView());
    form.MiniMapImageMouseUp(Qt::LeftButton, 90, 30);
    EXPECT_EQ(form.DrawnRect().left, 75);
}

TEST_F(MiniMapTest, RightButtonDoesNothing) {
    form.ShowViewRect({0, 0, 30, 16});
    form.MiniMapImageMouseDown(Qt::RightButton, 10, 10);
    EXPECT_FALSE(form.InView());
    form.MiniMapImageMouseUp(Qt::RightButton, 100, 30);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(form.DrawnRect(), (TViewRect{0, 0, 30, 16}));
}

TEST_F(MiniMapTest, AMoveWhileTheGridScrollsRedrawsOnly) {
    form.ShowViewRect({30, 0, 60, 15});
    form.MiniMapImageMouseDown(Qt::LeftButton, 40, 5);
    TMiniMapHost host;
    host.colCount = [] { return 60; };
    host.rowCount = [] { return 20; };
    host.syncMiniMapView = [this](int col, int row, bool force) {
        calls.push_back({col, row, force});
        EXPECT_TRUE(form.Scrolling());
        form.MiniMapImageMouseMove(60, 5);
        return true;
    };
    form.SetHost(host);
    form.MiniMapImageMouseMove(50, 5);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_FALSE(form.Scrolling());
}

TEST_F(MiniMapTest, ShowingAsksForTheGridsViewAndClosingSaysSo) {
    QSignalSpy closed(&form, &TMiniMapWindow::Closed);
    form.show();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].col, 4);
    EXPECT_EQ(calls[0].row, 2);
    EXPECT_TRUE(calls[0].force);
    EXPECT_EQ(form.MiniMapImage()->size(), QSize(180, 60));
    EXPECT_EQ(form.windowTitle(), "MiniMap");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    form.close();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MiniMapTest, FrameIsDrawnWhiteInsideThePicture) {
    form.show();
    form.ShowViewRect({150, 30, 180, 60});
    const QImage shown = form.MiniMapImage()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(150, 45), White);
    EXPECT_EQ(shown.pixel(179, 45), White);
    EXPECT_EQ(shown.pixel(165, 59), White);
    EXPECT_EQ(shown.pixel(165, 30), White);
    EXPECT_EQ(shown.pixel(165, 45), Green);
    EXPECT_EQ(shown.pixel(149, 45), Green);
}

TEST_F(MiniMapTest, MouseOverTheImageDragsTheFrame) {
    form.show();
    form.ShowViewRect({0, 0, 30, 15});
    QTest::mousePress(form.MiniMapImage(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(form.MiniMapImage(), QPoint(64, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(64, 5), form.MiniMapImage()->mapToGlobal(QPointF(64, 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.MiniMapImage(), &move);
    QTest::mouseRelease(form.MiniMapImage(), Qt::LeftButton, {}, QPoint(64, 5));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().col, 20);
    EXPECT_EQ(form.ViewRect().left, 59);
}

TEST(MiniMapViewRect, FrameCoversTheVisibleCellsAndStaysInThePicture) {
    EXPECT_EQ(MiniMapViewRect(10, 5, 11, 8, 180, 60), (TViewRect{30, 15, 62, 38}));
    EXPECT_EQ(MiniMapViewRect(0, 0, 70, 30, 180, 60), (TViewRect{0, 0, 180, 60}));
    EXPECT_EQ(MiniMapViewRect(-2, -1, 5, 5, 180, 60), (TViewRect{0, 0, 8, 11}));
}

TEST(MiniMapSync, HiddenMiniMapLeavesTheGridAndAnswersForce) {
    TTestPictures pictures;
    TMap map;
    MakeGrassMap(map, 60, 20);
    TMapGridView grid(pictures.Lists());
    grid.SetPlots(&map.Grids());
    grid.SetGridSize(60, 20);
    grid.resize(170, 85);
    grid.show();
    TMiniMapBitmap bitmap;
    bitmap.RebuildMiniMap(map.Grids(), -1, -1, 60, 20);
    TMiniMapWindow form(bitmap);
    EXPECT_TRUE(SyncGridWithMiniMap(grid, &form, 5, 3, true));
    EXPECT_FALSE(SyncGridWithMiniMap(grid, nullptr, 5, 3, false));
    EXPECT_EQ(grid.LeftCol(), 0);
}

TEST(MiniMapSync, GridScrollsAndTheFrameShowsWhereItStopped) {
    TTestPictures pictures;
    TMap map;
    MakeGrassMap(map, 60, 20);
    TMapGridView grid(pictures.Lists());
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.SetPlots(&map.Grids());
    grid.SetGridSize(60, 20);
    grid.SetZoom(16);
    grid.resize(170, 85); // 10 x 5 whole cells of 17 pixels
    grid.show();
    QApplication::processEvents();
    TMiniMapBitmap bitmap;
    bitmap.RebuildMiniMap(map.Grids(), -1, -1, 60, 20);
    TMiniMapWindow form(bitmap);
    form.show();

    EXPECT_TRUE(SyncGridWithMiniMap(grid, &form, 20, 4, false));
    EXPECT_EQ(grid.LeftCol(), 20);
    EXPECT_EQ(grid.TopRow(), 4);
    EXPECT_EQ(form.ViewRect(), (TViewRect{60, 12, 89, 26}));
    EXPECT_FALSE(SyncGridWithMiniMap(grid, &form, 20, 4, false));
    EXPECT_TRUE(SyncGridWithMiniMap(grid, &form, 58, 19, false));
    EXPECT_EQ(grid.LeftCol(), 50);
    EXPECT_EQ(grid.TopRow(), 15);
    EXPECT_EQ(form.ViewRect(), (TViewRect{150, 45, 179, 59}));
}
