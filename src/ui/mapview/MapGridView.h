#pragma once

// The drawing grid of the "Map" tab: one square cell per plot at the zoom value, the top row the
// map's north, scrolled by whole cells. It paints only the cells its update region exposes; scrolling
// moves the pixels already painted. The main window owns it, sets its size from the plot grid and
// decides whether a cell may be selected; the editing tools plug in through TMapGridTool.

#include "render/GridLayout.h"
#include "render/PlotPainter.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>

#include <functional>
#include <vector>

class TPlot;
class TPlotGrid;

// The pointer over the grid, as a tool sees it.
struct TMapGridMouse {
    bool onCell = false;    // false beyond the last column or row
    int col = -1, row = -1; // the cell under the pointer when onCell
    QPoint inCell;          // the pointer's position from the cell's top left corner
    QPoint position;        // in the grid's viewport
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

// An editing tool of the map. It gets the grid's mouse events first; an event it takes does not
// select a cell.
class TMapGridTool {
public:
    virtual ~TMapGridTool() = default;
    virtual bool MousePress(const TMapGridMouse& /*mouse*/) { return false; }
    virtual bool MouseMove(const TMapGridMouse& /*mouse*/) { return false; }
    virtual bool MouseRelease(const TMapGridMouse& /*mouse*/) { return false; }
};

// The cells a paint covered, first to last inclusive.
struct TCellRange {
    int firstCol = 0, firstRow = 0, lastCol = -1, lastRow = -1;
};

class TMapGridView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int MinZoom = 8;
    static constexpr int MaxZoom = 128;
    static constexpr int ZoomStep = 4;

    // Asked before the user moves the current cell; false keeps the cell where it is.
    using TSelectCellHandler = std::function<bool(int col, int row)>;
    // Paints over the cells of a paint, after them and before the current cell's marker.
    using TOverlayPainter = std::function<void(QPainter& painter, const TCellRange& cells)>;

    explicit TMapGridView(TPlotImageLists images, QWidget* parent = nullptr);

    TPlotPainter& Painter() { return plotPainter; }

    // The plots the cells show (not owned); null shows none.
    void SetPlots(const TPlotGrid* value);
    // The owner takes the counts from the plot grid after every change of its size.
    void SetGridSize(int colCount, int rowCount);
    int ColCount() const { return layout.colCount; }
    int RowCount() const { return layout.rowCount; }
    // The plot cell (col, row) shows, or null outside the grid or the plot grid.
    const TPlot* GetPlotAt(int col, int row) const;

    int Zoom() const { return layout.zoom; }
    // Within MinZoom to MaxZoom; the left column and top row stay.
    void SetZoom(int zoom);
    // Zooms keeping the cell under the viewport point under it.
    void ZoomAt(int zoom, QPoint position);
    bool GridLines() const { return layout.lineWidth > 0; }
    void SetGridLines(bool on);
    // Graphic mode paints straight onto the screen, schematic mode through an off-screen picture.
    bool GraphicMode() const { return graphicMode; }
    void SetGraphicMode(bool on);

    int LeftCol() const { return layout.leftCol; }
    int TopRow() const { return layout.topRow; }
    // Scrolls so that the cell is at the top left, as far as the scroll range allows.
    void SetTopLeft(int col, int row);
    // The columns and rows the viewport shows whole.
    int VisibleColCount() const;
    int VisibleRowCount() const;

    int Col() const { return col; }
    int Row() const { return row; }
    void SetSelectCellHandler(TSelectCellHandler handler) { selectCellHandler = std::move(handler); }
    // Moves the current cell as the user does: the handler may refuse. Returns whether it moved.
    bool SelectCell(int col, int row);
    // Moves the current cell without asking (the owner's own moves).
    void SetCurrentCell(int col, int row);

    // The cell's square in the viewport.
    QRect CellRect(int col, int row) const { return layout.CellRect(col, row); }
    TMapGridMouse MouseAt(QPoint position) const;
    // Paints the cell now, not at the next paint cycle.
    void RepaintCell(int col, int row);

    // The marker of the current cell: a lime frame when on, a dotted inverted frame when off.
    bool BlinkOn() const { return blinkOn; }
    void SetBlinkOn(bool on);

    void SetTool(TMapGridTool* value) { tool = value; }
    TMapGridTool* Tool() const { return tool; }
    // The tool under the active one: it gets the events the active tool does not take, whichever
    // tool is active (the selection of a rectangle of plots).
    void SetBaseTool(TMapGridTool* value) { baseTool = value; }
    // Overlays paint in the order they were added (start flags, rivers, the selection frame...).
    void AddOverlayPainter(TOverlayPainter value) { overlayPainters.push_back(std::move(value)); }

signals:
    void TopLeftChanged();
    void ViewportResized();
    void CurrentCellChanged(int col, int row);
    void ZoomChanged(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void PaintArea(QPainter& painter, const QRect& area);
    void PaintMarker(QPainter& painter);
    void UpdateScrollBars();
    // Changes the layout's geometry: the scroll bars follow without moving pixels; all is repainted.
    void Relayout();
    void EnsureVisible(int col, int row);
    TMapGridMouse MouseOf(const QMouseEvent& event) const;
    int FittingCount(int pixels) const;

    TPlotPainter plotPainter;
    const TPlotGrid* plots = nullptr;
    TGridLayout layout;
    bool graphicMode = false;
    int col = 0, row = 0;
    bool blinkOn = false;
    // Scroll bar moves that come from a layout change: the whole viewport is repainted anyway.
    bool relayingOut = false;
    // Several scroll bar moves that make one change of the top left cell.
    bool batchingTopLeft = false;
    bool topLeftMoved = false;
    QPoint wheelRemainder;
    QImage buffer;
    TSelectCellHandler selectCellHandler;
    std::vector<TOverlayPainter> overlayPainters;
    TMapGridTool* tool = nullptr;
    TMapGridTool* baseTool = nullptr;
};
