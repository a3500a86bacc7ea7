// Selections of any shape on the map: Ctrl and a click, Ctrl and Shift and a drag, the magic wand,
// "Select all like this" and "Select landmass"; their outline; rows, flips, turns and moves on them,
// each one step.

#include "MapEditingFixture.h"

#include "document/MapSelections.h"
#include "ui/sheet/PropertySheet.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr QRgb Outline = qRgb(255, 140, 0);

class FreeFormSelectionTest : public MapEditingFixture {
protected:
    static void Click(int col, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, modifiers, CellCentre(col, row));
    }
    // The plot of cell (col, row) is selected.
    static bool Selected(int col, int row) {
        return mainWindow->SelectedSet().Contains(col, mainWindow->Map().Grids().Height() - 1 - row);
    }
    static QAction* MenuAction(const char* button, const char* name) {
        auto* tool = mainWindow->MapToolBar()->findChild<QToolButton*>(button);
        return tool == nullptr ? nullptr : tool->menu()->findChild<QAction*>(name);
    }
    static QImage Shown() {
        QCoreApplication::processEvents();
        return Grid().viewport()->grab().toImage();
    }
};

TEST_F(FreeFormSelectionTest, CtrlAndAClickAddAndTakeOutPlotsWithAnOutlineRoundThem) {
    Click(2, 3, Qt::ControlModifier);
    Click(3, 3, Qt::ControlModifier);
    Click(5, 5, Qt::ControlModifier);
    EXPECT_EQ(mainWindow->SelectedSet().Count(), 3u);
    EXPECT_TRUE(Selected(2, 3) && Selected(3, 3) && Selected(5, 5));
    EXPECT_EQ(mainWindow->Selection(), QRect(2, 4, 4, 3)) << "the rectangle round them";
    EXPECT_EQ(Grid().Col(), 0) << "the current cell stays";

    const QImage shown = Shown();
    const QRect left = Grid().CellRect(2, 3), right = Grid().CellRect(3, 3);
    EXPECT_EQ(shown.pixel(left.left() + 1, left.center().y()), Outline) << "the outline's west edge";
    EXPECT_NE(shown.pixel(right.left(), right.center().y()), Outline) << "no line between selected plots";
    EXPECT_NE(shown.pixel(Grid().CellRect(4, 3).center()), Outline);

    Click(3, 3, Qt::ControlModifier);
    EXPECT_FALSE(Selected(3, 3));
    EXPECT_EQ(mainWindow->SelectedSet().Count(), 2u);
}

TEST_F(FreeFormSelectionTest, CtrlShiftAndADragAddARectangleToTheSelection) {
    Click(0, 0, Qt::ControlModifier);
    Drag({QPoint(4, 2), QPoint(5, 3)}, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(mainWindow->SelectedSet().Count(), 5u);
    EXPECT_TRUE(Selected(0, 0) && Selected(4, 2) && Selected(5, 3));
    // Shift alone starts again.
    Drag({QPoint(7, 7), QPoint(7, 8)}, Qt::ShiftModifier);
    EXPECT_EQ(mainWindow->SelectedSet().Count(), 2u);
}

TEST_F(FreeFormSelectionTest, TheWandLandmassAndAllLikeThisSelectWhatTheDocumentFinds) {
    const int height = mainWindow->Map().Grids().Height();
    Click(2, 3, Qt::AltModifier);
    EXPECT_EQ(mainWindow->SelectedSet(), SelectAlike(mainWindow->Map(), 2, height - 1 - 3));

    // The wand's button makes a plain click do the same.
    QAction* wand = MenuAction("BtnSelect", "BtnMagicWand");
    ASSERT_NE(wand, nullptr);
    wand->trigger();
    Click(0, 0);
    EXPECT_EQ(mainWindow->SelectedSet(), SelectAlike(mainWindow->Map(), 0, height - 1));
    wand->trigger();

    Click(2, 3);
    MenuAction("BtnSelect", "ActSelectLandmass")->trigger();
    EXPECT_EQ(mainWindow->SelectedSet(), SelectLandmass(mainWindow->Map(), 2, height - 1 - 3));

    Click(2, 3);
    Sheet().SetCurrentRow(Sheet().FindRow("TerrainType"));
    MenuAction("BtnSelect", "ActSelectAllLikeThis")->trigger();
    EXPECT_EQ(mainWindow->SelectedSet(),
              SelectSameValue(mainWindow->Map(), 2, height - 1 - 3, "TerrainType"));
    EXPECT_GT(mainWindow->SelectedSet().Count(), 1u);
}

TEST_F(FreeFormSelectionTest, ARowWrittenGoesIntoTheSelectedPlotsOnly) {
    Click(2, 3, Qt::ControlModifier);
    Click(4, 3, Qt::ControlModifier);
    const std::string between = Plot(3, 6).TerrainType();
    ExpectOneStep([this] { TypeInto("TerrainType", "TERRAIN_SNOW"), mainWindow->CommitCurrentRow(); },
                  "TerrainType in (2, 6) to (4, 6), 2 plots");
    EXPECT_EQ(Plot(2, 6).TerrainType(), "TERRAIN_SNOW");
    EXPECT_EQ(Plot(4, 6).TerrainType(), "TERRAIN_SNOW");
    EXPECT_EQ(Plot(3, 6).TerrainType(), between);
}

TEST_F(FreeFormSelectionTest, FlipAndRotateActOnTheSelectionOrTheWholeMapAsOneStep) {
    Drag({QPoint(0, 0), QPoint(3, 1)}, Qt::ShiftModifier);
    const std::string westEnd = Plot(0, 9).TerrainType(), eastEnd = Plot(3, 9).TerrainType();
    ExpectOneStep([] { MenuAction("BtnFlipRotate", "ActFlipEastWest")->trigger(); },
                  "Flip east-west 8 plots");
    EXPECT_EQ(Plot(3, 9).TerrainType(), westEnd);
    EXPECT_EQ(Plot(0, 9).TerrainType(), eastEnd);
    EXPECT_EQ(mainWindow->Selection(), QRect(0, 8, 4, 2));

    // A quarter turn asks for a square.
    const int steps = mainWindow->Session().History().count();
    dialogs->messages.clear();
    MenuAction("BtnFlipRotate", "ActRotateClockwise")->trigger();
    EXPECT_EQ(mainWindow->Session().History().count(), steps);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages.front().contains("square"));

    mainWindow->SetSelection(TPlotSet());
    const TPlotGrid& grids = mainWindow->Map().Grids();
    const std::string corner = Plot(0, 0).TerrainType();
    ExpectOneStep([] { MenuAction("BtnFlipRotate", "ActFlipNorthSouth")->trigger(); },
                  "Flip north-south: the whole map");
    EXPECT_EQ(Plot(0, grids.Height() - 1).TerrainType(), corner);
}

TEST_F(FreeFormSelectionTest, AltAndAnArrowOrADragMoveTheSelectedPlots) {
    Click(2, 3, Qt::ControlModifier);
    const std::string moved = PlotText(2, 6);
    Grid().setFocus();
    ExpectOneStep([] { QTest::keyClick(&Grid(), Qt::Key_Right, Qt::AltModifier); }, "Move 1 plots by (1, 0)");
    EXPECT_TRUE(Selected(3, 3)) << "the selection goes with its plots";
    EXPECT_FALSE(Selected(2, 3));
    EXPECT_EQ(Plot(3, 6).TerrainType(), "TERRAIN_GRASS");

    // A drag from a selected plot moves it by whole cells.
    Drag({QPoint(3, 3), QPoint(3, 4), QPoint(3, 5)});
    EXPECT_TRUE(Selected(3, 5));
    EXPECT_EQ(mainWindow->Session().History().undoText(), "Move 1 plots by (0, -2)");
}

} // namespace
