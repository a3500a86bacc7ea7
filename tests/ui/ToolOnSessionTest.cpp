// A tool works on an edit session through its host alone: no main window, no sheet.

#include "SessionHost.h"

#include "document/Map.h"
#include "ui/tools/BrushTool.h"

#include <QUndoStack>

namespace {

TMapGridMouse LeftButtonOn(int col, int row) {
    TMapGridMouse mouse;
    mouse.onCell = true;
    mouse.col = col;
    mouse.row = row;
    mouse.button = Qt::LeftButton;
    mouse.buttons = Qt::LeftButton;
    return mouse;
}

} // namespace

TEST(ToolOnSession, TheBrushPaintsItsStrokeIntoTheSessionAsOneStep) {
    TSessionHost host;
    host.Start(5, 4, "TerrainType=TERRAIN_DESERT");
    TMap& map = host.session.Map();

    TBrushTool brush(host);
    brush.SetSize(3);
    // Row 0 of the grid is the map's top row: cell (0, 0) is the plot (0, 3).
    EXPECT_TRUE(brush.MousePress(LeftButtonOn(0, 0)));
    EXPECT_TRUE(brush.MouseMove(LeftButtonOn(1, 0)));
    EXPECT_TRUE(brush.MouseRelease(LeftButtonOn(1, 0)));

    ASSERT_EQ(host.session.History().count(), 1);
    int painted = 0;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 4; ++y)
            painted += map.Grids().GetPlot(x, y)->TerrainType() == "TERRAIN_DESERT";
    EXPECT_EQ(painted, 6) << "a 3 x 3 brush at the corner, moved one column: 3 columns of 2 rows";
    EXPECT_EQ(map.Grids().GetPlot(2, 2)->TerrainType(), "TERRAIN_DESERT");
    EXPECT_NE(map.Grids().GetPlot(3, 2)->TerrainType(), "TERRAIN_DESERT");

    host.session.Undo();
    EXPECT_NE(map.Grids().GetPlot(0, 3)->TerrainType(), "TERRAIN_DESERT");
}

TEST(ToolOnSession, TheBrushSaysWhenTheDocumentRefusesItsPaint) {
    TSessionHost host;
    host.Start(2, 2, "PlotType=x");

    TBrushTool brush(host);
    brush.MousePress(LeftButtonOn(0, 0));
    brush.MouseRelease(LeftButtonOn(0, 0));
    EXPECT_EQ(host.status, "PlotType cannot be painted with this value");
    EXPECT_EQ(host.session.History().count(), 0);
}
