#include "ui/windows/ToolWindow.h"

#include <QCloseEvent>

void TToolWindow::SetShown(bool shown) {
    if (shown)
        show();
    else
        close();
}

void TToolWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Closed();
}
