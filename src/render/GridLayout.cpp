#include "render/GridLayout.h"

#include "render/PlotPainter.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

bool TGridLayout::CellAt(QPoint point, int& col, int& row) const {
    if (point.x() < 0 || point.y() < 0 || Stride() <= 0)
        return false;
    col = leftCol + point.x() / Stride();
    row = topRow + point.y() / Stride();
    return col < colCount && row < rowCount;
}

void PaintGridArea(QPainter& painter, TPlotPainter& plotPainter, const TPlotGrid& plots,
                   const TGridLayout& layout, const QRect& area, bool graphic) {
    const QRect cells = area & layout.Extent();
    for (const QRect& blank : QRegion(area).subtracted(cells))
        painter.fillRect(blank, GridBackgroundColor);
    if (cells.isEmpty())
        return;
    const int stride = layout.Stride();
    const int firstCol = layout.leftCol + cells.left() / stride,
              lastCol = layout.leftCol + cells.right() / stride;
    const int firstRow = layout.topRow + cells.top() / stride,
              lastRow = layout.topRow + cells.bottom() / stride;
    if (layout.lineWidth > 0) {
        for (int col = firstCol; col <= lastCol; ++col)
            painter.fillRect(layout.CellRect(col, 0).left() + layout.zoom, cells.top(), layout.lineWidth,
                             cells.height(), GridLineColor);
        for (int row = firstRow; row <= lastRow; ++row)
            painter.fillRect(cells.left(), layout.CellRect(0, row).top() + layout.zoom, cells.width(),
                             layout.lineWidth, GridLineColor);
    }
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col) {
            const QRect rect = layout.CellRect(col, row);
            if (const TPlot* plot = GetPlotAt(plots, col, row))
                plotPainter.DrawPlot(painter, *plot, rect, graphic);
            else
                painter.fillRect(rect, GridBackgroundColor);
        }
}
