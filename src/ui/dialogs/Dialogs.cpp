#include "ui/dialogs/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

TDialogs::TAnswer TQtDialogs::AskYesNoCancel(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return TAnswer::Cancel;
    }
}

void TQtDialogs::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Tessel"), text);
}

QString TQtDialogs::ChooseFileToOpen(QWidget* parent, const QString& folder, const QStringList& filters) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, filters.join(";;"));
}

QString TQtDialogs::ChooseFileToSave(QWidget* parent, const QString& folder, const QString& fileName,
                                     const QStringList& filters) {
    QFileDialog dialog(parent, QString(), folder, filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TQtDialogs::ChooseFolder(QWidget* parent, const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}
