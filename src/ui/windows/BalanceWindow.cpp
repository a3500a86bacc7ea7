#include "ui/windows/BalanceWindow.h"

#include "catalogue/GameLayers.h"
#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "ui/EditorHost.h"
#include "ui/mapview/MapGridView.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The marks of the cells furthest from their column's mean.
const QColor AboveMeanColour(190, 215, 255);
const QColor BelowMeanColour(255, 210, 170);

QStandardItem* Cell(const QVariant& value, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QStandardItem;
    item->setData(value, Qt::DisplayRole);
    item->setTextAlignment(alignment);
    item->setEditable(false);
    return item;
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList BonusPairs(const TBalanceStart& start) {
    QStringList pairs;
    for (const auto& [name, count] : start.bonuses)
        pairs.append(Latin1(name) + ':' + QString::number(count));
    return pairs;
}

} // namespace

TBalanceWindow::TBalanceWindow(TEditorHost& host, QWidget* parent)
    : TToolWindow(parent, Qt::Tool), host(host) {
    setObjectName("BalanceWindow");
    setWindowTitle("Balance");
    setAccessibleName("Balance");
    resize(820, 320);

    model = new QStandardItemModel(this);
    QStringList headers = {"player", "x", "y"};
    for (const std::string_view name : BalanceColumnNames)
        headers.append(Latin1(name));
    model->setHorizontalHeaderLabels(headers);
    table = new QTableView(this);
    table->setObjectName("BalanceTable");
    table->setAccessibleName("Balance of the starts");
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { SelectStartOfRow(index.row()); });

    message = new QLabel(this);
    message->setObjectName("BalanceMessage");
    message->setAccessibleName("Balance message");
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setMargin(12);
    message->hide();
    notes = new QLabel(this);
    notes->setObjectName("BalanceNotes");
    notes->setAccessibleName("Balance notes");
    notes->setWordWrap(true);
    notes->setMargin(4);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(message, 1);
    layout->addWidget(table, 1);
    layout->addWidget(notes);

    updateTimer = new QTimer(this);
    updateTimer->setSingleShot(true);
    updateTimer->setInterval(0);
    connect(updateTimer, &QTimer::timeout, this, &TBalanceWindow::UpdateReport);
}

void TBalanceWindow::ScheduleUpdate() {
    if (isVisible())
        updateTimer->start();
}

bool TBalanceWindow::ReadRules() {
    const QString dir = host.InstallDir();
    const std::string layers = dir.isEmpty() ? std::string() : host.Layers().Key();
    if (rulesRead && layers == rulesLayers)
        return true;
    rulesLayers = layers;
    rulesRead = false;
    if (dir.isEmpty()) {
        rulesError = "No game folder is known. Start Tessel with --game-dir DIR, naming the folder that "
                     "holds Assets.";
        return false;
    }
    try {
        rules.LoadFromLayers(host.Layers());
    } catch (const OperationAborted& error) {
        rulesError = QFile::decodeName(error.what());
        return false;
    }
    rulesRead = true;
    return true;
}

void TBalanceWindow::UpdateReport() {
    updateTimer->stop();
    ++computations;
    if (!ReadRules()) {
        report = TBalanceReport();
        model->setRowCount(0);
        message->setText("The balance needs the yields of the game's rules, which cannot be read.\n" +
                         rulesError);
        table->hide();
        notes->hide();
        message->show();
        return;
    }
    report = TBalanceReport::Of(host.Session().Map(), rules);
    FillTable();
    message->hide();
    table->show();
    notes->show();
}

void TBalanceWindow::FillTable() {
    const std::vector<TBalanceStart>& starts = report.Starts();
    model->setRowCount(static_cast<int>(starts.size()));
    for (int row = 0; row < static_cast<int>(starts.size()); ++row) {
        const TBalanceStart& start = starts[static_cast<std::size_t>(row)];
        model->setItem(
            row, ColumnPlayer,
            Cell(start.player == TBalanceStart::NoPlayer ? QVariant("-") : QVariant(start.player)));
        model->setItem(row, ColumnX, Cell(start.x));
        model->setItem(row, ColumnY, Cell(start.y));
        for (std::size_t column = 0; column < BalanceColumnNames.size(); ++column) {
            const auto measured = static_cast<TBalanceColumn>(column);
            const int at = FirstMeasuredColumn + static_cast<int>(column);
            if (measured == TBalanceColumn::Bonuses) {
                // The whole list in the tooltip, one a line, for a cell too narrow to show it.
                const QStringList pairs = BonusPairs(start);
                QStandardItem* item = Cell(pairs.join(','), Qt::AlignLeft | Qt::AlignVCenter);
                item->setToolTip(pairs.join('\n'));
                model->setItem(row, at, item);
            } else
                model->setItem(row, at, Cell(start.Measure(measured)));
        }
    }
    for (std::size_t column = 0; column < BalanceColumnNames.size(); ++column) {
        const TBalanceReport::TRange range = report.Range(static_cast<TBalanceColumn>(column));
        model->horizontalHeaderItem(FirstMeasuredColumn + static_cast<int>(column))
            ->setToolTip(QString("lowest %1, highest %2, spread %3")
                             .arg(range.lowest)
                             .arg(range.highest)
                             .arg(range.Spread()));
        MarkFurthestFromMean(static_cast<int>(column));
    }

    QString text =
        starts.empty()
            ? QString("The map has no starts: choose a player on the \"Player\" tab and click a plot "
                      "with the Start tool.")
            : QString("Marked: in each column the starts furthest from its mean (blue above it, "
                      "orange below it). Double-click a row to show its start on the map.");
    if (!report.UnknownTypes().empty()) {
        QStringList names;
        for (const std::string& type : report.UnknownTypes())
            names.append(Latin1(type));
        text += "\nThe game's rules do not know " + names.join(", ") + "; they yield nothing here.";
    }
    notes->setText(text);
}

void TBalanceWindow::MarkFurthestFromMean(int column) {
    const std::vector<TBalanceStart>& starts = report.Starts();
    if (starts.empty())
        return;
    const auto measured = static_cast<TBalanceColumn>(column);
    double sum = 0;
    for (const TBalanceStart& start : starts)
        sum += static_cast<double>(start.Measure(measured));
    const double mean = sum / static_cast<double>(starts.size());
    double furthest = 0;
    for (const TBalanceStart& start : starts)
        furthest = std::max(furthest, std::abs(static_cast<double>(start.Measure(measured)) - mean));
    // All alike: nothing stands out.
    constexpr double Tolerance = 1e-9;
    if (furthest < Tolerance)
        return;
    for (int row = 0; row < static_cast<int>(starts.size()); ++row) {
        const double distance =
            static_cast<double>(starts[static_cast<std::size_t>(row)].Measure(measured)) - mean;
        if (std::abs(distance) < furthest - Tolerance)
            continue;
        QStandardItem* item = model->item(row, FirstMeasuredColumn + column);
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
        item->setBackground(distance > 0 ? AboveMeanColour : BelowMeanColour);
        const QString why = QString("The furthest from the mean of %1 (%2): %3 %4 it")
                                .arg(Latin1(BalanceColumnNames[static_cast<std::size_t>(column)]))
                                .arg(mean, 0, 'f', 1)
                                .arg(std::abs(distance), 0, 'f', 1)
                                .arg(distance > 0 ? "above" : "below");
        item->setToolTip(item->toolTip().isEmpty() ? why : why + '\n' + item->toolTip());
    }
}

void TBalanceWindow::SelectStartOfRow(int row) {
    if (row < 0 || row >= static_cast<int>(report.Starts().size()))
        return;
    const TBalanceStart& start = report.Starts()[static_cast<std::size_t>(row)];
    // A row the sheet refuses keeps its tab, and the cell.
    if (!host.GoToTab(TEditorHost::TabMap))
        return;
    host.GridView()->SelectCell(start.x, host.Session().Map().Grids().Height() - 1 - start.y);
    host.GridView()->setFocus();
}

void TBalanceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        UpdateReport();
}
