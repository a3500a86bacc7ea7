// The main window's map: the grid of the "Map" tab with its tool bar, zoom and blinking current
// cell, the mini-map picture, and the display options, mini-map and detached windows it shows.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"

#include "document/MapContents.h"
#include "render/MiniMapBitmap.h"
#include "support/AppResources.h"
#include "support/BusyCursor.h"
#include "support/ImageList.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/dialogs/ValuePickerDialog.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/tools/BrushTool.h"
#include "ui/tools/MagicWandTool.h"
#include "ui/tools/RiverTool.h"
#include "ui/tools/SelectionTool.h"
#include "ui/tools/StartTool.h"
#include "ui/windows/CheckWindow.h"
#include "ui/windows/DockWindow.h"
#include "ui/windows/HistoryWindow.h"
#include "ui/windows/MiniMapWindow.h"
#include "ui/windows/OptionsWindow.h"
#include "ui/windows/UnitsCityWindow.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

QToolButton* TMainWindow::AddMapMenuButton(const char* name, const QString& caption, const QString& hint,
                                           const char* menuName) {
    auto* button = new QToolButton(mapToolBar);
    button->setObjectName(name);
    button->setText(caption);
    button->setAccessibleName(hint);
    button->setToolTip(hint);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menu = new QMenu(button);
    menu->setObjectName(menuName);
    button->setMenu(menu);
    mapToolBar->addWidget(button);
    return button;
}

QAction* TMainWindow::AddMapButton(const QString& hint, int image, bool toggle, const char* name) {
    QAction* action =
        mapToolBar->addAction(QIcon(QPixmap::fromImage(ImageList("ImageListToolBar").Image(image))), hint);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setCheckable(toggle);
    QWidget* button = mapToolBar->widgetForAction(action);
    button->setFixedSize(24, 24);
    button->setAccessibleName(hint);
    return action;
}

QAction* TMainWindow::MapButton(const char* name) const {
    return mapToolBar->findChild<QAction*>(name);
}

void TMainWindow::SetButtonDown(const char* name, bool down) {
    QAction* action = MapButton(name);
    const QSignalBlocker blocker(action);
    action->setChecked(down);
}

void TMainWindow::CreateMapPanel() {
    mapPanel = new QWidget(mapPanelHome);
    mapPanel->setObjectName("PanelMapGrids");
    auto* layout = EdgeToEdge<QVBoxLayout>(mapPanel);

    mapToolBar = new QToolBar(mapPanel);
    mapToolBar->setObjectName("TBMap");
    mapToolBar->setAccessibleName("Map tool bar");
    mapToolBar->setIconSize(QSize(16, 16));
    mapToolBar->setMovable(false);
    QAction* zoomOut = AddMapButton("Zoom out", 0, false, "BtnZoomOut");
    zoomSlider = new QSlider(Qt::Horizontal, mapToolBar);
    zoomSlider->setObjectName("TBGridSize");
    zoomSlider->setAccessibleName("Zoom");
    zoomSlider->setFixedWidth(150);
    zoomSlider->setRange(TMapGridView::MinZoom, TMapGridView::MaxZoom);
    zoomSlider->setSingleStep(TMapGridView::ZoomStep);
    zoomSlider->setPageStep(TMapGridView::ZoomStep);
    zoomSlider->setTickInterval(TMapGridView::ZoomStep);
    zoomSlider->setTickPosition(QSlider::NoTicks);
    zoomSlider->setValue(32);
    mapToolBar->addWidget(zoomSlider);
    QAction* zoomIn = AddMapButton("Zoom in", 1, false, "BtnZoomIn");
    mapToolBar->addSeparator();
    QAction* emptyMap = AddMapButton("Build a new map", 2, false, "BtnEmptyMap");
    AddMapButton("Display options", 17, true, "BtnOptions");
    QAction* graphic = AddMapButton("Graphic mode", 4, true, "BtnGraphicMode");
    QAction* gridLines = AddMapButton("Grid Lines", 3, true, "BtnShowGridLine");
    gridLines->setChecked(true);
    mapToolBar->addSeparator();
    AddMapButton("Mini map", 15, true, "BtnShowMiniMap");
    AddMapButton("Show map in another window", 16, true, "BtnDock");
    mapToolBar->addSeparator();
    QAction* river = AddMapButton("River", 0, true, "BtnRiver");
    river->setIcon(TRiverTool::Icon());
    mapToolBar->addSeparator();
    QAction* history = AddMapButton("History", 0, true, "BtnHistory");
    history->setIcon(
        QIcon::fromTheme("document-open-recent", style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    connect(zoomOut, &QAction::triggered, this, &TMainWindow::ZoomOut);
    connect(zoomIn, &QAction::triggered, this, &TMainWindow::ZoomIn);
    connect(emptyMap, &QAction::triggered, this, &TMainWindow::BuildEmptyMap);
    connect(zoomSlider, &QSlider::valueChanged, this, &TMainWindow::SetZoom);
    connect(graphic, &QAction::toggled, this, &TMainWindow::ShowPictures);
    connect(gridLines, &QAction::toggled, this, &TMainWindow::ShowGridLines);
    ShowWindowWith(history, historyWindow);
    QAction* check = AddMapButton("Check map", 12, true, "BtnCheckMap");
    checkWindow = new TCheckWindow(*this, this);
    ShowWindowWith(check, checkWindow);
    connect(&session->History(), &QUndoStack::indexChanged, checkWindow, &TCheckWindow::MapChanged);
    connect(river, &QAction::toggled, this, &TMainWindow::UseRiverTool);
    mapToolBar->addSeparator();
    QAction* extend = AddMapButton("Extend map...", 0, false, "BtnExtendMap");
    extend->setIcon(QIcon::fromTheme("zoom-fit-best", style()->standardIcon(QStyle::SP_TitleBarMaxButton)));
    QAction* shift = AddMapButton("Shift map...", 0, false, "BtnShiftMap");
    shift->setIcon(QIcon::fromTheme("go-next", style()->standardIcon(QStyle::SP_ArrowRight)));
    QAction* crop = AddMapButton("Crop to selection", 0, false, "BtnCropMap");
    crop->setIcon(QIcon::fromTheme("transform-crop", style()->standardIcon(QStyle::SP_TitleBarNormalButton)));
    connect(extend, &QAction::triggered, this, &TMainWindow::ExtendMap);
    connect(shift, &QAction::triggered, this, &TMainWindow::ShiftMap);
    connect(crop, &QAction::triggered, this, &TMainWindow::CropMapToSelection);
    layout->addWidget(mapToolBar);

    gridView =
        new TMapGridView(TPlotImageLists{ImageList("ImageListTerrain"), ImageList("ImageListBonus"),
                                         ImageList("ImageListUnitCity"), ImageList("ImageListRiverRoute")},
                         mapPanel);
    gridView->setObjectName("DrawGrid");
    gridView->SetZoom(zoomSlider->value());
    gridView->SetGridLines(true);
    gridView->SetPlots(&session->Map().Grids());
    gridView->SetGridSize(session->Map().Grids().Width(), session->Map().Grids().Height());
    gridView->SetSelectCellHandler([this](int col, int row) { return SelectCell(col, row); });
    connect(gridView, &TMapGridView::TopLeftChanged, this, &TMainWindow::MapScrolled);
    connect(gridView, &TMapGridView::ViewportResized, this, &TMainWindow::MapPanelResized);
    connect(gridView, &TMapGridView::ZoomChanged, zoomSlider, &QSlider::setValue);
    layout->addWidget(gridView, 1);
    riverTool = std::make_unique<TRiverTool>(*this, *gridView);
    gridView->AddOverlayPainter(
        [this](QPainter& painter, const TCellRange& cells) { PaintGridOverlay(painter, cells); });

    CreateEditingTools();

    // F6 moves the keyboard between the map and the plot's sheet, as between a window's panes.
    auto* switchPane = new QAction("Move between the map and the sheet", this);
    switchPane->setObjectName("ActSwitchPane");
    switchPane->setShortcut(QKeySequence(Qt::Key_F6));
    addAction(switchPane);
    connect(switchPane, &QAction::triggered, this, &TMainWindow::SwitchMapAndSheet);

    blinkTimer = new QTimer(this);
    blinkTimer->setObjectName("BlinkTimer");
    blinkTimer->setInterval(750);
    connect(blinkTimer, &QTimer::timeout, this, &TMainWindow::BlinkCurrentCell);
    CreateStartTools();
}

void TMainWindow::CreateWindows() {
    optionsWindow = new TOptionsWindow(ImageList("ImageListToolBar"), ImageList("ImageListYesNo"), this);
    unitsCityWindow = new TUnitsCityWindow(*this, this);
    miniMapWindow = new TMiniMapWindow(*miniMapBitmap, this);
    newMapDialog = new TNewMapDialog(*this, this);
    aboutDialog = new TAboutDialog(*resources, this);
    dockWindow = new TDockWindow(this);
    valuePicker = new TValuePickerDialog(ImageList("ImageListToolBar"), this);

    gridView->Painter().SetOptions(&optionsWindow->Options());
    connect(optionsWindow, &TOptionsWindow::RepaintRequested, this, [this] {
        if (mapPanel->isVisible())
            gridView->viewport()->update();
    });
    ShowWindowWith(MapButton("BtnOptions"), optionsWindow);

    TMiniMapHost host;
    host.syncMiniMapView = [this](int leftCol, int topRow, bool force) {
        return SyncMiniMapView(leftCol, topRow, force);
    };
    host.colCount = [this] { return gridView->ColCount(); };
    host.rowCount = [this] { return gridView->RowCount(); };
    host.leftCol = [this] { return gridView->LeftCol(); };
    host.topRow = [this] { return gridView->TopRow(); };
    miniMapWindow->SetHost(std::move(host));
    ShowWindowWith(MapButton("BtnShowMiniMap"), miniMapWindow);

    dockWindow->SetPanel(mapPanel);
    connect(MapButton("BtnDock"), &QAction::toggled, dockWindow, &TToolWindow::SetShown);
    connect(dockWindow, &TDockWindow::Shown, this, [this] {
        SetButtonDown("BtnDock", true);
        mapPanelHome->hide();
    });
    connect(dockWindow, &TDockWindow::Closed, this, [this] {
        SetButtonDown("BtnDock", false);
        mapPanelHome->setVisible(tabs->currentIndex() == TabMap);
    });
}

TPlot* TMainWindow::GetPlotAt(int col, int row) const {
    const TPlotGrid& grids = session->Map().Grids();
    if (col < 0 || row < 0 || col >= grids.Width() || row >= grids.Height())
        return nullptr;
    return session->Map().Grids().GetPlot(col, grids.Height() - 1 - row);
}

int TMainWindow::GridCol() const {
    return gridView->Col();
}

int TMainWindow::GridRow() const {
    return gridView->Row();
}

void TMainWindow::ResetGridSize() {
    selected = TPlotSet();
    selectionBounds = QRect();
    gridView->SetPlots(&session->Map().Grids());
    gridView->SetGridSize(session->Map().Grids().Width(), session->Map().Grids().Height());
    gridView->SetCurrentCell(0, 0);
    gridView->SetTopLeft(0, 0);
}

bool TMainWindow::SelectCell(int col, int row) {
    busyCursor->Busy();
    // The row being edited goes into the plot being left; a refused row keeps the cell.
    if (!CommitCurrentRow()) {
        busyCursor->Idle();
        return false;
    }
    // Moving the current cell leaves the selected rectangle.
    if (!selected.Empty()) {
        selected = TPlotSet();
        selectionBounds = QRect();
        gridView->viewport()->update();
    }
    updating = true;
    TPlot* plot = GetPlotAt(col, row);
    FillSheet(*propertySheet, plot != nullptr ? plot->GetEditorLines() : StringList());
    updating = false;
    UpdateStatusBar(col, row);
    busyCursor->Idle();
    return true;
}

void TMainWindow::SwitchMapAndSheet() {
    const bool inMap = gridView->hasFocus();
    if (inMap || !gridView->isVisible())
        propertySheet->setFocus(Qt::TabFocusReason);
    else
        gridView->setFocus(Qt::ShortcutFocusReason);
}

void TMainWindow::MapScrolled() {
    SyncMiniMapView(gridView->LeftCol(), gridView->TopRow(), true);
}

void TMainWindow::MapPanelResized() {
    SyncMiniMapView(gridView->LeftCol(), gridView->TopRow(), true);
}

void TMainWindow::SetZoom(int value) {
    // The track bar moves in steps of 4 from 8.
    const int snapped = TMapGridView::MinZoom + (value - TMapGridView::MinZoom + TMapGridView::ZoomStep / 2) /
                                                    TMapGridView::ZoomStep * TMapGridView::ZoomStep;
    if (snapped != value) {
        zoomSlider->setValue(snapped);
        return;
    }
    if (gridView->Zoom() != value)
        gridView->SetZoom(value);
    SyncMiniMapView(gridView->LeftCol(), gridView->TopRow(), true);
    zoomSlider->setToolTip(QString::number(value));
}

void TMainWindow::ZoomOut() {
    zoomSlider->setValue(zoomSlider->value() - zoomSlider->tickInterval());
}

void TMainWindow::ZoomIn() {
    zoomSlider->setValue(zoomSlider->value() + zoomSlider->tickInterval());
}

void TMainWindow::ShowGridLines(bool down) {
    gridView->SetGridLines(down);
}

void TMainWindow::ShowPictures(bool down) {
    gridView->SetGraphicMode(down);
}

void TMainWindow::ShowWindowWith(QAction* button, TToolWindow* window) {
    connect(button, &QAction::toggled, window, &TToolWindow::SetShown);
    // Closed by its close box, Esc or the window manager, the window releases its button.
    connect(window, &TToolWindow::Closed, this, [button] {
        const QSignalBlocker blocker(button);
        button->setChecked(false);
    });
}

void TMainWindow::UseRiverTool(bool down) {
    SetMapTool(riverTool.get(), down);
}

void TMainWindow::SetMapTool(TMapGridTool* tool, bool down) {
    // One editing tool at a time: pressing one raises the one that was down.
    if (down) {
        SetButtonDown("BtnPaint", tool == brushTool.get());
        SetButtonDown("BtnStart", tool == startTool.get());
        SetButtonDown("BtnRiver", tool == riverTool.get());
        if (magicWand != nullptr) {
            const QSignalBlocker blocker(magicWand);
            magicWand->setChecked(tool == magicWandTool.get());
        }
        gridView->SetTool(tool);
    } else if (gridView->Tool() == tool) {
        gridView->SetTool(nullptr);
    }
    UpdateStatusBar(-1, -1);
    // The rivers show while their tool is on.
    gridView->viewport()->update();
}

void TMainWindow::PaintGridOverlay(QPainter& painter, const TCellRange& cells) {
    if (gridView->Tool() == riverTool.get()) {
        painter.save();
        riverTool->PaintOverlay(painter, cells);
        painter.restore();
    }
    PaintStartOverlay(painter, cells);
}

void TMainWindow::BlinkCurrentCell() {
    if (!mapPanel->isVisible())
        return;
    blinkOn = !blinkOn;
    gridView->SetBlinkOn(blinkOn);
}

void TMainWindow::PaintMiniMapCell(int col, int row) {
    miniMapBitmap->PaintMiniMapCell(session->Map().Grids(), col, row);
}

void TMainWindow::RebuildMiniMap(int col, int row) {
    miniMapBitmap->RebuildMiniMap(session->Map().Grids(), col, row, gridView->ColCount(),
                                  gridView->RowCount());
    SyncMiniMapView(gridView->LeftCol(), gridView->TopRow(), true);
}

bool TMainWindow::SyncMiniMapView(int leftCol, int topRow, bool force) {
    return SyncGridWithMiniMap(*gridView, miniMapWindow, leftCol, topRow, force);
}
