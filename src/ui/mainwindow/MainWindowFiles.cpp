// The main window's files: open, save, save as, new, the question before a map is discarded, the
// game folder, and the progress of a load.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"
#include "ui/mainwindow/StatusPanel.h"

#include "catalogue/Catalogue.h"
#include "document/MapContents.h"
#include "support/BusyCursor.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/sheet/PropertySheet.h"
#include <QUndoStack>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QSettings>
#include <QSpinBox>

#include <new>

namespace {

constexpr const char* Title = "QuarraMapEditor V2";
constexpr const char* MapExtension = ".Civ4WorldBuilderSave";
constexpr const char* GameFolderSetting = "gameFolder";

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Whether the folder holds the game's XML files (Assets/XML, in any letter case).
bool HoldsGameFiles(const QString& dir) {
    if (dir.isEmpty())
        return false;
    std::string resolved;
    return ResolvePathIgnoringCase(LocalPath(QDir(dir).filePath("Assets/XML")), resolved) &&
           QFileInfo(QFile::decodeName(resolved.c_str())).isDir();
}

} // namespace

QStringList TMainWindow::FileFilters() {
    return {"Civ4MapFiles (*.Civ4WorldBuilderSave)", "All files (*.*)",
            "Civ4 expansion map files (*.CivWarlordsWBSave *.CivBeyondSwordWBSave)"};
}

QString TMainWindow::WithMapExtension(const QString& path) {
    for (const char* extension : {MapExtension, ".CivWarlordsWBSave", ".CivBeyondSwordWBSave"})
        if (path.endsWith(extension, Qt::CaseInsensitive))
            return path;
    return path + MapExtension;
}

void TMainWindow::SetDialogs(std::unique_ptr<TDialogs> value) {
    dialogs = std::move(value);
}

void TMainWindow::ShowError(const QString& text) {
    dialogs->ShowMessage(this, text);
}

void TMainWindow::ShowLoadProgress(int position, int total) {
    if (position % 500 != 0 && total - position >= 500)
        return;
    statusPanels[0]->Show(QString("Analysing (%1 / %2)").arg(position).arg(total));
    // Only painting: the busy cursor is on and no other action may start in the middle of a load.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TMainWindow::ConfirmSaveChanges() {
    // A row being typed is a change like any other: it goes into the map before the question, and
    // one the map refuses stops what asked.
    if (!CommitCurrentRow())
        return false;
    if (!session->Modified())
        return true;
    switch (dialogs->AskYesNoCancel("Save file confirmation", "Save map file before proceed?")) {
    case TDialogs::TAnswer::Cancel:
        return false;
    case TDialogs::TAnswer::No:
        return true;
    case TDialogs::TAnswer::Yes:
        // A save that fails or a Save as the user cancels stops what asked.
        return SaveMap();
    }
    return false;
}

void TMainWindow::OpenMap() {
    if (!ConfirmSaveChanges())
        return;
    const QString path = dialogs->ChooseFileToOpen(this, openFolder, FileFilters());
    if (!path.isEmpty())
        OpenFile(path);
}

bool TMainWindow::OpenFileAsking(const QString& path) {
    return ConfirmSaveChanges() && OpenFile(path);
}

bool TMainWindow::OpenFile(const QString& path) {
    busyCursor->Busy();
    // The map is read into a document of its own and taken over only when it loaded, so a failed
    // open leaves the current map, its name and the sheet as they were.
    auto loaded = std::make_unique<TMap>();
    loaded->SetOnProgress([this](TMap&, int position, int total) { ShowLoadProgress(position, total); });
    try {
        loaded->LoadFromFile(LocalPath(path));
    } catch (const TMapFileError& error) {
        statusPanels[0]->Show("Ready...");
        busyCursor->Idle();
        ShowError(QString::fromLocal8Bit(error.Message().c_str()));
        return false;
    }
    loaded->SetOnProgress(nullptr);
    const QString fileName = QFileInfo(path).absoluteFilePath();
    session->SetFileName(fileName);
    teamIndex = playerIndex = 0;
    chosenLayers.reset();
    // The windows that follow the map hear of the new one here, its layers taken up with it.
    session->TakeMap(std::move(loaded));
    setWindowTitle(QString(Title) + " - " + QFileInfo(fileName).fileName());
    saveFileName = fileName;
    openFolder = QFileInfo(fileName).absolutePath();
    ResetGridSize();
    RebuildMiniMap(-1, -1);
    RefreshSheet();
    AddRecentMap(fileName);
    busyCursor->Idle();
    return true;
}

bool TMainWindow::SaveMapTo(const QString& path) {
    busyCursor->Busy();
    try {
        session->Map().SaveToFile(LocalPath(path));
    } catch (const TMapFileError& error) {
        busyCursor->Idle();
        ShowError(QString::fromLocal8Bit(error.Message().c_str()));
        return false;
    }
    busyCursor->Idle();
    dialogs->ShowMessage(this, "File saved!");
    session->MarkSaved();
    return true;
}

bool TMainWindow::SaveMap() {
    if (!CommitCurrentRow())
        return false;
    if (session->FileName().isEmpty())
        return SaveMapAs();
    return SaveMapTo(session->FileName());
}

bool TMainWindow::SaveMapAs() {
    const QString folder = saveFolder.isEmpty() ? publicMapsDir : saveFolder;
    const QString chosen = dialogs->ChooseFileToSave(this, folder, saveFileName, FileFilters());
    if (chosen.isEmpty())
        return false;
    if (!CommitCurrentRow())
        return false;
    const QString fileName = WithMapExtension(QFileInfo(chosen).absoluteFilePath());
    session->SetFileName(fileName);
    saveFileName = fileName;
    saveFolder = QFileInfo(fileName).absolutePath();
    setWindowTitle(QString(Title) + " - " + QFileInfo(fileName).fileName());
    // Another extension names another edition.
    UpdateLayers();
    if (!SaveMapTo(fileName))
        return false;
    AddRecentMap(fileName);
    return true;
}

void TMainWindow::NewMap() {
    if (!ConfirmSaveChanges())
        return;
    TMap& map = session->Map();
    map.Clear();
    map.MapData().SetGridWidth(1);
    map.MapData().SetGridHeight(1);
    map.Grids().SetWidth(1);
    map.Grids().SetHeight(1);
    ResetGridSize();
    session->SetFileName(QString());
    setWindowTitle(Title);
    teamIndex = playerIndex = 0;
    chosenLayers.reset();
    UpdateLayers();
    RebuildMiniMap(-1, -1);
    RefreshSheet();
    session->ClearHistory();
}

void TMainWindow::BuildEmptyMap() {
    if (newMapDialog == nullptr || newMapDialog->exec() != QDialog::Accepted)
        return;
    const int width = newMapDialog->NumWidth()->value();
    const int height = newMapDialog->NumHeight()->value();
    TDocumentChange change;
    change.text = "Build a new map";
    change.scope = TChangeScope::WholeDocument();
    change.apply = [width, height](TMap& document) {
        // The grid is built apart and taken over whole: one too large for the memory at hand
        // leaves the map as it was.
        TPlotGrid grids;
        try {
            grids.SetWidth(width);
            grids.SetHeight(height);
        } catch (const std::bad_alloc&) {
            throw OperationAborted("Not enough memory for the grid");
        }
        document.Grids() = std::move(grids);
        document.MapData().SetGridWidth(width);
        document.MapData().SetGridHeight(height);
    };
    if (!WhileBusy(*busyCursor, [&] { return session->Change(change); })) {
        ShowError(QString("There is not enough memory for a map of %1 x %2 plots. The map was not changed.")
                      .arg(width)
                      .arg(height));
        return;
    }
}

void TMainWindow::ShowAbout() {
    if (aboutDialog != nullptr)
        aboutDialog->exec();
}

void TMainWindow::FindGameFolder(const QString& commandLineDir) {
    installDir.clear();
    publicMapsDir.clear();
    if (!commandLineDir.isEmpty()) {
        SetGameFolder(QDir(commandLineDir).absolutePath(), true);
        return;
    }
    QString found = QFile::decodeName(::FindGameFolder(TGameSearchPlaces::FromEnvironment()).c_str());
    if (found.isEmpty()) {
        const QString remembered = QSettings().value(GameFolderSetting).toString();
        if (HoldsGameFiles(remembered))
            found = remembered;
    }
    SetGameFolder(found, false);
}

void TMainWindow::SetGameFolder(const QString& dir, bool remember) {
    installDir = dir;
    publicMapsDir = dir.isEmpty() ? QString() : QDir(dir).filePath("PublicMaps");
    if (!publicMapsDir.isEmpty() && QFileInfo(publicMapsDir).isDir()) {
        openFolder = publicMapsDir;
        saveFolder = publicMapsDir;
    }
    UpdateLayers();
    if (remember && !dir.isEmpty())
        QSettings().setValue(GameFolderSetting, dir);
}

void TMainWindow::AskForGameFolder() {
    if (!installDir.isEmpty() || gameFolderAsked)
        return;
    gameFolderAsked = true;
    const QString dir = dialogs->ChooseFolder(
        this, "Where is Civilization IV installed? Choose the folder that holds Assets.", QDir::homePath());
    if (dir.isEmpty())
        return;
    if (!HoldsGameFiles(dir)) {
        ShowError(QString("The folder \"%1\" does not hold the game's XML files (Assets/XML).")
                      .arg(QDir::toNativeSeparators(dir)));
        return;
    }
    SetGameFolder(dir, true);
}

void TMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().constFirst().isLocalFile())
        event->acceptProposedAction();
}

void TMainWindow::dropEvent(QDropEvent* event) {
    const QString path = event->mimeData()->urls().constFirst().toLocalFile();
    event->acceptProposedAction();
    // The drop ends before the question and the load, which may run a modal dialog.
    QMetaObject::invokeMethod(
        this, [this, path] { OpenFileAsking(path); }, Qt::QueuedConnection);
}
