#pragma once

// The editor's eight windows, made once in their order and reached through their global instances
// (MainForm, OptionsForm, UCForm, MiniMapForm, NewMapForm, AboutForm, DockForm, MVForm) until they
// are destroyed with this object. The main window owns the others as its children.

#include <QString>

#include <memory>

class TMainWindow;

class TEditorWindows {
public:
    explicit TEditorWindows(const QString& gameDir = QString());
    ~TEditorWindows();
    TEditorWindows(const TEditorWindows&) = delete;
    TEditorWindows& operator=(const TEditorWindows&) = delete;

    TMainWindow& Main() const { return *mainForm; }

private:
    std::unique_ptr<TMainWindow> mainForm;
};
