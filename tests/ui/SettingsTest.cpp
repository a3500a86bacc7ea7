// What the editor remembers between runs: the window, the map's view, the folders, the maps opened
// last on the "Open" button, and the brush.

#include "EditorFixture.h"

#include "ui/tools/BrushTool.h"

#include "ui/mainwindow/EditorSettings.h"
#include "ui/mapview/MapGridView.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>
#include <QToolButton>

namespace {

class SettingsTest : public EditorFixture {
protected:
    void TearDown() override {
        EditorFixture::TearDown();
        QSettings().clear();
    }
    // Ends the editor as the user does and starts a new one.
    void Restart() {
        ASSERT_TRUE(mainWindow->close());
        StartEditor(SampleGame());
    }
    QString CopyOfSample(const QTemporaryDir& dir, const QString& name) const {
        const QString path = dir.filePath(name + ".Civ4WorldBuilderSave");
        EXPECT_TRUE(QFile::copy(SampleMap(), path));
        return path;
    }
    static QMenu& RecentMenu() { return *mainWindow->findChild<QMenu*>("RecentMaps"); }
    static QStringList RecentMenuTexts() {
        QStringList texts;
        for (const QAction* action : RecentMenu().actions())
            texts.append(action->text());
        return texts;
    }
    static void ShowMapTab() {
        mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
        QCoreApplication::processEvents();
    }

    QTemporaryDir openDir, saveDir;
};

TEST_F(SettingsTest, TheWindowTheMapsViewAndTheFoldersComeBackInASecondEditor) {
    ASSERT_TRUE(mainWindow->OpenFile(CopyOfSample(openDir, "Opened")));
    ShowMapTab();
    mainWindow->resize(760, 560);
    mainWindow->Splitter()->setSizes({300, 180});
    QCoreApplication::processEvents();
    const QList<int> splitterSizes = mainWindow->Splitter()->sizes();
    mainWindow->ZoomSlider()->setValue(64);
    mainWindow->MapButton("BtnGraphicMode")->trigger();
    mainWindow->MapButton("BtnShowGridLine")->trigger();
    dialogs->filesToSave.push_back(saveDir.filePath("Saved"));
    ASSERT_TRUE(mainWindow->SaveMapAs());

    Restart();
    ShowMapTab();
    EXPECT_EQ(mainWindow->size(), QSize(760, 560));
    EXPECT_EQ(mainWindow->Splitter()->sizes(), splitterSizes);
    EXPECT_EQ(mainWindow->GridView()->Zoom(), 64);
    EXPECT_EQ(mainWindow->ZoomSlider()->value(), 64);
    EXPECT_TRUE(mainWindow->GridView()->GraphicMode());
    EXPECT_TRUE(mainWindow->MapButton("BtnGraphicMode")->isChecked());
    EXPECT_FALSE(mainWindow->GridView()->GridLines());
    EXPECT_FALSE(mainWindow->MapButton("BtnShowGridLine")->isChecked());
    mainWindow->OpenMap();
    mainWindow->SaveMapAs();
    EXPECT_EQ(dialogs->openFolders, QStringList({openDir.path()}));
    EXPECT_EQ(dialogs->saveFolders, QStringList({saveDir.path()}));
}

TEST_F(SettingsTest, TheTenMapsOpenedLastAreOfferedOnTheOpenButtonNextTime) {
    QStringList opened;
    for (int i = 0; i < 11; ++i) {
        opened.prepend(CopyOfSample(openDir, QString("Map%1").arg(i)));
        ASSERT_TRUE(mainWindow->OpenFile(opened.front()));
    }
    // Opened again, a map moves to the top instead of taking a second place.
    ASSERT_TRUE(mainWindow->OpenFile(opened[4]));
    opened.move(4, 0);

    Restart();
    EXPECT_EQ(mainWindow->RecentMaps(), opened.mid(0, 10));
    EXPECT_EQ(RecentMenuTexts(), QStringList({"Map6.Civ4WorldBuilderSave", "Map10.Civ4WorldBuilderSave",
                                              "Map9.Civ4WorldBuilderSave", "Map8.Civ4WorldBuilderSave",
                                              "Map7.Civ4WorldBuilderSave", "Map5.Civ4WorldBuilderSave",
                                              "Map4.Civ4WorldBuilderSave", "Map3.Civ4WorldBuilderSave",
                                              "Map2.Civ4WorldBuilderSave", "Map1.Civ4WorldBuilderSave"}));
    RecentMenu().actions()[2]->trigger();
    EXPECT_EQ(mainWindow->FileName(), opened[2]);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(SettingsTest, ARecentMapThatNoLongerExistsIsTakenOffTheListWithAMessage) {
    const QString gone = CopyOfSample(openDir, "Gone");
    const QString kept = CopyOfSample(openDir, "Kept");
    ASSERT_TRUE(mainWindow->OpenFile(gone));
    ASSERT_TRUE(mainWindow->OpenFile(kept));
    ASSERT_TRUE(QFile::remove(gone));

    Restart();
    ASSERT_EQ(RecentMenuTexts(), QStringList({"Kept.Civ4WorldBuilderSave", "Gone.Civ4WorldBuilderSave"}));
    RecentMenu().actions()[1]->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0],
              QString("The map \"%1\" no longer exists; it is taken off the list of recent maps.").arg(gone));
    EXPECT_TRUE(mainWindow->FileName().isEmpty());
    EXPECT_EQ(RecentMenuTexts(), QStringList({"Kept.Civ4WorldBuilderSave"}));

    Restart();
    EXPECT_EQ(mainWindow->RecentMaps(), QStringList({kept}));
}

TEST_F(SettingsTest, TheBrushSizeChosenComesBackInASecondEditor) {
    mainWindow->BrushSizeChange(3);
    Restart();
    EXPECT_EQ(mainWindow->BrushTool().Size(), 3);
    EXPECT_EQ(mainWindow->BrushSize()->text(), "3 x 3");
}

TEST_F(SettingsTest, TheBrushSizeIsKeptAndUnusableValuesReadAsTheDefaults) {
    EXPECT_EQ(TEditorSettings::BrushSize(), TEditorSettings::DefaultBrushSize);
    TEditorSettings::SetBrushSize(5);
    EXPECT_EQ(TEditorSettings::BrushSize(), 5);
    EXPECT_EQ(QSettings().value("map/brushSize").toInt(), 5);
    for (const QVariant& unusable : {QVariant("wide"), QVariant(0), QVariant(-3)}) {
        QSettings().setValue("map/brushSize", unusable);
        EXPECT_EQ(TEditorSettings::BrushSize(), TEditorSettings::DefaultBrushSize)
            << unusable.toString().toStdString();
    }

    // A hand-edited settings file: the zoom is held within its limits, a flag that is no flag is off.
    QSettings().setValue("map/zoom", 4000);
    QSettings().setValue("map/graphicMode", "perhaps");
    QSettings().setValue("map/gridLines", "false");
    StartEditor(SampleGame());
    EXPECT_EQ(mainWindow->GridView()->Zoom(), TMapGridView::MaxZoom);
    EXPECT_FALSE(mainWindow->GridView()->GraphicMode());
    EXPECT_FALSE(mainWindow->GridView()->GridLines());
    QSettings().setValue("map/zoom", "close");
    StartEditor(SampleGame());
    EXPECT_EQ(mainWindow->GridView()->Zoom(), 32);
}

} // namespace
