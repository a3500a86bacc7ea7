#include "ui/mainwindow/MainWindow.h"

#include "catalogue/Catalogue.h"
#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "edit/Recovery.h"
#include "render/MiniMapBitmap.h"
#include "support/AppResources.h"
#include "support/BusyCursor.h"
#include "support/ImageList.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/mainwindow/StatusPanel.h"
#include "ui/mapview/MapGridView.h"
#include "ui/sheet/PropertySheet.h"
#include "ui/sheet/SheetText.h"
#include "ui/tools/BrushTool.h"
#include "ui/tools/MagicWandTool.h"
#include "ui/tools/RiverTool.h"
#include "ui/tools/SelectionTool.h"
#include "ui/tools/StartTool.h"
#include "ui/windows/DockWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

constexpr const char* Title = "QuarraMapEditor V2";

// The fonts the windows were laid out with, or the nearest ones a Linux desktop has; pixel sizes
// stay as laid out.
void InstallFontSubstitutes() {
    QFont::insertSubstitutions("MS Shell Dlg 2", {"Tahoma", "Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
}

QFont PixelFont(const char* family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

struct TImageListShape {
    const char* name;
    int size;
    bool masked;
};

constexpr TImageListShape ImageLists[] = {{"ImageListProgram", 24, true},     {"ImageListTabs", 24, true},
                                          {"ImageListToolBar", 16, true},     {"ImageListBonus", 55, true},
                                          {"ImageListTerrain", 55, true},     {"ImageListUnitCity", 55, true},
                                          {"ImageListRiverRoute", 32, false}, {"ImageListYesNo", 16, true}};

QIcon IconOf(const TImageList& list, int index) {
    return QIcon(QPixmap::fromImage(list.Image(index)));
}

} // namespace

TMainWindow::TMainWindow(const QString& gameDir, QWidget* parent) : QMainWindow(parent) {
    CreateParts(gameDir);
}

TMainWindow::~TMainWindow() {
    // The sheet's editor may still close while the children go: nothing is written any more.
    propertySheet->SetHooks({});
    session->disconnect(this);
    session->History().disconnect(this);
    gridView->SetTool(nullptr);
}

void TMainWindow::CreateParts(const QString& gameDir) {
    setObjectName("MainWindow");
    InstallFontSubstitutes();
    setFont(PixelFont("MS Shell Dlg 2", 13));
    resize(LayoutSize);
    dialogs = std::make_unique<TQtDialogs>();

    resources = std::make_unique<TAppResources>();
    CreateImageLists();
    resources->LoadImageLists(this);

    catalogue = std::make_unique<TValueCatalogue>();
    busyCursor = new TBusyCursor(this);
    miniMapBitmap = std::make_unique<TMiniMapBitmap>();
    setWindowTitle(Title);

    CreateProgramToolBar();
    CreateHistory();
    CreateStatusBar();
    CreateLayersButton();
    CreateTabsAndPanels();

    FindGameFolder(gameDir);
    zoomSlider->setToolTip(QString::number(zoomSlider->value()));
    blinkOn = updating = false;
    RebuildMiniMap(-1, -1);
    setAcceptDrops(true);
    RestoreSettings();
    CreateWindows();
}

void TMainWindow::CreateImageLists() {
    for (const TImageListShape& shape : ImageLists) {
        auto* list = new TImageList(shape.size, shape.size, this);
        list->setObjectName(shape.name);
        list->SetMasked(shape.masked);
    }
}

const TImageList& TMainWindow::ImageList(const char* name) const {
    return *findChild<TImageList*>(name, Qt::FindDirectChildrenOnly);
}

QAction* TMainWindow::AddProgramButton(const QString& caption, const QString& hint, int image) {
    QAction* action = programToolBar->addAction(IconOf(ImageList("ImageListProgram"), image), caption);
    action->setToolTip(hint);
    QWidget* button = programToolBar->widgetForAction(action);
    button->setFixedSize(61, 47);
    button->setAccessibleName(caption.trimmed());
    button->setAccessibleDescription(hint);
    return action;
}

void TMainWindow::CreateProgramToolBar() {
    programToolBar = new QToolBar(this);
    programToolBar->setObjectName("ToolBarProgMain");
    programToolBar->setAccessibleName("Program tool bar");
    programToolBar->setOrientation(Qt::Vertical);
    programToolBar->setMovable(false);
    programToolBar->setFloatable(false);
    programToolBar->setIconSize(QSize(24, 24));
    programToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    programToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::LeftToolBarArea, programToolBar);

    newAction = AddProgramButton("New", "Create a new map", 0);
    openAction = AddProgramButton("Open", "Open a map", 3);
    saveAction = AddProgramButton("Save", "Save current map", 2);
    saveAsAction = AddProgramButton(" Save as ", "Save as a new map", 1);
    aboutAction = AddProgramButton("About", "About this program", 4);
    exitAction = AddProgramButton("Exit", "Quit Tessel", 5);
    recentMenu = new QMenu(this);
    recentMenu->setObjectName("RecentMaps");
    recentMenu->setTitle("Recent maps");
    openAction->setMenu(recentMenu);
    if (auto* openButton = qobject_cast<QToolButton*>(programToolBar->widgetForAction(openAction)))
        openButton->setPopupMode(QToolButton::MenuButtonPopup);
    newAction->setShortcut(QKeySequence::New);
    openAction->setShortcut(QKeySequence::Open);
    saveAction->setShortcut(QKeySequence::Save);
    saveAsAction->setShortcut(QKeySequence::SaveAs);
    exitAction->setShortcut(QKeySequence::Quit);
    connect(newAction, &QAction::triggered, this, &TMainWindow::NewMap);
    connect(openAction, &QAction::triggered, this, &TMainWindow::OpenMap);
    connect(saveAction, &QAction::triggered, this, [this] { SaveMap(); });
    connect(saveAsAction, &QAction::triggered, this, [this] { SaveMapAs(); });
    connect(aboutAction, &QAction::triggered, this, &TMainWindow::ShowAbout);
    connect(exitAction, &QAction::triggered, this, &TMainWindow::Quit);
}

void TMainWindow::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar");
    bar->setAccessibleName("Status bar");
    bar->setFixedHeight(24);
    const int widths[3] = {200, 200, 50};
    const char* captions[3] = {"Status", "Map size", "Current cell"};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = new TStatusPanel(captions[i], bar);
        statusPanels[i]->setFrameShape(QFrame::Panel);
        statusPanels[i]->setFrameShadow(QFrame::Sunken);
        if (i < 2)
            statusPanels[i]->setFixedWidth(widths[i]);
        else
            statusPanels[i]->setMinimumWidth(widths[i]);
        bar->addWidget(statusPanels[i], i < 2 ? 0 : 1);
    }
}

void TMainWindow::CreateTabsAndPanels() {
    auto* central = new QWidget(this);
    auto* layout = EdgeToEdge<QVBoxLayout>(central);

    tabs = new QTabBar(central);
    tabs->setObjectName("TCMain");
    tabs->setAccessibleName("Sections");
    tabs->setFont(PixelFont("Times New Roman", 20));
    tabs->setIconSize(QSize(24, 24));
    tabs->setExpanding(false);
    tabs->setDrawBase(true);
    const char* captions[] = {"Rule", "Team", "Player", "World", "Map"};
    for (int i = 0; i < 5; ++i)
        tabs->addTab(IconOf(ImageList("ImageListTabs"), i), captions[i]);
    connect(tabs, &QTabBar::currentChanged, this, &TMainWindow::TabChanged);
    layout->addWidget(tabs);

    splitter = new QSplitter(Qt::Vertical, central);
    splitter->setObjectName("Splitter");
    splitter->setAccessibleName("Map and sheet");
    splitter->setHandleWidth(4);
    splitter->setChildrenCollapsible(false);

    mapPanelHome = new QWidget(splitter);
    mapPanelHome->setObjectName("PanelDock");
    mapPanelHome->setAccessibleName("Map");
    CreateMapPanel();
    EdgeToEdge<QVBoxLayout>(mapPanelHome)->addWidget(mapPanel);

    sheetPanel = new QWidget(splitter);
    sheetPanel->setObjectName("PanelVLE");
    sheetPanel->setAccessibleName("Sheet");
    auto* vleLayout = EdgeToEdge<QHBoxLayout>(sheetPanel);
    slotChoice = new QGroupBox(sheetPanel);
    slotChoice->setObjectName("RGTeamPlayer");
    slotChoice->setFixedWidth(100);
    auto* radioLayout = new QVBoxLayout(slotChoice);
    radioLayout->setContentsMargins(4, 2, 2, 2);
    radioLayout->setSpacing(0);
    slotButtons = new QButtonGroup(slotChoice);
    for (int i = 0; i < MaxTeams; ++i) {
        auto* radio = new QRadioButton(slotChoice);
        radioLayout->addWidget(radio);
        slotButtons->addButton(radio, i);
    }
    radioLayout->addStretch(1);
    connect(slotButtons, &QButtonGroup::idClicked, this, &TMainWindow::SelectTeamOrPlayer);
    propertySheet = new TPropertySheet(sheetPanel);
    propertySheet->SetHooks(SheetHandlersOf(this));
    // Tab leaves the map for the plot's sheet below it.
    QWidget::setTabOrder(gridView, propertySheet);
    vleLayout->addWidget(slotChoice);
    vleLayout->addWidget(propertySheet, 1);

    splitter->addWidget(mapPanelHome);
    splitter->addWidget(sheetPanel);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({360, 200});
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
}

void TMainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown) {
        shown = true;
        RefreshSheet();
    }
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    if (!MayClose()) {
        event->ignore();
        return;
    }
    if (dockWindow != nullptr)
        dockWindow->close();
    SaveSettings();
    session->Recovery().Remove();
    event->accept();
}

void TMainWindow::TabChanged(int index) {
    if (index == sheetTab)
        return;
    // The row being edited goes into the section of the tab being left; a refused row keeps the tab.
    if (!CommitCurrentRow()) {
        const QSignalBlocker blocker(tabs);
        tabs->setCurrentIndex(sheetTab);
        return;
    }
    RefreshSheetOfTab();
}

void TMainWindow::RefreshSheetOfTab() {
    RefreshSheet();
}

bool TMainWindow::GoToTab(int tab) {
    tabs->setCurrentIndex(tab);
    return tabs->currentIndex() == tab;
}

TMap& TMainWindow::Map() const {
    return session->Map();
}

const QString& TMainWindow::FileName() const {
    return session->FileName();
}

bool TMainWindow::Modified() const {
    return session->Modified();
}

void TMainWindow::ShowStatus(const QString& text) {
    statusPanels[0]->Show(text);
}

void TMainWindow::SelectTeamOrPlayer(int index) {
    const int tab = tabs->currentIndex();
    if (updating || (tab != TabTeam && tab != TabPlayer))
        return;
    if (!CommitCurrentRow()) {
        const int shownIndex = tab == TabTeam ? teamIndex : playerIndex;
        if (QAbstractButton* button = slotButtons->button(shownIndex))
            button->setChecked(true);
        return;
    }
    if (tab == TabTeam)
        teamIndex = index;
    else
        playerIndex = index;
    RefreshSheet();
}

const StringList& TMainWindow::SectionRows() const {
    static const StringList none;
    switch (sheetTab) {
    case TabRule:
        return session->Map().Game().GetEditorLines();
    case TabTeam:
        return session->Map().Teams().GetTeam(teamIndex)->GetEditorLines();
    case TabPlayer:
        return session->Map().Players().GetPlayer(playerIndex)->GetEditorLines();
    case TabWorld:
        return session->Map().MapData().GetEditorLines();
    default:
        if (TPlot* plot = GetPlotAt(GridCol(), GridRow()))
            return plot->GetEditorLines();
        return none;
    }
}

void TMainWindow::FillSheet(TPropertySheet& sheet, const StringList& rows,
                            const std::vector<bool>& mixed) const {
    std::vector<int> kinds;
    if (catalogue->EntryCount() > 0) {
        kinds = catalogue->ApplyEditStyles(rows);
    } else {
        // Without a game folder the rows keep their styles, so that opening a list can offer one.
        for (const std::string& row : rows)
            kinds.push_back(TValueCatalogue::KeyTableKind(std::string_view(row).substr(0, row.find('='))));
    }
    sheet.SetRows(rows, kinds, mixed);
}

void TMainWindow::RefreshSheet() {
    if (updating)
        return;
    busyCursor->Busy();
    updating = true;
    const int tab = tabs->currentIndex();
    const bool tabChanged = tab != sheetTab;
    sheetTab = tab;
    const bool teamOrPlayer = tab == TabTeam || tab == TabPlayer;
    if (tab != TabMap && dockWindow != nullptr && dockWindow->isVisible())
        dockWindow->close();
    slotChoice->setVisible(teamOrPlayer);
    if (teamOrPlayer) {
        const bool team = tab == TabTeam;
        slotChoice->setTitle(team ? " Team " : " Player ");
        const StringList& names = team ? catalogue->GetTeamNames() : catalogue->GetPlayerNames();
        for (int i = 0; i < MaxTeams; ++i) {
            QAbstractButton* button = slotButtons->button(i);
            button->setText(FromWindows1252(names[static_cast<std::size_t>(i)]));
            button->setAccessibleName(button->text());
        }
        slotButtons->button(team ? teamIndex : playerIndex)->setChecked(true);
    }
    const bool mapTab = tab == TabMap;
    mapPanelHome->setVisible(mapTab && (dockWindow == nullptr || !dockWindow->isVisible()));
    // The map shown again is painted whole; one that stays repaints what changes on it.
    if (mapTab && tabChanged)
        gridView->viewport()->update();
    if (mapTab && !selected.Empty())
        FillSelectionSheet();
    else
        FillSheet(*propertySheet, SectionRows());
    if (mapTab)
        blinkTimer->start();
    else
        blinkTimer->stop();
    updating = false;
    UpdateStatusBar(-1, -1);
    busyCursor->Idle();
}

void TMainWindow::UpdateStatusBar(int col, int row) {
    statusPanels[0]->Show(startTool && gridView->Tool() == startTool.get() ? startTool->StatusText()
                                                                           : QString("Ready..."));
    const int width = session->Map().Grids().Width(), height = session->Map().Grids().Height();
    statusPanels[1]->Show(QString("Size = (%1 x %2)").arg(width).arg(height),
                          QString("%1 x %2").arg(width).arg(height));
    const int shownCol = col < 0 ? GridCol() : col, shownRow = row < 0 ? GridRow() : row;
    statusPanels[2]->Show(QString("(%1, %2)").arg(shownCol).arg(shownRow),
                          QString("column %1, row %2").arg(shownCol).arg(shownRow));
}

bool TMainWindow::MayClose() {
    return ConfirmSaveChanges();
}

void TMainWindow::Quit() {
    close();
}
