// The keyboard as the desktop delivers it: after a real click, keys go to whatever widget holds
// the focus, so a widget that takes the focus unasked breaks the keys of another.

#include "MapEditingFixture.h"

#include "ui/mainwindow/StatusPanel.h"

#include <QApplication>
#include <QTest>
#include <QUndoStack>

namespace {

class KeyboardFocusTest : public MapEditingFixture {
protected:
    void SetUp() override {
        MapEditingFixture::SetUp();
        mainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow));
    }
    // The key goes where the desktop would send it: to the focus widget.
    static void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    }
    static void Type(const QString& text) {
        for (const QChar ch : text)
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    }
    static QString CurrentCell() { return mainWindow->StatusPanel(2)->text(); }
    static void ClickValueOf(const QString& key) {
        TPropertySheet& sheet = *mainWindow->Sheet();
        const QRect cell =
            sheet.visualRect(static_cast<QTableView&>(sheet).model()->index(sheet.FindRow(key), 1));
        QTest::mouseClick(sheet.viewport(), Qt::LeftButton, {}, cell.center());
    }
    static void ShowRules() {
        mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabRule);
        QCoreApplication::processEvents();
    }
};

TEST_F(KeyboardFocusTest, KeysAfterAClickOnACellWalkTheGrid) {
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(2, 3));
    EXPECT_EQ(CurrentCell(), "(2, 3)");
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(CurrentCell(), "(4, 3)");
    Key(Qt::Key_Down);
    EXPECT_EQ(CurrentCell(), "(4, 4)");
    Key(Qt::Key_Home);
    EXPECT_EQ(CurrentCell(), "(0, 4)");
    Key(Qt::Key_End);
    EXPECT_EQ(CurrentCell(), QString("(%1, 4)").arg(mainWindow->Map().Grids().Width() - 1));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(CurrentCell(), QString("(%1, 0)").arg(mainWindow->Map().Grids().Width() - 1));
    EXPECT_EQ(QApplication::focusWidget(), &Grid());
}

TEST_F(KeyboardFocusTest, TabFromTheMapOpensTheSheetsCurrentRow) {
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    Key(Qt::Key_Tab);
    ASSERT_NE(mainWindow->Sheet()->OpenEditor(), nullptr);
    EXPECT_TRUE(mainWindow->Sheet()->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(KeyboardFocusTest, F6MovesBetweenTheMapAndTheSheetAndBack) {
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    Key(Qt::Key_F6);
    ASSERT_NE(mainWindow->Sheet()->OpenEditor(), nullptr);
    EXPECT_TRUE(mainWindow->Sheet()->isAncestorOf(QApplication::focusWidget()));
    Key(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &Grid());
    Key(Qt::Key_Left);
    EXPECT_EQ(CurrentCell(), "(0, 1)");
}

TEST_F(KeyboardFocusTest, CtrlZRightAfterASheetEditUndoesItAndCtrlShiftZRedoesIt) {
    ShowRules();
    const int before = mainWindow->Map().Game().StartYear();
    ClickValueOf("StartYear");
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("-2500");
    Key(Qt::Key_Return);
    ASSERT_EQ(mainWindow->Map().Game().StartYear(), -2500);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(mainWindow->Map().Game().StartYear(), before);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(mainWindow->Map().Game().StartYear(), -2500);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(mainWindow->Map().Game().StartYear(), -2500);
    EXPECT_EQ(mainWindow->Session().History().count(), 1);
}

TEST_F(KeyboardFocusTest, CtrlZWhileTypingTakesBackTheTypingFirst) {
    ShowRules();
    ClickValueOf("MaxTurns");
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("-2500");
    Key(Qt::Key_Return); // one step to undo later
    ClickValueOf("StartYear");
    const QString shown = mainWindow->Sheet()->Value(mainWindow->Sheet()->FindRow("StartYear"));
    Key(Qt::Key_End);
    Type("12");
    Key(Qt::Key_Z, Qt::ControlModifier);
    auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), shown);
    EXPECT_EQ(mainWindow->Session().History().index(), 1);
    // Nothing typed is left: the next Ctrl+Z is the map's.
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(mainWindow->Session().History().index(), 0);
}

} // namespace
