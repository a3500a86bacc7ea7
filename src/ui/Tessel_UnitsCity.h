#pragma once

// The units and city editor of a plot.

#include <QDialog>

class TMapGrid;

class TUCForm : public QDialog {
    Q_OBJECT
public:
    explicit TUCForm(QWidget* parent = nullptr);
    // The plot to edit and whether its units (true) or its city (false) are edited.
    void SetPlot(TMapGrid* value, bool unitsMode);
    TMapGrid* Plot() const { return plot; }
    bool UnitsMode() const { return unitsMode; }

private:
    TMapGrid* plot = nullptr;
    bool unitsMode = true;
};

extern TUCForm* UCForm;
