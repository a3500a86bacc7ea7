// The main window's map: the grid of the "Map" tab with its tool bar, zoom and blinking current
// cell, the mini-map picture, and the display options, mini-map and detached windows it shows.

#include "ui/mainwindow/MainWindow.h"

#include "document/MapContents.h"
#include "render/MiniMapBitmap.h"
#include "support/BusyCursor.h"
#include "support/ImageList.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/tools/BrushTool.h"
#include "ui/tools/RiverTool.h"
#include "ui/tools/SelectionTool.h"
#include "ui/tools/StartTool.h"
#include "ui/windows/CheckWindow.h"
#include "ui/windows/DockWindow.h"
#include "ui/windows/HistoryWindow.h"
#include "ui/windows/MiniMapWindow.h"
#include "ui/windows/OptionsWindow.h"

#include <QAction>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

QAction* TMainForm::AddMapButton(const QString& hint, int image, bool toggle, const char* name) {
    QAction* action =
        tbMap->addAction(QIcon(QPixmap::fromImage(ImageList("ImageListToolBar").Image(image))), hint);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setCheckable(toggle);
    QWidget* button = tbMap->widgetForAction(action);
    button->setFixedSize(24, 24);
    button->setAccessibleName(hint);
    return action;
}

QAction* TMainForm::MapButton(const char* name) const {
    return tbMap->findChild<QAction*>(name);
}

void TMainForm::SetButtonDown(const char* name, bool down) {
    QAction* action = MapButton(name);
    const QSignalBlocker blocker(action);
    action->setChecked(down);
}

void TMainForm::CreateMapPanel() {
    panelMapGrids = new QWidget(panelDock);
    panelMapGrids->setObjectName("PanelMapGrids");
    auto* layout = new QVBoxLayout(panelMapGrids);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tbMap = new QToolBar(panelMapGrids);
    tbMap->setObjectName("TBMap");
    tbMap->setAccessibleName("Map tool bar");
    tbMap->setIconSize(QSize(16, 16));
    tbMap->setMovable(false);
    QAction* zoomOut = AddMapButton("Zoom out", 0, false, "BtnZoomOut");
    tbGridSize = new QSlider(Qt::Horizontal, tbMap);
    tbGridSize->setObjectName("TBGridSize");
    tbGridSize->setAccessibleName("Zoom");
    tbGridSize->setFixedWidth(150);
    tbGridSize->setRange(TMapGridView::MinZoom, TMapGridView::MaxZoom);
    tbGridSize->setSingleStep(TMapGridView::ZoomStep);
    tbGridSize->setPageStep(TMapGridView::ZoomStep);
    tbGridSize->setTickInterval(TMapGridView::ZoomStep);
    tbGridSize->setTickPosition(QSlider::NoTicks);
    tbGridSize->setValue(32);
    tbMap->addWidget(tbGridSize);
    QAction* zoomIn = AddMapButton("Zoom in", 1, false, "BtnZoomIn");
    tbMap->addSeparator();
    QAction* emptyMap = AddMapButton("Build a new map", 2, false, "BtnEmptyMap");
    QAction* options = AddMapButton("Display options", 17, true, "BtnOptions");
    QAction* graphic = AddMapButton("Graphic mode", 4, true, "BtnGraphicMode");
    QAction* gridLines = AddMapButton("Grid Lines", 3, true, "BtnShowGridLine");
    gridLines->setChecked(true);
    tbMap->addSeparator();
    QAction* miniMap = AddMapButton("Mini map", 15, true, "BtnShowMiniMap");
    QAction* dock = AddMapButton("Show map in another window", 16, true, "BtnDock");
    tbMap->addSeparator();
    QAction* river = AddMapButton("River", 0, true, "BtnRiver");
    river->setIcon(TRiverTool::Icon());
    tbMap->addSeparator();
    QAction* history = AddMapButton("History", 0, true, "BtnHistory");
    history->setIcon(
        QIcon::fromTheme("document-open-recent", style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    connect(zoomOut, &QAction::triggered, this, &TMainForm::BtnZoomOutClick);
    connect(zoomIn, &QAction::triggered, this, &TMainForm::BtnZoomInClick);
    connect(emptyMap, &QAction::triggered, this, &TMainForm::BtnEmptyMapClick);
    connect(tbGridSize, &QSlider::valueChanged, this, &TMainForm::TBGridSizeChange);
    connect(options, &QAction::toggled, this, &TMainForm::BtnOptionsClick);
    connect(graphic, &QAction::toggled, this, &TMainForm::BtnGraphicModeClick);
    connect(gridLines, &QAction::toggled, this, &TMainForm::BtnShowGridLineClick);
    connect(miniMap, &QAction::toggled, this, &TMainForm::BtnShowMiniMapClick);
    connect(dock, &QAction::toggled, this, &TMainForm::BtnDockClick);
    connect(history, &QAction::toggled, this, &TMainForm::BtnHistoryClick);
    QAction* check = AddMapButton("Check map", 12, true, "BtnCheckMap");
    checkForm = new TCheckForm(this);
    connect(check, &QAction::toggled, this, &TMainForm::BtnCheckMapClick);
    connect(checkForm, &TCheckForm::Closed, this, [this] { SetButtonDown("BtnCheckMap", false); });
    connect(undoStack, &QUndoStack::indexChanged, checkForm, &TCheckForm::MapChanged);
    connect(river, &QAction::toggled, this, &TMainForm::BtnRiverClick);
    tbMap->addSeparator();
    QAction* extend = AddMapButton("Extend map...", 0, false, "BtnExtendMap");
    extend->setIcon(QIcon::fromTheme("zoom-fit-best", style()->standardIcon(QStyle::SP_TitleBarMaxButton)));
    QAction* shift = AddMapButton("Shift map...", 0, false, "BtnShiftMap");
    shift->setIcon(QIcon::fromTheme("go-next", style()->standardIcon(QStyle::SP_ArrowRight)));
    QAction* crop = AddMapButton("Crop to selection", 0, false, "BtnCropMap");
    crop->setIcon(QIcon::fromTheme("transform-crop", style()->standardIcon(QStyle::SP_TitleBarNormalButton)));
    connect(extend, &QAction::triggered, this, &TMainForm::BtnExtendMapClick);
    connect(shift, &QAction::triggered, this, &TMainForm::BtnShiftMapClick);
    connect(crop, &QAction::triggered, this, &TMainForm::BtnCropMapClick);
    layout->addWidget(tbMap);

    drawGrid =
        new TMapGridView(TPlotImageLists{ImageList("ImageListTerrain"), ImageList("ImageListBonus"),
                                         ImageList("ImageListUnitCity"), ImageList("ImageListRiverRoute")},
                         panelMapGrids);
    drawGrid->setObjectName("DrawGrid");
    drawGrid->SetZoom(tbGridSize->value());
    drawGrid->SetGridLines(true);
    drawGrid->SetPlots(&map->Grids());
    drawGrid->SetGridSize(map->Grids().Width(), map->Grids().Height());
    drawGrid->SetSelectCellHandler([this](int col, int row) { return DrawGridSelectCell(col, row); });
    connect(drawGrid, &TMapGridView::TopLeftChanged, this, &TMainForm::DrawGridTopLeftChanged);
    connect(drawGrid, &TMapGridView::ViewportResized, this, &TMainForm::PanelMapGridsResize);
    connect(drawGrid, &TMapGridView::ZoomChanged, tbGridSize, &QSlider::setValue);
    layout->addWidget(drawGrid, 1);
    riverTool = std::make_unique<TRiverTool>(*this, *drawGrid);
    drawGrid->AddOverlayPainter(
        [this](QPainter& painter, const TCellRange& cells) { PaintGridOverlay(painter, cells); });

    CreateEditingTools();

    // F6 moves the keyboard between the map and the plot's sheet, as between a window's panes.
    auto* switchPane = new QAction("Move between the map and the sheet", this);
    switchPane->setObjectName("ActSwitchPane");
    switchPane->setShortcut(QKeySequence(Qt::Key_F6));
    addAction(switchPane);
    connect(switchPane, &QAction::triggered, this, &TMainForm::SwitchMapAndSheet);

    cellRectTimer = new QTimer(this);
    cellRectTimer->setObjectName("CellRectTimer");
    cellRectTimer->setInterval(750);
    connect(cellRectTimer, &QTimer::timeout, this, &TMainForm::CellRectTimerTimer);
    CreateStartTools();
}

void TMainForm::WindowsCreated() {
    drawGrid->Painter().SetOptions(&OptionsForm->Options());
    connect(OptionsForm, &TOptionsForm::RepaintRequested, this, [this] {
        if (panelMapGrids->isVisible())
            drawGrid->viewport()->update();
    });
    connect(OptionsForm, &TOptionsForm::Closed, this, [this] { SetButtonDown("BtnOptions", false); });

    TMiniMapHost host;
    host.syncMiniMapView = [this](int leftCol, int topRow, bool force) {
        return SyncMiniMapView(leftCol, topRow, force);
    };
    host.colCount = [this] { return drawGrid->ColCount(); };
    host.rowCount = [this] { return drawGrid->RowCount(); };
    host.leftCol = [this] { return drawGrid->LeftCol(); };
    host.topRow = [this] { return drawGrid->TopRow(); };
    MiniMapForm->SetHost(std::move(host));
    connect(MiniMapForm, &TMiniMapForm::Closed, this, [this] { SetButtonDown("BtnShowMiniMap", false); });

    DockForm->SetPanel(panelMapGrids);
    connect(DockForm, &TDockForm::Shown, this, [this] {
        SetButtonDown("BtnDock", true);
        panelDock->hide();
    });
    connect(DockForm, &TDockForm::Closed, this, [this] {
        SetButtonDown("BtnDock", false);
        panelDock->setVisible(tcMain->currentIndex() == TabMap);
    });
}

TPlot* TMainForm::GetPlotAt(int col, int row) const {
    const TPlotGrid& grids = map->Grids();
    if (col < 0 || row < 0 || col >= grids.Width() || row >= grids.Height())
        return nullptr;
    return map->Grids().GetPlot(col, grids.Height() - 1 - row);
}

int TMainForm::GridCol() const {
    return drawGrid->Col();
}

int TMainForm::GridRow() const {
    return drawGrid->Row();
}

void TMainForm::ResetGridSize() {
    selection = QRect();
    drawGrid->SetPlots(&map->Grids());
    drawGrid->SetGridSize(map->Grids().Width(), map->Grids().Height());
    drawGrid->SetCurrentCell(0, 0);
    drawGrid->SetTopLeft(0, 0);
}

bool TMainForm::DrawGridSelectCell(int col, int row) {
    busyCursor->Busy();
    // The row being edited goes into the plot being left; a refused row keeps the cell.
    if (!CommitCurrentRow()) {
        busyCursor->Idle();
        return false;
    }
    // Moving the current cell leaves the selected rectangle.
    if (!selection.isEmpty()) {
        drawGrid->viewport()->update(SelectionFrameRegion(*drawGrid, FramedCells()));
        selection = QRect();
    }
    updating = true;
    TPlot* plot = GetPlotAt(col, row);
    FillSheet(*vle, plot != nullptr ? plot->GetEditorLines() : StringList());
    updating = false;
    UpdateStatusBar(col, row);
    busyCursor->Idle();
    return true;
}

void TMainForm::SwitchMapAndSheet() {
    const bool inMap = drawGrid->hasFocus();
    if (inMap || !drawGrid->isVisible())
        vle->setFocus(Qt::TabFocusReason);
    else
        drawGrid->setFocus(Qt::ShortcutFocusReason);
}

void TMainForm::DrawGridTopLeftChanged() {
    SyncMiniMapView(drawGrid->LeftCol(), drawGrid->TopRow(), true);
}

void TMainForm::PanelMapGridsResize() {
    SyncMiniMapView(drawGrid->LeftCol(), drawGrid->TopRow(), true);
}

void TMainForm::TBGridSizeChange(int value) {
    // The track bar moves in steps of 4 from 8.
    const int snapped = TMapGridView::MinZoom + (value - TMapGridView::MinZoom + TMapGridView::ZoomStep / 2) /
                                                    TMapGridView::ZoomStep * TMapGridView::ZoomStep;
    if (snapped != value) {
        tbGridSize->setValue(snapped);
        return;
    }
    if (drawGrid->Zoom() != value)
        drawGrid->SetZoom(value);
    SyncMiniMapView(drawGrid->LeftCol(), drawGrid->TopRow(), true);
    tbGridSize->setToolTip(QString::number(value));
}

void TMainForm::BtnZoomOutClick() {
    tbGridSize->setValue(tbGridSize->value() - tbGridSize->tickInterval());
}

void TMainForm::BtnZoomInClick() {
    tbGridSize->setValue(tbGridSize->value() + tbGridSize->tickInterval());
}

void TMainForm::BtnShowGridLineClick(bool down) {
    drawGrid->SetGridLines(down);
}

void TMainForm::BtnGraphicModeClick(bool down) {
    drawGrid->SetGraphicMode(down);
}

void TMainForm::BtnShowMiniMapClick(bool down) {
    MiniMapForm->SetShown(down);
}

void TMainForm::BtnDockClick(bool down) {
    DockForm->SetShown(down);
}

void TMainForm::BtnHistoryClick(bool down) {
    historyForm->SetShown(down);
}

void TMainForm::BtnCheckMapClick(bool down) {
    checkForm->SetShown(down);
}

void TMainForm::BtnOptionsClick(bool down) {
    OptionsForm->SetShown(down);
}

void TMainForm::BtnRiverClick(bool down) {
    SetMapTool(riverTool.get(), down);
}

void TMainForm::SetMapTool(TMapGridTool* tool, bool down) {
    // One editing tool at a time: pressing one raises the one that was down.
    if (down) {
        SetButtonDown("BtnPaint", tool == brushTool.get());
        SetButtonDown("BtnStart", tool == startTool.get());
        SetButtonDown("BtnRiver", tool == riverTool.get());
        drawGrid->SetTool(tool);
    } else if (drawGrid->Tool() == tool) {
        drawGrid->SetTool(nullptr);
    }
    UpdateStatusBar(-1, -1);
    // The rivers show while their tool is on.
    drawGrid->viewport()->update();
}

void TMainForm::PaintGridOverlay(QPainter& painter, const TCellRange& cells) {
    if (drawGrid->Tool() == riverTool.get()) {
        painter.save();
        riverTool->PaintOverlay(painter, cells);
        painter.restore();
    }
    PaintStartOverlay(painter, cells);
}

void TMainForm::CellRectTimerTimer() {
    if (!panelMapGrids->isVisible())
        return;
    blinkOn = !blinkOn;
    drawGrid->SetBlinkOn(blinkOn);
}

void TMainForm::PaintMiniMapCell(int col, int row) {
    miniMapBitmap->PaintMiniMapCell(map->Grids(), col, row);
}

void TMainForm::RebuildMiniMap(int col, int row) {
    miniMapBitmap->RebuildMiniMap(map->Grids(), col, row, drawGrid->ColCount(), drawGrid->RowCount());
    SyncMiniMapView(drawGrid->LeftCol(), drawGrid->TopRow(), true);
}

bool TMainForm::SyncMiniMapView(int leftCol, int topRow, bool force) {
    return SyncGridWithMiniMap(*drawGrid, MiniMapForm, leftCol, topRow, force);
}
