#pragma once

// The mini-map window: the whole map three by three pixels per plot, with a white frame around the
// part the map grid shows. Dragging the frame, or clicking beside it, scrolls the grid. Created once
// by the program and only shown and closed; it always stays on top.

#include "ui/windows/ToolWindow.h"

#include <functional>

class TMapGridView;
class TMiniMapBitmap;
class TMiniMapImage;

// A rectangle of the picture in pixels; a point lies in it when left <= x < right, top <= y < bottom.
struct TViewRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool operator==(const TViewRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// What the window asks of the main window, which sets it.
struct TMiniMapHost {
    // Scrolls the grid to the cell; returns whether the grid or the frame changed.
    std::function<bool(int leftCol, int topRow, bool force)> syncMiniMapView;
    std::function<int()> colCount, rowCount, leftCol, topRow;
};

class TMiniMapWindow : public TToolWindow {
    Q_OBJECT
public:
    // The picture is the main window's; the window only shows it.
    explicit TMiniMapWindow(const TMiniMapBitmap& mapBitmap, QWidget* parent = nullptr);

    void SetHost(TMiniMapHost value) { host = std::move(value); }

    // Stores the frame and draws the picture with it.
    void ShowViewRect(const TViewRect& rect);
    // Draws the picture with a frame, the image control sized to the picture.
    void DrawView(const TViewRect& rect);

    // The handlers of the image control, in picture pixels.
    void MiniMapImageMouseDown(Qt::MouseButton button, int x, int y);
    void MiniMapImageMouseMove(int x, int y);
    void MiniMapImageMouseUp(Qt::MouseButton button, int x, int y);

    const TViewRect& ViewRect() const { return viewRect; }
    // The frame as drawn last, which runs ahead of ViewRect during a drag.
    const TViewRect& DrawnRect() const { return drawnRect; }
    bool Dragged() const { return dragged; }
    bool InView() const { return inView; }
    bool Scrolling() const { return scrolling; }
    int DragX() const { return dragX; }
    int DragY() const { return dragY; }

    QWidget* MiniMapImage() const;
    const TMiniMapBitmap& MapBitmap() const { return mapBitmap; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TMiniMapBitmap& mapBitmap;
    TMiniMapImage* image = nullptr;
    TMiniMapHost host;
    int dragX = 0, dragY = 0;
    TViewRect viewRect, drawnRect;
    bool dragged = false, inView = false, scrolling = false;
};

// The frame of the grid's visible part in a picture of the given size: three pixels a plot, never
// beyond the picture.
TViewRect MiniMapViewRect(int leftCol, int topRow, int visibleCols, int visibleRows, int pictureWidth,
                          int pictureHeight);

// What the main window's SyncMiniMapView does: with the mini-map hidden (or absent) only returns
// force. Otherwise scrolls the grid so that (leftCol, topRow) is its top left cell; when either
// differed from the grid's, or with force, hands the mini-map the frame of what the grid now shows.
// Returns whether it did.
bool SyncGridWithMiniMap(TMapGridView& grid, TMiniMapWindow* miniMap, int leftCol, int topRow, bool force);

// The program's one mini-map window, set by whoever creates it.
