#pragma once

// The two small dialogs of the map's extent: how many plots "Extend map..." adds on each side and of
// which terrain, and by how much "Shift map..." moves a map that wraps.

#include <QDialog>

class QComboBox;
class QSpinBox;

class TExtendMapDialog : public QDialog {
    Q_OBJECT
public:
    explicit TExtendMapDialog(QWidget* parent = nullptr);
    // The terrains offered for the new plots; the text can still be typed.
    void SetTerrains(const QStringList& terrains);

    QSpinBox* NumLeft() const { return numLeft; }
    QSpinBox* NumRight() const { return numRight; }
    QSpinBox* NumBottom() const { return numBottom; }
    QSpinBox* NumTop() const { return numTop; }
    QComboBox* FillTerrain() const { return fillTerrain; }

private:
    QSpinBox* numLeft;
    QSpinBox* numRight;
    QSpinBox* numBottom;
    QSpinBox* numTop;
    QComboBox* fillTerrain;
};

class TShiftMapDialog : public QDialog {
    Q_OBJECT
public:
    explicit TShiftMapDialog(QWidget* parent = nullptr);
    // Only an axis the map wraps on can be shifted along; its shift runs over the map's size.
    void SetMap(int width, int height, bool wrapX, bool wrapY);

    QSpinBox* NumDX() const { return numDX; }
    QSpinBox* NumDY() const { return numDY; }

private:
    QSpinBox* numDX;
    QSpinBox* numDY;
};
