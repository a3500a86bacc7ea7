#pragma once

// The detached map window: while it is shown it holds the main window's map panel (the map tool bar
// and the grid), so the map can sit on a second screen while the property sheet stays behind; closing
// it puts the panel back where it was. Created once by the program and only shown and closed.

#include "ui/windows/ToolWindow.h"

#include <QPointer>

class TDockWindow : public TToolWindow {
    Q_OBJECT
public:
    explicit TDockWindow(QWidget* parent = nullptr);

    // The panel that moves in while the window is shown (not owned).
    void SetPanel(QWidget* value) { panel = value; }
    QWidget* Panel() const { return panel; }
    // Whether the panel is in this window now.
    bool HoldsPanel() const;

signals:
    // The panel has moved in; the owner presses its toggle and hides the panel's empty home.
    void Shown();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void TakePanel();
    void GiveBackPanel();

    QPointer<QWidget> panel;
    QPointer<QWidget> home;
    int homeIndex = -1;
};

// The program's one detached map window, set by whoever creates it.
