#include "ui/windows/HistoryWindow.h"

#include <QUndoView>
#include <QVBoxLayout>

THistoryWindow::THistoryWindow(QUndoStack& stack, QWidget* parent) : TToolWindow(parent, Qt::Tool) {
    setObjectName("HistoryWindow");
    setWindowTitle("History");
    resize(260, 400);
    view = new QUndoView(&stack, this);
    view->setObjectName("HistoryView");
    view->setAccessibleName("History");
    view->setEmptyLabel("Map opened");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
}
