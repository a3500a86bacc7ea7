#include "Tessel_NewMap.h"

TNewMapForm* NewMapForm = nullptr;

TNewMapForm::TNewMapForm(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("NewMapForm");
    setWindowTitle("New map");
}
