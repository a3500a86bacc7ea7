#include "ui/tools/SelectionTool.h"

#include "document/Plot.h"
#include "document/PlotSet.h"

#include <QPainter>
#include <QPainterPath>

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

QRect BoundsOf(const TPlotSet& plots) {
    QRect bounds;
    plots.ForEach([&](int x, int y) { bounds |= QRect(x, y, 1, 1); });
    return bounds;
}

QRect PlotsOfCells(const QRect& cells, int height) {
    return CellsOfPlots(cells, height); // the same flip both ways
}

bool TSelectionTool::MousePress(const TMapGridMouse& mouse) {
    if (mouse.button != Qt::LeftButton)
        return false;
    const Qt::KeyboardModifiers keys =
        mouse.modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const QPoint cell(mouse.col, mouse.row);
    if (keys == Qt::AltModifier || keys == Qt::ControlModifier) {
        if (mouse.onCell)
            select({keys == Qt::AltModifier ? TSelectionGesture::Wand : TSelectionGesture::Toggle,
                    QRect(cell, cell), QPoint(), true});
        return true;
    }
    if (keys == Qt::NoModifier) {
        if (!mouse.onCell || !isSelected(mouse.col, mouse.row)) {
            // A plain click elsewhere leaves the selection and selects its cell.
            select({});
            return false;
        }
        dragKind = TSelectionGesture::Move;
    } else if (!(keys & Qt::ShiftModifier) || !mouse.onCell) {
        return true;
    } else {
        dragKind = keys & Qt::ControlModifier ? TSelectionGesture::Add : TSelectionGesture::Replace;
    }
    dragging = true;
    pressed = last = cell;
    // Shift and a click reach from the current cell; a drag from where it began.
    anchor = dragKind == TSelectionGesture::Replace ? QPoint(grid.Col(), grid.Row()) : pressed;
    if (dragKind != TSelectionGesture::Move)
        select(Dragged(false));
    return true;
}

bool TSelectionTool::MouseMove(const TMapGridMouse& mouse) {
    if (!dragging)
        return false;
    if (!mouse.onCell || QPoint(mouse.col, mouse.row) == last)
        return true;
    last = QPoint(mouse.col, mouse.row);
    if (dragKind != TSelectionGesture::Move)
        anchor = pressed;
    select(Dragged(false));
    return true;
}

bool TSelectionTool::MouseRelease(const TMapGridMouse& mouse) {
    if (!dragging || mouse.button != Qt::LeftButton)
        return false;
    dragging = false;
    select(Dragged(true));
    return true;
}

TSelectionGesture TSelectionTool::Dragged(bool done) const {
    TSelectionGesture gesture;
    gesture.kind = dragKind;
    gesture.done = done;
    if (dragKind == TSelectionGesture::Move) {
        gesture.cells = QRect(pressed, pressed);
        gesture.moveBy = last - pressed;
    } else
        gesture.cells = Spanning(anchor, last);
    return gesture;
}

void SharedPlotRows(TPlotGrid& grids, const TPlotSet& plots, StringList& rows, std::vector<bool>& mixed) {
    rows.clear();
    mixed.clear();
    bool first = true;
    std::size_t stillShared = 0;
    plots.ForEach([&](int x, int y) {
        TPlot* plot = grids.GetPlot(x, y);
        if (plot == nullptr || (!first && stillShared == 0))
            return;
        const StringList& lines = plot->GetEditorLines();
        if (first) {
            first = false;
            rows = lines;
            mixed.assign(rows.size(), false);
            stillShared = rows.size();
            return;
        }
        for (std::size_t i = 0; i < rows.size() && i < lines.size(); ++i) {
            if (!mixed[i] && lines[i] != rows[i]) {
                mixed[i] = true;
                --stillShared;
            }
        }
    });
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

void PaintSelectionOutline(QPainter& painter, const TMapGridView& grid, const TPlotSet& plots,
                           const TCellRange& shown, QPoint offset) {
    if (plots.Empty())
        return;
    const int height = plots.Height();
    // The cell (col, row) shows the plot that sits `offset` cells before it while a drag moves it.
    auto selected = [&](int col, int row) {
        return plots.Contains(col - offset.x(), height - 1 - (row - offset.y()));
    };
    QPainterPath outline;
    for (int row = shown.firstRow; row <= shown.lastRow; ++row)
        for (int col = shown.firstCol; col <= shown.lastCol; ++col) {
            if (!selected(col, row))
                continue;
            const QRectF cell = QRectF(grid.CellRect(col, row)).adjusted(0.5, 0.5, -0.5, -0.5);
            if (!selected(col, row - 1)) {
                outline.moveTo(cell.topLeft());
                outline.lineTo(cell.topRight());
            }
            if (!selected(col, row + 1)) {
                outline.moveTo(cell.bottomLeft());
                outline.lineTo(cell.bottomRight());
            }
            if (!selected(col - 1, row)) {
                outline.moveTo(cell.topLeft());
                outline.lineTo(cell.bottomLeft());
            }
            if (!selected(col + 1, row)) {
                outline.moveTo(cell.topRight());
                outline.lineTo(cell.bottomRight());
            }
        }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, FrameWidth + 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(outline);
    painter.setPen(QPen(FrameColour, FrameWidth - 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(outline);
}
