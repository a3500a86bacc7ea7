#include "ui/windows/MiniMapWindow.h"

#include "render/MiniMapBitmap.h"
#include "ui/mapview/MapGridView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

// The image control: the picture and the frame, and the mouse over them.
class TMiniMapImage : public QWidget {
public:
    TMiniMapImage(TMiniMapWindow& form, const TMiniMapBitmap& bitmap)
        : QWidget(&form), form(form), bitmap(bitmap) {
        setObjectName("MiniMapImage");
        setAccessibleName("MiniMap");
    }

    QSize sizeHint() const override {
        return bitmap.Image().isNull() ? QSize(177, 120) : bitmap.Image().size();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        if (bitmap.Image().isNull()) {
            painter.fillRect(rect(), palette().window());
            return;
        }
        painter.drawImage(0, 0, bitmap.Image());
        // The frame's edges lie on its first and last pixels, kept inside the picture.
        const TViewRect& frame = form.DrawnRect();
        const int right = std::min(frame.right, bitmap.Width() - 1);
        const int bottom = std::min(frame.bottom, bitmap.Height() - 1);
        const int left = std::max(frame.left, 0), top = std::max(frame.top, 0);
        if (right < left || bottom < top)
            return;
        painter.setPen(QPen(Qt::white, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(left, top, right - left, bottom - top);
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint point = event->position().toPoint();
        form.MiniMapImageMouseDown(event->button(), point.x(), point.y());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint point = event->position().toPoint();
        form.MiniMapImageMouseMove(point.x(), point.y());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint point = event->position().toPoint();
        form.MiniMapImageMouseUp(event->button(), point.x(), point.y());
    }

private:
    TMiniMapWindow& form;
    const TMiniMapBitmap& bitmap;
};

TMiniMapWindow::TMiniMapWindow(const TMiniMapBitmap& mapBitmap, QWidget* parent)
    : TToolWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      mapBitmap(mapBitmap) {
    setObjectName("MiniMapWindow");
    setWindowTitle("MiniMap");
    setAccessibleName("MiniMap");
    image = new TMiniMapImage(*this, mapBitmap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(image);
}

QWidget* TMiniMapWindow::MiniMapImage() const {
    return image;
}

void TMiniMapWindow::ShowViewRect(const TViewRect& rect) {
    viewRect = rect;
    DrawView(rect);
}

void TMiniMapWindow::DrawView(const TViewRect& rect) {
    drawnRect = rect;
    if (image->size() != image->sizeHint())
        image->updateGeometry();
    image->update();
}

void TMiniMapWindow::MiniMapImageMouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton)
        return;
    dragged = false;
    inView = viewRect.Contains(x, y);
    dragX = x;
    dragY = y;
}

void TMiniMapWindow::MiniMapImageMouseMove(int x, int y) {
    const int maxX = mapBitmap.Width() - 1, maxY = mapBitmap.Height() - 1;
    if (!inView || maxX <= 0 || maxY <= 0)
        return;
    const int dx = x - dragX, dy = y - dragY;
    const int w = viewRect.right - viewRect.left, h = viewRect.bottom - viewRect.top;
    TViewRect moved{viewRect.left + dx, viewRect.top + dy, viewRect.right + dx, viewRect.bottom + dy};
    if (moved.left < 0) {
        moved.left = 0;
        moved.right = w;
    }
    if (moved.top < 0) {
        moved.top = 0;
        moved.bottom = h;
    }
    if (moved.right > maxX) {
        moved.right = maxX;
        moved.left = maxX - w;
    }
    if (moved.bottom > maxY) {
        moved.bottom = maxY;
        moved.top = maxY - h;
    }
    DrawView(moved);
    if (scrolling || !host.syncMiniMapView)
        return;
    scrolling = true;
    // A frame wider than the picture leaves the left edge of the clamp above below 0: the grid's
    // first column is as far as it goes.
    const int colCount = host.colCount ? host.colCount() : 0, rowCount = host.rowCount ? host.rowCount() : 0;
    const int col = std::max(colCount * (moved.left + 1) / maxX, 0);
    const int row = std::max(rowCount * (moved.top + 1) / maxY, 0);
    if (host.syncMiniMapView(col, row, false)) {
        dragX = x;
        dragY = y;
        viewRect = moved;
        dragged = true;
    }
    scrolling = false;
}

void TMiniMapWindow::MiniMapImageMouseUp(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton)
        return;
    if (!inView || !dragged) {
        inView = true;
        dragX = viewRect.left + (viewRect.right - viewRect.left + 1) / 2;
        dragY = viewRect.top + (viewRect.bottom - viewRect.top + 1) / 2;
        MiniMapImageMouseMove(x, y);
    }
    dragged = false;
    inView = false;
    dragX = 0;
    dragY = 0;
}

void TMiniMapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    image->updateGeometry();
    adjustSize();
    if (host.syncMiniMapView && host.leftCol && host.topRow)
        host.syncMiniMapView(host.leftCol(), host.topRow(), true);
}

TViewRect MiniMapViewRect(int leftCol, int topRow, int visibleCols, int visibleRows, int pictureWidth,
                          int pictureHeight) {
    constexpr int side = TMiniMapBitmap::CellPixels;
    return {std::max(side * leftCol, 0), std::max(side * topRow, 0),
            std::min(side * (leftCol + visibleCols) - 1, pictureWidth),
            std::min(side * (topRow + visibleRows) - 1, pictureHeight)};
}

bool SyncGridWithMiniMap(TMapGridView& grid, TMiniMapWindow* miniMap, int leftCol, int topRow, bool force) {
    if (!miniMap || !miniMap->isVisible())
        return force;
    const bool changed = force || leftCol != grid.LeftCol() || topRow != grid.TopRow();
    if (leftCol != grid.LeftCol() || topRow != grid.TopRow())
        grid.SetTopLeft(leftCol, topRow);
    if (changed) {
        // The grid stops at the end of its scroll range: the frame shows where it stopped.
        const TMiniMapBitmap& bitmap = miniMap->MapBitmap();
        miniMap->ShowViewRect(MiniMapViewRect(grid.LeftCol(), grid.TopRow(), grid.VisibleColCount(),
                                              grid.VisibleRowCount(), bitmap.Width(), bitmap.Height()));
    }
    return changed;
}
