#pragma once

// The size dialog of "Build a new map": a width and a height, each 1 to 4,096 plots, with at most
// 4,194,304 plots in all (the largest map the editor opens). Created once; the spin edits keep the
// last numbers between uses. The main window reads them after the dialog closed with OK.

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;
class TEditorHost;

class TNewMapDialog : public QDialog {
    Q_OBJECT
public:
    // The main window is the parent and tells a refused size through its message boxes.
    // The host's dialogs say why a size is refused.
    TNewMapDialog(TEditorHost& host, QWidget* parent);

    QSpinBox* NumWidth() const { return numWidth; }
    QSpinBox* NumHeight() const { return numHeight; }
    QPushButton* BtnOk() const { return btnOk; }
    QPushButton* BtnCancel() const { return btnCancel; }

    // OK closes the dialog only for a size the editor can hold.
    void accept() override;

private:
    TEditorHost& host;
    QLabel* labelWidth;
    QLabel* labelHeight;
    QSpinBox* numWidth;
    QSpinBox* numHeight;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};
