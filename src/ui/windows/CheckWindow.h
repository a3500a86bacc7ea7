#pragma once

// "Check map": the values of the open map that the game does not define, and the team and player
// numbers that name no slot, as `tessel --validate` prints them, with its summary line. A tool window
// of the main window, shown and closed from the map tool bar; it checks the map each time it is shown
// and on "Check again". Double-clicking a finding shows its place: a plot (or a unit or city on it)
// is selected on the "Map" tab's grid, a team or player is shown on its tab.

#include "catalogue/MapValidator.h"
#include "ui/windows/ToolWindow.h"

#include <vector>

class QLabel;
class QListView;
class QModelIndex;
class QPushButton;
class TEditorHost;
class TFindingList;

class TCheckWindow : public TToolWindow {
    Q_OBJECT
public:
    TCheckWindow(TEditorHost& host, QWidget* parent);

    // Checks the main window's map against its game folder and lists what it found. Without usable
    // game files the list is empty and the summary says why.
    void CheckAgain();
    // The map changed after the check: the summary says the list may be out of date.
    void MapChanged();
    // Shows the place of the finding in the main window, the sheet's cursor on its row; false when
    // the main window keeps its place (a row being edited that the map refuses) or the place is no
    // longer in the map.
    bool ShowFinding(int index);

    const std::vector<TMapFinding>& Findings() const;
    // The finding's line as the list shows it.
    QString FindingText(int index) const;
    QListView* List() const { return list; }
    QLabel* Summary() const { return summary; }
    QPushButton* BtnCheckAgain() const { return btnCheckAgain; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The rules of the main window's game folder, or the reason they cannot be read.
    QString LoadRules();
    bool ShowPlace(const TMapFinding& finding);
    void GoToFinding(const QModelIndex& index);

    TEditorHost& host;
    TMapValidator validator;
    TFindingList* findingList = nullptr;
    QListView* list = nullptr;
    QLabel* summary = nullptr;
    QPushButton* btnCheckAgain = nullptr;
    QString checkedSummary;
};
