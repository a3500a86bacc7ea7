// A selected rectangle of plots: made with Shift and the mouse, shown as a frame, its rows shared or
// differing on the sheet, written, cleared, its units and cities removed, copied and pasted.

#include "MapEditingFixture.h"

#include "ui/sheet/PropertySheet.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

#include <map>

namespace {

constexpr const char* PlotsType = "application/x-tessel-plots";

class PlotSelectionTest : public MapEditingFixture {
protected:
    QString Value(const QString& key) const { return Sheet().Value(Sheet().FindRow(key)); }
    bool Mixed(const QString& key) const { return Sheet().IsMixed(Sheet().FindRow(key)); }
    static void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        Grid().setFocus();
        QTest::keyClick(&Grid(), static_cast<Qt::Key>(key), modifiers);
    }
    // The plots (2, 5) to (3, 6): grassland with hills, a forest and wheat on (3, 6) only.
    static void SelectGrassland() { Drag({QPoint(2, 3), QPoint(3, 4)}, Qt::ShiftModifier); }
    static void PutOnClipboard(const QByteArray& bytes) {
        auto* data = new QMimeData;
        data->setData(PlotsType, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
    }
};

TEST_F(PlotSelectionTest, ShiftAndADragSelectARectangleWhoseSharedValuesShow) {
    SelectGrassland();
    EXPECT_EQ(mainWindow->Selection(), QRect(2, 5, 2, 2));
    EXPECT_EQ(Value("TerrainType"), "TERRAIN_GRASS");
    EXPECT_FALSE(Mixed("TerrainType"));
    EXPECT_EQ(Value("PlotType"), "2");
    EXPECT_TRUE(Mixed("FeatureType"));
    EXPECT_EQ(Value("FeatureType"), "");
    EXPECT_TRUE(Mixed("BonusType")); // wheat on (3, 6)
    EXPECT_EQ(Value("RouteType"), "");
    EXPECT_FALSE(Mixed("RouteType"));
    // The current cell stays; the rectangle gets a frame.
    EXPECT_EQ(Grid().Col(), 0);
    QCoreApplication::processEvents();
    const QImage shown = Grid().viewport()->grab().toImage();
    const QRect corner = Grid().CellRect(2, 3);
    EXPECT_EQ(shown.pixel(corner.topLeft() + QPoint(1, 1)), qRgb(255, 140, 0));
    EXPECT_NE(shown.pixel(corner.center()), qRgb(255, 140, 0));
}

TEST_F(PlotSelectionTest, ADragFramesItsCellsAndSelectsThemWhenLetGo) {
    Press(2, 3, Qt::ShiftModifier);
    MoveTo(3, 4);
    QCoreApplication::processEvents();
    const QImage shown = Grid().viewport()->grab().toImage();
    EXPECT_EQ(shown.pixel(Grid().CellRect(3, 4).bottomRight() - QPoint(1, 1)), qRgb(255, 140, 0));
    EXPECT_TRUE(mainWindow->Selection().isEmpty());
    EXPECT_FALSE(Mixed("FeatureType"));
    Release(3, 4, Qt::ShiftModifier);
    EXPECT_EQ(mainWindow->Selection(), QRect(2, 5, 2, 2));
    EXPECT_TRUE(Mixed("FeatureType"));
}

TEST_F(PlotSelectionTest, ARowBeingTypedGoesIntoThePlotItWasTypedFor) {
    TypeInto("TerrainType", "TERRAIN_SNOW");
    SelectGrassland();
    EXPECT_EQ(Plot(0, 9).TerrainType(), "TERRAIN_SNOW");
    EXPECT_EQ(Plot(2, 5).TerrainType(), "TERRAIN_GRASS");
    EXPECT_EQ(Value("TerrainType"), "TERRAIN_GRASS");
}

TEST_F(PlotSelectionTest, ShiftAndAClickReachFromTheCellClickedBefore) {
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(5, 2));
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(7, 4));
    EXPECT_EQ(mainWindow->Selection(), QRect(5, 5, 3, 3));
    // A plain click leaves the rectangle for its own cell.
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_TRUE(mainWindow->Selection().isEmpty());
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_FALSE(Mixed("TerrainType"));
}

TEST_F(PlotSelectionTest, ARowWrittenGoesIntoEverySelectedPlotAsOneStep) {
    SelectGrassland();
    ExpectOneStep(
        [&] {
            TypeInto("TerrainType", "TERRAIN_TUNDRA");
            ASSERT_TRUE(mainWindow->CommitCurrentRow());
        },
        "TerrainType in (2, 5) to (3, 6)");
    for (int x = 2; x <= 3; ++x)
        for (int y = 5; y <= 6; ++y)
            EXPECT_EQ(Plot(x, y).TerrainType(), "TERRAIN_TUNDRA") << x << ", " << y;
    EXPECT_EQ(Plot(1, 5).TerrainType(), "TERRAIN_COAST");
    EXPECT_EQ(Plot(4, 6).TerrainType(), "TERRAIN_GRASS");
    // The differing row was not written.
    EXPECT_EQ(Plot(3, 6).FeatureType(), "FEATURE_FOREST");
    EXPECT_EQ(Plot(2, 5).FeatureType(), "");
}

TEST_F(PlotSelectionTest, ADifferingRowIsWrittenOnlyOnceAValueIsTyped) {
    SelectGrassland();
    Sheet().SetCurrentRow(Sheet().FindRow("FeatureType"));
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    Sheet().SetCurrentRow(Sheet().FindRow("TerrainType"));
    EXPECT_EQ(mainWindow->Session().History().count(), 0);

    TypeInto("FeatureType", "FEATURE_JUNGLE");
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    EXPECT_FALSE(Mixed("FeatureType"));
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
    EXPECT_EQ(Plot(2, 5).FeatureType(), "FEATURE_JUNGLE");
    EXPECT_EQ(Plot(3, 6).FeatureType(), "FEATURE_JUNGLE");
}

TEST_F(PlotSelectionTest, EscapeClearsTheSelectionAndTheSheetShowsTheCurrentPlot) {
    SelectGrassland();
    ASSERT_TRUE(Mixed("FeatureType"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(mainWindow->Selection().isEmpty());
    EXPECT_FALSE(Mixed("FeatureType"));
    EXPECT_EQ(Value("TerrainType"), "TERRAIN_OCEAN"); // the plot (0, 9)
}

TEST_F(PlotSelectionTest, DeleteAsksAndThenRemovesTheUnitsAndCitiesAsOneStep) {
    Drag({QPoint(4, 2), QPoint(8, 4)}, Qt::ShiftModifier); // (4, 5) to (8, 7)
    const std::string before = DocumentBytes();
    dialogs->answers = {TDialogs::TAnswer::No};
    Key(Qt::Key_Delete);
    ASSERT_EQ(dialogs->questions.size(), 1);
    EXPECT_EQ(dialogs->questions[0],
              "Remove units and cities: Remove 3 units and 1 city from the 15 selected plots?");
    EXPECT_EQ(DocumentBytes(), before);

    dialogs->answers = {TDialogs::TAnswer::Yes};
    ExpectOneStep([] { Key(Qt::Key_Delete); }, "Remove units and cities in (4, 5) to (8, 7)");
    EXPECT_EQ(Plot(4, 5).Units().Count(), 0);
    EXPECT_FALSE(Plot(4, 5).HasCity());
    EXPECT_EQ(Plot(8, 7).Units().Count(), 0);
    EXPECT_EQ(Plot(4, 5).TerrainType(), "TERRAIN_PLAINS");
    EXPECT_TRUE(Plot(13, 3).HasCity());
    EXPECT_EQ(Value("Units"), "[ 0 Units ]");
}

TEST_F(PlotSelectionTest, CopyAndPasteRepeatAThreeByTwoRegionWithItsUnitsAndCity) {
    Drag({QPoint(4, 3), QPoint(6, 4)}, Qt::ShiftModifier); // (4, 5) to (6, 6)
    std::map<std::pair<int, int>, std::string> sources;
    for (int dx = 0; dx < 3; ++dx)
        for (int dy = 0; dy < 2; ++dy)
            sources[{dx, dy}] = PlotText(4 + dx, 5 + dy);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied->hasFormat(PlotsType));
    EXPECT_TRUE(copied->data(PlotsType).startsWith("TesselPlots,x=4,y=5,width=3,height=2"));

    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(12, 7)); // the plot (12, 2)
    ExpectOneStep([] { Key(Qt::Key_V, Qt::ControlModifier); }, "Paste 3 x 2 plots at (12, 2)");
    for (const auto& [offset, text] : sources) {
        const auto [dx, dy] = offset;
        std::string expected = text;
        const std::string from = "x=" + std::to_string(4 + dx) + ",y=" + std::to_string(5 + dy);
        expected.replace(expected.find(from), from.size(),
                         "x=" + std::to_string(12 + dx) + ",y=" + std::to_string(1 + dy));
        EXPECT_EQ(PlotText(12 + dx, 1 + dy), expected) << dx << ", " << dy;
    }
    EXPECT_EQ(Plot(12, 1).Units().Count(), 2);
    EXPECT_EQ(Plot(12, 1).City()->CityName(), "Tessera");
    EXPECT_EQ(mainWindow->Selection(), QRect(12, 1, 3, 2));
}

TEST_F(PlotSelectionTest, PastedPlotsBeyondTheMapAreSkipped) {
    Drag({QPoint(4, 3), QPoint(6, 4)}, Qt::ShiftModifier);
    mainWindow->CopyPlots();
    const std::string topLeft = PlotText(4, 6);
    const std::string acrossTheSeam = PlotText(0, 0);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(15, 9)); // the plot (15, 0)
    mainWindow->PastePlots();
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
    std::string expected = topLeft;
    expected.replace(expected.find("x=4,y=6"), 7, "x=15,y=0");
    EXPECT_EQ(PlotText(15, 0), expected);
    EXPECT_EQ(PlotText(0, 0), acrossTheSeam);
    EXPECT_EQ(mainWindow->Selection(), QRect(15, 0, 1, 1));
}

TEST_F(PlotSelectionTest, OnlyPlotsOfTheirOwnTypeArePastedAndBadOnesAreRefused) {
    const std::string before = DocumentBytes();
    QGuiApplication::clipboard()->setText(
        "TesselPlots,x=0,y=0,width=1,height=1\nBeginPlot\n\tx=0,y=0\nEndPlot\n");
    mainWindow->PastePlots();
    EXPECT_EQ(mainWindow->StatusPanel(0)->text(), "The clipboard holds no plots");

    PutOnClipboard(
        "TesselPlots,x=0,y=0,width=1,height=1\r\nBeginPlot\r\n\tx=0,y=0\r\n\tPlotType=high\r\nEndPlot\r\n");
    mainWindow->PastePlots();
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].startsWith("The plots on the clipboard cannot be pasted: The plot that "
                                                "begins on line 2 cannot be read"))
        << dialogs->messages[0].toStdString();
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
}

TEST_F(PlotSelectionTest, UnitsAndCitiesAreEditedOnePlotAtATime) {
    SelectGrassland();
    mainWindow->PickRowValues(Sheet().FindRow("Units"));
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0],
              "Units and cities are edited one plot at a time: click a single plot first.");
}

} // namespace
