// The brush: a press and drag with "Paint" down writes the sheet's current row into the plots under
// the brush, as one step, never beyond the map's edges.

#include "MapEditingFixture.h"

#include "render/MiniMapBitmap.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/tools/BrushTool.h"

#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

class BrushToolTest : public MapEditingFixture {
protected:
    // Shows the plot of cell (col, row) and puts the sheet's cursor on the key's row: its row is the paint.
    void TakePaintFrom(int col, int row, const QString& key) {
        ASSERT_TRUE(Grid().SelectCell(col, row));
        Sheet().SetCurrentRow(Sheet().FindRow(key));
    }
    static void SetPaint(bool down) {
        QAction* paint = mainWindow->MapButton("BtnPaint");
        if (paint->isChecked() != down)
            paint->trigger();
    }
    static std::vector<std::string> Terrains() {
        std::vector<std::string> terrains;
        const TPlotGrid& grids = mainWindow->Map().Grids();
        for (int x = 0; x < grids.Width(); ++x)
            for (int y = 0; y < grids.Height(); ++y)
                terrains.push_back(Plot(x, y).TerrainType());
        return terrains;
    }
};

TEST_F(BrushToolTest, TheControlsAreNamedAndTheBrushStartsAtOnePlot) {
    QAction* paint = mainWindow->MapButton("BtnPaint");
    ASSERT_NE(paint, nullptr);
    EXPECT_TRUE(paint->isCheckable());
    EXPECT_EQ(mainWindow->MapToolBar()->widgetForAction(paint)->accessibleName(), "Paint");
    QToolButton* size = mainWindow->BrushSize();
    EXPECT_EQ(size->accessibleName(), "Brush size");
    EXPECT_EQ(size->text(), "1 x 1");
    EXPECT_EQ(mainWindow->BrushTool().Size(), 1);
    const QList<QAction*> sizes = size->menu()->actions();
    ASSERT_EQ(sizes.size(), 3);
    sizes[2]->trigger();
    EXPECT_EQ(mainWindow->BrushTool().Size(), 5);
    EXPECT_EQ(size->text(), "5 x 5");
    EXPECT_TRUE(sizes[2]->isChecked());
    EXPECT_FALSE(sizes[0]->isChecked());
}

TEST_F(BrushToolTest, AStrokeOfSizeThreeAtACornerChangesOnlyPlotsOnTheMapAsOneStep) {
    TakePaintFrom(2, 4, "TerrainType"); // the plot (2, 5), grassland
    SetPaint(true);
    mainWindow->BrushSize()->menu()->actions()[1]->trigger();
    const std::vector<std::string> before = Terrains();
    // Over the top left corner: x = 0 and 1, y = 9, on a map that wraps in x.
    ExpectOneStep([] { Drag({QPoint(0, 0), QPoint(1, 0)}); }, "Paint TerrainType=TERRAIN_GRASS");
    const std::vector<std::string> after = Terrains();
    std::size_t i = 0;
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 10; ++y, ++i) {
            const bool underBrush = x <= 2 && y >= 8;
            EXPECT_EQ(after[i], underBrush ? "TERRAIN_GRASS" : before[i]) << "at (" << x << ", " << y << ")";
        }
    }
    // The brush selected no cell.
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(Grid().Row(), 4);
}

TEST_F(BrushToolTest, ADragPaintsEveryCellOnItsWayAndShowsAsTheMouseMoves) {
    TakePaintFrom(11, 5, "TerrainType"); // the plot (11, 4), desert
    SetPaint(true);
    const QRgb yellow = qRgb(255, 255, 0);
    ExpectOneStep(
        [&] {
            Press(8, 1);
            MoveTo(12, 1); // a quick move over four cells
            for (int col = 8; col <= 12; ++col)
                EXPECT_EQ(mainWindow->MiniMapBitmap().Image().pixel(3 * col + 1, 3 + 1), yellow) << col;
            QCoreApplication::processEvents();
            const QImage shown = Grid().viewport()->grab().toImage();
            EXPECT_EQ(shown.pixel(CellCentre(10, 1)), yellow);
            MoveTo(8, 1); // back over cells already painted
            Release(8, 1);
        },
        "Paint TerrainType=TERRAIN_DESERT");
    for (int x = 8; x <= 12; ++x)
        EXPECT_EQ(Plot(x, 8).TerrainType(), "TERRAIN_DESERT") << x;
    EXPECT_EQ(Plot(7, 8).TerrainType(), "TERRAIN_TUNDRA");
    EXPECT_EQ(Plot(13, 8).TerrainType(), "TERRAIN_OCEAN");
    EXPECT_EQ(Plot(10, 7).TerrainType(), "TERRAIN_OCEAN");
}

TEST_F(BrushToolTest, UndoingAStrokeKeepsTheRowToPaintWith) {
    TakePaintFrom(11, 5, "TerrainType");
    SetPaint(true);
    Drag({QPoint(8, 1)});
    mainWindow->Undo();
    ASSERT_EQ(Plot(8, 8).TerrainType(), "TERRAIN_COAST");
    EXPECT_EQ(Sheet().Key(Sheet().CurrentRow()), "TerrainType");
    Drag({QPoint(8, 1)});
    EXPECT_EQ(Plot(8, 8).TerrainType(), "TERRAIN_DESERT");
}

TEST_F(BrushToolTest, UndoInTheMiddleOfAStrokeTakesItBackAndEndsIt) {
    TakePaintFrom(11, 5, "TerrainType");
    SetPaint(true);
    const std::string before = DocumentBytes();
    Press(8, 1);
    MoveTo(9, 1);
    mainWindow->Undo();
    EXPECT_EQ(DocumentBytes(), before);
    MoveTo(12, 1);
    Release(12, 1);
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
    EXPECT_EQ(mainWindow->Session().History().index(), 0);
}

TEST_F(BrushToolTest, AStrokeThatChangesNothingMakesNoStep) {
    TakePaintFrom(0, 0, "TerrainType"); // ocean
    SetPaint(true);
    Drag({QPoint(13, 0), QPoint(15, 0)});
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
}

TEST_F(BrushToolTest, UnitsAndCitiesAreNoPaint) {
    TakePaintFrom(4, 4, "Units"); // the plot (4, 5) with two units
    SetPaint(true);
    const std::string before = DocumentBytes();
    Drag({QPoint(0, 0), QPoint(3, 0)});
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
    EXPECT_EQ(mainWindow->StatusPanel(0)->text(),
              "Units and cities are not painted: their editor changes them");
}

TEST_F(BrushToolTest, WithPaintUpAClickSelectsItsCellAgain) {
    SetPaint(true);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(5, 5));
    EXPECT_EQ(Grid().Col(), 0);
    SetPaint(false);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(5, 5));
    EXPECT_EQ(Grid().Col(), 5);
    EXPECT_EQ(Grid().Row(), 5);
}

TEST_F(BrushToolTest, ShiftAndADragSelectWhilePaintIsDown) {
    SetPaint(true);
    Drag({QPoint(1, 1), QPoint(3, 2)}, Qt::ShiftModifier);
    EXPECT_EQ(mainWindow->Selection(), QRect(1, 7, 3, 2));
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
}

} // namespace
