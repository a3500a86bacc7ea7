#include "ui/windows/DockWindow.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QShowEvent>

TDockWindow::TDockWindow(QWidget* parent) : TToolWindow(parent, Qt::Window) {
    setObjectName("DockWindow");
    setWindowTitle("Map");
    setAccessibleName("Map");
    resize(640, 480);
    move(187, 179);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

bool TDockWindow::HoldsPanel() const {
    return panel && panel->parentWidget() == this;
}

void TDockWindow::TakePanel() {
    if (!panel || HoldsPanel())
        return;
    home = panel->parentWidget();
    homeIndex = home && home->layout() ? home->layout()->indexOf(panel) : -1;
    layout()->addWidget(panel);
    panel->show();
    layout()->activate();
}

void TDockWindow::GiveBackPanel() {
    // Without its home the panel stays here, where something still owns it.
    if (!HoldsPanel() || !home)
        return;
    layout()->removeWidget(panel);
    if (auto* box = qobject_cast<QBoxLayout*>(home->layout()))
        box->insertWidget(homeIndex, panel);
    else if (home->layout())
        home->layout()->addWidget(panel);
    else {
        panel->setParent(home);
        panel->setGeometry(home->rect());
    }
    panel->show();
    if (home->layout())
        home->layout()->activate();
}

void TDockWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    TakePanel();
    emit Shown();
}

// The panel is back home before Closed: the owner releases its toggle and shows the home again.
void TDockWindow::closeEvent(QCloseEvent* event) {
    GiveBackPanel();
    TToolWindow::closeEvent(event);
}
