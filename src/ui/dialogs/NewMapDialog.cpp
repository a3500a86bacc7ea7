#include "ui/dialogs/NewMapDialog.h"

#include "document/MapContents.h"
#include "ui/EditorHost.h"
#include "ui/dialogs/Dialogs.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

TNewMapDialog::TNewMapDialog(TEditorHost& host, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), host(host) {
    setObjectName("NewMapDialog");
    setWindowTitle("New map");
    QFont font("MS Shell Dlg 2");
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(186, 117);

    auto addLabel = [this](const char* name, const QString& text, int top) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setGeometry(8, top, 65, 25);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    auto addSpin = [this](const char* name, const QString& caption, int top) {
        auto* spin = new QSpinBox(this);
        spin->setObjectName(name);
        spin->setAccessibleName(caption);
        spin->setToolTip(QString("%1 of the new map in plots, 1 to %2").arg(caption).arg(TMap::MaxGridSide));
        spin->setGeometry(80, top, 97, 26);
        spin->setRange(1, TMap::MaxGridSide);
        spin->setValue(16);
        return spin;
    };
    labelWidth = addLabel("Width", "Width", 8);
    labelHeight = addLabel("Height", "Height", 40);
    numWidth = addSpin("NumWidth", "Width", 8);
    numHeight = addSpin("NumHeight", "Height", 40);
    labelWidth->setBuddy(numWidth);
    labelHeight->setBuddy(numHeight);

    btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("BtnOk");
    btnOk->setGeometry(8, 80, 84, 28);
    btnOk->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("BtnCancel");
    btnCancel->setGeometry(96, 80, 84, 28);
    connect(btnOk, &QPushButton::clicked, this, &TNewMapDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TNewMapDialog::reject);
}

void TNewMapDialog::accept() {
    // Text typed but not yet taken by a spin edit counts as entered.
    numWidth->interpretText();
    numHeight->interpretText();
    const long long plots = static_cast<long long>(numWidth->value()) * numHeight->value();
    if (plots > TMap::MaxGridPlots) {
        const QLocale english(QLocale::English);
        host.Dialogs().ShowMessage(
            this, QString("A map of %1 x %2 plots would hold %3 plots; a map holds at most %4 plots "
                          "(for example 2048 x 2048). Choose a smaller width or height.")
                      .arg(numWidth->value())
                      .arg(numHeight->value())
                      .arg(english.toString(plots), english.toString(TMap::MaxGridPlots)));
        return;
    }
    QDialog::accept();
}
