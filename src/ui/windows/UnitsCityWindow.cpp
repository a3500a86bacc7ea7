#include "ui/windows/UnitsCityWindow.h"

#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "support/BusyCursor.h"
#include "ui/EditorHost.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/sheet/SheetText.h"
#include "ui/windows/ToolBarButton.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QSizeGrip>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {

QString KeyOf(const std::string& line) {
    return FromWindows1252(std::string_view(line).substr(0, line.find('=')));
}

} // namespace

TUnitsCityWindow::TUnitsCityWindow(TEditorHost& host, QWidget* parent)
    : QDialog(parent, Qt::Tool), host(host) {
    CreateParts();
}

TUnitsCityWindow::~TUnitsCityWindow() {
    // The sheet's editor may still close while the children go: nothing is written any more.
    vle->SetHooks({});
}

void TUnitsCityWindow::CreateParts() {
    setObjectName("UnitsCityWindow");
    resize(571, 422);
    setSizeGripEnabled(true);
    currentIndex = -1;
    unitsMode = true;

    auto* bar = new QToolBar(this);
    bar->setObjectName("TBMain");
    bar->setAccessibleName("Units and city tool bar");
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    const TImageList& images = host.ImageList("ImageListToolBar");
    btnAdd = AddToolBarButton(*bar, images, 10, "Add");
    btnDelete = AddToolBarButton(*bar, images, 11, "Delete");
    bar->addSeparator();
    btnExit = AddToolBarButton(*bar, images, 14, "Exit");
    connect(btnAdd, &QToolButton::clicked, this, &TUnitsCityWindow::AddUnit);
    connect(btnDelete, &QToolButton::clicked, this, &TUnitsCityWindow::DeleteEntry);
    connect(btnExit, &QToolButton::clicked, this, [this] { AcceptAndClose(); });

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("Splitter");
    splitter->setHandleWidth(4);
    splitter->setChildrenCollapsible(false);
    lbList = new QListWidget(splitter);
    lbList->setObjectName("LBList");
    lbList->setSelectionMode(QAbstractItemView::SingleSelection);
    lbList->setFrameShape(QFrame::NoFrame);
    connect(lbList, &QListWidget::currentRowChanged, this, &TUnitsCityWindow::ListRowChanged);
    vle = new TPropertySheet(splitter);
    vle->SetHooks(SheetHandlersOf(this));
    splitter->addWidget(lbList);
    splitter->addWidget(vle);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({121, 446});
    splitter->setAccessibleName("Records and values");
    splitter->handle(1)->setAccessibleName("Divider between list and values");
    if (auto* grip = findChild<QSizeGrip*>())
        grip->setAccessibleName("Resize");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(splitter, 1);
}

void TUnitsCityWindow::SetPlot(TPlot* value, bool mode) {
    plotX = value != nullptr ? value->X() : -1;
    plotY = value != nullptr ? value->Y() : -1;
    unitsMode = mode;
    setWindowTitle(unitsMode ? "Units" : "City");
}

TPlot* TUnitsCityWindow::Plot() const {
    return host.Session().Map().Grids().GetPlot(plotX, plotY);
}

QString TUnitsCityWindow::PlotText() const {
    return QString("(%1, %2)").arg(plotX).arg(plotY);
}

QString TUnitsCityWindow::Caption(int index) const {
    const TPlot* plot = Plot();
    if (plot == nullptr)
        return QString();
    if (unitsMode) {
        const TUnit* unit = plot->Units().GetUnit(index);
        return unit != nullptr ? FromWindows1252(unit->DisplayName()) : QString();
    }
    return index == 0 && plot->HasCity() ? FromWindows1252(plot->City()->CityName()) : QString();
}

StringList TUnitsCityWindow::RecordLines(int index) const {
    TPlot* plot = Plot();
    if (plot == nullptr)
        return {};
    if (unitsMode) {
        TUnit* unit = plot->Units().GetUnit(index);
        return unit != nullptr ? unit->GetEditorLines() : StringList();
    }
    return index == 0 && plot->HasCity() ? plot->City()->GetEditorLines() : StringList();
}

void TUnitsCityWindow::showEvent(QShowEvent* event) {
    PrepareToShow();
    QDialog::showEvent(event);
}

void TUnitsCityWindow::PrepareToShow() {
    setWindowTitle(unitsMode ? "Units" : "City");
    lbList->setAccessibleName(unitsMode ? "Units of the plot" : "City of the plot");
    vle->setAccessibleName(unitsMode ? "Values of the unit" : "Values of the city");
    {
        const QSignalBlocker blocker(lbList);
        lbList->clear();
        if (const TPlot* plot = Plot()) {
            const int count = unitsMode ? plot->Units().Count() : (plot->HasCity() ? 1 : 0);
            for (int i = 0; i < count; ++i)
                lbList->addItem(Caption(i));
        }
    }
    SelectItem(lbList->count() > 0 ? 0 : -1);
    currentIndex = lbList->currentRow();
    ShowCurrent();
}

void TUnitsCityWindow::SelectItem(int index) {
    const QSignalBlocker blocker(lbList);
    if (index >= 0 && index < lbList->count()) {
        lbList->setCurrentRow(index);
    } else {
        lbList->setCurrentRow(-1);
        lbList->clearSelection();
    }
}

void TUnitsCityWindow::ShowCurrent() {
    WhileBusy(host.BusyCursor(), [this] {
        filling = true;
        const StringList rows = RecordLines(currentIndex);
        if (currentIndex >= 0 && !rows.empty())
            host.FillSheet(*vle, rows);
        else
            vle->Clear();
        filling = false;
    });
}

bool TUnitsCityWindow::CommitCurrent() {
    return currentIndex < 0 || vle->ValidateCurrentRow();
}

bool TUnitsCityWindow::ChangePlot(const QString& text, std::function<void(TPlot&)> apply) {
    TDocumentChange change;
    change.text = text;
    change.scope = TChangeScope::Plot(plotX, plotY);
    // The records are found again from the document each time the change is made.
    change.apply = [x = plotX, y = plotY, apply = std::move(apply)](TMap& document) {
        TPlot* plot = document.Grids().GetPlot(x, y);
        if (plot == nullptr)
            throw OperationAborted("No plot at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
        apply(*plot);
    };
    return WhileBusy(host.BusyCursor(), [&] { return host.Session().Change(change); });
}

bool TUnitsCityWindow::ValidateRow(int /*row*/, const QString& key, const QString& value) {
    if (filling || currentIndex < 0 || vle->RowCount() == 0 || Plot() == nullptr)
        return true;
    const std::optional<std::string> line = host.EditorLine(key, value);
    if (!line)
        return false;
    const StringList before = RecordLines(currentIndex);
    if (before.empty())
        return true;
    // A row that holds the record's value already changes nothing: it is not written again.
    if (std::find(before.begin(), before.end(), *line) != before.end())
        return true;
    const StringList rows{*line};
    const int index = currentIndex;
    bool written = false;
    if (unitsMode) {
        written = ChangePlot(QString("%1 of unit %2 at %3").arg(key).arg(index).arg(PlotText()),
                             [index, rows](TPlot& plot) {
                                 TUnit* unit = plot.Units().GetUnit(index);
                                 if (unit == nullptr)
                                     throw OperationAborted("No unit " + std::to_string(index));
                                 unit->ApplyEditorLines(rows);
                             });
    } else {
        written = ChangePlot(QString("%1 of the city at %2").arg(key, PlotText()), [rows](TPlot& plot) {
            if (!plot.HasCity())
                throw OperationAborted("No city");
            plot.City()->ApplyEditorLines(rows);
        });
    }
    if (written)
        ShowWritten(key, value, before);
    return written;
}

void TUnitsCityWindow::ShowWritten(const QString& key, const QString& value, const StringList& before) {
    if (QListWidgetItem* item = lbList->item(currentIndex)) {
        const QString caption = Caption(currentIndex);
        if (caption.compare(item->text(), Qt::CaseInsensitive) != 0)
            item->setText(caption);
    }
    const StringList after = RecordLines(currentIndex);
    bool othersChanged = after.size() != before.size();
    for (std::size_t i = 0; i < after.size() && !othersChanged; ++i)
        othersChanged = after[i] != before[i] && KeyOf(after[i]).compare(key, Qt::CaseInsensitive) != 0;
    if (!othersChanged)
        return;
    // A write may change more than its row: an owner that is no player slot resets a city, and a
    // value may carry further items ("5, Experience=10"). The sheet shows what the record now holds.
    vle->ShowValues(after);
    const TPlot* plot = Plot();
    if (!unitsMode && key.compare("CityOwner", Qt::CaseInsensitive) == 0 && plot != nullptr &&
        plot->HasCity() && !IsValidPlayerIndex(plot->City()->CityOwner()))
        host.Dialogs().ShowMessage(
            this, QString("The owner %1 is not a player (0 to %2), so the city at %3 was reset: its "
                          "name, population, production, buildings, religions and culture are those "
                          "of a new city now.")
                      .arg(value, QString::number(MaxPlayers - 1), PlotText()));
}

QStringList TUnitsCityWindow::PickList(const QString& key) {
    return host.PickList(key);
}

bool TUnitsCityWindow::PickListsReady() const {
    return host.PickListsReady();
}

void TUnitsCityWindow::PickRowValues(int row) {
    const std::optional<QString> picked = host.PickValues(vle->Key(row), vle->Value(row));
    if (!picked)
        return;
    WhileBusy(host.BusyCursor(), [&] {
        vle->SetValue(row, *picked);
        CommitCurrent();
    });
}

void TUnitsCityWindow::ShowChosenEntry() {
    currentIndex = lbList->currentRow();
    ShowCurrent();
}

void TUnitsCityWindow::ListRowChanged(int row) {
    if (row == currentIndex)
        return;
    // The record being left takes the row being edited first; a refused value keeps it shown.
    if (!CommitCurrent()) {
        SelectItem(currentIndex);
        return;
    }
    ShowChosenEntry();
}

const TPlot* TUnitsCityWindow::CommittedPlot() {
    return CommitCurrent() ? Plot() : nullptr;
}

void TUnitsCityWindow::AddUnit() {
    const TPlot* plot = CommittedPlot();
    if (plot == nullptr)
        return;
    if (unitsMode) {
        if (!ChangePlot("Add unit at " + PlotText(), [](TPlot& target) { target.Units().Add(); }))
            return;
        lbList->addItem(Caption(Plot()->Units().Count() - 1));
    } else {
        if (plot->HasCity())
            return;
        if (!ChangePlot("Add city at " + PlotText(), [](TPlot& target) { target.GetOrCreateCity(); }))
            return;
        lbList->addItem(Caption(0));
    }
    SelectItem(lbList->count() - 1);
    ShowChosenEntry();
}

void TUnitsCityWindow::DeleteEntry() {
    const TPlot* plot = CommittedPlot();
    if (plot == nullptr)
        return;
    const int index = currentIndex;
    if (unitsMode) {
        if (index >= 0 && index < plot->Units().Count()) {
            if (!ChangePlot(QString("Delete unit %1 at %2").arg(index).arg(PlotText()),
                            [index](TPlot& target) {
                                if (target.Units().GetUnit(index) == nullptr)
                                    throw OperationAborted("No unit " + std::to_string(index));
                                target.Units().Delete(index);
                            }))
                return;
            const QSignalBlocker blocker(lbList);
            delete lbList->takeItem(index);
        }
    } else {
        if (plot->HasCity()) {
            if (!ChangePlot("Delete city at " + PlotText(), [](TPlot& target) { target.DeleteCity(); }))
                return;
        }
        const QSignalBlocker blocker(lbList);
        lbList->clear();
    }
    SelectItem(std::min(index, lbList->count() - 1));
    currentIndex = lbList->currentRow();
    ShowCurrent();
}

bool TUnitsCityWindow::AcceptAndClose() {
    if (!CommitCurrent())
        return false;
    exiting = true;
    accept();
    exiting = false;
    return true;
}

bool TUnitsCityWindow::MayClose() {
    return CommitCurrent();
}

void TUnitsCityWindow::closeEvent(QCloseEvent* event) {
    if (exiting || !isVisible()) {
        event->accept();
        return;
    }
    // The close box leaves as Exit does: the row being edited is written, or the window stays.
    if (!MayClose()) {
        event->ignore();
        return;
    }
    setResult(QDialog::Accepted);
    event->accept();
}

void TUnitsCityWindow::reject() {
    AcceptAndClose();
}
