#pragma once

// A window of the main window that a toggle button shows and closes: it says when it closes by other
// means (its close box, Esc, the window manager), so that the button is released.

#include <QWidget>

class TToolWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Shows the window for a button pressed down, closes it for a button released.
    void SetShown(bool shown);

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};
