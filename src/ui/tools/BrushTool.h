#pragma once

// The brush of the map: while "Paint" is down, pressing the left button on the grid and dragging
// writes the paint (the row under the sheet's cursor, such as "TerrainType=TERRAIN_GRASS") into every
// plot under the brush, a square of 1, 3 or 5 plots a side centred on the plot under the pointer.
// Plots beyond the map's edges are skipped, on maps that wrap too. The plots change as the mouse
// moves; one press to release is one step of the history. The main window owns the tool.

#include "ui/mapview/MapGridView.h"

#include <QRect>
#include <QString>

#include <string>

class TEditorHost;

class TBrushTool : public TMapGridTool {
public:
    static constexpr int Sizes[] = {1, 3, 5};

    explicit TBrushTool(TEditorHost& host) : host(host) {}

    int Size() const { return size; }
    // 1, 3 or 5; other sizes are taken as the nearest smaller one, at least 1.
    void SetSize(int value);
    // The plots the brush covers over cell (col, row), in map coordinates, cut to the map.
    QRect PlotsUnder(int col, int row) const;

    bool MousePress(const TMapGridMouse& mouse) override;
    bool MouseMove(const TMapGridMouse& mouse) override;
    bool MouseRelease(const TMapGridMouse& mouse) override;
    // Ends a stroke in progress as if the button were released.
    void Finish();
    bool Painting() const { return painting; }

private:
    // Paints over the cell; false when the document refused the paint.
    bool Dab(int col, int row);
    // Paints every cell of the line after (fromCol, fromRow) up to (toCol, toRow), so that a quick
    // drag leaves no gaps.
    void DabAlong(int fromCol, int fromRow, int toCol, int toRow);

    TEditorHost& host;
    int size = 1;
    bool painting = false;
    std::string paint; // the row, as the document's bytes
    QString key;
    int lastCol = -1, lastRow = -1;
};
