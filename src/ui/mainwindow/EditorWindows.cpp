#include "ui/mainwindow/EditorWindows.h"

#include "support/ImageList.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/NewMapDialog.h"
#include "ui/dialogs/ValuePickerDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/windows/DockWindow.h"
#include "ui/windows/MiniMapWindow.h"
#include "ui/windows/OptionsWindow.h"
#include "ui/windows/UnitsCityWindow.h"

TEditorWindows::TEditorWindows(const QString& gameDir) {
    mainForm = std::make_unique<TMainWindow>(gameDir);
    MainForm = mainForm.get();
    OptionsForm = new TOptionsWindow(MainForm->ImageList("ImageListToolBar"),
                                     MainForm->ImageList("ImageListYesNo"), MainForm);
    UCForm = new TUnitsCityWindow(*MainForm, MainForm);
    MiniMapForm = new TMiniMapWindow(MainForm->MiniMapBitmap(), MainForm);
    NewMapForm = new TNewMapDialog(*MainForm, MainForm);
    AboutForm = new TAboutDialog(MainForm->Resources(), MainForm);
    DockForm = new TDockWindow(MainForm);
    MVForm = new TValuePickerDialog(MainForm->ImageList("ImageListToolBar"), MainForm);
    MainForm->WindowsCreated();
}

TEditorWindows::~TEditorWindows() {
    MainForm = nullptr;
    OptionsForm = nullptr;
    UCForm = nullptr;
    MiniMapForm = nullptr;
    NewMapForm = nullptr;
    AboutForm = nullptr;
    DockForm = nullptr;
    MVForm = nullptr;
    mainForm.reset();
}
