#pragma once

// The editor's windows on the sample map and sample game folder, with scripted dialogs.

#include "ScriptedDialogs.h"
#include "edit/EditSession.h"
#include "edit/Recovery.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusPanel.h"
#include "ui/sheet/PropertySheet.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline QString SampleMap() {
    return QString(TESSEL_SAMPLES_DIR) + "/maps/Archipelago.Civ4WorldBuilderSave";
}

inline QString SampleGame() {
    return QString(TESSEL_SAMPLES_DIR) + "/game";
}

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        // Each test starts from no remembered settings, whatever ran before it in this process.
        QSettings().clear();
        StartEditor(SampleGame());
    }
    void TearDown() override {
        if (mainWindow != nullptr)
            mainWindow->Session().MarkSaved();
        window.reset();
        mainWindow = nullptr;
    }

    void StartEditor(const QString& gameDir) {
        window.reset();
        window = std::make_unique<TMainWindow>(gameDir);
        mainWindow = window.get();
        auto scripted = std::make_unique<TScriptedDialogs>();
        dialogs = scripted.get();
        mainWindow->SetDialogs(std::move(scripted));
        mainWindow->show();
    }

    TPropertySheet& Sheet() const { return *mainWindow->Sheet(); }

    // Puts the sheet's cursor on the row of the key and returns its editor's text field.
    QLineEdit* EditRow(const QString& key) { return EditRow(Sheet(), key); }
    static QLineEdit* EditRow(TPropertySheet& sheet, const QString& key) {
        const int row = sheet.FindRow(key);
        EXPECT_GE(row, 0) << key.toStdString();
        // As a user clicks the row: the keyboard goes to the sheet and the row's editor opens.
        sheet.setFocus(Qt::MouseFocusReason);
        sheet.SetCurrentRow(row);
        if (sheet.OpenEditor() == nullptr)
            sheet.edit(sheet.currentIndex());
        QWidget* editor = sheet.OpenEditor();
        if (editor == nullptr)
            return nullptr;
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            return combo->lineEdit();
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            return line;
        return editor->findChild<QLineEdit*>();
    }

    // Types over the row's value as a user does, without leaving the row.
    void TypeInto(const QString& key, const QString& text) { TypeInto(Sheet(), key, text); }
    static void TypeInto(TPropertySheet& sheet, const QString& key, const QString& text) {
        QLineEdit* line = EditRow(sheet, key);
        ASSERT_NE(line, nullptr) << key.toStdString();
        line->selectAll();
        // Key by key, with the characters QTest's key table does not hold.
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(line, &press);
        }
    }

    std::string DocumentBytes() const;
    // The action makes exactly one step, whose hint is "Undo " + hint; undone it gives the document's
    // bytes before, redone those after.
    void ExpectOneStep(const std::function<void()>& act, const QString& hint);

    std::unique_ptr<TMainWindow> window;
    // The editor of the test running; static, so that helpers and lambdas of the tests reach it too.
    inline static TMainWindow* mainWindow = nullptr;
    TScriptedDialogs* dialogs = nullptr;
};

#include "document/MapContents.h"

#include <QUndoStack>

inline std::string EditorFixture::DocumentBytes() const {
    return mainWindow->Map().SaveToBytes();
}

inline void EditorFixture::ExpectOneStep(const std::function<void()>& act, const QString& hint) {
    const std::string before = DocumentBytes();
    const int steps = mainWindow->Session().History().count();
    act();
    ASSERT_EQ(mainWindow->Session().History().count(), steps + 1);
    const std::string after = DocumentBytes();
    ASSERT_NE(after, before);
    EXPECT_EQ(mainWindow->UndoAction()->toolTip(), "Undo " + hint);
    mainWindow->Undo();
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(mainWindow->RedoAction()->toolTip(), "Redo " + hint);
    mainWindow->Redo();
    EXPECT_EQ(DocumentBytes(), after);
}
