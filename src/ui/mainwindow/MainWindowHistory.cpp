// The main window's side of the history: the Undo and Redo buttons, and the grid, mini-map and sheet
// showing what a step of the edit session touched.

#include "ui/mainwindow/MainWindow.h"

#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "render/MiniMapBitmap.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/tools/BrushTool.h"
#include "ui/windows/CheckWindow.h"
#include "ui/windows/HistoryWindow.h"

#include <QAction>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>

void TMainWindow::ShowChange(const TChangeScope& scope, bool fromHistory) {
    switch (scope.kind) {
    case TChangeScope::TKind::Plots: {
        // The changed plots show at once, on the grid and on the mini-map.
        const QRect& plots = scope.plots;
        const int height = session->Map().Grids().Height();
        const bool onePlot = plots.width() == 1 && plots.height() == 1;
        if (onePlot) {
            PaintMiniMapCell(plots.left(), height - 1 - plots.top());
            gridView->RepaintCell(plots.left(), height - 1 - plots.top());
        } else if (!scope.cells.empty()) {
            ShowPlotCells(scope.cells);
        } else {
            for (int y = plots.top(); y <= plots.bottom(); ++y)
                for (int x = plots.left(); x <= plots.right(); ++x)
                    PaintMiniMapCell(x, height - 1 - y);
            const QRect first = gridView->CellRect(plots.left(), height - 1 - plots.bottom());
            const QRect last = gridView->CellRect(plots.right(), height - 1 - plots.top());
            gridView->viewport()->update(first.united(last));
        }
        SyncMiniMapView(gridView->LeftCol(), gridView->TopRow(), true);
        if (!fromHistory)
            return;
        // Undone or redone, the plot is shown: a single plot is selected on the "Map" tab, but for
        // a stroke, whose paint is the row of the plot the sheet shows.
        if (onePlot && scope.cells.empty())
            gridView->SetCurrentCell(plots.left(), height - 1 - plots.top());
        ShowTab(TabMap);
        return;
    }
    case TChangeScope::TKind::Document:
        ResetGridSize();
        RebuildMiniMap(-1, -1);
        RefreshSheet();
        return;
    case TChangeScope::TKind::Game:
        if (fromHistory)
            ShowTab(TabRule);
        return;
    case TChangeScope::TKind::Team:
        if (fromHistory) {
            teamIndex = scope.index;
            ShowTab(TabTeam);
        }
        return;
    case TChangeScope::TKind::Player:
        if (fromHistory) {
            playerIndex = scope.index;
            ShowTab(TabPlayer);
        }
        return;
    case TChangeScope::TKind::World:
        if (fromHistory)
            ShowTab(TabWorld);
        return;
    case TChangeScope::TKind::Several: {
        bool plots = false;
        for (const TChangeScope& part : scope.parts) {
            ShowChange(part, false);
            plots = plots || part.kind == TChangeScope::TKind::Plots;
        }
        // The sheet may show any of the records: it shows them again, on the map when plots changed.
        if (fromHistory && plots)
            ShowTab(TabMap);
        else if (fromHistory && !scope.parts.empty())
            ShowChange(scope.parts.front(), true);
        else
            RefreshSheet();
        return;
    }
    }
}

void TMainWindow::ShowPlotCells(const std::vector<QPoint>& places) {
    const int height = session->Map().Grids().Height();
    std::vector<QPoint> cells;
    cells.reserve(places.size());
    for (const QPoint& place : places) {
        PaintMiniMapCell(place.x(), height - 1 - place.y());
        cells.emplace_back(place.x(), height - 1 - place.y());
    }
    // Neighbouring cells of a row repaint as one rectangle: a repaint of many small ones costs more
    // than their pixels.
    std::sort(cells.begin(), cells.end(), [](const QPoint& a, const QPoint& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    const QRect shown = gridView->viewport()->rect();
    for (std::size_t first = 0; first < cells.size();) {
        std::size_t last = first;
        while (last + 1 < cells.size() && cells[last + 1].y() == cells[last].y() &&
               cells[last + 1].x() <= cells[last].x() + 1)
            ++last;
        const QRect run = gridView->CellRect(cells[first].x(), cells[first].y())
                              .united(gridView->CellRect(cells[last].x(), cells[last].y()));
        if (run.intersects(shown))
            gridView->viewport()->update(run & shown);
        first = last + 1;
    }
}

void TMainWindow::ShowTab(int tab) {
    {
        const QSignalBlocker blocker(tabs);
        tabs->setCurrentIndex(tab);
    }
    RefreshSheetKeepingRow();
}

void TMainWindow::RefreshSheetKeepingRow() {
    // The rows of the same tab keep the cursor on its key: the brush paints with that row.
    const QString key =
        tabs->currentIndex() == sheetTab ? propertySheet->Key(propertySheet->CurrentRow()) : QString();
    RefreshSheet();
    const int row = key.isEmpty() ? -1 : propertySheet->FindRow(key);
    if (row >= 0)
        propertySheet->SetCurrentRow(row);
}

void TMainWindow::Undo() {
    // A stroke still under way ends here: it is the step undone.
    brushTool->Finish();
    session->Undo();
}

void TMainWindow::Redo() {
    brushTool->Finish();
    session->Redo();
}

void TMainWindow::CreateHistory() {
    session = new TEditSession(this);
    // What is being typed is a change of its own, made first.
    session->SetPendingEditHook([this] { return CommitCurrentRow(); });
    connect(session, &TEditSession::Changed, this, &TMainWindow::ShowChange);
    // Another map, or a new one: what was checked before is no longer what is shown.
    connect(session, &TEditSession::HistoryCleared, this, [this] {
        if (checkWindow != nullptr)
            checkWindow->MapChanged();
    });
    QUndoStack* undoStack = &session->History();
    undoAction = new QAction(this);
    redoAction = new QAction(this);
    programToolBar->insertAction(aboutAction, undoAction);
    programToolBar->insertAction(aboutAction, redoAction);
    auto setUp = [this](QAction* action, const QString& caption, const QString& theme,
                        QStyle::StandardPixmap fallback) {
        action->setText(caption);
        action->setIcon(QIcon::fromTheme(theme, style()->standardIcon(fallback)));
        action->setEnabled(false);
        QWidget* button = programToolBar->widgetForAction(action);
        button->setFixedSize(61, 47);
        button->setAccessibleName(caption);
    };
    setUp(undoAction, "Undo", "edit-undo", QStyle::SP_ArrowBack);
    setUp(redoAction, "Redo", "edit-redo", QStyle::SP_ArrowForward);
    undoAction->setToolTip("Undo");
    redoAction->setToolTip("Redo");
    undoAction->setShortcuts({QKeySequence::Undo});
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undoAction, &QAction::triggered, this, &TMainWindow::Undo);
    connect(redoAction, &QAction::triggered, this, &TMainWindow::Redo);
    connect(undoStack, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        undoAction->setToolTip(text.isEmpty() ? QString("Undo") : "Undo " + text);
    });
    historyWindow = new THistoryWindow(*undoStack, this);
    connect(undoStack, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        redoAction->setToolTip(text.isEmpty() ? QString("Redo") : "Redo " + text);
    });
}
