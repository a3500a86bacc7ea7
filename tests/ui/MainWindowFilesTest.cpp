// Open, save, save as, new and closing: what is asked, what is written, and that a failure or a
// cancelled dialog never loses the map.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "support/BusyCursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTabBar>
#include <QUrl>

namespace {

using TAnswer = TDialogs::TAnswer;

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MainFormFilesTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        copy = folder.filePath("Archipelago.Civ4WorldBuilderSave");
        ASSERT_TRUE(QFile::copy(SampleMap(), copy));
        ASSERT_TRUE(mainWindow->OpenFile(copy));
    }
    // A row typed and not yet written: the questions before a map is left write it first.
    void MakeModified() { TypeInto("MaxTurns", "77"); }

    QTemporaryDir folder;
    QString copy;
};

TEST_F(MainFormFilesTest, SaveAsAddsTheMapExtensionOnlyWhereItIsMissing) {
    EXPECT_EQ(TMainWindow::WithMapExtension("/m/a"), "/m/a.Civ4WorldBuilderSave");
    EXPECT_EQ(TMainWindow::WithMapExtension("/m/a.txt"), "/m/a.txt.Civ4WorldBuilderSave");
    EXPECT_EQ(TMainWindow::WithMapExtension("/m/a.civ4worldbuildersave"), "/m/a.civ4worldbuildersave");
    EXPECT_EQ(TMainWindow::WithMapExtension("/m/a.CIVBEYONDSWORDWBSAVE"), "/m/a.CIVBEYONDSWORDWBSAVE");
    EXPECT_EQ(TMainWindow::WithMapExtension("/m/a.CivWarlordsWBSave"), "/m/a.CivWarlordsWBSave");

    dialogs->filesToSave.push_back(folder.filePath("copy"));
    EXPECT_TRUE(mainWindow->SaveMapAs());
    const QString written = folder.filePath("copy.Civ4WorldBuilderSave");
    EXPECT_EQ(mainWindow->FileName(), written);
    EXPECT_EQ(mainWindow->windowTitle(), "QuarraMapEditor V2 - copy.Civ4WorldBuilderSave");
    EXPECT_EQ(Bytes(written), Bytes(copy));
    EXPECT_EQ(dialogs->messages, QStringList{"File saved!"});
}

TEST_F(MainFormFilesTest, SaveWritesTheEditedRowAndClearsModified) {
    MakeModified();
    EXPECT_TRUE(mainWindow->SaveMap());
    EXPECT_FALSE(mainWindow->Modified());
    EXPECT_TRUE(Bytes(copy).contains("\tMaxTurns=77\r\n"));
    EXPECT_EQ(dialogs->saveDialogs, 0);
}

TEST_F(MainFormFilesTest, ConfirmingCancelKeepsTheWindowOpenAndNoCloses) {
    EXPECT_TRUE(mainWindow->ConfirmSaveChanges()); // nothing to ask for an unchanged map
    EXPECT_TRUE(dialogs->questions.isEmpty());

    MakeModified();
    dialogs->answers = {TAnswer::Cancel};
    EXPECT_FALSE(mainWindow->close());
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(dialogs->questions, QStringList{"Save file confirmation: Save map file before proceed?"});

    const QByteArray before = Bytes(copy);
    dialogs->answers = {TAnswer::No};
    EXPECT_TRUE(mainWindow->close());
    EXPECT_EQ(Bytes(copy), before);
}

TEST_F(MainFormFilesTest, ConfirmingYesSavesANamedMapAndGoesOn) {
    MakeModified();
    dialogs->answers = {TAnswer::Yes};
    EXPECT_TRUE(mainWindow->close());
    EXPECT_TRUE(Bytes(copy).contains("\tMaxTurns=77\r\n"));
    EXPECT_EQ(dialogs->messages, QStringList{"File saved!"});
}

TEST_F(MainFormFilesTest, ACancelledSaveAsStopsWhatAskedAndKeepsTheMap) {
    mainWindow->NewMap();
    MakeModified();
    dialogs->answers = {TAnswer::Yes};
    EXPECT_FALSE(mainWindow->close()); // the save dialog is cancelled: no file is named
    EXPECT_EQ(dialogs->saveDialogs, 1);
    EXPECT_TRUE(mainWindow->Modified());
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 77);

    dialogs->answers = {TAnswer::Yes};
    mainWindow->NewMap();
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 77);
}

TEST_F(MainFormFilesTest, AFailedSaveShowsWhyStopsWhatAskedAndLeavesTheTargetAlone) {
    // A folder in the way of the file: the save cannot replace it.
    const QString blocked = folder.filePath("blocked.Civ4WorldBuilderSave");
    ASSERT_TRUE(QDir().mkpath(blocked + "/inside"));
    mainWindow->NewMap();
    MakeModified();
    dialogs->filesToSave.push_back(blocked);
    dialogs->answers = {TAnswer::Yes};
    EXPECT_FALSE(mainWindow->close());
    EXPECT_EQ(dialogs->messages, QStringList{"Fail to save file!"});
    EXPECT_TRUE(mainWindow->Modified());
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 77);
    EXPECT_TRUE(QFileInfo(blocked + "/inside").isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Archipelago.Civ4WorldBuilderSave"});
}

TEST_F(MainFormFilesTest, OpenAsksFirstAndCancelChangesNothing) {
    MakeModified();
    dialogs->answers = {TAnswer::Cancel};
    mainWindow->OpenMap();
    EXPECT_EQ(dialogs->openDialogs, 0);
    EXPECT_TRUE(mainWindow->Modified());
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 77);
}

TEST_F(MainFormFilesTest, AFailedOpenLeavesTheMapItsNameAndTheSheetAsTheyWere) {
    const QString broken = folder.filePath("broken.Civ4WorldBuilderSave");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BeginTeam\r\nEndTeam\r\nBeginGame\r\nEndGame\r\nBeginPlayer\r\nBeginMap\r\nBeginPlot\r\n");
    file.close();
    mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabTeam);
    mainWindow->SelectTeamOrPlayer(1);
    const QString title = mainWindow->windowTitle();

    dialogs->filesToOpen.push_back(broken);
    mainWindow->OpenMap();
    EXPECT_EQ(dialogs->messages, QStringList{"Map file structure error!"});
    EXPECT_EQ(mainWindow->FileName(), copy);
    EXPECT_EQ(mainWindow->windowTitle(), title);
    EXPECT_EQ(mainWindow->TeamIndex(), 1);
    EXPECT_EQ(mainWindow->Map().Grids().Width(), 16);
    EXPECT_EQ(Sheet().Value(Sheet().FindRow("Tech")), "TECH_FISHING,TECH_MEDITATION,");

    dialogs->filesToOpen.push_back(folder.filePath("gone.Civ4WorldBuilderSave"));
    mainWindow->OpenMap();
    EXPECT_EQ(dialogs->messages.last(), "Fail to open file!");
    EXPECT_EQ(mainWindow->FileName(), copy);

    EXPECT_EQ(mainWindow->BusyCursor().Count(), 0);

    // A later Save still writes the map that is shown, to its own file.
    EXPECT_TRUE(mainWindow->SaveMap());
    EXPECT_EQ(Bytes(copy), Bytes(SampleMap()));
}

TEST_F(MainFormFilesTest, NewLeavesAnUnnamedMapOfOnePlot) {
    mainWindow->NewMap();
    EXPECT_EQ(mainWindow->windowTitle(), "QuarraMapEditor V2");
    EXPECT_TRUE(mainWindow->FileName().isEmpty());
    EXPECT_EQ(mainWindow->StatusPanel(1)->text(), "Size = (1 x 1)");
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(MainFormFilesTest, AMapDroppedOnTheWindowOpensAfterAsking) {
    const QString other = folder.filePath("other.Civ4WorldBuilderSave");
    ASSERT_TRUE(QFile::copy(SampleMap(), other));
    MakeModified();
    dialogs->answers = {TAnswer::No};
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(other)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mainWindow, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mainWindow, &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(mainWindow->FileName(), other);
    EXPECT_EQ(dialogs->questions.size(), 1);
    EXPECT_FALSE(mainWindow->Modified());
}

} // namespace
