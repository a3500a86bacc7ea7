#pragma once

// The multi-value picker: a modal list of all legal values of a key in which the user selects any
// number. The caller fills the list, marks the row's values, shows the window and, unless it was
// cancelled, reads the selection back (PickProtocol.h). Created once at start and reused.

#include <QDialog>

class QListWidget;
class QToolButton;
class TImageList;

class TValuePickerDialog : public QDialog {
    Q_OBJECT
public:
    // How the window was left, as the callers test it: applied, closed by its close box, cancelled.
    static constexpr int ResultApply = 1;
    static constexpr int ResultClosed = 2;
    static constexpr int ResultCancel = 3;

    TValuePickerDialog(const TImageList& toolBarImages, QWidget* parent = nullptr);

    QListWidget* LBMultiValues() const { return lbMultiValues; }

    void SelectAll();
    void SelectNone();
    void AcceptAndClose();
    void CancelPick();

    QToolButton* BtnSelectAll() const { return btnSelectAll; }
    QToolButton* BtnSelectNone() const { return btnSelectNone; }
    QToolButton* BtnExit() const { return btnExit; }
    QToolButton* BtnCancel() const { return btnCancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QListWidget* lbMultiValues;
    QToolButton* btnSelectAll;
    QToolButton* btnSelectNone;
    QToolButton* btnExit;
    QToolButton* btnCancel;
};
