// Cropping, extending and shifting the map from the editor: each is one step of the history, the
// grid and mini-map take the new size, and what cannot be done is refused with a reason.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "render/MiniMapBitmap.h"
#include "ui/dialogs/ReshapeDialogs.h"
#include "ui/mapview/MapGridView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>

namespace {

class ReshapeTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
        original = Bytes();
    }
    static std::string Bytes() { return mainWindow->Map().SaveToBytes(); }
    // Presses a map tool bar button and, while its dialog is shown, runs `act` on it.
    template <typename TForm> static void WithDialog(const char* button, std::function<void(TForm&)> act) {
        QTimer::singleShot(0, [act] {
            auto* form = qobject_cast<TForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            act(*form);
        });
        mainWindow->MapButton(button)->trigger();
    }
    void ExpectUndoAndRedoOfOneStep(const std::string& after) {
        EXPECT_EQ(mainWindow->Session().History().count(), 1);
        mainWindow->Undo();
        EXPECT_EQ(Bytes(), original);
        EXPECT_EQ(mainWindow->GridView()->ColCount(), 16);
        mainWindow->Redo();
        EXPECT_EQ(Bytes(), after);
    }
    std::string original;
};

TEST_F(ReshapeTest, ExtendAddsPlotsOfTheChosenTerrainOnEverySide) {
    WithDialog<TExtendMapDialog>("BtnExtendMap", [](TExtendMapDialog& form) {
        form.NumLeft()->setValue(1);
        form.NumRight()->setValue(2);
        form.NumBottom()->setValue(3);
        form.NumTop()->setValue(4);
        form.FillTerrain()->setEditText("TERRAIN_GRASS");
        form.accept();
    });
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 19);
    EXPECT_EQ(mainWindow->Map().Grids().Height(), 17);
    EXPECT_EQ(mainWindow->GridView()->ColCount(), 19);
    EXPECT_EQ(mainWindow->MiniMapBitmap().Width(), 57);
    EXPECT_EQ(mainWindow->Map().Grids().GetPlot(0, 0)->TerrainType(), "TERRAIN_GRASS");
    EXPECT_EQ(mainWindow->StatusPanel(1)->text(), "Size = (19 x 17)");
    ExpectUndoAndRedoOfOneStep(Bytes());
}

TEST_F(ReshapeTest, ShiftMovesTheSeamAndAShiftBackGivesTheSameMap) {
    auto shift = [](int dx) {
        WithDialog<TShiftMapDialog>("BtnShiftMap", [dx](TShiftMapDialog& form) {
            EXPECT_FALSE(form.NumDY()->isEnabled()); // the sample map wraps across only
            form.NumDX()->setValue(dx);
            form.accept();
        });
    };
    shift(3);
    const std::string shifted = Bytes();
    EXPECT_NE(shifted, original);
    shift(-3);
    EXPECT_EQ(Bytes(), original);
    mainWindow->Undo();
    EXPECT_EQ(Bytes(), shifted);
}

TEST_F(ReshapeTest, AMapThatDoesNotWrapIsNotShifted) {
    mainWindow->Map().MapData().SetWrapX(0);
    mainWindow->MapButton("BtnShiftMap")->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].contains("wraps neither"));
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
}

TEST_F(ReshapeTest, CropKeepsTheRectangleAndSaysWhatWentOff) {
    ASSERT_TRUE(mainWindow->CropMapTo(QRect(QPoint(2, 1), QPoint(5, 3))));
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 4);
    EXPECT_EQ(mainWindow->Map().Grids().Height(), 3);
    EXPECT_EQ(mainWindow->Map().MapData().GridWidth(), 4);
    ASSERT_EQ(dialogs->messages.size(), 1); // the sample map's units and cities lie elsewhere
    EXPECT_TRUE(dialogs->messages[0].startsWith("Crop to selection took off the map: "));
    ExpectUndoAndRedoOfOneStep(Bytes());
}

TEST_F(ReshapeTest, CropToSelectionKeepsTheSelectedPlots) {
    mainWindow->MapButton("BtnCropMap")->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].contains("Shift+drag"));
    ASSERT_TRUE(mainWindow->SetSelection(QRect(QPoint(0, 0), QPoint(15, 4))));
    mainWindow->MapButton("BtnCropMap")->trigger();
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 16);
    EXPECT_EQ(mainWindow->Map().Grids().Height(), 5);
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
}

TEST_F(ReshapeTest, ARefusedCropChangesNothingAndSaysWhy) {
    EXPECT_FALSE(mainWindow->CropMapTo(QRect(QPoint(10, 0), QPoint(20, 3))));
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(Bytes(), original);
    EXPECT_EQ(mainWindow->Session().History().count(), 0);
}

} // namespace
