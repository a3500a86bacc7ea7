#pragma once

// The size dialog of "Build a new map".

#include <QDialog>

class TNewMapForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewMapForm(QWidget* parent = nullptr);
};

extern TNewMapForm* NewMapForm;
