#include "Tessel_DockForm.h"

TDockForm* DockForm = nullptr;

TDockForm::TDockForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("DockForm");
    setWindowTitle("Map");
}
