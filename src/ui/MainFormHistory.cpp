// The one way into the document and its history: every change becomes a step that can be undone
// and redone, and the grid, mini-map and sheet show what a step touched.

#include "Tessel_Main.h"

#include "DocumentStep.h"
#include "HistoryForm.h"
#include "MapContents.h"
#include "MapGridView.h"
#include "MiniMapBitmap.h"
#include "PropertySheet.h"
#include "Recovery.h"

#include <QAction>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

// Every so many steps a map with unsaved changes gets a fresh recovery copy.
constexpr int StepsBetweenRecoveryCopies = 50;

} // namespace

TRecordSnapshot TMainForm::TakeSnapshot(const TChangeScope& scope) const {
    switch (scope.kind) {
    case TChangeScope::TKind::Game:
        return TRecordSnapshot::OfGame(*map);
    case TChangeScope::TKind::Team:
        return TRecordSnapshot::OfTeam(*map, scope.index);
    case TChangeScope::TKind::Player:
        return TRecordSnapshot::OfPlayer(*map, scope.index);
    case TChangeScope::TKind::World:
        return TRecordSnapshot::OfMapData(*map);
    case TChangeScope::TKind::Plots:
        return TRecordSnapshot::OfPlots(*map, scope.plots.left(), scope.plots.top(), scope.plots.right(),
                                        scope.plots.bottom());
    case TChangeScope::TKind::Several: {
        std::vector<TRecordSnapshot> parts;
        parts.reserve(scope.parts.size());
        for (const TChangeScope& part : scope.parts)
            parts.push_back(TakeSnapshot(part));
        return TRecordSnapshot::OfParts(std::move(parts));
    }
    case TChangeScope::TKind::Document:
        break;
    }
    return TRecordSnapshot::OfDocument(*map);
}

bool TMainForm::ChangeDocument(const TDocumentChange& change) {
    TRecordSnapshot before = TakeSnapshot(change.scope);
    try {
        change.apply(*map);
    } catch (const OperationAborted&) {
        // A change refused half way leaves nothing of it behind.
        if (TakeSnapshot(change.scope) != before)
            before.Restore(*map);
        return false;
    }
    TRecordSnapshot after = TakeSnapshot(change.scope);
    ShowChange(change.scope, false);
    if (after == before)
        return true;
    undoStack->push(new TDocumentStep(change.text, change.scope, std::move(before), std::move(after),
                                      [this](const TRecordSnapshot& snapshot, const TChangeScope& scope) {
                                          RestoreSnapshot(snapshot, scope);
                                      }));
    if (undoStack->index() - stepsAtLastRecovery >= StepsBetweenRecoveryCopies) {
        stepsAtLastRecovery = undoStack->index();
        WriteRecovery();
    }
    emit DocumentChanged();
    return true;
}

void TMainForm::RestoreSnapshot(const TRecordSnapshot& snapshot, const TChangeScope& scope) {
    snapshot.Restore(*map);
    ShowChange(scope, true);
    emit DocumentChanged();
}

void TMainForm::ShowChange(const TChangeScope& scope, bool fromHistory) {
    switch (scope.kind) {
    case TChangeScope::TKind::Plots: {
        // The changed plots show at once, on the grid and on the mini-map.
        const QRect& plots = scope.plots;
        const int height = map->Grids().Height();
        const bool onePlot = plots.width() == 1 && plots.height() == 1;
        for (int y = plots.top(); y <= plots.bottom(); ++y)
            for (int x = plots.left(); x <= plots.right(); ++x)
                PaintMiniMapCell(x, height - 1 - y);
        if (onePlot) {
            drawGrid->RepaintCell(plots.left(), height - 1 - plots.top());
        } else {
            const QRect first = drawGrid->CellRect(plots.left(), height - 1 - plots.bottom());
            const QRect last = drawGrid->CellRect(plots.right(), height - 1 - plots.top());
            drawGrid->viewport()->update(first.united(last));
        }
        SyncMiniMapView(drawGrid->LeftCol(), drawGrid->TopRow(), true);
        if (!fromHistory)
            return;
        // Undone or redone, the plot is shown: a single plot is selected on the "Map" tab.
        if (onePlot)
            drawGrid->SetCurrentCell(plots.left(), height - 1 - plots.top());
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

void TMainForm::ShowTab(int tab) {
    {
        const QSignalBlocker blocker(tcMain);
        tcMain->setCurrentIndex(tab);
    }
    RefreshSheet();
}

void TMainForm::Undo() {
    // What is being typed is a change of its own, undone first.
    if (CommitCurrentRow())
        undoStack->undo();
}

void TMainForm::Redo() {
    if (CommitCurrentRow())
        undoStack->redo();
}

void TMainForm::ClearHistory() {
    undoStack->clear();
    stepsAtLastRecovery = 0;
    emit DocumentChanged();
}

void TMainForm::CreateHistory() {
    undoStack = new QUndoStack(this);
    connect(undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { SetModified(!clean); });
    btnUndo = new QAction(this);
    btnRedo = new QAction(this);
    toolBarProgMain->insertAction(btnProgAbout, btnUndo);
    toolBarProgMain->insertAction(btnProgAbout, btnRedo);
    auto setUp = [this](QAction* action, const QString& caption, const QString& theme,
                        QStyle::StandardPixmap fallback) {
        action->setText(caption);
        action->setIcon(QIcon::fromTheme(theme, style()->standardIcon(fallback)));
        action->setEnabled(false);
        QWidget* button = toolBarProgMain->widgetForAction(action);
        button->setFixedSize(61, 47);
        button->setAccessibleName(caption);
    };
    setUp(btnUndo, "Undo", "edit-undo", QStyle::SP_ArrowBack);
    setUp(btnRedo, "Redo", "edit-redo", QStyle::SP_ArrowForward);
    btnUndo->setToolTip("Undo");
    btnRedo->setToolTip("Redo");
    btnUndo->setShortcuts({QKeySequence::Undo});
    btnRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(btnUndo, &QAction::triggered, this, &TMainForm::Undo);
    connect(btnRedo, &QAction::triggered, this, &TMainForm::Redo);
    connect(undoStack, &QUndoStack::canUndoChanged, btnUndo, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::canRedoChanged, btnRedo, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        btnUndo->setToolTip(text.isEmpty() ? QString("Undo") : "Undo " + text);
    });
    historyForm = new THistoryForm(*undoStack, this);
    connect(historyForm, &THistoryForm::Closed, this, [this] { SetButtonDown("BtnHistory", false); });
    connect(undoStack, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        btnRedo->setToolTip(text.isEmpty() ? QString("Redo") : "Redo " + text);
    });
}
