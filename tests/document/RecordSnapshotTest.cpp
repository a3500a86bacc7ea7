// Snapshots of records put back exactly what was there: what undoing and redoing an edit rests on.

#include "document/MapContents.h"

#include <gtest/gtest.h>

namespace {

std::string SampleMap() {
    return std::string(TESSEL_SAMPLES_DIR) + "/maps/Archipelago.Civ4WorldBuilderSave";
}

class RecordSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        map.LoadFromFile(SampleMap());
        original = map.SaveToBytes();
    }
    // Takes a snapshot, makes the change and takes another; restoring each gives its bytes back.
    template <typename TTake, typename TChange> void ExpectUndoAndRedo(TTake take, TChange change) {
        const TRecordSnapshot before = take();
        change();
        const TRecordSnapshot after = take();
        const std::string changed = map.SaveToBytes();
        ASSERT_NE(changed, original);
        EXPECT_NE(before, after);
        before.Restore(map);
        EXPECT_EQ(map.SaveToBytes(), original);
        after.Restore(map);
        EXPECT_EQ(map.SaveToBytes(), changed);
        before.Restore(map);
        EXPECT_EQ(map.SaveToBytes(), original);
    }
    TPlot& Plot(int x, int y) { return *map.Grids().GetPlot(x, y); }

    TMap map;
    std::string original;
};

TEST_F(RecordSnapshotTest, SectionRecordsComeBackAsTheyWere) {
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfGame(map); },
                      [&] {
                          map.Game().ApplyEditorLines({"Era=ERA_MEDIEVAL", "Description=Two"});
                      });
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfTeam(map, 1); },
                      [&] { map.Teams().GetTeam(1)->ApplyEditorLines({"AtWar=0,5,"}); });
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfPlayer(map, 0); },
                      [&] { map.Players().GetPlayer(0)->ApplyEditorLines({"StartingEra="}); });
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfMapData(map); },
                      [&] { map.MapData().ApplyEditorLines({"climate=CLIMATE_ARID"}); });
}

TEST_F(RecordSnapshotTest, SlotsTakenIntoUseGoBackOutOfUse) {
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfTeam(map, 7); },
                      [&] { map.Teams().GetTeam(7)->ApplyEditorLines({"Tech=TECH_WHEEL,"}); });
    EXPECT_FALSE(map.Teams().GetTeam(7)->InUse());
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfPlayer(map, 9); },
                      [&] { map.Players().GetPlayer(9)->ApplyEditorLines({"Team=9"}); });
    EXPECT_FALSE(map.Players().GetPlayer(9)->InUse());
}

TEST_F(RecordSnapshotTest, AnUnusedPlayerKeepsWhatItHoldsThoughNothingIsWritten) {
    TPlayer& player = *map.Players().GetPlayer(12);
    const TRecordSnapshot before = TRecordSnapshot::OfPlayer(map, 12);
    player.ApplyEditorLines({"LeaderName=Ada"});
    const TRecordSnapshot after = TRecordSnapshot::OfPlayer(map, 12);
    EXPECT_NE(before, after);
    before.Restore(map);
    EXPECT_EQ(map.Players().GetPlayer(12)->LeaderName(), "");
    after.Restore(map);
    EXPECT_EQ(map.Players().GetPlayer(12)->LeaderName(), "Ada");
}

TEST_F(RecordSnapshotTest, PlotsComeBackWithTheirUnitsCityAndKeptLines) {
    // Find a plot with a unit and one with a city.
    int unitX = -1, unitY = -1, cityX = -1, cityY = -1;
    for (int x = 0; x < map.Grids().Width(); ++x)
        for (int y = 0; y < map.Grids().Height(); ++y) {
            if (Plot(x, y).Units().Count() > 0)
                unitX = x, unitY = y;
            if (Plot(x, y).HasCity())
                cityX = x, cityY = y;
        }
    ASSERT_GE(unitX, 0);
    ASSERT_GE(cityX, 0);
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfPlots(map, unitX, unitY, unitX, unitY); },
                      [&] {
                          Plot(unitX, unitY).Units().Delete(0);
                          Plot(unitX, unitY).ApplyEditorLines({"TerrainType=TERRAIN_SNOW"});
                      });
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfPlots(map, 0, 0, map.Grids().Width(), 99); },
                      [&] {
                          Plot(cityX, cityY).DeleteCity();
                          Plot(0, 0).ApplyEditorLines({"isNOfRiver=1", "RiverWEDirection=3"});
                      });
}

TEST_F(RecordSnapshotTest, APlotThatWritesNothingComesBackToo) {
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfPlots(map, 3, 3, 3, 3); },
                      [&] { Plot(3, 3).ApplyEditorLines({"TerrainType="}); });
    const TRecordSnapshot empty = TRecordSnapshot::OfPlots(map, 3, 3, 3, 3);
    ASSERT_EQ(empty.Plots().size(), 1u);
}

TEST_F(RecordSnapshotTest, SeveralRecordsComeBackTogether) {
    // A start moved: the player's coordinates and the marks of the plot left and the plot taken.
    const TPlayer& player = *map.Players().GetPlayer(0);
    const int oldX = player.StartingX(), oldY = player.StartingY();
    ASSERT_TRUE(Plot(oldX, oldY).StartingPlot());
    const auto take = [&] {
        return TRecordSnapshot::OfParts({TRecordSnapshot::OfPlayer(map, 0),
                                         TRecordSnapshot::OfPlots(map, oldX, oldY, oldX, oldY),
                                         TRecordSnapshot::OfPlots(map, 1, 1, 1, 1)});
    };
    ExpectUndoAndRedo(take, [&] {
        map.Players().GetPlayer(0)->ApplyEditorLines({"StartingX=1", "StartingY=1"});
        Plot(oldX, oldY).SetStartingPlot(false);
        Plot(1, 1).SetStartingPlot(true);
    });
    EXPECT_EQ(take().Parts().size(), 3u);
    EXPECT_GT(take().ByteSize(), TRecordSnapshot::OfPlayer(map, 0).ByteSize());
}

TEST_F(RecordSnapshotTest, TheWholeMapComesBackFromABuiltGrid) {
    ExpectUndoAndRedo([&] { return TRecordSnapshot::OfDocument(map); },
                      [&] {
                          map.Grids().Clear();
                          map.Grids().SetWidth(4);
                          map.Grids().SetHeight(3);
                          map.MapData().SetGridWidth(4);
                          map.MapData().SetGridHeight(3);
                      });
    EXPECT_EQ(map.Grids().Width(), 16);
}

} // namespace
