#pragma once

// The main window: the hub that owns the one document, the one catalogue, the busy cursor and the
// image lists for the whole run, with its program tool bar, status bar, five tabs and the property
// sheet of the selected tab. It wires the sheet, the picker and the map's widgets together; what
// they do lives in their own classes. The tools and other windows reach it as their editor host.

#include "catalogue/GameLayers.h"
#include "document/LineCodec.h"
#include "document/MapTurn.h"
#include "document/PlotSet.h"
#include "document/SelectionTransform.h"
#include "edit/DocumentChange.h"
#include "ui/EditorHost.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QAction;
class QButtonGroup;
class QToolButton;
class QGroupBox;
class QLabel;
class QSlider;
class QSplitter;
class QTabBar;
class QToolBar;
class QWidget;
class TAboutDialog;
class TBrushTool;
class TDockWindow;
class TMiniMapWindow;
class TNewMapDialog;
class TOptionsWindow;
class TUnitsCityWindow;
class TValuePickerDialog;
class TBusyCursor;
class TCheckWindow;
class TToolWindow;
class TDialogs;
class TImageList;
class TMap;
class TValueCatalogue;
class TPlot;
class TMapGridView;
class TMiniMapBitmap;
class TAppResources;
class TPropertySheet;
class TSelectionTool;
class TMagicWandTool;
struct TSelectionGesture;
class TStatusPanel;
class TEditSession;
class TRecordSnapshot;
class TRiverTool;
class TMapGridTool;
class QPainter;
struct TCellRange;
struct TReshapeResult;
class THistoryWindow;
class TStartTool;
class TBalanceWindow;
class QMenu;
class QTimer;

class TMainWindow : public QMainWindow, public TEditorHost {
    Q_OBJECT
public:
    // gameDir: the game folder named on the command line; empty to search for it.
    explicit TMainWindow(const QString& gameDir = QString(), QWidget* parent = nullptr);
    ~TMainWindow() override;

    // Message boxes and file dialogs; tests put answers of their own in.
    void SetDialogs(std::unique_ptr<TDialogs> dialogs);
    TDialogs& Dialogs() const override { return *dialogs; }
    TEditSession& Session() const override { return *session; }
    QWidget* HostWindow() override { return this; }

    // The program tool bar.
    void NewMap();
    void OpenMap();
    bool SaveMap();
    bool SaveMapAs();
    void ShowAbout();
    void Quit();
    // The map tool bar's "Build a new map": an empty grid of the size the user gives.
    void BuildEmptyMap();
    // Opens a map as "Open" does once its file is chosen: the current map stays when the load fails.
    bool OpenFile(const QString& path);
    // "Open" without the file dialog: asks to save a modified map first.
    bool OpenFileAsking(const QString& path);

    // The tabs, the team and player selector, the sheet's rows and the status bar.
    void RefreshSheetOfTab();
    void SelectTeamOrPlayer(int index) override;
    void RefreshSheet() override;
    void UpdateStatusBar(int col, int row);
    void ShowLoadProgress(int position, int total);
    bool ConfirmSaveChanges();
    bool MayClose();
    void FindGameFolder(const QString& commandLineDir);

    // Editing the sheet's rows.
    bool ValidateRow(int row, const QString& key, const QString& value);
    QStringList PickList(const QString& key) override;
    // Whether the lists come without a question: the game folder is known, or was asked for.
    bool PickListsReady() const override { return !installDir.isEmpty() || gameFolderAsked; }
    void PickRowValues(int row);
    bool CommitCurrentRow() override;
    bool IsTeamPickList() const;
    bool IsPlayerPickList() const;
    void MarkPickedValues(const QString& text);
    QString CollectPickedValues() const;
    // What every property sheet of the editor shares with this window's own.
    // The rows with their edit styles; without a game folder each keeps the style its key has.
    void FillSheet(TPropertySheet& sheet, const StringList& rows,
                   const std::vector<bool>& mixed = {}) const override;
    // The row as the document's bytes, or nothing after a message naming the character that the
    // map's code page cannot hold.
    std::optional<std::string> EditorLine(const QString& key, const QString& value) override;
    // Shows the picker on the key's legal values with the comma text's values marked: the values
    // chosen, or nothing when the picker was cancelled or the values could not be listed.
    std::optional<QString> PickValues(const QString& key, const QString& current) override;

    // Settings kept between runs, the recent maps on the "Open" button, and crash recovery.
    void SaveSettings() const;
    // The remembered geometry; at a first start most of the screen, at least the layout's size.
    void RestoreSettings();
    static constexpr QSize LayoutSize{870, 640};
    const QStringList& RecentMaps() const { return recentMaps; }
    void OpenRecentMap(const QString& path);
    // Offers to restore each map an editor that did not end cleanly left behind.
    void OfferRecovery();

    // Undo and Redo of the session, after a stroke of the brush under way ends.
    void Undo();
    void Redo();
    QAction* UndoAction() const { return undoAction; }
    QAction* RedoAction() const { return redoAction; }
    // The map's extent, each one step of the history. The rectangle is in map coordinates.
    bool CropMapTo(const QRect& plots);
    void CropMapToSelection();
    void ExtendMap();
    void ShiftMap();
    THistoryWindow* HistoryWindow() const { return historyWindow; }
    // "Check map": the map's values checked against the game's rules, in a window of their own.
    TCheckWindow* CheckWindow() const { return checkWindow; }

    // Editing many plots at once (MainWindowEditing.cpp, MainWindowSelection.cpp). The plots selected
    // on the map, in map coordinates, of any shape, and the rectangle round them; empty when none.
    const TPlotSet& SelectedSet() const { return selected; }
    const QRect& Selection() const { return selectionBounds; }
    // Selects the plots (cut to the map; an empty set clears the selection) and shows their rows;
    // false when the row being edited is refused.
    bool SetSelection(const TPlotSet& plots);
    bool SetSelection(const QRect& plots);
    // The plots the editing keys act on: the selection, or else the plot of the current cell.
    TPlotSet SelectedPlots() const;
    // The magic wand at plot (x, y): the plots joined to it through its terrain and plot type.
    void SelectAlikeAt(int x, int y);
    // Every plot with the current plot's value in the row under the sheet's cursor.
    void SelectAllLikeThis();
    // The land joined to the current plot, or its body of water.
    void SelectLandmass();
    // Mirrors or turns the selection, or the whole map when nothing is selected; one step. A quarter
    // turn of a selection asks for a square one.
    void TurnSelectionOrMap(TMapTurn::TKind kind);
    // Moves the selected plots by whole plots (dy > 0 goes north), what they leave behind filled as
    // the fill row says; one step. False when nothing moved.
    bool MoveSelection(int dx, int dy);
    void CopyPlots();
    void PastePlots();
    void DeleteUnitsAndCities();
    // The brush: "Paint", "Brush size", and the row it paints (the row under the sheet's cursor, as
    // shown and as the document's bytes), or nothing after saying why there is none.
    void UseBrush(bool down);
    // Takes 1, 3 or 5 plots a side, and shows it on the "Brush size" button.
    void BrushSizeChange(int size);
    std::optional<std::pair<QString, std::string>> PaintRow() override;
    void ShowStatus(const QString& text) override;
    // A button with a menu of the three sizes.
    QToolButton* BrushSize() const { return brushSize; }
    TBrushTool& BrushTool() const { return *brushTool; }

    // The map of the "Map" tab.
    // The plot under grid column col and row row (row 0 is the map's largest y), or null.
    TPlot* GetPlotAt(int col, int row) const;
    int GridCol() const;
    int GridRow() const;
    // Takes the plot grid's size and puts the current cell at its top-left corner.
    void ResetGridSize();
    bool SelectCell(int col, int row);
    // Gives the keyboard to the plot's sheet from the map, else to the map when it is shown.
    void SwitchMapAndSheet();
    void MapScrolled();
    void MapPanelResized();
    void SetZoom(int value);
    void ZoomOut();
    void ZoomIn();
    void ShowGridLines(bool down);
    void ShowPictures(bool down);
    // The "River" toggle: the grid shows the rivers edge by edge and draws them with the river tool.
    void UseRiverTool(bool down);
    TRiverTool* RiverTool() const { return riverTool.get(); }
    void BlinkCurrentCell();
    void PaintMiniMapCell(int col, int row);
    void RebuildMiniMap(int col, int row);
    bool SyncMiniMapView(int leftCol, int topRow, bool force);
    const TMiniMapBitmap& MiniMapBitmap() const { return *miniMapBitmap; }
    // The editor's other windows, made once with this one and owned by it.
    TOptionsWindow* OptionsWindow() const { return optionsWindow; }
    TUnitsCityWindow* UnitsCityWindow() const { return unitsCityWindow; }
    TMiniMapWindow* MiniMapWindow() const { return miniMapWindow; }
    TNewMapDialog* NewMapDialog() const { return newMapDialog; }
    TAboutDialog* AboutDialog() const { return aboutDialog; }
    TDockWindow* DockWindow() const { return dockWindow; }
    TValuePickerDialog* ValuePicker() const { return valuePicker; }

    // The game's layers the open map runs with (MainFormLayers.cpp): its own edition and mod, or
    // those the user chose for it on the status bar's "Game layers" button. The catalogue, the
    // Check map window and the Balance window read the game's rules from them.
    const TGameLayers& Layers() const override { return layers; }
    // Runs the open map with another edition and mod, without changing its file; nothing goes back
    // to what the map and the game folder say. Opening another map goes back too.
    void ChooseLayers(const std::optional<TLayerChoice>& choice);
    // The edition and mod in use for the open map.
    TLayerChoice LayerChoice() const { return layersMadeFor ? layersMadeFor->second : TLayerChoice(); }
    QToolButton* LayersButton() const { return layersButton; }

    TMap& Map() const;
    TValueCatalogue& Catalogue() const override { return *catalogue; }
    TBusyCursor& BusyCursor() const override { return *busyCursor; }
    const TAppResources& Resources() const { return *resources; }
    // The session's map, its file and whether it has unsaved changes.
    const QString& FileName() const;
    bool Modified() const;
    bool Updating() const { return updating; }
    int TeamIndex() const override { return teamIndex; }
    int PlayerIndex() const override { return playerIndex; }
    const QString& InstallDir() const override { return installDir; }
    const QString& PublicMapsDir() const { return publicMapsDir; }
    static QStringList FileFilters();
    // The name a map is saved under: the map extension is added unless the name ends in it or in an
    // expansion's extension.
    static QString WithMapExtension(const QString& path);

    TPropertySheet* Sheet() const override { return propertySheet; }
    QTabBar* Tabs() const { return tabs; }
    QGroupBox* TeamPlayerChoice() const { return slotChoice; }
    QWidget* MapPanelHome() const { return mapPanelHome; }
    QWidget* MapPanel() const { return mapPanel; }
    QSplitter* Splitter() const { return splitter; }
    TStatusPanel* StatusPanel(int index) const { return statusPanels[index]; }
    QToolBar* ProgramToolBar() const { return programToolBar; }
    QToolBar* MapToolBar() const { return mapToolBar; }
    QSlider* ZoomSlider() const { return zoomSlider; }
    TMapGridView* GridView() const override { return gridView; }
    QAction* MapButton(const char* name) const;
    // The starts on the map: the "Start" tool that places them and the "Balance" window that
    // compares them.
    void UseStartTool(bool down);
    TStartTool& StartTool() const { return *startTool; }
    TBalanceWindow* BalanceWindow() const { return balanceWindow; }
    QTimer* BlinkTimer() const { return blinkTimer; }
    const TImageList& ImageList(const char* name) const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateParts(const QString& gameDir);
    void CreateImageLists();
    void CreateProgramToolBar();
    void CreateStatusBar();
    void CreateTabsAndPanels();
    void CreateMapPanel();
    void CreateStartTools();
    // The other windows, and their ties to this one: their buttons, the options the grid paints with.
    void CreateWindows();
    // One tool on the grid at a time: a tool's button down releases the others' buttons.
    void SetMapTool(TMapGridTool* tool, bool down);
    // What the grid paints over its cells: the rivers edge by edge while their tool is on, then the
    // start flags.
    void PaintGridOverlay(QPainter& painter, const TCellRange& cells);
    void PaintStartOverlay(QPainter& painter, const TCellRange& cells);
    QAction* AddProgramButton(const QString& caption, const QString& hint, int image);
    void TabChanged(int index);
    // The rows of the sheet's section, as the document gives them.
    const StringList& SectionRows() const;
    void SetGameFolder(const QString& dir, bool remember);
    void CreateLayersButton();
    void FillLayersMenu();
    // Takes the layers the map and the user's choice now ask for, when they are other than those
    // in use, and shows them.
    void UpdateLayers();
    // Offers a folder dialog the first time a list is asked for in a run without a game folder.
    void AskForGameFolder();
    bool SaveMapTo(const QString& path);
    void AddRecentMap(const QString& path);
    void ForgetRecentMap(const QString& path);
    void CreateHistory();
    void FitToScreen();
    bool ReshapeMap(const QString& text, const std::function<TReshapeResult(TMap&)>& reshape);
    void ShowPlotCells(const std::vector<QPoint>& places);
    void CreateEditingTools();
    void CreateSelectionTools();
    void CreateTurnTools();
    // What the selection tool's gesture asks for.
    void SelectionGesture(const TSelectionGesture& gesture);
    // Frames the cells of a drag not yet let go; an empty rectangle frames the selection again.
    void ShowSelectionFrame(const QRect& cells);
    // Shows the selection's outline moved by so many cells while a drag moves it.
    void ShowSelectionMoved(QPoint cells);
    // The sheet of the selected plots; a row written there goes into all of them.
    void FillSelectionSheet();
    TDocumentChange SelectionRowChange(const QString& key, const StringList& rows) const;
    // Shows what a change touched: its plots repainted, or its tab shown when it comes from the
    // history.
    void ShowChange(const TChangeScope& scope, bool fromHistory);
    void ShowTab(int tab);
    bool GoToTab(int tab) override;
    // Fills the sheet again with the cursor on the row of the key it was on, when the tab stays.
    void RefreshSheetKeepingRow();
    void FillRecentMenu();
    void ShowError(const QString& text);
    QAction* AddMapButton(const QString& hint, int image, bool toggle, const char* name);
    // A drop-down button of the map tool bar showing its caption, with an empty menu named `menuName`.
    // A drop-down button rather than a combo box: screen readers on Linux name a combo box by its
    // text, and these go by their hint.
    QToolButton* AddMapMenuButton(const char* name, const QString& caption, const QString& hint,
                                  const char* menuName);
    // The toggle button shows and closes the window, and the window closed by other means releases it.
    void ShowWindowWith(QAction* button, TToolWindow* window);
    // A new layout of the widget that leaves no margin and no space between its items.
    template <typename TLayout> static TLayout* EdgeToEdge(QWidget* widget) {
        auto* layout = new TLayout(widget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        return layout;
    }
    // Sets a toggle button without running its handler.
    void SetButtonDown(const char* name, bool down);

    std::unique_ptr<TDialogs> dialogs;
    TEditSession* session = nullptr;
    std::unique_ptr<TValueCatalogue> catalogue;
    std::unique_ptr<TAppResources> resources;
    QMenu* recentMenu = nullptr;
    QStringList recentMaps;
    TBusyCursor* busyCursor = nullptr;
    std::unique_ptr<TMiniMapBitmap> miniMapBitmap;

    QString installDir, publicMapsDir;
    QString openFolder, saveFolder, saveFileName;
    int teamIndex = 0, playerIndex = 0;
    bool blinkOn = false, updating = false;
    bool gameFolderAsked = false;
    bool shown = false;
    // The tab, team, player and plot whose rows the sheet shows: a row is written back there.
    int sheetTab = TabRule;

    QToolBar* programToolBar = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* exitAction = nullptr;
    TStatusPanel* statusPanels[3] = {};
    QTabBar* tabs = nullptr;
    QWidget* mapPanelHome = nullptr;
    QWidget* mapPanel = nullptr;
    QSplitter* splitter = nullptr;
    QWidget* sheetPanel = nullptr;
    QGroupBox* slotChoice = nullptr;
    QButtonGroup* slotButtons = nullptr;
    TPropertySheet* propertySheet = nullptr;
    QToolBar* mapToolBar = nullptr;
    QSlider* zoomSlider = nullptr;
    TMapGridView* gridView = nullptr;
    std::unique_ptr<TRiverTool> riverTool;
    QTimer* blinkTimer = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    THistoryWindow* historyWindow = nullptr;
    std::unique_ptr<TStartTool> startTool;
    TBalanceWindow* balanceWindow = nullptr;
    TCheckWindow* checkWindow = nullptr;
    TOptionsWindow* optionsWindow = nullptr;
    TUnitsCityWindow* unitsCityWindow = nullptr;
    TMiniMapWindow* miniMapWindow = nullptr;
    TNewMapDialog* newMapDialog = nullptr;
    TAboutDialog* aboutDialog = nullptr;
    TDockWindow* dockWindow = nullptr;
    TValuePickerDialog* valuePicker = nullptr;
    TPlotSet selected;
    QRect selectionBounds;
    QRect draggedCells;
    QPoint draggedBy;
    QAction* magicWand = nullptr;
    // What a move leaves behind; nothing: the terrain of the edge it moves away from.
    std::optional<TPlotFill> moveFill;
    std::unique_ptr<TMagicWandTool> magicWandTool;
    QToolButton* brushSize = nullptr;
    std::unique_ptr<TBrushTool> brushTool;
    std::unique_ptr<TSelectionTool> selectionTool;
    TGameLayers layers;
    std::optional<TLayerChoice> chosenLayers;
    // The root and choice the layers in use were resolved for.
    std::optional<std::pair<std::string, TLayerChoice>> layersMadeFor;
    QToolButton* layersButton = nullptr;
};
