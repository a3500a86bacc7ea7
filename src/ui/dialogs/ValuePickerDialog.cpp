#include "ui/dialogs/ValuePickerDialog.h"

#include "ui/windows/ToolBarButton.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TValuePickerDialog::TValuePickerDialog(const TImageList& toolBarImages, QWidget* parent)
    : QDialog(parent, Qt::Tool) {
    setObjectName("ValuePickerDialog");
    setWindowTitle("Values");
    resize(392, 552);
    setSizeGripEnabled(true);

    auto* bar = new QToolBar(this);
    bar->setAccessibleName("Picker tool bar");
    bar->setObjectName("TBMain");
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    btnSelectAll = AddToolBarButton(*bar, toolBarImages, 6, "Select all");
    btnSelectNone = AddToolBarButton(*bar, toolBarImages, 7, "Clear selection");
    bar->addSeparator();
    btnExit = AddToolBarButton(*bar, toolBarImages, 12, "Apply and exit");
    btnCancel = AddToolBarButton(*bar, toolBarImages, 13, "Cancel");
    connect(btnSelectAll, &QToolButton::clicked, this, &TValuePickerDialog::SelectAll);
    connect(btnSelectNone, &QToolButton::clicked, this, &TValuePickerDialog::SelectNone);
    connect(btnExit, &QToolButton::clicked, this, &TValuePickerDialog::AcceptAndClose);
    connect(btnCancel, &QToolButton::clicked, this, &TValuePickerDialog::CancelPick);

    lbMultiValues = new QListWidget(this);
    lbMultiValues->setObjectName("LBMultiValues");
    lbMultiValues->setAccessibleName("Values");
    lbMultiValues->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbMultiValues->setFrameShape(QFrame::NoFrame);
    lbMultiValues->setUniformItemSizes(true);
    lbMultiValues->setStyleSheet("QListWidget::item { height: 16px; }");
    lbMultiValues->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(lbMultiValues);
}

void TValuePickerDialog::SelectAll() {
    lbMultiValues->selectAll();
}

void TValuePickerDialog::SelectNone() {
    lbMultiValues->clearSelection();
}

void TValuePickerDialog::AcceptAndClose() {
    done(ResultApply);
}

void TValuePickerDialog::CancelPick() {
    done(ResultCancel);
}

bool TValuePickerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbMultiValues && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            CancelPick();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AcceptAndClose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The close box applies the selection like any way out but Cancel.
void TValuePickerDialog::closeEvent(QCloseEvent* event) {
    if (isVisible())
        done(ResultClosed);
    event->accept();
}

// Esc outside the list cancels as it does inside.
void TValuePickerDialog::reject() {
    done(ResultCancel);
}
