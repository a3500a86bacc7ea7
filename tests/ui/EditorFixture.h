#pragma once

// The editor's windows on the sample map and sample game folder, with scripted dialogs.

#include "EditorWindows.h"
#include "PropertySheet.h"
#include "ScriptedDialogs.h"
#include "Tessel_Main.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

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
    void SetUp() override { StartEditor(SampleGame()); }
    void TearDown() override {
        if (MainForm != nullptr)
            MainForm->SetModified(false);
        windows.reset();
    }

    void StartEditor(const QString& gameDir) {
        windows.reset();
        windows = std::make_unique<TEditorWindows>(gameDir);
        auto scripted = std::make_unique<TScriptedDialogs>();
        dialogs = scripted.get();
        MainForm->SetDialogs(std::move(scripted));
        MainForm->show();
    }

    TPropertySheet& Sheet() const { return *MainForm->VLE(); }

    // Puts the sheet's cursor on the row of the key and returns its editor's text field.
    QLineEdit* EditRow(const QString& key) { return EditRow(Sheet(), key); }
    static QLineEdit* EditRow(TPropertySheet& sheet, const QString& key) {
        const int row = sheet.FindRow(key);
        EXPECT_GE(row, 0) << key.toStdString();
        sheet.SetCurrentRow(row);
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

    std::unique_ptr<TEditorWindows> windows;
    TScriptedDialogs* dialogs = nullptr;
};
