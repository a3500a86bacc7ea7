// The game layers in the editor: an opened map switches the lists to its edition and mod, the
// status bar says which, a ModPath edited in the sheet reloads them, and the user may run the map
// with another edition without changing its file.

#include "EditorFixture.h"

#include "catalogue/ValueCatalogue.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>

namespace {

// A mod's scenario: its game section alone.
const char* const Scenario = "Version=11\r\nBeginGame\r\n\tDescription=The Next War\r\n"
                             "\tModPath=Mods\\Next War\\\r\n\tRandom=1\r\nEndGame\r\n";

class MainFormLayersTest : public EditorFixture {
protected:
    void SetUp() override {
        QSettings().clear();
        StartEditor(QString(TESSEL_TESTS_DATA_DIR) + "/layers/game");
        mapFile = folder.filePath("Scenario.CivBeyondSwordWBSave");
        QFile file(mapFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Scenario);
        file.close();
        ASSERT_TRUE(mainWindow->OpenFile(mapFile));
    }

    static QString ButtonText() { return mainWindow->LayersButton()->text(); }
    static bool ListsWasteland() {
        StringList terrains;
        mainWindow->Catalogue().GetValueList("TerrainType", terrains);
        return std::find(terrains.begin(), terrains.end(), "TERRAIN_WASTELAND") != terrains.end();
    }
    // Opens the button's menu as a click does, and chooses the entry.
    static void Choose(const QString& entry) {
        QMenu* menu = mainWindow->LayersButton()->menu();
        emit menu->aboutToShow();
        for (QAction* action : menu->actions())
            if (action->text() == entry) {
                action->trigger();
                return;
            }
        FAIL() << "no entry " << entry.toStdString();
    }

    QTemporaryDir folder;
    QString mapFile;
};

} // namespace

TEST_F(MainFormLayersTest, AScenarioOfAModOpensWithItsLayersAndSavesUnchanged) {
    EXPECT_EQ(ButtonText(), QString::fromUtf8("Beyond the Sword \xC2\xB7 Next War"));
    EXPECT_EQ(mainWindow->LayersButton()->accessibleName(),
              QString::fromUtf8("Game layers: Beyond the Sword \xC2\xB7 Next War"));
    EXPECT_TRUE(ListsWasteland());
    EXPECT_GE(Sheet().FindRow("ModPath"), 0);
    EXPECT_EQ(DocumentBytes(), Scenario);
    // Its "Map" tab is a map of no plots.
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
    EXPECT_EQ(mainWindow->StatusPanel(1)->text(), "Size = (0 x 0)");
}

TEST_F(MainFormLayersTest, AModPathEditedInTheSheetReloadsTheListsAsOneStep) {
    ExpectOneStep(
        [this] {
            TypeInto("ModPath", "Mods\\Star Wars\\");
            mainWindow->CommitCurrentRow();
        },
        "ModPath");
    EXPECT_EQ(ButtonText(), "Beyond the Sword (a layer is missing)");
    EXPECT_TRUE(mainWindow->LayersButton()->toolTip().startsWith(
        "ModPath names Mods\\Star Wars\\, which is not in the "
        "game folder: checked against Beyond the Sword"));
    EXPECT_FALSE(ListsWasteland());
    mainWindow->Undo();
    EXPECT_EQ(ButtonText(), QString::fromUtf8("Beyond the Sword \xC2\xB7 Next War"));
    EXPECT_TRUE(ListsWasteland());
}

TEST_F(MainFormLayersTest, AnotherEditionChosenForTheMapLeavesItsFileAlone) {
    Choose("Base game");
    EXPECT_EQ(ButtonText(), "Base game");
    EXPECT_FALSE(ListsWasteland());
    StringList units;
    mainWindow->Catalogue().GetValueList("UnitType", units);
    EXPECT_EQ(units, (StringList{"UNIT_SETTLER", "UNIT_WARRIOR"}));
    EXPECT_FALSE(mainWindow->Modified());
    EXPECT_EQ(DocumentBytes(), Scenario);

    Choose("As the map says");
    EXPECT_EQ(ButtonText(), QString::fromUtf8("Beyond the Sword \xC2\xB7 Next War"));
}
