// What the main window keeps between runs (window geometry, the map's view, folders, the recent maps)
// and the recovery copies it offers at a start.

#include "ui/mainwindow/MainWindow.h"

#include "edit/EditSession.h"
#include "edit/Recovery.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/mainwindow/EditorSettings.h"
#include "ui/mapview/MapGridView.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>

namespace {

constexpr int MaxRecentMaps = 10;

} // namespace

void TMainWindow::OfferRecovery() {
    for (const TRecovery::TOrphan& orphan : TRecovery::Orphans()) {
        const QString name = orphan.originalName.isEmpty() ? QString("an unnamed map")
                                                           : QFileInfo(orphan.originalName).fileName();
        const TDialogs::TAnswer answer = dialogs->AskYesNoCancel(
            "Recovery", QString("Tessel closed without saving %1. Restore the changes?").arg(name));
        if (answer == TDialogs::TAnswer::Cancel)
            continue; // asked again at the next start
        if (answer == TDialogs::TAnswer::No) {
            TRecovery::Discard(orphan);
            continue;
        }
        const QString folderBefore = openFolder;
        if (!ConfirmSaveChanges())
            continue;
        if (!OpenFile(orphan.mapFile)) {
            // Not offered again at every start, and not deleted either: what it holds may still be
            // saved by hand.
            const QString keptAs = TRecovery::SetAside(orphan);
            ShowError(QString("The recovery copy of %1 could not be opened. It is kept as \"%2\".")
                          .arg(name, QDir::toNativeSeparators(keptAs)));
            continue;
        }
        session->Recovery().Adopt(orphan);
        // The copy stands for the map's own file: it is neither a recent map nor a folder to open from.
        ForgetRecentMap(orphan.mapFile);
        const QString& fileName = orphan.originalName;
        session->SetFileName(fileName);
        setWindowTitle(fileName.isEmpty() ? QString("QuarraMapEditor V2")
                                          : "QuarraMapEditor V2 - " + QFileInfo(fileName).fileName());
        saveFileName = fileName;
        openFolder = fileName.isEmpty() ? folderBefore : QFileInfo(fileName).absolutePath();
        if (!fileName.isEmpty())
            AddRecentMap(fileName);
        // The restored changes are unsaved whatever is undone afterwards: no step is the saved state.
        session->MarkUnsaved();
    }
}

void TMainWindow::SaveSettings() const {
    QSettings settings;
    settings.setValue("window/geometry", saveGeometry());
    settings.setValue("window/splitter", splitter->saveState());
    settings.setValue("folders/open", openFolder);
    settings.setValue("folders/save", saveFolder);
    settings.setValue("recentMaps", recentMaps);
    TEditorSettings::SetMapView({gridView->Zoom(), gridView->GraphicMode(), gridView->GridLines()});
}

void TMainWindow::FitToScreen() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr)
        return;
    const QRect available = shownOn->availableGeometry();
    const QSize size = (available.size() * 0.8).expandedTo(LayoutSize).boundedTo(available.size());
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
}

void TMainWindow::RestoreSettings() {
    QSettings settings;
    if (!restoreGeometry(settings.value("window/geometry").toByteArray()))
        FitToScreen();
    splitter->restoreState(settings.value("window/splitter").toByteArray());
    openFolder = settings.value("folders/open", openFolder).toString();
    saveFolder = settings.value("folders/save", saveFolder).toString();
    recentMaps = settings.value("recentMaps").toStringList().mid(0, MaxRecentMaps);
    FillRecentMenu();
    // The buttons' handlers set the grid as a click does.
    const TMapViewSettings view = TEditorSettings::MapView();
    zoomSlider->setValue(view.zoom);
    MapButton("BtnGraphicMode")->setChecked(view.graphicMode);
    MapButton("BtnShowGridLine")->setChecked(view.gridLines);
}

void TMainWindow::AddRecentMap(const QString& path) {
    recentMaps.removeAll(path);
    recentMaps.prepend(path);
    while (recentMaps.size() > MaxRecentMaps)
        recentMaps.removeLast();
    QSettings().setValue("recentMaps", recentMaps);
    FillRecentMenu();
}

void TMainWindow::ForgetRecentMap(const QString& path) {
    if (recentMaps.removeAll(path) == 0)
        return;
    QSettings().setValue("recentMaps", recentMaps);
    FillRecentMenu();
}

void TMainWindow::FillRecentMenu() {
    recentMenu->clear();
    for (const QString& path : recentMaps)
        recentMenu->addAction(QFileInfo(path).fileName(), this, [this, path] { OpenRecentMap(path); })
            ->setToolTip(path);
    recentMenu->setEnabled(!recentMaps.isEmpty());
}

void TMainWindow::OpenRecentMap(const QString& path) {
    if (!QFileInfo::exists(path)) {
        ForgetRecentMap(path);
        ShowError(
            QString("The map \"%1\" no longer exists; it is taken off the list of recent maps.").arg(path));
        return;
    }
    OpenFileAsking(path);
}
