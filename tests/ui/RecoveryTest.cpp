// A map with unsaved changes survives the editor being killed: the next start offers it back.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "edit/Recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QUndoStack>

#include <csignal>

namespace {

using TAnswer = TDialogs::TAnswer;

class RecoveryTest : public EditorFixture {
protected:
    void SetUp() override {
        QDir(TRecovery::Folder()).removeRecursively();
        EditorFixture::SetUp();
        copy = folder.filePath("Archipelago.Civ4WorldBuilderSave");
        ASSERT_TRUE(QFile::copy(SampleMap(), copy));
    }
    void TearDown() override {
        EditorFixture::TearDown();
        QDir(TRecovery::Folder()).removeRecursively();
    }
    // Starts an editor that changes the copy and waits; returns once its recovery copy exists.
    void StartVictim() {
        victim.setProgram(TESSEL_RECOVERY_VICTIM);
        victim.setArguments({copy, SampleGame()});
        victim.start();
        ASSERT_TRUE(victim.waitForStarted(10000));
        ASSERT_TRUE(victim.waitForReadyRead(20000));
        ASSERT_EQ(victim.readAllStandardOutput().trimmed(), "ready");
    }
    void KillVictim() {
        ::kill(static_cast<pid_t>(victim.processId()), SIGKILL);
        victim.waitForFinished(10000);
    }

    // The text of the one recovery copy there is.
    static QByteArray RecoveryCopy() {
        const QDir recovery(TRecovery::Folder());
        const QStringList copies = recovery.entryList({"*.Civ4WorldBuilderSave"}, QDir::Files);
        EXPECT_EQ(copies.size(), 1);
        QFile file(recovery.filePath(copies.value(0)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void SetMaxTurns(int turns) {
        TypeInto("MaxTurns", QString::number(turns));
        ASSERT_TRUE(mainWindow->CommitCurrentRow());
    }

    QTemporaryDir folder;
    QString copy;
    QProcess victim;
};

TEST_F(RecoveryTest, AKilledEditorsChangesAreOfferedAndRestoredAsAModifiedMap) {
    StartVictim();
    EXPECT_TRUE(TRecovery::Orphans().empty()); // its editor still runs
    KillVictim();
    ASSERT_EQ(TRecovery::Orphans().size(), 1u);

    dialogs->answers = {TAnswer::Yes};
    mainWindow->OfferRecovery();
    ASSERT_EQ(dialogs->questions.size(), 1);
    EXPECT_EQ(
        dialogs->questions[0],
        "Recovery: Tessel closed without saving Archipelago.Civ4WorldBuilderSave. Restore the changes?");
    EXPECT_EQ(mainWindow->FileName(), copy);
    EXPECT_EQ(mainWindow->windowTitle(), "QuarraMapEditor V2 - Archipelago.Civ4WorldBuilderSave");
    EXPECT_TRUE(mainWindow->Modified());
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 123);

    // The map's own file was never touched; saving writes it and removes the recovery copy.
    QFile original(copy);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_FALSE(original.readAll().contains("MaxTurns=123"));
    EXPECT_TRUE(mainWindow->SaveMap());
    EXPECT_TRUE(QDir(TRecovery::Folder()).entryList(QDir::Files).isEmpty());
}

TEST_F(RecoveryTest, ARestoredMapStaysChangedAndIsListedUnderItsOwnName) {
    StartVictim();
    KillVictim();
    dialogs->answers = {TAnswer::Yes};
    mainWindow->OfferRecovery();
    ASSERT_TRUE(mainWindow->Modified());
    ASSERT_FALSE(mainWindow->RecentMaps().isEmpty());
    EXPECT_EQ(mainWindow->RecentMaps().front(), copy);
    for (const QString& recent : mainWindow->RecentMaps())
        EXPECT_FALSE(recent.startsWith(TRecovery::Folder())) << recent.toStdString();

    // Undoing what was done since does not make the restored changes saved ones.
    SetMaxTurns(200);
    mainWindow->Undo();
    EXPECT_TRUE(mainWindow->Modified());
    EXPECT_TRUE(mainWindow->Session().Recovery().HasFile());
    EXPECT_EQ(mainWindow->Map().Game().MaxTurns(), 123);

    // "Open" starts in the map's folder, not in the recovery folder.
    dialogs->answers = {TAnswer::No};
    mainWindow->OpenMap();
    EXPECT_EQ(dialogs->openFolders, QStringList({folder.path()}));
}

TEST_F(RecoveryTest, EveryFiftyStepsMakeAFreshCopyWithoutWaitingForTheTimer) {
    ASSERT_TRUE(mainWindow->OpenFile(copy));
    for (int turns = 301; turns < 350; ++turns)
        SetMaxTurns(turns);
    EXPECT_FALSE(mainWindow->Session().Recovery().HasFile());
    SetMaxTurns(350);
    ASSERT_TRUE(mainWindow->Session().Recovery().HasFile());
    EXPECT_TRUE(RecoveryCopy().contains("MaxTurns=350"));
    EXPECT_TRUE(mainWindow->Modified());

    // Steps undone and made anew count as new steps.
    for (int i = 0; i < 10; ++i)
        mainWindow->Undo();
    for (int turns = 401; turns < 450; ++turns)
        SetMaxTurns(turns);
    EXPECT_TRUE(RecoveryCopy().contains("MaxTurns=350"));
    SetMaxTurns(450);
    EXPECT_TRUE(RecoveryCopy().contains("MaxTurns=450"));
}

TEST_F(RecoveryTest, DecliningRemovesTheCopyAndCancelAsksAgainNextTime) {
    StartVictim();
    KillVictim();
    dialogs->answers = {TAnswer::Cancel};
    mainWindow->OfferRecovery();
    EXPECT_EQ(TRecovery::Orphans().size(), 1u);
    dialogs->answers = {TAnswer::No};
    mainWindow->OfferRecovery();
    EXPECT_TRUE(TRecovery::Orphans().empty());
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(RecoveryTest, ACopyThatCannotBeOpenedIsKeptButNotOfferedAgain) {
    ASSERT_TRUE(mainWindow->OpenFile(copy));
    ASSERT_TRUE(QDir().mkpath(TRecovery::Folder()));
    const QString broken = QDir(TRecovery::Folder()).filePath("broken.Civ4WorldBuilderSave");
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BeginMap\r\nnot a map\r\n");
        QSettings note(QDir(TRecovery::Folder()).filePath("broken.ini"), QSettings::IniFormat);
        note.setValue("map", copy);
    }
    ASSERT_EQ(TRecovery::Orphans().size(), 1u);

    dialogs->answers = {TAnswer::Yes};
    mainWindow->OfferRecovery();
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(dialogs->messages[1],
              "The recovery copy of Archipelago.Civ4WorldBuilderSave could not be opened. It is kept as \"" +
                  QDir::toNativeSeparators(broken) + "\".");
    EXPECT_TRUE(QFile::exists(broken));
    EXPECT_TRUE(TRecovery::Orphans().empty());
    // The map that was open stays open.
    EXPECT_EQ(mainWindow->FileName(), copy);
    EXPECT_FALSE(mainWindow->Modified());
}

TEST_F(RecoveryTest, TheTimerWritesACopyOnlyWhenTheMapChangedSinceTheLastOne) {
    ASSERT_TRUE(mainWindow->OpenFile(copy));
    SetMaxTurns(77);
    mainWindow->Session().WriteRecovery();
    ASSERT_TRUE(RecoveryCopy().contains("MaxTurns=77"));

    // Mark the copy on disk: a second tick without a change leaves it alone.
    const QDir recovery(TRecovery::Folder());
    const QString copyPath = recovery.filePath(recovery.entryList({"*.Civ4WorldBuilderSave"}).value(0));
    {
        QFile file(copyPath);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("marked");
    }
    mainWindow->Session().WriteRecovery();
    EXPECT_TRUE(RecoveryCopy().endsWith("marked"));

    // Undoing is a change as well.
    SetMaxTurns(78);
    mainWindow->Undo();
    mainWindow->Session().WriteRecovery();
    EXPECT_FALSE(RecoveryCopy().endsWith("marked"));
    EXPECT_TRUE(RecoveryCopy().contains("MaxTurns=77"));
}

TEST_F(RecoveryTest, ACleanExitLeavesNoCopy) {
    ASSERT_TRUE(mainWindow->OpenFile(copy));
    mainWindow->Session().SetRecoveryInterval(1);
    TypeInto("MaxTurns", "5");
    ASSERT_TRUE(mainWindow->CommitCurrentRow());
    mainWindow->Session().WriteRecovery();
    EXPECT_TRUE(mainWindow->Session().Recovery().HasFile());
    dialogs->answers = {TAnswer::No};
    EXPECT_TRUE(mainWindow->close());
    EXPECT_TRUE(QDir(TRecovery::Folder()).entryList(QDir::Files).isEmpty());
}

} // namespace
