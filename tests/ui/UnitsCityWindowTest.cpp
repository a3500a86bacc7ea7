// The units and city editor as a user meets it: the list of a plot's units or its city, the rows of
// the record chosen, Add, Delete and Exit, values written back before every way out, a refused
// value keeping the window open, the picker, and an owner that resets a city.

#include "EditorFixture.h"

#include "catalogue/Catalogue.h"
#include "document/MapContents.h"
#include "ui/dialogs/ValuePickerDialog.h"
#include "ui/windows/UnitsCityWindow.h"

#include <QListWidget>
#include <QTabBar>
#include <QTimer>

#include <functional>

namespace {

class UnitsCityTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
    }

    static TPlot& PlotAt(int x, int y) { return *mainWindow->Map().Grids().GetPlot(x, y); }
    static TPropertySheet& UCSheet() { return *mainWindow->UnitsCityWindow()->Sheet(); }
    static QString UCValue(const QString& key) { return UCSheet().Value(UCSheet().FindRow(key)); }
    static QStringList Listed() {
        QStringList items;
        for (int i = 0; i < mainWindow->UnitsCityWindow()->LBList()->count(); ++i)
            items.append(mainWindow->UnitsCityWindow()->LBList()->item(i)->text());
        return items;
    }

    // Opens the editor modally on the plot and, while it is shown, runs `act` on it. Returns whether
    // the window was still open after `act` (it is then closed without writing anything).
    static bool Edit(int x, int y, bool units, const std::function<void(TUnitsCityWindow&)>& act) {
        mainWindow->UnitsCityWindow()->SetPlot(&PlotAt(x, y), units);
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            act(*mainWindow->UnitsCityWindow());
            stayedOpen = mainWindow->UnitsCityWindow()->isVisible();
            if (stayedOpen)
                mainWindow->UnitsCityWindow()->done(QDialog::Rejected);
        });
        mainWindow->UnitsCityWindow()->exec();
        return stayedOpen;
    }

    // Opens the picker on the editor's row and, while it is shown, runs `act` on it.
    static void PickOnRow(const QString& key, const std::function<void(TValuePickerDialog&)>& act) {
        const int row = UCSheet().FindRow(key);
        UCSheet().SetCurrentRow(row);
        QTimer::singleShot(0, [act] { act(*mainWindow->ValuePicker()); });
        mainWindow->UnitsCityWindow()->PickRowValues(row);
    }
};

TEST_F(UnitsCityTest, APlotsUnitsAreListedInFileOrderWithTheFirstShown) {
    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        EXPECT_EQ(form.windowTitle(), "Units");
        EXPECT_EQ(Listed(), (QStringList{"ARCHER", "WORKER"}));
        EXPECT_EQ(form.LBList()->currentRow(), 0);
        EXPECT_EQ(form.CurrentIndex(), 0);
        EXPECT_EQ(UCValue("UnitType"), "UNIT_ARCHER");
        EXPECT_EQ(UCValue("Level"), "2");
        EXPECT_EQ(UCValue("PromotionType"), "PROMOTION_CITY_GARRISON1,PROMOTION_DRILL1,");
        EXPECT_EQ(UCSheet().Kind(UCSheet().FindRow("UnitType")), KindOneValue);
        EXPECT_EQ(UCSheet().Kind(UCSheet().FindRow("PromotionType")), KindSeveralValues);

        form.LBList()->setCurrentRow(1); // a click on the second unit
        EXPECT_EQ(form.CurrentIndex(), 1);
        EXPECT_EQ(UCValue("UnitType"), "UNIT_WORKER");
        form.AcceptAndClose();
    });
    Edit(4, 5, false, [](TUnitsCityWindow& form) {
        EXPECT_EQ(form.windowTitle(), "City");
        EXPECT_EQ(Listed(), QStringList{"Tessera"});
        EXPECT_EQ(UCValue("BuildingType"), "BUILDING_PALACE,BUILDING_MONUMENT,");
        form.AcceptAndClose();
    });
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(UnitsCityTest, APlotWithoutUnitsGivesAnEmptyListAndSheetEvenWithACity) {
    PlotAt(0, 0).GetOrCreateCity().SetCityName("Lone");
    Edit(0, 0, true, [](TUnitsCityWindow& form) {
        EXPECT_TRUE(Listed().isEmpty());
        EXPECT_EQ(form.CurrentIndex(), -1);
        EXPECT_EQ(UCSheet().RowCount(), 0);
        form.DeleteEntry(); // nothing selected: nothing deleted
        EXPECT_TRUE(Listed().isEmpty());
        EXPECT_TRUE(form.AcceptAndClose());
    });
    EXPECT_TRUE(PlotAt(0, 0).HasCity());
}

TEST_F(UnitsCityTest, ChangingAUnitsTypeRenamesItsListItem) {
    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "UnitType", "unit_x");
        QTest::keyClick(UCSheet().OpenEditor(), Qt::Key_Return);
        EXPECT_EQ(Listed(), (QStringList{"X", "WORKER"}));
        EXPECT_EQ(UCSheet().Key(UCSheet().CurrentRow()), "UnitOwner");
        form.AcceptAndClose();
    });
    EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->UnitType(), "UNIT_X");
    EXPECT_TRUE(mainWindow->Modified());
}

TEST_F(UnitsCityTest, AddAppendsADefaultUnitAndDeleteSelectsTheUnitBeforeOrNone) {
    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        form.AddUnit();
        EXPECT_EQ(Listed(), (QStringList{"ARCHER", "WORKER", "SETTLER"}));
        EXPECT_EQ(form.CurrentIndex(), 2);
        EXPECT_EQ(form.LBList()->currentRow(), 2);
        EXPECT_EQ(UCValue("UnitAIType"), "UNITAI_SETTLE");

        form.DeleteEntry(); // the last of three: the new last is selected
        EXPECT_EQ(Listed(), (QStringList{"ARCHER", "WORKER"}));
        EXPECT_EQ(form.CurrentIndex(), 1);
        EXPECT_EQ(UCValue("UnitType"), "UNIT_WORKER");

        form.LBList()->setCurrentRow(0);
        form.DeleteEntry(); // the first: the one after it moves up and is selected
        EXPECT_EQ(Listed(), QStringList{"WORKER"});
        EXPECT_EQ(UCValue("UnitType"), "UNIT_WORKER");
        form.DeleteEntry(); // the only one: nothing is left to show
        EXPECT_TRUE(Listed().isEmpty());
        EXPECT_EQ(form.CurrentIndex(), -1);
        EXPECT_EQ(UCSheet().RowCount(), 0);
        form.AcceptAndClose();
    });
    EXPECT_EQ(PlotAt(4, 5).Units().Count(), 0);
    EXPECT_TRUE(PlotAt(4, 5).HasCity());
    EXPECT_TRUE(mainWindow->Modified());
}

TEST_F(UnitsCityTest, CityModeAddsOneCityOnlyAndDeleteRemovesIt) {
    ASSERT_FALSE(PlotAt(0, 0).HasCity());
    Edit(0, 0, false, [](TUnitsCityWindow& form) {
        EXPECT_TRUE(Listed().isEmpty());
        form.AddUnit();
        EXPECT_EQ(Listed(), QStringList{"Noname"});
        EXPECT_EQ(form.CurrentIndex(), 0);
        EXPECT_EQ(UCValue("CityName"), "Noname");
        TypeInto(UCSheet(), "CityName", "Harbour");
        form.AddUnit(); // a city is there: nothing is added, the name is written
        EXPECT_EQ(Listed(), QStringList{"Harbour"});
        EXPECT_EQ(PlotAt(0, 0).City()->CityName(), "Harbour");

        form.DeleteEntry();
        EXPECT_TRUE(Listed().isEmpty());
        EXPECT_EQ(UCSheet().RowCount(), 0);
        EXPECT_FALSE(PlotAt(0, 0).HasCity());
        form.AcceptAndClose();
    });
}

TEST_F(UnitsCityTest, AValueTypedButNotConfirmedIsWrittenByAddExitAndTheCloseBox) {
    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "Level", "7");
        form.AddUnit();
        EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->Level(), 7);
        TypeInto(UCSheet(), "Experience", "9");
        EXPECT_TRUE(form.AcceptAndClose());
    });
    EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(2)->Experience(), 9);

    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "Level", "5");
        EXPECT_TRUE(form.close());
    });
    EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->Level(), 5);

    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "Experience", "11");
        form.LBList()->setCurrentRow(1); // leaving the unit for another writes it too
        EXPECT_EQ(UCValue("UnitType"), "UNIT_WORKER");
        form.AcceptAndClose();
    });
    EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->Experience(), 11);

    Edit(4, 5, false, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "CityPopulation", "6");
        form.DeleteEntry();
    });
    EXPECT_FALSE(PlotAt(4, 5).HasCity());
}

TEST_F(UnitsCityTest, ARefusedLevelKeepsTheWindowOpenUntilCorrected) {
    const bool stayedOpen = Edit(4, 5, true, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "Level", "abc");
        EXPECT_FALSE(form.AcceptAndClose());
        EXPECT_FALSE(form.close());
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        form.AddUnit();
        form.DeleteEntry();
        form.LBList()->setCurrentRow(1);
        EXPECT_EQ(Listed(), (QStringList{"ARCHER", "WORKER"}));
        EXPECT_EQ(form.CurrentIndex(), 0);
        EXPECT_EQ(form.LBList()->currentRow(), 0);
        EXPECT_EQ(UCValue("Level"), "abc");
        EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->Level(), 2);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(PlotAt(4, 5).Units().Count(), 2);

    const bool stillOpen = Edit(4, 5, true, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "Level", "abc");
        EXPECT_FALSE(form.AcceptAndClose());
        TypeInto(UCSheet(), "Level", "3");
        EXPECT_TRUE(form.AcceptAndClose());
    });
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->Level(), 3);
}

TEST_F(UnitsCityTest, ThePickerMarksTheUnitsPromotionsAndWritesTheChosenOnes) {
    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        QStringList marked;
        PickOnRow("PromotionType", [&](TValuePickerDialog& picker) {
            for (const QListWidgetItem* item : picker.LBMultiValues()->selectedItems())
                marked.append(item->text());
            picker.SelectNone();
            picker.CancelPick();
        });
        EXPECT_EQ(marked, (QStringList{"PROMOTION_CITY_GARRISON1", "PROMOTION_DRILL1"}));
        EXPECT_EQ(UCValue("PromotionType"), "PROMOTION_CITY_GARRISON1,PROMOTION_DRILL1,");

        PickOnRow("PromotionType", [](TValuePickerDialog& picker) {
            picker.SelectNone();
            picker.LBMultiValues()
                ->findItems("PROMOTION_COMBAT1", Qt::MatchExactly)
                .constFirst()
                ->setSelected(true);
            picker.AcceptAndClose();
        });
        EXPECT_EQ(UCValue("PromotionType"), "PROMOTION_COMBAT1,");
        form.AcceptAndClose();
    });
    EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->PromotionTypes(), StringList{"PROMOTION_COMBAT1"});

    Edit(4, 5, false, [](TUnitsCityWindow& form) {
        PickOnRow("ReligionType", [](TValuePickerDialog& picker) {
            picker.LBMultiValues()
                ->findItems("RELIGION_ISLAM", Qt::MatchExactly)
                .constFirst()
                ->setSelected(true);
            picker.close(); // the close box applies
        });
        form.AcceptAndClose();
    });
    EXPECT_EQ(PlotAt(4, 5).City()->ReligionTypes(),
              (StringList{"RELIGION_BUDDHISM", "RELIGION_HINDUISM", "RELIGION_ISLAM"}));
}

TEST_F(UnitsCityTest, AnOwnerThatIsNoPlayerResetsTheCityAndTheEditorShowsIt) {
    Edit(4, 5, false, [this](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "CityOwner", "3");
        QTest::keyClick(UCSheet().OpenEditor(), Qt::Key_Return);
        EXPECT_EQ(PlotAt(4, 5).City()->CityOwner(), 3);
        EXPECT_EQ(Listed(), QStringList{"Tessera"});
        EXPECT_TRUE(dialogs->messages.isEmpty());

        TypeInto(UCSheet(), "CityOwner", "99");
        QTest::keyClick(UCSheet().OpenEditor(), Qt::Key_Return);
        EXPECT_EQ(PlotAt(4, 5).City()->CityOwner(), -1);
        EXPECT_EQ(Listed(), QStringList{"Noname"});
        EXPECT_EQ(UCValue("CityOwner"), "-1");
        EXPECT_EQ(UCValue("CityName"), "Noname");
        EXPECT_EQ(UCValue("BuildingType"), "");
        EXPECT_EQ(UCValue("Player0Culture"), "");
        ASSERT_EQ(dialogs->messages.size(), 1);
        EXPECT_TRUE(dialogs->messages[0].contains("99"));
        EXPECT_TRUE(dialogs->messages[0].contains("reset"));
        form.AcceptAndClose();
    });
    EXPECT_EQ(PlotAt(4, 5).City()->CityName(), "Noname");
}

TEST_F(UnitsCityTest, ARowThatWritesFurtherValuesShowsThemAtOnce) {
    Edit(4, 5, true, [](TUnitsCityWindow& form) {
        TypeInto(UCSheet(), "Level", "5, Experience=40");
        QTest::keyClick(UCSheet().OpenEditor(), Qt::Key_Return);
        EXPECT_EQ(UCValue("Level"), "5");
        EXPECT_EQ(UCValue("Experience"), "40");
        form.AcceptAndClose();
    });
    EXPECT_EQ(PlotAt(4, 5).Units().GetUnit(0)->Experience(), 40);
}

TEST_F(UnitsCityTest, ThePlotsSummaryRowShowsWhatTheEditorLeft) {
    mainWindow->NewMap();
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
    const int unitsRow = Sheet().FindRow("Units");
    ASSERT_GE(unitsRow, 0);
    EXPECT_EQ(Sheet().Value(unitsRow), "[ 0 Units ]");
    Sheet().SetCurrentRow(unitsRow);
    QTimer::singleShot(0, [] {
        mainWindow->UnitsCityWindow()->AddUnit();
        mainWindow->UnitsCityWindow()->AddUnit();
        mainWindow->UnitsCityWindow()->AcceptAndClose();
    });
    mainWindow->PickRowValues(unitsRow);
    EXPECT_EQ(Sheet().Value(unitsRow), "[ 2 Units ]");

    const int cityRow = Sheet().FindRow("City");
    Sheet().SetCurrentRow(cityRow);
    QTimer::singleShot(0, [] {
        EXPECT_EQ(mainWindow->UnitsCityWindow()->windowTitle(), "City");
        mainWindow->UnitsCityWindow()->AddUnit();
        mainWindow->UnitsCityWindow()->close();
    });
    mainWindow->PickRowValues(cityRow);
    EXPECT_EQ(Sheet().Value(cityRow), "[ 1 City ]");
    EXPECT_TRUE(mainWindow->Map().Grids().GetPlot(0, 0)->HasCity());
    EXPECT_TRUE(mainWindow->Modified());
}

} // namespace
