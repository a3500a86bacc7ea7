#pragma once

// The display options.

#include <QWidget>

class TOptionsForm : public QWidget {
    Q_OBJECT
public:
    explicit TOptionsForm(QWidget* parent = nullptr);
};

extern TOptionsForm* OptionsForm;
