// The main window's property sheet: rows written into the section of the tab they belong to, pick
// lists, the multi-value picker, and the one way into the document.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"

#include "catalogue/Catalogue.h"
#include "document/MapContents.h"
#include "support/BusyCursor.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/ValuePickerDialog.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PickProtocol.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/sheet/SheetText.h"
#include "ui/windows/UnitsCityWindow.h"

#include <QListWidget>

bool TMainWindow::ValidateRow(int /*row*/, const QString& key, const QString& value) {
    if (updating)
        return true;
    const std::optional<std::string> line = EditorLine(key, value);
    if (!line)
        return false;
    TDocumentChange change;
    change.text = key;
    const int team = teamIndex, player = playerIndex;
    StringList rows{*line};
    if (sheetTab == TabMap && !selected.Empty())
        return WhileBusy(*busyCursor, [&] { return session->Change(SelectionRowChange(key, rows)); });
    switch (sheetTab) {
    case TabRule:
        change.scope = TChangeScope::Game();
        change.apply = [rows](TMap& document) { document.Game().ApplyEditorLines(rows); };
        break;
    case TabTeam:
    case TabPlayer: {
        const bool ofTeam = sheetTab == TabTeam;
        const int slot = ofTeam ? team : player;
        change.scope = ofTeam ? TChangeScope::Team(slot) : TChangeScope::Player(slot);
        change.text += QString(ofTeam ? " of team %1" : " of player %1").arg(slot);
        change.apply = [rows, ofTeam, slot](TMap& document) {
            if (ofTeam)
                document.Teams().GetTeam(slot)->ApplyEditorLines(rows);
            else
                document.Players().GetPlayer(slot)->ApplyEditorLines(rows);
        };
        break;
    }
    case TabWorld:
        change.scope = TChangeScope::World();
        change.apply = [rows](TMap& document) { document.MapData().ApplyEditorLines(rows); };
        break;
    default: {
        const TPlot* plot = GetPlotAt(GridCol(), GridRow());
        if (plot == nullptr)
            return true;
        const int x = plot->X(), y = plot->Y();
        change.scope = TChangeScope::Plot(x, y);
        change.text += QString(" at (%1, %2)").arg(x).arg(y);
        change.apply = [rows, x, y](TMap& document) {
            document.Grids().GetPlot(x, y)->ApplyEditorLines(rows);
        };
        break;
    }
    }
    return WhileBusy(*busyCursor, [&] { return session->Change(change); });
}

bool TMainWindow::CommitCurrentRow() {
    return propertySheet->ValidateCurrentRow();
}

QStringList TMainWindow::PickList(const QString& key) {
    AskForGameFolder();
    StringList values;
    WhileBusy(*busyCursor, [&] {
        try {
            catalogue->GetValueList(key.toStdString(), values);
        } catch (const OperationAborted&) {
            values.clear();
        }
    });
    QStringList list;
    list.reserve(static_cast<qsizetype>(values.size()));
    for (const std::string& value : values)
        list.append(FromWindows1252(value));
    return list;
}

void TMainWindow::PickRowValues(int row) {
    const QString key = propertySheet->Key(row);
    TPlot* plot = GetPlotAt(GridCol(), GridRow());
    const bool units = key.compare("Units", Qt::CaseInsensitive) == 0;
    if (units || key.compare("City", Qt::CaseInsensitive) == 0) {
        if (plot == nullptr || unitsCityWindow == nullptr)
            return;
        if (!selected.Empty() && (selected.Count() != 1 || !selected.Contains(plot->X(), plot->Y()))) {
            ShowError("Units and cities are edited one plot at a time: click a single plot first.");
            return;
        }
        unitsCityWindow->SetPlot(plot, units);
        unitsCityWindow->exec();
        plot = GetPlotAt(GridCol(), GridRow());
        if (plot == nullptr)
            return;
        for (const std::string& line : plot->GetEditorLines()) {
            const QString text = FromWindows1252(line);
            if (text.startsWith(key + '=', Qt::CaseInsensitive))
                propertySheet->SetValue(row, text.mid(key.size() + 1));
        }
        return;
    }
    const std::optional<QString> picked = PickValues(key, propertySheet->Value(row));
    if (!picked)
        return;
    WhileBusy(*busyCursor, [&] {
        propertySheet->SetValue(row, *picked);
        CommitCurrentRow();
    });
}

std::optional<std::string> TMainWindow::EditorLine(const QString& key, const QString& value) {
    std::optional<std::string> line = ToWindows1252(key + '=' + value);
    if (!line)
        ShowError(QString("\"%1\" cannot be written into a map: the character \"%2\" has no place in its "
                          "code page (Windows-1252). The value of %3 was not changed.")
                      .arg(value, FirstUnencodable(value), key));
    return line;
}

std::optional<QString> TMainWindow::PickValues(const QString& key, const QString& current) {
    AskForGameFolder();
    const bool listed = WhileBusy(*busyCursor, [&] {
        StringList values;
        try {
            catalogue->GetValueList(key.toStdString(), values);
        } catch (const OperationAborted&) {
            return false;
        }
        FillPickList(*valuePicker->LBMultiValues(), values);
        MarkPickedValues(current);
        return true;
    });
    if (!listed || valuePicker->exec() == TValuePickerDialog::ResultCancel)
        return std::nullopt;
    return WhileBusy(*busyCursor, [&] { return CollectPickedValues(); });
}

bool TMainWindow::IsTeamPickList() const {
    return ::IsTeamPickList(*valuePicker->LBMultiValues(), *catalogue);
}

bool TMainWindow::IsPlayerPickList() const {
    return ::IsPlayerPickList(*valuePicker->LBMultiValues(), *catalogue);
}

void TMainWindow::MarkPickedValues(const QString& text) {
    ::MarkPickedValues(*valuePicker->LBMultiValues(), text, *catalogue);
}

QString TMainWindow::CollectPickedValues() const {
    return ::CollectPickedValues(*valuePicker->LBMultiValues(), *catalogue);
}
