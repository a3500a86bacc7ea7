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
    mainForm = std::make_unique<TMainForm>(gameDir);
    MainForm = mainForm.get();
    OptionsForm = new TOptionsForm(MainForm->ImageList("ImageListToolBar"),
                                   MainForm->ImageList("ImageListYesNo"), MainForm);
    UCForm = new TUCForm(MainForm);
    MiniMapForm = new TMiniMapForm(MainForm->MiniMapBitmap(), MainForm);
    NewMapForm = new TNewMapForm(MainForm);
    AboutForm = new TAboutForm(MainForm->Utils(), MainForm);
    DockForm = new TDockForm(MainForm);
    MVForm = new TMVForm(MainForm->ImageList("ImageListToolBar"), MainForm);
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
