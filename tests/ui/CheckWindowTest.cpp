// "Check map": the window lists what `tessel --validate` prints for the open map, and a double-click
// on a line shows its place in the main window.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "ui/mapview/MapGridView.h"
#include "ui/windows/CheckWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>

namespace {

// A map of 3 x 2 plots that the sample game knows but for a tech of team 0 that it does not define,
// and a typo in player 1's civilization, in the unit on plot (1, 1) and in the feature of plot (2, 0).
const char* const MapWithTypos =
    "Version=11\n"
    "BeginGame\nEra=ERA_ANCIENT\nSpeed=GAMESPEED_NORMAL\nEndGame\n"
    "BeginTeam\nTech=TECH_AGRICULTURE\nTech=TECH_WARP_DRIVE\nEndTeam\n"
    "BeginPlayer\nTeam=0\nLeaderType=LEADER_ASOKA\nCivType=CIVILIZATION_INDIA\n"
    "EndPlayer\n"
    "BeginPlayer\nTeam=0\nLeaderType=LEADER_ASOKA\nCivType=CIVILIZATION_ATLANTIS\n"
    "EndPlayer\n"
    "BeginMap\ngrid width=3\ngrid height=2\nEndMap\n";

QString PlotLines(int x, int y) {
    QString text = QString("BeginPlot\nx=%1,y=%2\nTerrainType=TERRAIN_GRASS\nPlotType=2\n").arg(x).arg(y);
    if (x == 2 && y == 0)
        text += "FeatureType=FEATURE_FORESTT, FeatureVariety=0\n";
    if (x == 1 && y == 1)
        text += "BeginUnit\nUnitType=UNIT_WARIOR, UnitOwner=0\nEndUnit\n";
    return text + "EndPlot\n";
}

class CheckFormTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        mapFile = folder.filePath("Typos.Civ4WorldBuilderSave");
        QFile file(mapFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QString text = MapWithTypos;
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 2; ++y)
                text += PlotLines(x, y);
        file.write(text.toLatin1());
        file.close();
        ASSERT_TRUE(mainWindow->OpenFile(mapFile));
    }

    TCheckWindow& Form() const { return *mainWindow->CheckWindow(); }
    QStringList ListedLines() const {
        QStringList lines;
        const QAbstractItemModel& model = *Form().List()->model();
        for (int row = 0; row < model.rowCount(); ++row)
            lines.append(model.data(model.index(row, 0)).toString());
        return lines;
    }
    // Double-clicks the listed line that starts with the text, as a user does.
    void DoubleClickLine(const QString& start) {
        const QStringList lines = ListedLines();
        int row = 0;
        while (row < lines.size() && !lines[row].startsWith(start))
            ++row;
        ASSERT_LT(row, lines.size()) << start.toStdString();
        QListView& list = *Form().List();
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        // What a window system sends: a click, then a double click and its release.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    int CurrentTab() const { return mainWindow->Tabs()->currentIndex(); }
    QString CurrentKey() const { return Sheet().Key(Sheet().CurrentRow()); }

    QTemporaryDir folder;
    QString mapFile;
};

TEST_F(CheckFormTest, TheButtonListsTheFindingsAsTheCommandLinePrintsThem) {
    mainWindow->MapButton("BtnCheckMap")->trigger();
    ASSERT_TRUE(Form().isVisible());
    EXPECT_EQ(Form().windowTitle(), "Check map");
    EXPECT_EQ(ListedLines(),
              QStringList({"team 0: Tech=TECH_WARP_DRIVE", "player 1: CivType=CIVILIZATION_ATLANTIS",
                           "unit 0 on plot (1, 1): UnitType=UNIT_WARIOR",
                           "plot (2, 0): FeatureType=FEATURE_FORESTT"}));
    EXPECT_EQ(Form().Summary()->text(), "Checked 6 plots, 1 unit, 0 cities, 1 team and 2 players: 4 unknown "
                                        "values, 0 numbers out of range");
    EXPECT_EQ(Form().List()->accessibleName(), "Findings");
    EXPECT_EQ(Form().BtnCheckAgain()->accessibleName(), "Check again");
}

TEST_F(CheckFormTest, DoubleClickingAPlotsLineSelectsThatPlotOnTheMapTab) {
    mainWindow->MapButton("BtnCheckMap")->trigger();
    ASSERT_EQ(CurrentTab(), TMainWindow::TabRule);
    DoubleClickLine("plot (2, 0)");
    EXPECT_EQ(CurrentTab(), TMainWindow::TabMap);
    // The map's y = 0 is the grid's last row.
    EXPECT_EQ(mainWindow->GridView()->Col(), 2);
    EXPECT_EQ(mainWindow->GridView()->Row(), 1);
    EXPECT_EQ(mainWindow->StatusPanel(2)->text(), "(2, 1)");
    EXPECT_EQ(CurrentKey(), "FeatureType");
    EXPECT_EQ(Sheet().Value(Sheet().CurrentRow()), "FEATURE_FORESTT");

    // A unit's line selects its plot with the cursor on the row that opens the units.
    DoubleClickLine("unit 0 on plot (1, 1)");
    EXPECT_EQ(mainWindow->GridView()->Col(), 1);
    EXPECT_EQ(mainWindow->GridView()->Row(), 0);
    EXPECT_EQ(CurrentKey(), "Units");
}

TEST_F(CheckFormTest, DoubleClickingAPlayersOrTeamsLineShowsIt) {
    mainWindow->MapButton("BtnCheckMap")->trigger();
    DoubleClickLine("player 1");
    EXPECT_EQ(CurrentTab(), TMainWindow::TabPlayer);
    EXPECT_EQ(mainWindow->PlayerIndex(), 1);
    EXPECT_EQ(CurrentKey(), "CivType");
    EXPECT_EQ(Sheet().Value(Sheet().CurrentRow()), "CIVILIZATION_ATLANTIS");

    // Enter on a line does what a double-click does.
    QListView& list = *Form().List();
    list.setCurrentIndex(list.model()->index(0, 0));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(CurrentTab(), TMainWindow::TabTeam);
    EXPECT_EQ(mainWindow->TeamIndex(), 0);
    EXPECT_EQ(CurrentKey(), "Tech");
}

TEST_F(CheckFormTest, ARowTheMapRefusesKeepsTheMainWindowWhereItIs) {
    mainWindow->MapButton("BtnCheckMap")->trigger();
    TypeInto("GameTurn", "soon");
    EXPECT_FALSE(Form().ShowFinding(3));
    EXPECT_EQ(CurrentTab(), TMainWindow::TabRule);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("GameTurn")), "soon");
}

TEST_F(CheckFormTest, CheckingAgainSeesTheMapAsItIsNow) {
    mainWindow->MapButton("BtnCheckMap")->trigger();
    ASSERT_EQ(Form().Findings().size(), 4u);
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabPlayer);
    mainWindow->SelectTeamOrPlayer(1);
    // The value still being typed is checked with the rest.
    TypeInto("CivType", "CIVILIZATION_INDIA");
    QTest::mouseClick(Form().BtnCheckAgain(), Qt::LeftButton);
    EXPECT_EQ(mainWindow->Map().Players().GetPlayer(1)->CivType(), "CIVILIZATION_INDIA");
    EXPECT_FALSE(Form().Summary()->text().contains("changed"));
    EXPECT_EQ(Form().Findings().size(), 3u);
    EXPECT_TRUE(Form().Summary()->text().endsWith("3 unknown values, 0 numbers out of range"));

    // Shown again, the window checks again.
    Form().close();
    EXPECT_FALSE(mainWindow->MapButton("BtnCheckMap")->isChecked());
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
    mainWindow->GridView()->SelectCell(2, 1);
    TypeInto("FeatureType", "FEATURE_FOREST");
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    mainWindow->MapButton("BtnCheckMap")->trigger();
    EXPECT_EQ(ListedLines(),
              QStringList({"team 0: Tech=TECH_WARP_DRIVE", "unit 0 on plot (1, 1): UnitType=UNIT_WARIOR"}));
}

TEST_F(CheckFormTest, AFindingWhosePlotIsGoneShowsNothing) {
    mainWindow->MapButton("BtnCheckMap")->trigger();
    const QString summary = Form().Summary()->text();
    mainWindow->NewMap(); // a map of one plot
    EXPECT_EQ(Form().Summary()->text(),
              summary + "\nThe map has changed since: \"Check again\" checks it as it is now.");
    ASSERT_EQ(Form().FindingText(3), "plot (2, 0): FeatureType=FEATURE_FORESTT");
    EXPECT_FALSE(Form().ShowFinding(3));
    EXPECT_EQ(mainWindow->GridView()->Col(), 0);
    EXPECT_EQ(mainWindow->GridView()->Row(), 0);
}

TEST_F(CheckFormTest, AMissingGameFolderIsSaidInTheWindow) {
    const QString nowhere = folder.filePath("no game here");
    StartEditor(nowhere);
    ASSERT_TRUE(mainWindow->OpenFile(mapFile));
    mainWindow->MapButton("BtnCheckMap")->trigger();
    EXPECT_TRUE(ListedLines().isEmpty());
    EXPECT_EQ(Form().Summary()->text(),
              QString("The game folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(nowhere)));
}

TEST_F(CheckFormTest, NoGameFolderAtAllIsSaidInTheWindow) {
    // No game folder anywhere: an empty home holds no Wine prefix or Steam library.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", folder.path().toLocal8Bit());
    const QByteArray winePrefix = qgetenv("WINEPREFIX");
    qunsetenv("WINEPREFIX");
    QSettings().remove("gameFolder");
    StartEditor(QString());
    qputenv("HOME", home);
    if (!winePrefix.isEmpty())
        qputenv("WINEPREFIX", winePrefix);
    ASSERT_TRUE(mainWindow->InstallDir().isEmpty());
    ASSERT_TRUE(mainWindow->OpenFile(mapFile));
    mainWindow->MapButton("BtnCheckMap")->trigger();
    EXPECT_TRUE(ListedLines().isEmpty());
    EXPECT_TRUE(Form().Summary()->text().startsWith("No game folder to check the map against"));
}

TEST_F(CheckFormTest, GameFilesThatCannotBeReadAreNamedInTheWindow) {
    // A game folder with the XML folder but without its files.
    ASSERT_TRUE(QDir(folder.path()).mkpath("game/Assets/XML"));
    StartEditor(folder.filePath("game"));
    ASSERT_TRUE(mainWindow->OpenFile(mapFile));
    mainWindow->MapButton("BtnCheckMap")->trigger();
    EXPECT_TRUE(ListedLines().isEmpty());
    EXPECT_TRUE(Form().Summary()->text().startsWith("Cannot read the game's rules: "))
        << Form().Summary()->text().toStdString();
    EXPECT_TRUE(Form().Summary()->text().contains(".xml", Qt::CaseInsensitive))
        << Form().Summary()->text().toStdString();
}

} // namespace
