// The "Balance" window: the report of the map's starts as a table that follows the edits, its marks,
// the selection of a start on the map, and what it says when the game's rules cannot be read.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "ui/mapview/MapGridView.h"
#include "ui/tools/StartTool.h"
#include "ui/windows/BalanceWindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>

namespace {

QString RealData(const QString& relative) {
    return QString(TESSEL_REALDATA_DIR) + "/" + relative;
}

// The editor on the base game's rules, skipped where they are absent.
class BalanceFormTest : public EditorFixture {
protected:
    void SetUp() override {
        if (!QDir(RealData("game")).exists())
            GTEST_SKIP() << "no real game files";
        StartEditor(RealData("game"));
    }
    void ShowWindow(const QString& map) {
        ASSERT_TRUE(mainWindow->OpenFile(map));
        mainWindow->MapButton("BtnBalance")->trigger();
        ASSERT_TRUE(Form().isVisible());
    }
    static void ShowTab(int tab) { mainWindow->Tabs()->setCurrentIndex(tab); }
    static TBalanceWindow& Form() { return *mainWindow->BalanceWindow(); }
    static QAbstractItemModel& Model() { return *Form().Table()->model(); }
    static QString Text(int row, int column) { return Model().index(row, column).data().toString(); }
    static int Column(TBalanceColumn measured) {
        return TBalanceWindow::FirstMeasuredColumn + static_cast<int>(measured);
    }
    static QStandardItem& Item(int row, TBalanceColumn measured) {
        return *static_cast<QStandardItemModel&>(Model()).item(row, Column(measured));
    }
    static bool Marked(int row, TBalanceColumn measured) { return Item(row, measured).font().bold(); }
    // The report's own text, as `tessel --balance` prints it, of the map in the editor.
    static QStringList ReportLines() {
        TYieldRules rules;
        rules.LoadFromGameDir(RealData("game").toStdString());
        return QString::fromStdString(TBalanceReport::Of(mainWindow->Map(), rules).ToText()).split('\n');
    }
};

TEST_F(BalanceFormTest, EveryStartIsARowOfTheReportsColumns) {
    ShowWindow(SampleMap());
    const QStringList lines = ReportLines();
    ASSERT_EQ(Model().rowCount(), 2);
    ASSERT_EQ(Model().columnCount(), 12);
    EXPECT_EQ(lines[0].split('\t'), QStringList({"player", "x", "y", "land", "water", "hills", "peaks",
                                                 "river", "food", "production", "commerce", "bonuses"}));
    for (int column = 0; column < Model().columnCount(); ++column)
        EXPECT_EQ(Model().headerData(column, Qt::Horizontal).toString(),
                  lines[0].section('\t', column, column));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < Model().columnCount(); ++column)
            EXPECT_EQ(Text(row, column), lines[row + 1].section('\t', column, column))
                << row << ", " << column;
    EXPECT_EQ(Text(0, TBalanceWindow::ColumnX), "4");
    EXPECT_EQ(Text(1, TBalanceWindow::ColumnY), "3");
}

TEST_F(BalanceFormTest, RealMapsShowTheirPlayersAndTheirStartPlotsOfNoPlayer) {
    ShowWindow(RealData("maps/Battle.Civ4WorldBuilderSave"));
    ASSERT_EQ(Model().rowCount(), 4);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(Text(row, TBalanceWindow::ColumnPlayer), "-");
    EXPECT_EQ(Text(1, Column(TBalanceColumn::Bonuses)), "BONUS_COPPER:1,BONUS_COW:1,BONUS_SUGAR:1");

    ASSERT_TRUE(mainWindow->OpenFile(RealData("maps/tutorial1.CivBeyondSwordWBSave")));
    QCoreApplication::processEvents();
    ASSERT_EQ(Model().rowCount(), 7);
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(Text(row, TBalanceWindow::ColumnPlayer), QString::number(row));
    EXPECT_EQ(Text(1, TBalanceWindow::ColumnX), Text(5, TBalanceWindow::ColumnX));
}

TEST_F(BalanceFormTest, TheTableFollowsTheEditsOncePerTurnOfTheEventLoop) {
    ShowWindow(SampleMap());
    const int computed = Form().Computations();
    ShowTab(TMainWindow::TabPlayer);
    mainWindow->SelectTeamOrPlayer(1);
    ShowTab(TMainWindow::TabMap);
    TStartTool& tool = mainWindow->StartTool();
    ASSERT_TRUE(tool.PlaceStart(1, 1));
    ASSERT_TRUE(tool.PlaceStart(2, 2));
    ASSERT_TRUE(tool.PlaceStart(3, 1));
    EXPECT_EQ(Text(1, TBalanceWindow::ColumnX), "13"); // not yet
    QCoreApplication::processEvents();
    EXPECT_EQ(Form().Computations(), computed + 1);
    EXPECT_EQ(Text(1, TBalanceWindow::ColumnX), "3");
    EXPECT_EQ(Text(1, TBalanceWindow::ColumnY), "1");
    EXPECT_EQ(Text(1, Column(TBalanceColumn::Food)), ReportLines()[2].section('\t', 8, 8));

    mainWindow->Undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(1, TBalanceWindow::ColumnX), "2");

    // A hidden window computes nothing until it is shown again.
    Form().close();
    EXPECT_FALSE(mainWindow->MapButton("BtnBalance")->isChecked());
    const int whileShown = Form().Computations();
    mainWindow->Undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(Form().Computations(), whileShown);
    mainWindow->MapButton("BtnBalance")->trigger();
    EXPECT_EQ(Text(1, TBalanceWindow::ColumnX), "1");
}

TEST_F(BalanceFormTest, TheCellsFurthestFromTheirColumnsMeanAreMarked) {
    ShowWindow(RealData("maps/tutorial1.CivBeyondSwordWBSave"));
    ASSERT_EQ(Model().rowCount(), 7);
    // Food 36 26 33 31 29 26 30: the mean is 30.1, and 36 lies furthest from it.
    EXPECT_TRUE(Marked(0, TBalanceColumn::Food));
    EXPECT_EQ(Item(0, TBalanceColumn::Food).toolTip(),
              "The furthest from the mean of food (30.1): 5.9 above it");
    for (int row = 1; row < 7; ++row)
        EXPECT_FALSE(Marked(row, TBalanceColumn::Food)) << row;
    // Hills 5 8 6 4 3 8 9: the mean is 6.1, and 3 lies below it further than 9 above.
    EXPECT_TRUE(Marked(4, TBalanceColumn::Hills));
    EXPECT_FALSE(Marked(6, TBalanceColumn::Hills));
    EXPECT_NE(Item(0, TBalanceColumn::Food).background(), Item(4, TBalanceColumn::Hills).background());
    EXPECT_TRUE(Item(4, TBalanceColumn::Hills).toolTip().endsWith("below it"));
    // Six bonuses: the tooltip says why before the list, one a line.
    EXPECT_TRUE(Marked(2, TBalanceColumn::Bonuses));
    EXPECT_TRUE(
        Item(2, TBalanceColumn::Bonuses).toolTip().startsWith("The furthest from the mean of bonuses"));
    EXPECT_TRUE(Item(2, TBalanceColumn::Bonuses).toolTip().endsWith("\nBONUS_PIG:1\nBONUS_SUGAR:1"));
    EXPECT_EQ(Model().headerData(Column(TBalanceColumn::Food), Qt::Horizontal, Qt::ToolTipRole).toString(),
              "lowest 26, highest 36, spread 10");
}

TEST_F(BalanceFormTest, AColumnOfEqualValuesMarksNothing) {
    ShowWindow(SampleMap());
    ASSERT_EQ(Text(0, Column(TBalanceColumn::Hills)), Text(1, Column(TBalanceColumn::Hills)));
    EXPECT_FALSE(Marked(0, TBalanceColumn::Hills));
    EXPECT_FALSE(Marked(1, TBalanceColumn::Hills));
    EXPECT_TRUE(Marked(0, TBalanceColumn::Land)); // two starts: both lie as far from the mean
    EXPECT_TRUE(Marked(1, TBalanceColumn::Land));
}

TEST_F(BalanceFormTest, DoubleClickingARowSelectsItsStartOnTheMap) {
    ShowWindow(RealData("maps/tutorial1.CivBeyondSwordWBSave"));
    ASSERT_EQ(mainWindow->Tabs()->currentIndex(), TMainWindow::TabRule);
    QTableView& table = *Form().Table();
    const QPoint onRow = table.visualRect(Model().index(2, Column(TBalanceColumn::Food))).center();
    // A double click as the platform sends it: the first click, then the second as a double click.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, onRow);
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, onRow);
    EXPECT_EQ(mainWindow->Tabs()->currentIndex(), TMainWindow::TabMap);
    // Player 2 starts on (43, 0): the bottom row of a map 24 plots high.
    EXPECT_EQ(mainWindow->GridCol(), 43);
    EXPECT_EQ(mainWindow->GridRow(), 23);
    EXPECT_EQ(mainWindow->StatusPanel(2)->text(), "(43, 23)");
}

TEST_F(EditorFixture, TheBalanceWindowSaysWhyWhenTheRulesCannotBeRead) {
    // The sample game folder lists type names only, without the yields.
    ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
    mainWindow->MapButton("BtnBalance")->trigger();
    TBalanceWindow& form = *mainWindow->BalanceWindow();
    EXPECT_TRUE(form.Message()->isVisible());
    EXPECT_FALSE(form.Table()->isVisible());
    EXPECT_TRUE(form.Message()->text().contains("cannot be read")) << form.Message()->text().toStdString();
    EXPECT_TRUE(form.Message()->text().contains("CIV4YieldInfos.xml"));
    EXPECT_EQ(form.Table()->model()->rowCount(), 0);
    EXPECT_EQ(
        mainWindow->MapToolBar()->widgetForAction(mainWindow->MapButton("BtnBalance"))->accessibleName(),
        "Balance");
    form.close();
    EXPECT_FALSE(mainWindow->MapButton("BtnBalance")->isChecked());
}

} // namespace
