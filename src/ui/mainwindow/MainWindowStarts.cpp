// The main window's starts: the flags the grid paints over the starts' plots, the "Start" tool that
// places them, and the "Balance" window that compares them.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"

#include "render/StartFlag.h"
#include "ui/mapview/MapGridView.h"
#include "ui/tools/StartTool.h"
#include "ui/windows/BalanceWindow.h"

#include <QAction>
#include <QPainter>
#include <QTabBar>
#include <QToolBar>

namespace {

constexpr int IconSide = 16;

QIcon StartToolIcon() {
    QPixmap picture(IconSide, IconSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    DrawStartFlag(painter, picture.rect(), TStartFlag{0, 0, {0}});
    return QIcon(picture);
}

// Three bars of unequal height over a base line.
QIcon BalanceIcon() {
    QPixmap picture(IconSide, IconSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QColor bars(40, 90, 170);
    painter.fillRect(2, 7, 3, 7, bars);
    painter.fillRect(7, 3, 3, 11, bars);
    painter.fillRect(12, 9, 3, 5, bars);
    painter.fillRect(1, 14, 15, 1, Qt::black);
    return QIcon(picture);
}

} // namespace

void TMainWindow::CreateStartTools() {
    mapToolBar->addSeparator();
    QAction* start = AddMapButton("Start", 0, true, "BtnStart");
    start->setIcon(StartToolIcon());
    QAction* balance = AddMapButton("Balance", 0, true, "BtnBalance");
    balance->setIcon(BalanceIcon());
    balance->setToolTip("Balance of the starts");

    startTool = std::make_unique<TStartTool>(*this);
    const auto showHint = [this, start] {
        start->setToolTip(startTool->Hint());
        mapToolBar->widgetForAction(start)->setAccessibleDescription(startTool->Hint());
    };
    showHint();
    // The player is chosen on the "Player" tab: the hint names it whenever a tab is shown.
    connect(tabs, &QTabBar::currentChanged, this, showHint);
    connect(start, &QAction::toggled, this, [this, showHint](bool down) {
        showHint();
        UseStartTool(down);
    });

    balanceWindow = new TBalanceWindow(*this, this);
    ShowWindowWith(balance, balanceWindow);
    connect(session, &TEditSession::DocumentChanged, balanceWindow, &TBalanceWindow::ScheduleUpdate);
}

void TMainWindow::PaintStartOverlay(QPainter& painter, const TCellRange& cells) {
    if (gridView->Painter().Options().IsOptionOn(StartsOption))
        PaintStartFlags(painter, session->Map(), cells.firstCol, cells.firstRow, cells.lastCol, cells.lastRow,
                        [this](int col, int row) { return gridView->CellRect(col, row); });
}

void TMainWindow::UseStartTool(bool down) {
    SetMapTool(startTool.get(), down);
}
