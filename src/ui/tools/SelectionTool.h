#pragma once

// The selection of plots on the map: the tool that makes it with the mouse, the rows the sheet shows
// for it, and its outline. Shift and a drag (or Shift and a click after a click) choose a rectangle,
// Ctrl and Shift and a drag add one, Ctrl and a click add or take out one plot, Alt and a click pick
// the magic wand's plots, and a drag that starts on a selected plot moves the selection. The main
// window holds the selection; the tool only tells it what the user did.

#include "document/LineCodec.h"
#include "ui/mapview/MapGridView.h"

#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;
class TPlotGrid;
class TPlotSet;

// The rectangle of grid cells (columns and rows) that covers the plots (map coordinates) of a grid
// `height` plots high, and back.
QRect CellsOfPlots(const QRect& plots, int height);
QRect PlotsOfCells(const QRect& cells, int height);
// The rectangle round the plots of a set (map coordinates); empty for an empty set.
QRect BoundsOf(const TPlotSet& plots);

// What the user did with the selection tool.
struct TSelectionGesture {
    enum TKind {
        Replace, // a rectangle instead of the selection
        Add,     // a rectangle added to it
        Toggle,  // one plot added or taken out
        Wand,    // the plots joined to one that look like it
        Move,    // the selection dragged by whole cells
        Clear
    };
    TKind kind = Clear;
    QRect cells;      // the rectangle (Replace, Add), the one cell (Toggle, Wand), where a move began
    QPoint moveBy;    // Move: the columns and rows from where the drag began; none for a click
    bool done = true; // false while a drag goes on: only its frame or outline shows
};

class TSelectionTool : public TMapGridTool {
public:
    using TSelect = std::function<void(const TSelectionGesture& gesture)>;
    // Whether the cell's plot is selected: a drag from it moves the selection.
    using TIsSelected = std::function<bool(int col, int row)>;

    TSelectionTool(const TMapGridView& grid, TSelect select, TIsSelected isSelected)
        : grid(grid), select(std::move(select)), isSelected(std::move(isSelected)) {}

    bool MousePress(const TMapGridMouse& mouse) override;
    bool MouseMove(const TMapGridMouse& mouse) override;
    bool MouseRelease(const TMapGridMouse& mouse) override;

private:
    // The gesture the drag makes so far.
    TSelectionGesture Dragged(bool done) const;

    const TMapGridView& grid;
    TSelect select;
    TIsSelected isSelected;
    TSelectionGesture::TKind dragKind = TSelectionGesture::Clear;
    bool dragging = false;
    QPoint pressed, anchor, last; // cells
};

// The rows of the plots of the set (map coordinates, on the grid): a row whose value every plot shares
// as it is, a row whose values differ with an empty value and marked in `mixed`.
void SharedPlotRows(TPlotGrid& grids, const TPlotSet& plots, StringList& rows, std::vector<bool>& mixed);

// The frame around a rectangle of cells being dragged.
void PaintSelectionFrame(QPainter& painter, const TMapGridView& grid, const QRect& cells);
// The outline of the selected plots within the cells shown, moved by `offset` cells while a drag
// moves them: a line along every edge between a selected plot and one that is not.
void PaintSelectionOutline(QPainter& painter, const TMapGridView& grid, const TPlotSet& plots,
                           const TCellRange& shown, QPoint offset = QPoint());
