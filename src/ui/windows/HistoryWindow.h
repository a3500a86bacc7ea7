#pragma once

// The history of the map's changes: every step since the map was opened, the current one marked;
// clicking a step goes back or forward to it. A tool window of the main window, shown and closed
// from the map tool bar.

#include "ui/windows/ToolWindow.h"

class QUndoStack;
class QUndoView;

class THistoryWindow : public TToolWindow {
    Q_OBJECT
public:
    THistoryWindow(QUndoStack& stack, QWidget* parent);
    QUndoView* View() const { return view; }

private:
    QUndoView* view;
};
