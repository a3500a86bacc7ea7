#pragma once

// Answers the windows' message boxes and file dialogs from a script and records what they showed.

#include "ui/dialogs/Dialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>

class TScriptedDialogs : public TDialogs {
public:
    std::deque<TAnswer> answers;
    std::deque<QString> filesToOpen, filesToSave, folders;
    QStringList messages, questions;
    // The folder each open and save dialog started in.
    QStringList openFolders, saveFolders;
    int openDialogs = 0, saveDialogs = 0, folderDialogs = 0;

    TAnswer AskYesNoCancel(const QString& caption, const QString& text) override {
        questions.append(caption + ": " + text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return TAnswer::Cancel;
        }
        const TAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowMessage(QWidget*, const QString& text) override { messages.append(text); }
    QString ChooseFileToOpen(QWidget*, const QString& folder, const QStringList&) override {
        ++openDialogs;
        openFolders.append(folder);
        return Next(filesToOpen);
    }
    QString ChooseFileToSave(QWidget*, const QString& folder, const QString&, const QStringList&) override {
        ++saveDialogs;
        saveFolders.append(folder);
        return Next(filesToSave);
    }
    QString ChooseFolder(QWidget*, const QString&, const QString&) override {
        ++folderDialogs;
        return Next(folders);
    }

private:
    // An empty text, as a cancelled dialog gives, when the script has nothing left.
    static QString Next(std::deque<QString>& queue) {
        if (queue.empty())
            return QString();
        QString value = queue.front();
        queue.pop_front();
        return value;
    }
};
