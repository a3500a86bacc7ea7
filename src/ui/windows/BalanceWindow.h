#pragma once

// The "Balance" window: the balance report of the map's starts as a table, one row per start, that
// follows the map's edits. In each measured column the cells furthest from the column's mean are
// marked; double-clicking a row selects its start on the map. A tool window of the main window, shown
// and closed from the map tool bar; it reads the yield rules of the main window's game folder.

#include "rules/BalanceReport.h"
#include "ui/windows/ToolWindow.h"

#include <QString>

class QLabel;
class QStandardItemModel;
class QTableView;
class QTimer;
class TEditorHost;

class TBalanceWindow : public TToolWindow {
    Q_OBJECT
public:
    // The table's first columns; the measured ones follow in the report's order.
    enum TColumn { ColumnPlayer, ColumnX, ColumnY, FirstMeasuredColumn };

    // The window of the main window's map; it reads the document and its game folder from there.
    explicit TBalanceWindow(TEditorHost& host, QWidget* parent);

    // Computes the report again at the next turn of the event loop, once however often it is asked
    // within this one; nothing while the window is hidden (it computes when shown).
    void ScheduleUpdate();
    // Computes the report of the map now and shows it, or why the game's rules cannot be read.
    void UpdateReport();
    // Shows the "Map" tab with the start of the table's row as the current cell.
    void SelectStartOfRow(int row);

    const TBalanceReport& Report() const { return report; }
    QTableView* Table() const { return table; }
    // Why there is no table, when the rules cannot be read.
    QLabel* Message() const { return message; }
    // What the marks mean, and the types the rules do not know.
    QLabel* Notes() const { return notes; }
    // How many times the report was computed: edits made in one turn of the event loop count once.
    int Computations() const { return computations; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the rules of the main window's game folder unless they are read already; false with the
    // reason in rulesError.
    bool ReadRules();
    void FillTable();
    void MarkFurthestFromMean(int column);

    TEditorHost& host;
    QTableView* table;
    QStandardItemModel* model;
    QLabel* message;
    QLabel* notes;
    QTimer* updateTimer;
    TYieldRules rules;
    std::string rulesLayers; // the key of the layers the rules were read from
    QString rulesError;
    bool rulesRead = false;
    TBalanceReport report;
    int computations = 0;
};
