#include "Tessel_UnitsCity.h"

TUCForm* UCForm = nullptr;

TUCForm::TUCForm(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("UCForm");
    resize(571, 422);
}

void TUCForm::SetPlot(TMapGrid* value, bool mode) {
    plot = value;
    unitsMode = mode;
    setWindowTitle(unitsMode ? "Units" : "City");
}
