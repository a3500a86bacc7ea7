#pragma once

// Where the cells of the map grid lie in a picture, and the painting of a part of that picture: each
// cell is zoom pixels square and followed, right and below, by its grid line; the cell at the left
// column and top row begins at (0, 0). The grid view and `tessel --render` paint through it.

#include <QColor>
#include <QRect>

class QPainter;
class TPlotGrid;
class TPlotPainter;

struct TGridLayout {
    int zoom = 32;
    int lineWidth = 1;
    int leftCol = 0, topRow = 0;
    int colCount = 0, rowCount = 0;

    int Stride() const { return zoom + lineWidth; }
    QRect CellRect(int col, int row) const {
        return QRect((col - leftCol) * Stride(), (row - topRow) * Stride(), zoom, zoom);
    }
    // The cells from the left column and top row on, with their lines.
    QRect Extent() const {
        return QRect(0, 0, (colCount - leftCol) * Stride(), (rowCount - topRow) * Stride());
    }
    // The cell whose square or lines hold the point; false outside the cells.
    bool CellAt(QPoint point, int& col, int& row) const;
};

// The colour of the grid lines, and of the picture where no cell lies.
inline const QColor GridLineColor(192, 192, 192);
inline const QColor GridBackgroundColor(255, 255, 255);

// Paints the part `area` of the grid's picture: every cell that meets it from its plot, the lines
// between them, and the background beyond the last cell. A cell without a plot shows the background.
void PaintGridArea(QPainter& painter, TPlotPainter& plotPainter, const TPlotGrid& plots,
                   const TGridLayout& layout, const QRect& area, bool graphic);
