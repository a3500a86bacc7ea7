#include "ui/dialogs/ReshapeDialogs.h"

#include "document/MapReshape.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace {

QSpinBox* SideSpin(QWidget* parent, const QString& name) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, TMap::MaxGridSide);
    spin->setAccessibleName(name);
    return spin;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

TExtendMapDialog::TExtendMapDialog(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("ExtendMapForm");
    setWindowTitle("Extend map");
    auto* layout = new QFormLayout(this);
    numLeft = SideSpin(this, "Left");
    numRight = SideSpin(this, "Right");
    numBottom = SideSpin(this, "Bottom");
    numTop = SideSpin(this, "Top");
    fillTerrain = new QComboBox(this);
    fillTerrain->setEditable(true);
    fillTerrain->setAccessibleName("Fill terrain");
    fillTerrain->setEditText(QString::fromLatin1(DefaultFillTerrain.data(), DefaultFillTerrain.size()));
    layout->addRow("Left", numLeft);
    layout->addRow("Right", numRight);
    layout->addRow("Bottom", numBottom);
    layout->addRow("Top", numTop);
    layout->addRow("Fill terrain", fillTerrain);
    layout->addRow(OkCancel(this));
}

void TExtendMapDialog::SetTerrains(const QStringList& terrains) {
    const QString text = fillTerrain->currentText();
    fillTerrain->clear();
    fillTerrain->addItems(terrains);
    fillTerrain->setEditText(text);
}

TShiftMapDialog::TShiftMapDialog(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("ShiftMapForm");
    setWindowTitle("Shift map");
    auto* layout = new QFormLayout(this);
    numDX = new QSpinBox(this);
    numDX->setAccessibleName("Across (x)");
    numDY = new QSpinBox(this);
    numDY->setAccessibleName("Up (y)");
    layout->addRow("Across (x)", numDX);
    layout->addRow("Up (y)", numDY);
    layout->addRow(OkCancel(this));
}

void TShiftMapDialog::SetMap(int width, int height, bool wrapX, bool wrapY) {
    numDX->setRange(wrapX ? -(width - 1) : 0, wrapX ? width - 1 : 0);
    numDY->setRange(wrapY ? -(height - 1) : 0, wrapY ? height - 1 : 0);
    numDX->setEnabled(wrapX);
    numDY->setEnabled(wrapY);
    numDX->setToolTip(wrapX ? QString() : QString("The map does not wrap across."));
    numDY->setToolTip(wrapY ? QString() : QString("The map does not wrap up and down."));
}
