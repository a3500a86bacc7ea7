#pragma once

// The detached map window.

#include <QWidget>

class TDockForm : public QWidget {
    Q_OBJECT
public:
    explicit TDockForm(QWidget* parent = nullptr);
};

extern TDockForm* DockForm;
