// The main window's editing of many plots at once: the brush, the rows written into all the selected
// plots, copying and pasting plots, removing their units and cities, and the keys that move them.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"
#include "ui/mainwindow/StatusPanel.h"

#include "document/MapContents.h"
#include "document/PlotsText.h"
#include "support/BusyCursor.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/mainwindow/EditorSettings.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/sheet/SheetText.h"
#include "ui/tools/BrushTool.h"
#include "ui/tools/SelectionTool.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace {

// The clipboard's type for plots: only text of this type is pasted.
constexpr const char* PlotsMimeType = "application/x-tessel-plots";

// The plots of a step's name: their rectangle, and how many of it are chosen when not all.
QString PlotsName(const QRect& bounds, const TPlotSet& plots) {
    QString name = QString("(%1, %2) to (%3, %4)")
                       .arg(bounds.left())
                       .arg(bounds.top())
                       .arg(bounds.right())
                       .arg(bounds.bottom());
    const std::size_t all =
        static_cast<std::size_t>(bounds.width()) * static_cast<std::size_t>(bounds.height());
    if (plots.Count() != all)
        name += QString(", %1 plots").arg(plots.Count());
    return name;
}

QString Counted(int count, const char* one, const char* many) {
    return QString("%1 %2").arg(count).arg(count == 1 ? one : many);
}

template <typename Visit> void ForEachPlot(TMap& document, const TPlotSet& plots, Visit visit) {
    plots.ForEach([&](int x, int y) { visit(*document.Grids().GetPlot(x, y)); });
}

// The tool bar's picture of the brush: a handle and its bristles.
QIcon BrushIcon() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 72, 24), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 2), QPointF(7.5, 8.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(QRectF(5.5, 8, 3, 3));
    painter.setBrush(QColor(0, 112, 192));
    painter.drawPolygon(QPolygonF({QPointF(5, 9), QPointF(8, 12), QPointF(4, 15), QPointF(1, 15)}));
    return QIcon(picture);
}

} // namespace

void TMainWindow::CreateEditingTools() {
    mapToolBar->addSeparator();
    QAction* paint = AddMapButton("Paint", 0, true, "BtnPaint");
    paint->setIcon(BrushIcon());
    brushSize = AddMapMenuButton("BtnBrushSize", QString(), "Brush size", "BrushSizes");
    QMenu* sizes = brushSize->menu();
    auto* exclusive = new QActionGroup(sizes);
    for (const int size : TBrushTool::Sizes) {
        QAction* choice = sizes->addAction(QString("%1 x %1").arg(size));
        choice->setCheckable(true);
        choice->setData(size);
        exclusive->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, size] { BrushSizeChange(size); });
    }
    connect(paint, &QAction::toggled, this, &TMainWindow::UseBrush);
    brushTool = std::make_unique<TBrushTool>(*this);
    BrushSizeChange(TEditorSettings::BrushSize());

    CreateSelectionTools();
    CreateTurnTools();

    // The editing keys act while the map has the focus; elsewhere the keys keep their own meaning.
    auto addKey = [this](const char* name, const QString& text, const QKeySequence& key, auto handler) {
        auto* action = new QAction(text, mapPanel);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        mapPanel->addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    addKey("ActClearSelection", "Clear the selection", QKeySequence(Qt::Key_Escape),
           [this] { SetSelection(TPlotSet()); });
    addKey("ActDeleteUnitsAndCities", "Remove units and cities", QKeySequence::Delete,
           [this] { DeleteUnitsAndCities(); });
    addKey("ActCopyPlots", "Copy plots", QKeySequence::Copy, [this] { CopyPlots(); });
    addKey("ActPastePlots", "Paste plots", QKeySequence::Paste, [this] { PastePlots(); });
    // Alt and an arrow move the selected plots by one.
    addKey("ActMoveWest", "Move the selection west", QKeySequence(Qt::ALT | Qt::Key_Left),
           [this] { MoveSelection(-1, 0); });
    addKey("ActMoveEast", "Move the selection east", QKeySequence(Qt::ALT | Qt::Key_Right),
           [this] { MoveSelection(1, 0); });
    addKey("ActMoveNorth", "Move the selection north", QKeySequence(Qt::ALT | Qt::Key_Up),
           [this] { MoveSelection(0, 1); });
    addKey("ActMoveSouth", "Move the selection south", QKeySequence(Qt::ALT | Qt::Key_Down),
           [this] { MoveSelection(0, -1); });
}

void TMainWindow::UseBrush(bool down) {
    if (!down)
        brushTool->Finish();
    SetMapTool(brushTool.get(), down);
}

void TMainWindow::BrushSizeChange(int size) {
    brushTool->SetSize(size);
    TEditorSettings::SetBrushSize(brushTool->Size());
    brushSize->setText(QString("%1 x %1").arg(brushTool->Size()));
    for (QAction* choice : brushSize->menu()->actions())
        choice->setChecked(choice->data().toInt() == brushTool->Size());
}

std::optional<std::pair<QString, std::string>> TMainWindow::PaintRow() {
    if (!CommitCurrentRow())
        return std::nullopt;
    const int row = propertySheet->CurrentRow();
    const QString key = propertySheet->Key(row);
    auto refuse = [this](const QString& why) {
        statusPanels[0]->Show(why);
        return std::nullopt;
    };
    if (sheetTab != TabMap || row < 0)
        return refuse("Put the sheet's cursor on the row to paint with");
    if (key.compare("Units", Qt::CaseInsensitive) == 0 || key.compare("City", Qt::CaseInsensitive) == 0)
        return refuse("Units and cities are not painted: their editor changes them");
    if (propertySheet->IsMixed(row))
        return refuse(QString("The selected plots differ in %1: type the value to paint with").arg(key));
    const std::optional<std::string> line = EditorLine(key, propertySheet->Value(row));
    if (!line)
        return std::nullopt;
    return std::make_pair(key + '=' + propertySheet->Value(row), *line);
}

void TMainWindow::FillSelectionSheet() {
    StringList rows;
    std::vector<bool> mixed;
    SharedPlotRows(session->Map().Grids(), selected, rows, mixed);
    FillSheet(*propertySheet, rows, mixed);
}

TDocumentChange TMainWindow::SelectionRowChange(const QString& key, const StringList& rows) const {
    TDocumentChange change;
    const TPlotSet plots = selected;
    change.text = key + " in " + PlotsName(selectionBounds, plots);
    change.scope = TChangeScope::Plots(selectionBounds);
    change.apply = [rows, plots](TMap& document) {
        ForEachPlot(document, plots, [&](TPlot& plot) { plot.ApplyEditorLines(rows); });
    };
    return change;
}

void TMainWindow::CopyPlots() {
    const QRect plots = BoundsOf(SelectedPlots());
    if (plots.isEmpty() || !CommitCurrentRow())
        return;
    const std::string text = WhileBusy(*busyCursor, [&] {
        return TPlotsText::Write(session->Map().Grids(), plots.left(), plots.top(), plots.right(),
                                 plots.bottom());
    });
    auto* data = new QMimeData;
    data->setData(PlotsMimeType, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    QGuiApplication::clipboard()->setMimeData(data);
    statusPanels[0]->Show(QString("%1 x %2 plots copied").arg(plots.width()).arg(plots.height()));
}

void TMainWindow::PastePlots() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(PlotsMimeType)) {
        statusPanels[0]->Show("The clipboard holds no plots");
        return;
    }
    const QByteArray bytes = data->data(PlotsMimeType);
    std::optional<TPlotsText> plots;
    try {
        plots = WhileBusy(*busyCursor, [&] {
            return TPlotsText::Read(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        });
    } catch (const OperationAborted& error) {
        ShowError(
            QString("The plots on the clipboard cannot be pasted: %1.").arg(FromWindows1252(error.what())));
        return;
    }
    const TPlot* current = GetPlotAt(GridCol(), GridRow());
    if (current == nullptr || !CommitCurrentRow())
        return;
    // The current cell is the pasted rectangle's top left corner.
    const int left = current->X(), bottom = current->Y() - plots->Height() + 1;
    const QRect target = QRect(left, bottom, plots->Width(), plots->Height()) &
                         QRect(0, 0, session->Map().Grids().Width(), session->Map().Grids().Height());
    TDocumentChange change;
    change.text = QString("Paste %1 x %2 plots at (%3, %4)")
                      .arg(plots->Width())
                      .arg(plots->Height())
                      .arg(left)
                      .arg(current->Y());
    change.scope = TChangeScope::Plots(target);
    change.apply = [pasted = std::move(*plots), left, bottom](TMap& document) {
        pasted.PasteInto(document.Grids(), left, bottom);
    };
    WhileBusy(*busyCursor, [&] { return session->Change(change); });
    if (selectionBounds == target &&
        selected.Count() == static_cast<std::size_t>(target.width() * target.height()))
        RefreshSheetKeepingRow();
    else
        SetSelection(target);
}

void TMainWindow::DeleteUnitsAndCities() {
    const TPlotSet plots = SelectedPlots();
    if (plots.Empty() || !CommitCurrentRow())
        return;
    const QRect bounds = BoundsOf(plots);
    int units = 0, cities = 0;
    ForEachPlot(session->Map(), plots, [&](TPlot& plot) {
        units += plot.Units().Count();
        cities += plot.HasCity() ? 1 : 0;
    });
    if (units == 0 && cities == 0) {
        statusPanels[0]->Show("No unit and no city to remove");
        return;
    }
    QString what = units > 0 ? Counted(units, "unit", "units") : QString();
    if (cities > 0)
        what += (what.isEmpty() ? "" : " and ") + Counted(cities, "city", "cities");
    const QString where = plots.Count() == 1
                              ? QString("the plot at (%1, %2)").arg(bounds.left()).arg(bounds.top())
                              : QString("the %1 selected plots").arg(plots.Count());
    if (dialogs->AskYesNoCancel("Remove units and cities", QString("Remove %1 from %2?").arg(what, where)) !=
        TDialogs::TAnswer::Yes)
        return;
    TDocumentChange change;
    change.text = "Remove units and cities in " + PlotsName(bounds, plots);
    change.scope = TChangeScope::Plots(bounds);
    change.apply = [plots](TMap& document) {
        ForEachPlot(document, plots, [](TPlot& plot) {
            plot.Units().Clear();
            plot.DeleteCity();
        });
    };
    WhileBusy(*busyCursor, [&] { return session->Change(change); });
    if (sheetTab == TabMap)
        RefreshSheetKeepingRow();
}
