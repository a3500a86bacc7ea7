#include "ui/dialogs/ValuePickerDialog.h"

#include "ui/windows/ToolBarButton.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TMVForm* MVForm = nullptr;

TMVForm::TMVForm(const TImageList& toolBarImages, QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("MVForm");
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
    connect(btnSelectAll, &QToolButton::clicked, this, &TMVForm::BtnSelectAllClick);
    connect(btnSelectNone, &QToolButton::clicked, this, &TMVForm::BtnSelectNoneClick);
    connect(btnExit, &QToolButton::clicked, this, &TMVForm::BtnExitClick);
    connect(btnCancel, &QToolButton::clicked, this, &TMVForm::BtnCancelClick);

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

void TMVForm::BtnSelectAllClick() {
    lbMultiValues->selectAll();
}

void TMVForm::BtnSelectNoneClick() {
    lbMultiValues->clearSelection();
}

void TMVForm::BtnExitClick() {
    done(ResultApply);
}

void TMVForm::BtnCancelClick() {
    done(ResultCancel);
}

bool TMVForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbMultiValues && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            BtnCancelClick();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BtnExitClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The close box applies the selection like any way out but Cancel.
void TMVForm::closeEvent(QCloseEvent* event) {
    if (isVisible())
        done(ResultClosed);
    event->accept();
}

// Esc outside the list cancels as it does inside.
void TMVForm::reject() {
    done(ResultCancel);
}
