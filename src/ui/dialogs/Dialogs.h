#pragma once

// The message boxes and file dialogs the windows show, behind one small interface so that a test
// answers them instead of a user.

#include <QString>
#include <QStringList>

class QWidget;

class TDialogs {
public:
    enum class TAnswer { Yes, No, Cancel };

    virtual ~TDialogs() = default;

    // A question with Yes, No and Cancel and a question icon, owned by no window.
    virtual TAnswer AskYesNoCancel(const QString& caption, const QString& text) = 0;
    // A message with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString ChooseFileToOpen(QWidget* parent, const QString& folder, const QStringList& filters) = 0;
    // The save dialog asks before it overwrites a file.
    virtual QString ChooseFileToSave(QWidget* parent, const QString& folder, const QString& fileName,
                                     const QStringList& filters) = 0;
    virtual QString ChooseFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;
};

// The platform's own message boxes and file dialogs.
class TQtDialogs : public TDialogs {
public:
    TAnswer AskYesNoCancel(const QString& caption, const QString& text) override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    QString ChooseFileToOpen(QWidget* parent, const QString& folder, const QStringList& filters) override;
    QString ChooseFileToSave(QWidget* parent, const QString& folder, const QString& fileName,
                             const QStringList& filters) override;
    QString ChooseFolder(QWidget* parent, const QString& caption, const QString& folder) override;
};
