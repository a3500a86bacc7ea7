#include "ui/tools/SelectionTool.h"

#include "document/Plot.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int FrameWidth = 3;
const QColor FrameColour(255, 140, 0);

QRect Spanning(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QRect FramePixels(const TMapGridView& grid, const QRect& cells) {
    return grid.CellRect(cells.left(), cells.top()).united(grid.CellRect(cells.right(), cells.bottom()));
}

} // namespace

QRect CellsOfPlots(const QRect& plots, int height) {
    if (plots.isEmpty())
        return {};
    return QRect(QPoint(plots.left(), height - 1 - plots.bottom()),
                 QPoint(plots.right(), height - 1 - plots.top()));
}

QRect PlotsOfCells(const QRect& cells, int height) {
    return CellsOfPlots(cells, height); // the same flip both ways
}

bool TSelectionTool::MousePress(const TMapGridMouse& mouse) {
    if (mouse.button != Qt::LeftButton)
        return false;
    if (!(mouse.modifiers & Qt::ShiftModifier)) {
        // A plain click leaves the selection and selects its cell.
        select(QRect(), true);
        return false;
    }
    if (!mouse.onCell)
        return true;
    dragging = true;
    pressed = last = QPoint(mouse.col, mouse.row);
    // Shift and a click reach from the current cell; a drag from where it began.
    chosen = Spanning(QPoint(grid.Col(), grid.Row()), pressed);
    select(chosen, false);
    return true;
}

bool TSelectionTool::MouseMove(const TMapGridMouse& mouse) {
    if (!dragging)
        return false;
    if (!mouse.onCell || QPoint(mouse.col, mouse.row) == last)
        return true;
    last = QPoint(mouse.col, mouse.row);
    chosen = Spanning(pressed, last);
    select(chosen, false);
    return true;
}

bool TSelectionTool::MouseRelease(const TMapGridMouse& mouse) {
    if (!dragging || mouse.button != Qt::LeftButton)
        return false;
    dragging = false;
    select(chosen, true);
    return true;
}

void SharedPlotRows(TPlotGrid& grids, const QRect& plots, StringList& rows, std::vector<bool>& mixed) {
    rows.clear();
    mixed.clear();
    bool first = true;
    std::size_t stillShared = 0;
    for (int x = plots.left(); x <= plots.right(); ++x) {
        for (int y = plots.top(); y <= plots.bottom(); ++y) {
            TPlot* plot = grids.GetPlot(x, y);
            if (plot == nullptr)
                continue;
            const StringList& lines = plot->GetEditorLines();
            if (first) {
                first = false;
                rows = lines;
                mixed.assign(rows.size(), false);
                stillShared = rows.size();
                continue;
            }
            for (std::size_t i = 0; i < rows.size() && i < lines.size(); ++i) {
                if (!mixed[i] && lines[i] != rows[i]) {
                    mixed[i] = true;
                    --stillShared;
                }
            }
            if (stillShared == 0)
                break;
        }
        if (!first && stillShared == 0)
            break;
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (mixed[i])
            rows[i] = rows[i].substr(0, rows[i].find('=') + 1);
}

void PaintSelectionFrame(QPainter& painter, const TMapGridView& grid, const QRect& cells) {
    if (cells.isEmpty())
        return;
    const QRect frame = FramePixels(grid, cells);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(FrameColour, FrameWidth - 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(frame).adjusted(1.5, 1.5, -2.5, -2.5));
}

QRegion SelectionFrameRegion(const TMapGridView& grid, const QRect& cells) {
    if (cells.isEmpty())
        return {};
    const QRect frame = FramePixels(grid, cells);
    return QRegion(frame) - QRegion(frame.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth));
}
