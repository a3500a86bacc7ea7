// Cropping, extending and shifting the whole map from the editor: each is one step of the history.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"

#include "document/MapContents.h"
#include "support/BusyCursor.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/ReshapeDialogs.h"

#include <QComboBox>
#include <QSpinBox>

namespace {

QString DroppedText(const TReshapeResult& result) {
    QStringList parts;
    auto add = [&](int count, const char* what) {
        if (count > 0)
            parts.append(QString("%1 %2").arg(count).arg(what));
    };
    add(result.units, "units");
    add(result.cities, "cities");
    add(result.starts, "starts");
    add(result.signs, "signs");
    add(result.riverEdges, "river edges");
    return parts.join(", ");
}

} // namespace

bool TMainWindow::ReshapeMap(const QString& text, const std::function<TReshapeResult(TMap&)>& reshape) {
    TReshapeResult result;
    std::string refusal;
    TDocumentChange change;
    change.text = text;
    change.scope = TChangeScope::WholeDocument();
    change.apply = [&](TMap& document) {
        try {
            result = reshape(document);
        } catch (const OperationAborted& abort) {
            refusal = abort.what();
            throw;
        }
    };
    busyCursor->Busy();
    const bool done = CommitCurrentRow() && session->Change(change);
    busyCursor->Idle();
    if (!done) {
        if (!refusal.empty())
            ShowError(QString::fromLocal8Bit(refusal.c_str()));
        return false;
    }
    const QString dropped = DroppedText(result);
    if (!dropped.isEmpty())
        ShowError(QString("%1 took off the map: %2. \"Undo\" brings them back.").arg(text, dropped));
    return true;
}

bool TMainWindow::CropMapTo(const QRect& plots) {
    return ReshapeMap("Crop to selection", [plots](TMap& document) {
        return CropMap(document, plots.left(), plots.top(), plots.right(), plots.bottom());
    });
}

void TMainWindow::CropMapToSelection() {
    if (Selection().isEmpty()) {
        ShowError("Select the plots to keep first: Shift+drag a rectangle on the map.");
        return;
    }
    CropMapTo(Selection());
}

void TMainWindow::ExtendMap() {
    TExtendMapDialog form(this);
    form.SetTerrains(PickList("TerrainType"));
    if (form.exec() != QDialog::Accepted)
        return;
    const int left = form.NumLeft()->value(), right = form.NumRight()->value();
    const int bottom = form.NumBottom()->value(), top = form.NumTop()->value();
    const std::string fill = form.FillTerrain()->currentText().trimmed().toStdString();
    ReshapeMap("Extend map",
               [=](TMap& document) { return ::ExtendMap(document, left, right, bottom, top, fill); });
}

void TMainWindow::ShiftMap() {
    const TMapSection& world = session->Map().MapData();
    if (world.WrapX() == 0 && world.WrapY() == 0) {
        ShowError("The map wraps neither across nor up and down: there is no seam to move.");
        return;
    }
    TShiftMapDialog form(this);
    form.SetMap(session->Map().Grids().Width(), session->Map().Grids().Height(), world.WrapX() != 0,
                world.WrapY() != 0);
    if (form.exec() != QDialog::Accepted)
        return;
    const int dx = form.NumDX()->value(), dy = form.NumDY()->value();
    if (dx == 0 && dy == 0)
        return;
    ReshapeMap("Shift map", [=](TMap& document) { return ::ShiftMap(document, dx, dy); });
}
