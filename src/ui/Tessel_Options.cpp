#include "Tessel_Options.h"

TOptionsForm* OptionsForm = nullptr;

TOptionsForm::TOptionsForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("OptionsForm");
    setWindowTitle("Display Options");
}
