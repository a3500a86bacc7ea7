#include "Tessel_MiniMap.h"

TMiniMapForm* MiniMapForm = nullptr;

TMiniMapForm::TMiniMapForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("MiniMapForm");
    setWindowTitle("MiniMap");
}
