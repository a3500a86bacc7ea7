#pragma once

// The mini-map.

#include <QWidget>

class TMiniMapForm : public QWidget {
    Q_OBJECT
public:
    explicit TMiniMapForm(QWidget* parent = nullptr);
};

extern TMiniMapForm* MiniMapForm;
