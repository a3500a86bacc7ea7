#include "ui/mapview/MapGridView.h"

#include "document/Plot.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int WheelNotch = 120;

} // namespace

TMapGridView::TMapGridView(TPlotImageLists images, QWidget* parent)
    : QAbstractScrollArea(parent), plotPainter(images) {
    setAccessibleName("Map grid");
    viewport()->setAccessibleName("Map grid");
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setAccessibleName("Map grid columns");
    verticalScrollBar()->setAccessibleName("Map grid rows");
    UpdateScrollBars();
}

void TMapGridView::SetPlots(const TPlotGrid* value) {
    plots = value;
    viewport()->update();
}

void TMapGridView::SetGridSize(int colCount, int rowCount) {
    layout.colCount = std::max(colCount, 0);
    layout.rowCount = std::max(rowCount, 0);
    col = std::clamp(col, 0, std::max(layout.colCount - 1, 0));
    row = std::clamp(row, 0, std::max(layout.rowCount - 1, 0));
    Relayout();
}

const TPlot* TMapGridView::GetPlotAt(int cellCol, int cellRow) const {
    if (!plots || cellCol < 0 || cellRow < 0 || cellCol >= layout.colCount || cellRow >= layout.rowCount)
        return nullptr;
    return ::GetPlotAt(*plots, cellCol, cellRow);
}

void TMapGridView::SetZoom(int zoom) {
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == layout.zoom)
        return;
    layout.zoom = zoom;
    Relayout();
    emit ZoomChanged(zoom);
}

void TMapGridView::ZoomAt(int zoom, QPoint position) {
    const int anchorCol = layout.leftCol + std::max(position.x(), 0) / layout.Stride();
    const int anchorRow = layout.topRow + std::max(position.y(), 0) / layout.Stride();
    SetZoom(zoom);
    SetTopLeft(anchorCol - std::max(position.x(), 0) / layout.Stride(),
               anchorRow - std::max(position.y(), 0) / layout.Stride());
}

void TMapGridView::SetGridLines(bool on) {
    if (on == GridLines())
        return;
    layout.lineWidth = on ? 1 : 0;
    Relayout();
}

void TMapGridView::SetGraphicMode(bool on) {
    graphicMode = on;
    if (graphicMode)
        buffer = QImage();
    viewport()->update();
}

void TMapGridView::SetTopLeft(int leftCol, int topRow) {
    batchingTopLeft = true;
    topLeftMoved = false;
    horizontalScrollBar()->setValue(leftCol);
    verticalScrollBar()->setValue(topRow);
    batchingTopLeft = false;
    if (topLeftMoved)
        emit TopLeftChanged();
}

int TMapGridView::FittingCount(int pixels) const {
    return std::max((pixels + layout.lineWidth) / layout.Stride(), 0);
}

int TMapGridView::VisibleColCount() const {
    return std::clamp(FittingCount(viewport()->width()), 0, std::max(layout.colCount - layout.leftCol, 0));
}

int TMapGridView::VisibleRowCount() const {
    return std::clamp(FittingCount(viewport()->height()), 0, std::max(layout.rowCount - layout.topRow, 0));
}

void TMapGridView::UpdateScrollBars() {
    const int fitCols = FittingCount(viewport()->width()), fitRows = FittingCount(viewport()->height());
    horizontalScrollBar()->setPageStep(std::max(fitCols, 1));
    verticalScrollBar()->setPageStep(std::max(fitRows, 1));
    horizontalScrollBar()->setRange(0, std::max(layout.colCount - fitCols, 0));
    verticalScrollBar()->setRange(0, std::max(layout.rowCount - fitRows, 0));
}

void TMapGridView::Relayout() {
    relayingOut = true;
    batchingTopLeft = true;
    topLeftMoved = false;
    UpdateScrollBars();
    batchingTopLeft = false;
    relayingOut = false;
    viewport()->update();
    if (topLeftMoved)
        emit TopLeftChanged();
}

void TMapGridView::scrollContentsBy(int dx, int dy) {
    layout.leftCol = horizontalScrollBar()->value();
    layout.topRow = verticalScrollBar()->value();
    if (!relayingOut)
        viewport()->scroll(dx * layout.Stride(), dy * layout.Stride());
    if (batchingTopLeft)
        topLeftMoved = true;
    else
        emit TopLeftChanged();
}

void TMapGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
    emit ViewportResized();
}

bool TMapGridView::SelectCell(int newCol, int newRow) {
    if (newCol < 0 || newRow < 0 || newCol >= layout.colCount || newRow >= layout.rowCount)
        return false;
    if (newCol != col || newRow != row) {
        if (selectCellHandler && !selectCellHandler(newCol, newRow))
            return false;
        SetCurrentCell(newCol, newRow);
    }
    EnsureVisible(col, row);
    return true;
}

void TMapGridView::SetCurrentCell(int newCol, int newRow) {
    if (newCol < 0 || newRow < 0 || newCol >= layout.colCount || newRow >= layout.rowCount)
        return;
    if (newCol == col && newRow == row)
        return;
    viewport()->update(CellRect(col, row));
    col = newCol;
    row = newRow;
    viewport()->update(CellRect(col, row));
    emit CurrentCellChanged(col, row);
}

void TMapGridView::EnsureVisible(int cellCol, int cellRow) {
    const int fitCols = std::max(FittingCount(viewport()->width()), 1);
    const int fitRows = std::max(FittingCount(viewport()->height()), 1);
    int left = layout.leftCol, top = layout.topRow;
    if (cellCol < left)
        left = cellCol;
    else if (cellCol >= left + fitCols)
        left = cellCol - fitCols + 1;
    if (cellRow < top)
        top = cellRow;
    else if (cellRow >= top + fitRows)
        top = cellRow - fitRows + 1;
    SetTopLeft(left, top);
}

void TMapGridView::RepaintCell(int cellCol, int cellRow) {
    const QRect rect = CellRect(cellCol, cellRow) & viewport()->rect();
    if (rect.isEmpty() || !viewport()->isVisible())
        return;
    viewport()->repaint(rect);
}

void TMapGridView::SetBlinkOn(bool on) {
    blinkOn = on;
    viewport()->update(CellRect(col, row));
}

void TMapGridView::PaintArea(QPainter& painter, const QRect& area) {
    if (plots)
        PaintGridArea(painter, plotPainter, *plots, layout, area, graphicMode);
    else
        painter.fillRect(area, GridBackgroundColor);
}

void TMapGridView::PaintMarker(QPainter& painter) {
    if (col >= layout.colCount || row >= layout.rowCount)
        return;
    const QRect frame = CellRect(col, row).adjusted(0, 0, -1, -1);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (blinkOn) {
        painter.setPen(QPen(QColor(0, 255, 0), 0));
    } else {
        // The focus frame of the platform: every other pixel of the border inverted.
        QPen dots(Qt::white, 0);
        dots.setDashPattern({1, 1});
        painter.setPen(dots);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    painter.drawRect(frame);
    painter.restore();
}

void TMapGridView::paintEvent(QPaintEvent* event) {
    const QRegion region = event->region();
    const QRect bounds = region.boundingRect();
    TCellRange cells;
    const QRect covered = bounds & layout.Extent();
    if (!covered.isEmpty()) {
        const int stride = layout.Stride();
        cells = {layout.leftCol + covered.left() / stride, layout.topRow + covered.top() / stride,
                 layout.leftCol + covered.right() / stride, layout.topRow + covered.bottom() / stride};
    }
    auto paintAll = [&](QPainter& painter) {
        for (const QRect& rect : region)
            PaintArea(painter, rect);
        if (cells.lastCol >= cells.firstCol) {
            for (const TOverlayPainter& overlay : overlayPainters) {
                painter.save();
                overlay(painter, cells);
                painter.restore();
            }
        }
        if (CellRect(col, row).intersects(bounds))
            PaintMarker(painter);
    };

    if (graphicMode) {
        QPainter painter(viewport());
        paintAll(painter);
        return;
    }
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize bufferSize = viewport()->size() * ratio;
    if (buffer.size() != bufferSize) {
        buffer = QImage(bufferSize, QImage::Format_RGB32);
        buffer.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&buffer);
        painter.setClipRegion(region);
        paintAll(painter);
    }
    QPainter painter(viewport());
    for (const QRect& rect : region)
        painter.drawImage(
            QRectF(rect), buffer,
            QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio));
}

TMapGridMouse TMapGridView::MouseAt(QPoint position) const {
    TMapGridMouse mouse;
    mouse.position = position;
    int cellCol = 0, cellRow = 0;
    if (layout.CellAt(position, cellCol, cellRow)) {
        mouse.onCell = true;
        mouse.col = cellCol;
        mouse.row = cellRow;
        mouse.inCell = position - CellRect(cellCol, cellRow).topLeft();
    }
    return mouse;
}

TMapGridMouse TMapGridView::MouseOf(const QMouseEvent& event) const {
    TMapGridMouse mouse = MouseAt(event.position().toPoint());
    mouse.button = event.button();
    mouse.buttons = event.buttons();
    mouse.modifiers = event.modifiers();
    return mouse;
}

void TMapGridView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const TMapGridMouse mouse = MouseOf(*event);
    if ((tool && tool->MousePress(mouse)) || (baseTool && baseTool->MousePress(mouse)))
        return;
    if (event->button() == Qt::LeftButton && mouse.onCell)
        SelectCell(mouse.col, mouse.row);
}

void TMapGridView::mouseMoveEvent(QMouseEvent* event) {
    const TMapGridMouse mouse = MouseOf(*event);
    if (!(tool && tool->MouseMove(mouse)) && baseTool)
        baseTool->MouseMove(mouse);
}

void TMapGridView::mouseReleaseEvent(QMouseEvent* event) {
    const TMapGridMouse mouse = MouseOf(*event);
    if (!(tool && tool->MouseRelease(mouse)) && baseTool)
        baseTool->MouseRelease(mouse);
}

void TMapGridView::wheelEvent(QWheelEvent* event) {
    wheelRemainder += event->angleDelta();
    const QPoint notches(wheelRemainder.x() / WheelNotch, wheelRemainder.y() / WheelNotch);
    wheelRemainder -= notches * WheelNotch;
    event->accept();
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = notches.y() != 0 ? notches.y() : notches.x();
        if (steps != 0)
            ZoomAt(layout.zoom + steps * ZoomStep, event->position().toPoint());
        return;
    }
    const int lines = std::max(QApplication::wheelScrollLines(), 1);
    int dx = -notches.x() * lines, dy = -notches.y() * lines;
    if (event->modifiers() & Qt::ShiftModifier) {
        dx += dy;
        dy = 0;
    }
    if (dx != 0 || dy != 0)
        SetTopLeft(layout.leftCol + dx, layout.topRow + dy);
}

void TMapGridView::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int page = std::max(FittingCount(viewport()->height()), 1);
    int newCol = col, newRow = row;
    switch (event->key()) {
    case Qt::Key_Left:
        --newCol;
        break;
    case Qt::Key_Right:
        ++newCol;
        break;
    case Qt::Key_Up:
        --newRow;
        break;
    case Qt::Key_Down:
        ++newRow;
        break;
    case Qt::Key_Home:
        newCol = 0;
        if (control)
            newRow = 0;
        break;
    case Qt::Key_End:
        newCol = layout.colCount - 1;
        if (control)
            newRow = layout.rowCount - 1;
        break;
    case Qt::Key_PageUp:
        newRow -= page;
        break;
    case Qt::Key_PageDown:
        newRow += page;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    if (layout.colCount == 0 || layout.rowCount == 0)
        return;
    SelectCell(std::clamp(newCol, 0, layout.colCount - 1), std::clamp(newRow, 0, layout.rowCount - 1));
}
