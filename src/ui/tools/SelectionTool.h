#pragma once

// The selection of a rectangle of plots on the map: the tool that makes it with the mouse (Shift and
// a drag, or Shift and a click after a click), the rows the sheet shows for it, and its frame. The
// main window holds the rectangle; the tool only tells it what the user chose.

#include "document/LineCodec.h"
#include "ui/mapview/MapGridView.h"

#include <QRect>

#include <functional>
#include <vector>

class QPainter;
class TPlotGrid;

// The rectangle of grid cells (columns and rows) that covers the plots (map coordinates) of a grid
// `height` plots high, and back.
QRect CellsOfPlots(const QRect& plots, int height);
QRect PlotsOfCells(const QRect& cells, int height);

class TSelectionTool : public TMapGridTool {
public:
    // The rectangle of cells chosen so far while `done` is false (a drag goes on: only its frame
    // shows), then the selection when the button is let go; an empty rectangle clears it.
    using TSelect = std::function<void(const QRect& cells, bool done)>;

    TSelectionTool(const TMapGridView& grid, TSelect select) : grid(grid), select(std::move(select)) {}

    bool MousePress(const TMapGridMouse& mouse) override;
    bool MouseMove(const TMapGridMouse& mouse) override;
    bool MouseRelease(const TMapGridMouse& mouse) override;

private:
    const TMapGridView& grid;
    TSelect select;
    bool dragging = false;
    QPoint pressed, last; // cells
    QRect chosen;
};

// The rows of the plots in `plots` (map coordinates, on the grid): a row whose value every plot
// shares as it is, a row whose values differ with an empty value and marked in `mixed`.
void SharedPlotRows(TPlotGrid& grids, const QRect& plots, StringList& rows, std::vector<bool>& mixed);

// The frame around the selected cells.
void PaintSelectionFrame(QPainter& painter, const TMapGridView& grid, const QRect& cells);
// The part of the viewport the frame covers, to repaint when the selection changes.
QRegion SelectionFrameRegion(const TMapGridView& grid, const QRect& cells);
