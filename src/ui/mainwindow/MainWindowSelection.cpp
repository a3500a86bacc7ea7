// The main window's selection of plots: a set of any shape made with the selection tool, the magic
// wand, "Select all like this" and "Select landmass", its outline on the map, and the sheet of the
// plots it holds.

#include "ui/mainwindow/MainWindow.h"

#include "document/MapContents.h"
#include "document/MapSelections.h"
#include "edit/EditSession.h"
#include "support/BusyCursor.h"
#include "ui/mainwindow/StatusPanel.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/sheet/SheetText.h"
#include "ui/tools/MagicWandTool.h"
#include "ui/tools/SelectionTool.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

void TMainWindow::CreateSelectionTools() {
    selectionTool = std::make_unique<TSelectionTool>(
        *gridView, [this](const TSelectionGesture& gesture) { SelectionGesture(gesture); },
        [this](int col, int row) {
            return selected.Contains(col, session->Map().Grids().Height() - 1 - row);
        });
    gridView->SetBaseTool(selectionTool.get());
    gridView->AddOverlayPainter([this](QPainter& painter, const TCellRange& cells) {
        PaintSelectionOutline(painter, *gridView, selected, cells, draggedBy);
        PaintSelectionFrame(painter, *gridView, draggedCells);
    });
    magicWandTool = std::make_unique<TMagicWandTool>(
        [this](int col, int row) { SelectAlikeAt(col, session->Map().Grids().Height() - 1 - row); });

    QMenu* menu = AddMapMenuButton("BtnSelect", "Select", "Select plots of any shape", "SelectMenu")->menu();
    magicWand = menu->addAction("Magic wand");
    magicWand->setObjectName("BtnMagicWand");
    magicWand->setCheckable(true);
    magicWand->setToolTip("Magic wand: a click selects the joined plots of the same terrain (or Alt+click)");
    connect(magicWand, &QAction::toggled, this, [this](bool down) { SetMapTool(magicWandTool.get(), down); });
    menu->addAction("Select all like this", this, &TMainWindow::SelectAllLikeThis)
        ->setObjectName("ActSelectAllLikeThis");
    menu->addAction("Select landmass", this, &TMainWindow::SelectLandmass)
        ->setObjectName("ActSelectLandmass");
    menu->addAction("Select none", this, [this] { SetSelection(TPlotSet()); })
        ->setObjectName("ActSelectNone");
}

void TMainWindow::SelectionGesture(const TSelectionGesture& gesture) {
    const int height = session->Map().Grids().Height();
    switch (gesture.kind) {
    case TSelectionGesture::Replace:
    case TSelectionGesture::Add: {
        ShowSelectionFrame(gesture.done ? QRect() : gesture.cells);
        if (!gesture.done)
            return;
        const QRect plots = PlotsOfCells(gesture.cells, height);
        TPlotSet chosen = gesture.kind == TSelectionGesture::Add && !selected.Empty()
                              ? selected
                              : TPlotSet(session->Map().Grids().Width(), height);
        chosen.InsertRectangle(plots.left(), plots.top(), plots.right(), plots.bottom());
        SetSelection(chosen);
        return;
    }
    case TSelectionGesture::Toggle: {
        TPlotSet chosen = selected.Empty() ? TPlotSet(session->Map().Grids().Width(), height) : selected;
        chosen.Toggle(gesture.cells.left(), height - 1 - gesture.cells.top());
        SetSelection(chosen);
        return;
    }
    case TSelectionGesture::Wand:
        SelectAlikeAt(gesture.cells.left(), height - 1 - gesture.cells.top());
        return;
    case TSelectionGesture::Move:
        if (!gesture.done) {
            ShowSelectionMoved(gesture.moveBy);
            return;
        }
        ShowSelectionMoved(QPoint());
        if (!gesture.moveBy.isNull()) {
            // Rows of the grid go south, the map's y goes north.
            MoveSelection(gesture.moveBy.x(), -gesture.moveBy.y());
            return;
        }
        // A click on the selection without a drag selects its cell, as a click elsewhere does.
        if (SetSelection(TPlotSet()))
            gridView->SelectCell(gesture.cells.left(), gesture.cells.top());
        return;
    case TSelectionGesture::Clear:
        SetSelection(TPlotSet());
        return;
    }
}

bool TMainWindow::SetSelection(const QRect& plots) {
    TPlotSet chosen(session->Map().Grids().Width(), session->Map().Grids().Height());
    if (!plots.isEmpty())
        chosen.InsertRectangle(plots.left(), plots.top(), plots.right(), plots.bottom());
    return SetSelection(chosen);
}

bool TMainWindow::SetSelection(const TPlotSet& plots) {
    const TPlotGrid& grids = session->Map().Grids();
    // A set made for another grid, or an empty one, clears the selection.
    const bool fits = plots.Width() == grids.Width() && plots.Height() == grids.Height() && !plots.Empty();
    const TPlotSet chosen = fits ? plots : TPlotSet();
    if (chosen == selected)
        return true;
    // The row being edited belongs to the plots shown so far.
    if (!CommitCurrentRow())
        return false;
    selected = chosen;
    selectionBounds = BoundsOf(selected);
    gridView->viewport()->update();
    if (sheetTab == TabMap)
        RefreshSheetKeepingRow();
    if (!selected.Empty())
        statusPanels[0]->Show(QString("%1 plots selected").arg(selected.Count()));
    return true;
}

void TMainWindow::ShowSelectionFrame(const QRect& cells) {
    if (cells == draggedCells)
        return;
    draggedCells = cells;
    gridView->viewport()->update();
}

void TMainWindow::ShowSelectionMoved(QPoint cells) {
    if (cells == draggedBy)
        return;
    draggedBy = cells;
    gridView->viewport()->update();
}

TPlotSet TMainWindow::SelectedPlots() const {
    if (!selected.Empty())
        return selected;
    const TPlotGrid& grids = session->Map().Grids();
    TPlotSet plots(grids.Width(), grids.Height());
    if (const TPlot* plot = GetPlotAt(GridCol(), GridRow()))
        plots.Insert(plot->X(), plot->Y());
    return plots;
}

void TMainWindow::SelectAlikeAt(int x, int y) {
    const TPlotSet alike = WhileBusy(*busyCursor, [&] { return SelectAlike(session->Map(), x, y); });
    SetSelection(alike);
}

void TMainWindow::SelectAllLikeThis() {
    const TPlot* plot = GetPlotAt(GridCol(), GridRow());
    const QString key = sheetTab == TabMap ? propertySheet->Key(propertySheet->CurrentRow()) : QString();
    if (plot == nullptr || key.isEmpty()) {
        statusPanels[0]->Show("Put the sheet's cursor on a row of a plot first");
        return;
    }
    TPlotSet alike;
    try {
        alike = WhileBusy(*busyCursor, [&] {
            return SelectSameValue(session->Map(), plot->X(), plot->Y(), ToWindows1252(key).value_or(""));
        });
    } catch (const OperationAborted&) {
        statusPanels[0]->Show(QString("%1 is not a row every plot has").arg(key));
        return;
    }
    SetSelection(alike);
}

void TMainWindow::SelectLandmass() {
    const TPlot* plot = GetPlotAt(GridCol(), GridRow());
    if (plot == nullptr)
        return;
    const int x = plot->X(), y = plot->Y();
    SetSelection(WhileBusy(*busyCursor, [&] { return ::SelectLandmass(session->Map(), x, y); }));
}
