// The main window as a user meets it: opening, the tabs and the team and player selector, editing
// rows, the picker, and the pick lists of the game folder.

#include "EditorFixture.h"

#include "catalogue/Catalogue.h"
#include "document/MapContents.h"
#include "ui/dialogs/ValuePickerDialog.h"
#include "ui/sheet/PickProtocol.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

namespace {

class MainFormTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
    }
    void ShowTab(int tab) { mainWindow->Tabs()->setCurrentIndex(tab); }
    const TTeam& Team(int index) const { return *mainWindow->Map().Teams().GetTeam(index); }

    // Opens the picker on the row and, while it is shown, runs `act` on it.
    void PickOnRow(const QString& key, std::function<void(TValuePickerDialog&)> act) {
        const int row = Sheet().FindRow(key);
        Sheet().SetCurrentRow(row);
        QTimer::singleShot(0, [act] { act(*mainWindow->ValuePicker()); });
        mainWindow->PickRowValues(row);
    }
    static QStringList Selected(const TValuePickerDialog& form) {
        QStringList names;
        for (const QListWidgetItem* item : form.LBMultiValues()->selectedItems())
            names.append(item->text());
        names.sort();
        return names;
    }
    static void Select(TValuePickerDialog& form, const QStringList& names) {
        form.SelectNone();
        for (const QString& name : names)
            form.LBMultiValues()->findItems(name, Qt::MatchExactly).constFirst()->setSelected(true);
    }
};

TEST_F(MainFormTest, OpeningAMapFillsTitleStatusBarAndSheet) {
    EXPECT_EQ(mainWindow->windowTitle(), "QuarraMapEditor V2 - Archipelago.Civ4WorldBuilderSave");
    EXPECT_EQ(mainWindow->StatusPanel(0)->text(), "Ready...");
    EXPECT_EQ(mainWindow->StatusPanel(1)->text(), "Size = (16 x 10)");
    EXPECT_EQ(mainWindow->StatusPanel(2)->text(), "(0, 0)");
    ASSERT_EQ(Sheet().RowCount(), 14);
    EXPECT_EQ(Sheet().Key(0), "Era");
    EXPECT_EQ(Sheet().Value(1), "GAMESPEED_NORMAL");
    EXPECT_EQ(Sheet().Kind(0), KindOneValue);
    EXPECT_EQ(Sheet().Kind(3), KindSeveralValues);
    EXPECT_EQ(Sheet().Kind(7), KindPlainText);
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(MainFormTest, EachTabShowsItsSectionAndTheSelectorChoosesTeamsAndPlayers) {
    ShowTab(TMainWindow::TabTeam);
    EXPECT_TRUE(mainWindow->TeamPlayerChoice()->isVisible());
    EXPECT_EQ(mainWindow->TeamPlayerChoice()->title(), " Team ");
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("Tech")), "TECH_AGRICULTURE,TECH_MYSTICISM,TECH_POTTERY,");
    mainWindow->SelectTeamOrPlayer(1);
    EXPECT_EQ(mainWindow->TeamIndex(), 1);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("Tech")), "TECH_FISHING,TECH_MEDITATION,");

    ShowTab(TMainWindow::TabPlayer);
    EXPECT_EQ(mainWindow->TeamPlayerChoice()->title(), " Player ");
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("LeaderType")), "LEADER_ASOKA");

    ShowTab(TMainWindow::TabWorld);
    EXPECT_FALSE(mainWindow->TeamPlayerChoice()->isVisible());
    EXPECT_EQ(Sheet().Key(0), "world size");

    ShowTab(TMainWindow::TabMap);
    EXPECT_TRUE(mainWindow->MapPanelHome()->isVisible());
    const TPlot* topLeft = mainWindow->Map().Grids().GetPlot(0, 9);
    EXPECT_EQ(mainWindow->GetPlotAt(0, 0), topLeft);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("TerrainType")), QString::fromStdString(topLeft->TerrainType()));

    // The team and player chosen stay through tab changes.
    ShowTab(TMainWindow::TabTeam);
    EXPECT_EQ(mainWindow->TeamIndex(), 1);
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(MainFormTest, ARowEditedAndLeftIsWrittenAndMarksTheMapModified) {
    TypeInto("MaxTurns", "450");
    // Typing alone is no change of the map yet.
    EXPECT_FALSE(mainWindow->Modified());
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 300);
    QTest::keyClick(Sheet().OpenEditor(), Qt::Key_Return);
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 450);
    EXPECT_TRUE(mainWindow->Modified());
    EXPECT_EQ(Sheet().Key(Sheet().CurrentRow()), "MaxCityElimination");
}

TEST_F(MainFormTest, EnterMovesToTheNextRowButNotPastTheLast) {
    EditRow("ModPath");
    QTest::keyClick(Sheet().OpenEditor(), Qt::Key_Return);
    EXPECT_EQ(Sheet().CurrentRow(), Sheet().RowCount() - 1);
}

TEST_F(MainFormTest, ATabChangeWritesTheRowBeingEditedIntoTheSectionLeft) {
    TypeInto("StartYear", "-3000");
    ShowTab(TMainWindow::TabTeam);
    EXPECT_EQ(mainWindow->Map().Game().StartYear(), -3000);
    EXPECT_EQ(Sheet().Key(0), "Tech");

    mainWindow->SelectTeamOrPlayer(2);
    TypeInto("RevealMap", "0");
    mainWindow->SelectTeamOrPlayer(0);
    EXPECT_FALSE(Team(2).RevealMap());
    EXPECT_EQ(mainWindow->TeamIndex(), 0);
}

TEST_F(MainFormTest, ARefusedNumberKeepsTheTabAndTheTextUntilCorrected) {
    TypeInto("GameTurn", "12x");
    ShowTab(TMainWindow::TabWorld);
    EXPECT_EQ(mainWindow->Tabs()->currentIndex(), TMainWindow::TabRule);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("GameTurn")), "12x");
    EXPECT_EQ(mainWindow->Map().Game().GameTurn(), 0);
    EXPECT_FALSE(mainWindow->CommitCurrentRow());

    TypeInto("GameTurn", "12");
    ShowTab(TMainWindow::TabWorld);
    EXPECT_EQ(mainWindow->Tabs()->currentIndex(), TMainWindow::TabWorld);
    EXPECT_EQ(mainWindow->Map().Game().GameTurn(), 12);
}

TEST_F(MainFormTest, ACharacterOutsideTheCodePageIsRefusedWithAMessage) {
    TypeInto("Description", QString::fromUtf8("Island \u65e5"));
    EXPECT_FALSE(mainWindow->CommitCurrentRow());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].contains(QString::fromUtf8("\u65e5")));
    EXPECT_EQ(mainWindow->Map().Game().Description(), "TWO ISLANDS AND A STRAIT");

    // Windows-1252 letters are written as their bytes.
    TypeInto("Description", QString::fromUtf8("\u00cele \u20ac"));
    EXPECT_TRUE(mainWindow->CommitCurrentRow());
    const std::string written = mainWindow->Map().Game().Description();
    EXPECT_EQ(written.substr(written.size() - 2), std::string("\x20\x80", 2));
}

TEST_F(MainFormTest, ThePickerMarksTheRowsTeamsAndWritesTheChosenOnes) {
    ShowTab(TMainWindow::TabTeam);
    TypeInto("ContactWithTeam", "2,5");
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    mainWindow->Session().MarkSaved();
    QStringList shown;
    PickOnRow("ContactWithTeam", [&](TValuePickerDialog& form) {
        shown = Selected(form);
        Select(form, {"Team1", "Team7"});
        form.AcceptAndClose();
    });
    EXPECT_EQ(shown, (QStringList{"Team2", "Team5"}));
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("ContactWithTeam")), "1,7,");
    FlagSet expected{};
    expected[1] = expected[7] = true;
    EXPECT_EQ(Team(0).ContactWithTeam(), expected);
    EXPECT_TRUE(mainWindow->Modified());
}

TEST_F(MainFormTest, CancelAndEscLeaveTheRowWhileTheCloseBoxApplies) {
    const int row = Sheet().FindRow("Victory");
    const QString before = Sheet().Value(row);
    PickOnRow("Victory", [](TValuePickerDialog& form) {
        form.SelectAll();
        form.CancelPick();
    });
    EXPECT_EQ(Sheet().Value(row), before);
    PickOnRow("Victory", [](TValuePickerDialog& form) {
        form.SelectAll();
        QTest::keyClick(form.LBMultiValues(), Qt::Key_Escape);
    });
    EXPECT_EQ(Sheet().Value(row), before);
    EXPECT_FALSE(mainWindow->Modified());

    PickOnRow("Victory", [](TValuePickerDialog& form) {
        form.SelectNone();
        form.close();
    });
    EXPECT_EQ(Sheet().Value(row), "");
    EXPECT_TRUE(mainWindow->Map().Game().Victories().empty());
    EXPECT_TRUE(mainWindow->Modified());
}

TEST_F(MainFormTest, EnterInThePickerApplies) {
    PickOnRow("Option", [](TValuePickerDialog& form) {
        Select(form, {"GAMEOPTION_NO_BARBARIANS"});
        QTest::keyClick(form.LBMultiValues(), Qt::Key_Return);
    });
    EXPECT_EQ(mainWindow->Map().Game().Options(), (StringList{"GAMEOPTION_NO_BARBARIANS"}));
}

TEST_F(MainFormTest, LoadProgressIsShownEvery500LinesAndOnTheLast500) {
    QLabel* panel = mainWindow->StatusPanel(0);
    for (const int line : {499, 501, 734}) {
        mainWindow->ShowLoadProgress(line, 1234);
        EXPECT_EQ(panel->text(), "Ready...") << line;
    }
    mainWindow->ShowLoadProgress(500, 1234);
    EXPECT_EQ(panel->text(), "Analysing (500 / 1234)");
    mainWindow->ShowLoadProgress(735, 1234);
    EXPECT_EQ(panel->text(), "Analysing (735 / 1234)");
}

TEST_F(MainFormTest, DropDownsListTheGamesValues) {
    const QStringList eras = mainWindow->PickList("Era");
    EXPECT_TRUE(eras.contains("ERA_ANCIENT"));
    EXPECT_TRUE(mainWindow->PickList("Level").isEmpty());
}

class GameFolderTest : public EditorFixture {
protected:
    void SetUp() override {
        QSettings().remove("gameFolder");
        // No game folder anywhere: an empty home holds no Wine prefix or Steam library.
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("WINEPREFIX");
        StartEditor(QString());
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
    }
    void TearDown() override {
        EditorFixture::TearDown();
        QSettings().remove("gameFolder");
    }
    QTemporaryDir home;
};

TEST_F(GameFolderTest, TheFirstListOfARunOffersAFolderAndRemembersIt) {
    EXPECT_TRUE(mainWindow->InstallDir().isEmpty());
    EXPECT_EQ(Sheet().Kind(0), KindOneValue); // the row still offers its list
    dialogs->folders.push_back(SampleGame());
    EXPECT_TRUE(mainWindow->PickList("Era").contains("ERA_ANCIENT"));
    EXPECT_EQ(dialogs->folderDialogs, 1);
    EXPECT_EQ(QSettings().value("gameFolder").toString(), SampleGame());

    StartEditor(QString());
    EXPECT_EQ(mainWindow->InstallDir(), SampleGame());
}

TEST_F(GameFolderTest, CancellingTheFolderGivesEmptyListsAndIsNotAskedAgain) {
    EXPECT_TRUE(mainWindow->PickList("Era").isEmpty());
    EXPECT_TRUE(mainWindow->PickList("Speed").isEmpty());
    EXPECT_EQ(dialogs->folderDialogs, 1);

    StartEditor(QString());
    dialogs->folders.push_back(home.path());
    EXPECT_TRUE(mainWindow->PickList("Era").isEmpty());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].contains("Assets/XML"));
}

} // namespace
