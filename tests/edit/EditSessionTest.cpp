#include "edit/EditSession.h"

#include "document/Map.h"
#include "edit/Recovery.h"

#include <QSignalSpy>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <string>

namespace {

// A session on a map of 4 x 3 plots, with no history and nothing unsaved.
class EditSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        TMap& map = session.Map();
        map.MapData().SetGridWidth(4);
        map.MapData().SetGridHeight(3);
        map.Grids().SetWidth(4);
        map.Grids().SetHeight(3);
    }

    static TDocumentChange Terrain(int x, int y, const std::string& terrain) {
        return {QString("Terrain at (%1, %2)").arg(x).arg(y), TChangeScope::Plot(x, y),
                [x, y, terrain](TMap& map) { map.Grids().GetPlot(x, y)->SetTerrainType(terrain); }};
    }
    std::string TerrainAt(int x, int y) const { return session.Map().Grids().GetPlot(x, y)->TerrainType(); }

    // What a new grid's plots hold.
    const std::string blank = TPlot().TerrainType();

    TEditSession session;
};

} // namespace

TEST_F(EditSessionTest, AChangeIsAStepThatUndoAndRedoTakeBackAndMakeAgain) {
    QSignalSpy changed(&session, &TEditSession::Changed);
    ASSERT_TRUE(session.Change(Terrain(1, 2, "TERRAIN_GRASS")));
    EXPECT_EQ(TerrainAt(1, 2), "TERRAIN_GRASS");
    EXPECT_EQ(session.History().count(), 1);
    EXPECT_EQ(session.History().undoText(), "Terrain at (1, 2)");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FALSE(changed.at(0).at(1).toBool()) << "a change made now does not come from the history";

    session.Undo();
    EXPECT_EQ(TerrainAt(1, 2), blank);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed.at(1).at(1).toBool());
    session.Redo();
    EXPECT_EQ(TerrainAt(1, 2), "TERRAIN_GRASS");
}

TEST_F(EditSessionTest, AChangeThatChangesNothingOrIsRefusedMakesNoStep) {
    ASSERT_TRUE(session.Change(Terrain(0, 0, "TERRAIN_COAST")));
    EXPECT_TRUE(session.Change(Terrain(0, 0, "TERRAIN_COAST")));
    EXPECT_EQ(session.History().count(), 1);

    // Refused half way: the plot written before the refusal is put back.
    const TDocumentChange refused{"Two plots", TChangeScope::Plots(QRect(0, 0, 2, 1)), [](TMap& map) {
                                      map.Grids().GetPlot(1, 0)->SetTerrainType("TERRAIN_DESERT");
                                      throw OperationAborted("no");
                                  }};
    EXPECT_FALSE(session.Change(refused));
    EXPECT_EQ(TerrainAt(1, 0), blank);
    EXPECT_EQ(session.History().count(), 1);
}

TEST_F(EditSessionTest, AStrokeIsOneStepOfThePlotsItChanged) {
    session.BeginStroke("Paint TerrainType=TERRAIN_PLAINS");
    ASSERT_TRUE(session.Change(Terrain(0, 0, "TERRAIN_PLAINS")));
    ASSERT_TRUE(session.Change(Terrain(1, 0, "TERRAIN_PLAINS")));
    ASSERT_TRUE(session.Change(Terrain(0, 0, "TERRAIN_PLAINS")));
    EXPECT_EQ(session.History().count(), 0) << "nothing is a step before the stroke ends";
    EXPECT_EQ(TerrainAt(1, 0), "TERRAIN_PLAINS") << "the plots change as the stroke goes";
    session.EndStroke();
    ASSERT_EQ(session.History().count(), 1);
    session.Undo();
    EXPECT_EQ(TerrainAt(0, 0), blank);
    EXPECT_EQ(TerrainAt(1, 0), blank);
}

TEST_F(EditSessionTest, UndoEndsAStrokeUnderWayAndUndoesIt) {
    session.BeginStroke("Paint");
    ASSERT_TRUE(session.Change(Terrain(2, 1, "TERRAIN_TUNDRA")));
    session.Undo();
    EXPECT_EQ(TerrainAt(2, 1), blank);
    EXPECT_EQ(session.History().count(), 1);
    EXPECT_EQ(session.History().index(), 0);
}

TEST_F(EditSessionTest, AnEditBeingTypedGoesInFirstAndARefusedOneKeepsTheStep) {
    ASSERT_TRUE(session.Change(Terrain(0, 0, "TERRAIN_GRASS")));
    bool accept = false;
    int asked = 0;
    session.SetPendingEditHook([&] {
        ++asked;
        return accept;
    });
    session.Undo();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(TerrainAt(0, 0), "TERRAIN_GRASS") << "a refused edit keeps the map as it is";
    accept = true;
    session.Undo();
    EXPECT_EQ(TerrainAt(0, 0), blank);
}

TEST_F(EditSessionTest, ModifiedIsTheHistoryAwayFromItsSavedStep) {
    QSignalSpy modified(&session, &TEditSession::ModifiedChanged);
    EXPECT_FALSE(session.Modified());
    ASSERT_TRUE(session.Change(Terrain(0, 0, "TERRAIN_GRASS")));
    EXPECT_TRUE(session.Modified());
    session.MarkSaved();
    EXPECT_FALSE(session.Modified());
    session.Undo();
    EXPECT_TRUE(session.Modified()) << "undoing past the save is a change";
    session.Redo();
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(modified.count(), 4);

    // A map restored from a recovery copy stays unsaved whatever is undone.
    session.MarkUnsaved();
    EXPECT_TRUE(session.Modified());
    session.Undo();
    session.Redo();
    EXPECT_TRUE(session.Modified());

    session.ClearHistory();
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(session.History().count(), 0);
}

TEST_F(EditSessionTest, ARecoveryCopyIsWrittenOnlyWhileChangesAreUnsaved) {
    session.WriteRecovery();
    EXPECT_FALSE(session.Recovery().HasFile());
    ASSERT_TRUE(session.Change(Terrain(3, 2, "TERRAIN_SNOW")));
    session.WriteRecovery();
    ASSERT_TRUE(session.Recovery().HasFile());
    session.MarkSaved();
    EXPECT_FALSE(session.Recovery().HasFile()) << "a save leaves no copy behind";
}

TEST_F(EditSessionTest, TakingAnotherMapStartsTheHistoryAgain) {
    ASSERT_TRUE(session.Change(Terrain(0, 0, "TERRAIN_GRASS")));
    QSignalSpy cleared(&session, &TEditSession::HistoryCleared);
    auto other = std::make_unique<TMap>();
    const TMap* taken = other.get();
    session.TakeMap(std::move(other));
    EXPECT_EQ(&session.Map(), taken);
    EXPECT_EQ(session.History().count(), 0);
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(cleared.count(), 1);
}
