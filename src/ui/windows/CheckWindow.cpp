#include "ui/windows/CheckWindow.h"

#include "catalogue/GameLayers.h"
#include "catalogue/ValueCatalogue.h"
#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "support/BusyCursor.h"
#include "ui/EditorHost.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/sheet/SheetText.h"

#include <QAbstractListModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QVBoxLayout>

// The findings of the last check, one line each; the text is made only for the lines shown, so a
// map with findings on every plot lists at once.
class TFindingList : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    const std::vector<TMapFinding>& Findings() const { return findings; }
    void SetFindings(std::vector<TMapFinding> value) {
        beginResetModel();
        findings = std::move(value);
        endResetModel();
    }
    static QString Text(const TMapFinding& finding) { return FromWindows1252(finding.ToText()); }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(findings.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount(QModelIndex()))
            return QVariant();
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return Text(findings[static_cast<std::size_t>(index.row())]);
        return QVariant();
    }

private:
    std::vector<TMapFinding> findings;
};

namespace {

// Puts the sheet's cursor on the finding's row: the value's own row, or the plot's "Units" or "City"
// row whose editor holds it. A key the sheet has no row for leaves the cursor.
void SelectRowOf(TEditorHost& host, const TMapFinding& finding) {
    QString key = FromWindows1252(finding.key);
    if (finding.place == TFindingPlace::Unit)
        key = "Units";
    else if (finding.place == TFindingPlace::City)
        key = "City";
    TPropertySheet& sheet = *host.Sheet();
    const int row = sheet.FindRow(key);
    if (row >= 0)
        sheet.SetCurrentRow(row);
}

} // namespace

TCheckWindow::TCheckWindow(TEditorHost& host, QWidget* parent) : TToolWindow(parent, Qt::Tool), host(host) {
    setObjectName("CheckWindow");
    setWindowTitle("Check map");
    resize(480, 320);

    findingList = new TFindingList(this);
    list = new QListView(this);
    list->setObjectName("LBFindings");
    list->setAccessibleName("Findings");
    list->setModel(findingList);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setToolTip("Double-click a line to show its place in the map");
    // A double-click, or Enter, on a line.
    connect(list, &QListView::activated, this, &TCheckWindow::GoToFinding);

    summary = new QLabel(this);
    summary->setObjectName("LblSummary");
    summary->setAccessibleName("Summary");
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    btnCheckAgain = new QPushButton("Check again", this);
    btnCheckAgain->setObjectName("BtnCheckAgain");
    btnCheckAgain->setAccessibleName("Check again");
    connect(btnCheckAgain, &QPushButton::clicked, this, &TCheckWindow::CheckAgain);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(summary, 1);
    bottom->addWidget(btnCheckAgain, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list, 1);
    layout->addLayout(bottom);
}

const std::vector<TMapFinding>& TCheckWindow::Findings() const {
    return findingList->Findings();
}

QString TCheckWindow::FindingText(int index) const {
    return TFindingList::Text(Findings().at(static_cast<std::size_t>(index)));
}

QString TCheckWindow::LoadRules() {
    const QString dir = host.InstallDir();
    if (dir.isEmpty())
        return "No game folder to check the map against: start Tessel with --game-dir DIR, DIR the "
               "folder that holds Assets.";
    if (!QFileInfo(dir).isDir())
        return QString("The game folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(dir));
    try {
        validator.LoadRules(host.Catalogue());
    } catch (const OperationAborted& error) {
        return "Cannot read the game's rules: " + QFile::decodeName(error.what());
    }
    return QString();
}

void TCheckWindow::CheckAgain() {
    WhileBusy(host.BusyCursor(), [this] {
        // A value still being typed is checked too; a refused one stays in its row, unchecked.
        host.CommitCurrentRow();
        const QString failure = LoadRules();
        if (!failure.isEmpty()) {
            findingList->SetFindings({});
            checkedSummary = failure;
            return;
        }
        TValidationCounts counts;
        findingList->SetFindings(validator.Check(host.Session().Map(), &counts));
        checkedSummary = FromWindows1252(counts.SummaryText());
    });
    // The layer the map asks for and the game lacks is said where the check's result is read.
    if (const std::string missing = host.Layers().MissingText(); !missing.empty())
        checkedSummary += "\n" + QString::fromUtf8(missing.c_str()) + ".";
    summary->setText(checkedSummary);
    summary->setToolTip(
        "The game's rules come from: " + QString::fromUtf8(host.Layers().NamesText().c_str()) + ".");
    list->setAccessibleDescription(checkedSummary);
}

void TCheckWindow::MapChanged() {
    if (!checkedSummary.isEmpty())
        summary->setText(checkedSummary +
                         "\nThe map has changed since: \"Check again\" checks it as it is now.");
}

bool TCheckWindow::ShowFinding(int index) {
    if (index < 0 || index >= static_cast<int>(Findings().size()))
        return false;
    const TMapFinding& finding = Findings()[static_cast<std::size_t>(index)];
    if (!ShowPlace(finding))
        return false;
    SelectRowOf(host, finding);
    return true;
}

bool TCheckWindow::ShowPlace(const TMapFinding& finding) {
    switch (finding.place) {
    case TFindingPlace::Plot:
    case TFindingPlace::Unit:
    case TFindingPlace::City: {
        // The map may have changed since the check: a plot it no longer has is not shown.
        const int col = finding.x, row = host.Session().Map().Grids().Height() - 1 - finding.y;
        if (host.Session().Map().Grids().GetPlot(finding.x, finding.y) == nullptr ||
            !host.GoToTab(TEditorHost::TabMap))
            return false;
        TMapGridView& grid = *host.GridView();
        // Selected as a click selects it: the sheet shows the plot, the status bar its cell.
        if (!grid.SelectCell(col, row))
            return false;
        grid.SetTopLeft(col - grid.VisibleColCount() / 2, row - grid.VisibleRowCount() / 2);
        return true;
    }
    case TFindingPlace::Team:
    case TFindingPlace::Player: {
        const bool team = finding.place == TFindingPlace::Team;
        if (finding.index < 0 || finding.index >= (team ? MaxTeams : MaxPlayers) ||
            !host.GoToTab(team ? TEditorHost::TabTeam : TEditorHost::TabPlayer))
            return false;
        host.SelectTeamOrPlayer(finding.index);
        return (team ? host.TeamIndex() : host.PlayerIndex()) == finding.index;
    }
    case TFindingPlace::Game:
        return host.GoToTab(TEditorHost::TabRule);
    case TFindingPlace::Map:
        return host.GoToTab(TEditorHost::TabWorld);
    }
    return false;
}

void TCheckWindow::GoToFinding(const QModelIndex& index) {
    if (index.isValid())
        ShowFinding(index.row());
}

void TCheckWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once a show: the window system's own show event that follows (or a restore) does not check.
    if (!event->spontaneous())
        CheckAgain();
}
