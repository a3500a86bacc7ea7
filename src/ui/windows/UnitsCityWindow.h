#pragma once

// The units and city editor of one plot: the plot's units (or its city) listed on the left, the
// selected record's rows in a property sheet of its own on the right, with the same drop-down
// lists and picker as the main window's sheet. Every change is written into the plot at once,
// through the main window's one way into the document; there is no cancel. Created once at start
// and shown modally for each plot; the records belong to the plot, and the window finds them again
// by the plot's coordinates and the record's index for every change.

#include "document/LineCodec.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QListWidget;
class QSplitter;
class QToolButton;
class TEditorHost;
class TPlot;
class TPropertySheet;

class TUnitsCityWindow : public QDialog {
    Q_OBJECT
public:
    // The host is the way to the edit session, the sheet's services and the busy cursor.
    TUnitsCityWindow(TEditorHost& host, QWidget* parent);
    ~TUnitsCityWindow() override;

    // The plot to edit and whether its units (true) or its city (false) are edited.
    void SetPlot(TPlot* value, bool unitsMode);
    // The plot being edited, found again in the document; null when there is none.
    TPlot* Plot() const;
    bool UnitsMode() const { return unitsMode; }
    // The list index of the record the sheet shows; -1 for none.
    int CurrentIndex() const { return currentIndex; }

    void PrepareToShow();
    // Whether the window may close: the row being edited is written first.
    bool MayClose();
    void AddUnit();
    void DeleteEntry();
    // Closes the window once the row being edited is written; false when it is refused.
    bool AcceptAndClose();
    void ShowChosenEntry();
    bool ValidateRow(int row, const QString& key, const QString& value);
    QStringList PickList(const QString& key);
    bool PickListsReady() const;
    void PickRowValues(int row);
    // A row's text changed: the map counts as modified unless the window fills the sheet.
    void ShowCurrent();
    // Writes the sheet's current row into the record shown; false when the record refuses it.
    bool CommitCurrent();
    // The plot, once the row being edited is written; null when it was refused or there is none.
    const TPlot* CommittedPlot();

    QListWidget* LBList() const { return lbList; }
    TPropertySheet* Sheet() const { return vle; }
    QToolButton* BtnAdd() const { return btnAdd; }
    QToolButton* BtnDelete() const { return btnDelete; }
    QToolButton* BtnExit() const { return btnExit; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc leaves as Exit does.
    void reject() override;

private:
    void CreateParts();
    // A unit's DisplayName or the city's CityName, as the list shows it.
    QString Caption(int index) const;
    // The editor rows of the record at the index; empty when there is none.
    StringList RecordLines(int index) const;
    QString PlotText() const;
    // Makes a change to the plot through the main window: false when the document refused it.
    bool ChangePlot(const QString& text, std::function<void(TPlot&)> apply);
    // After a row was written: the list item takes the record's caption, and rows the write changed
    // besides the one written show their new values.
    void ShowWritten(const QString& key, const QString& value, const StringList& before);
    // Selects a list item without it counting as the user's click.
    void SelectItem(int index);
    // The user chose another list item.
    void ListRowChanged(int row);

    TEditorHost& host;
    int plotX = -1, plotY = -1;
    bool unitsMode = true;
    int currentIndex = -1;
    bool filling = false; // the window itself fills the sheet
    bool exiting = false; // Exit is closing the window

    QListWidget* lbList = nullptr;
    QSplitter* splitter = nullptr;
    TPropertySheet* vle = nullptr;
    QToolButton* btnAdd = nullptr;
    QToolButton* btnDelete = nullptr;
    QToolButton* btnExit = nullptr;
};
