#include "EditorWindows.h"

#include "ImageList.h"
#include "Tessel_About.h"
#include "Tessel_DockForm.h"
#include "Tessel_Main.h"
#include "Tessel_MiniMap.h"
#include "Tessel_MultiValues.h"
#include "Tessel_NewMap.h"
#include "Tessel_Options.h"
#include "Tessel_UnitsCity.h"

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
