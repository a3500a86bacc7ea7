// The main window's mirrors, turns and moves: "Flip" and "Rotate" act on the selected plots, or on
// the whole map when none are selected, and the selection moves by dragging it or with Alt and the
// arrows; each is one step of the history.

#include "ui/mainwindow/MainWindow.h"

#include "document/MapContents.h"
#include "document/MapReshape.h"
#include "document/SelectionTransform.h"
#include "edit/EditSession.h"
#include "support/BusyCursor.h"
#include "ui/mainwindow/StatusPanel.h"
#include "ui/sheet/SheetText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

struct TTurnChoice {
    TMapTurn::TKind kind;
    const char* name;
    const char* text;
};

constexpr TTurnChoice TurnChoices[] = {
    {TMapTurn::FlipX, "ActFlipEastWest", "Flip east-west"},
    {TMapTurn::FlipY, "ActFlipNorthSouth", "Flip north-south"},
    {TMapTurn::Clockwise90, "ActRotateClockwise", "Rotate clockwise"},
    {TMapTurn::Clockwise180, "ActRotateHalfRound", "Rotate half round"},
    {TMapTurn::Clockwise270, "ActRotateAnticlockwise", "Rotate anticlockwise"},
};

// What a move leaves behind: the terrain of the edge it moves away from, or one chosen.
struct TFillChoice {
    const char* text;
    const char* terrain; // null: the edge's
    int plotType;
};

constexpr TFillChoice FillChoices[] = {
    {"The edge's terrain", nullptr, 0}, {"Ocean", "TERRAIN_OCEAN", 3},   {"Coast", "TERRAIN_COAST", 3},
    {"Grassland", "TERRAIN_GRASS", 2},  {"Plains", "TERRAIN_PLAINS", 2}, {"Desert", "TERRAIN_DESERT", 2},
    {"Tundra", "TERRAIN_TUNDRA", 2},    {"Snow", "TERRAIN_SNOW", 2},
};

QString TurnText(TMapTurn::TKind kind) {
    for (const TTurnChoice& choice : TurnChoices)
        if (choice.kind == kind)
            return choice.text;
    return {};
}

} // namespace

void TMainWindow::CreateTurnTools() {
    QMenu* menu =
        AddMapMenuButton("BtnFlipRotate", "Flip/Rotate",
                         "Flip or rotate the selected plots, or the whole map when none are selected",
                         "FlipRotateMenu")
            ->menu();
    for (const TTurnChoice& choice : TurnChoices) {
        QAction* action = menu->addAction(choice.text);
        action->setObjectName(choice.name);
        const TMapTurn::TKind kind = choice.kind;
        connect(action, &QAction::triggered, this, [this, kind] { TurnSelectionOrMap(kind); });
    }
    menu->addSeparator();
    QMenu* fills = menu->addMenu("Fill behind a move");
    fills->setObjectName("MoveFillMenu");
    auto* exclusive = new QActionGroup(fills);
    for (const TFillChoice& choice : FillChoices) {
        QAction* action = fills->addAction(choice.text);
        action->setCheckable(true);
        action->setChecked(choice.terrain == nullptr);
        exclusive->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] {
            moveFill = choice.terrain == nullptr ? std::optional<TPlotFill>()
                                                 : TPlotFill{choice.terrain, choice.plotType};
        });
    }
}

void TMainWindow::TurnSelectionOrMap(TMapTurn::TKind kind) {
    if (selected.Empty()) {
        ReshapeMap(TurnText(kind) + ": the whole map",
                   [kind](TMap& document) { return TurnMap(document, kind); });
        return;
    }
    if (!CommitCurrentRow())
        return;
    const bool quarter = kind == TMapTurn::Clockwise90 || kind == TMapTurn::Clockwise270;
    if (quarter && selectionBounds.width() != selectionBounds.height()) {
        ShowError(QString("A quarter turn needs a square selection; this one is %1 x %2 plots.")
                      .arg(selectionBounds.width())
                      .arg(selectionBounds.height()));
        return;
    }
    const TPlotSet plots = selected;
    auto turned = std::make_shared<TPlotSet>();
    TDocumentChange change;
    change.text = QString("%1 %2 plots").arg(TurnText(kind)).arg(plots.Count());
    // A turn stays inside the selection's rectangle.
    change.scope = TChangeScope::Plots(selectionBounds);
    change.apply = [plots, kind, turned](TMap& document) { *turned = TurnSelection(document, plots, kind); };
    if (WhileBusy(*busyCursor, [&] { return session->Change(change); }) && !turned->Empty())
        SetSelection(*turned);
}

bool TMainWindow::MoveSelection(int dx, int dy) {
    if (selected.Empty() || (dx == 0 && dy == 0) || !CommitCurrentRow())
        return false;
    const TPlotGrid& grids = session->Map().Grids();
    const TPlotSet plots = selected;
    const std::optional<TPlotFill> fill = moveFill;
    auto moved = std::make_shared<TPlotSet>();
    QString refusal;
    TDocumentChange change;
    change.text = QString("Move %1 plots by (%2, %3)").arg(plots.Count()).arg(dx).arg(dy);
    // A move may reach round a seam: the whole grid is the step's scope, unless it stays inside the
    // rectangle that covers the plots before and after.
    const QRect reach = selectionBounds.united(selectionBounds.translated(dx, dy));
    const QRect grid(0, 0, grids.Width(), grids.Height());
    change.scope = TChangeScope::Plots(grid.contains(reach) ? reach : grid);
    change.apply = [plots, dx, dy, fill, moved, &refusal](TMap& document) {
        try {
            *moved = ::MoveSelection(document, plots, dx, dy, fill);
        } catch (const OperationAborted& error) {
            refusal = FromWindows1252(error.what());
            throw;
        }
    };
    if (!WhileBusy(*busyCursor, [&] { return session->Change(change); })) {
        statusPanels[0]->Show(refusal.isEmpty() ? QString("The selection cannot move there") : refusal);
        return false;
    }
    SetSelection(*moved);
    return true;
}
