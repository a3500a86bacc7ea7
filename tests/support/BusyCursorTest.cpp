#include "support/BusyCursor.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Qt's override cursors from the bottom of the stack to the top; the stack is left as it was.
std::vector<Qt::CursorShape> OverrideStack() {
    std::vector<Qt::CursorShape> shapes;
    while (const QCursor* top = QGuiApplication::overrideCursor()) {
        shapes.push_back(top->shape());
        QGuiApplication::restoreOverrideCursor();
    }
    std::reverse(shapes.begin(), shapes.end());
    for (Qt::CursorShape shape : shapes)
        QGuiApplication::setOverrideCursor(QCursor(shape));
    return shapes;
}

using TStack = std::vector<Qt::CursorShape>;

// Every test starts and ends with no override cursor, whatever it leaves behind.
class BusyCursor : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr); }
    void TearDown() override {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
    }
};

} // namespace

TEST_F(BusyCursor, BusyShowsTheHourglassAndIdleLeavesNoOverrideBehind) {
    TBusyCursor busy;
    busy.Busy();
    EXPECT_EQ(TBusyCursor::ApplicationCursor(), Qt::WaitCursor);
    EXPECT_EQ(busy.Count(), 1);
    busy.Idle();
    EXPECT_EQ(busy.Count(), 0);
    EXPECT_EQ(OverrideStack(), TStack{});
}

TEST_F(BusyCursor, NestedCallsKeepTheHourglassUntilTheOutermostIdle) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    TBusyCursor busy;
    busy.Busy();
    busy.Busy();
    busy.Idle();
    EXPECT_EQ(busy.Count(), 1);
    EXPECT_EQ(TBusyCursor::ApplicationCursor(), Qt::WaitCursor);
    busy.Idle();
    EXPECT_EQ(busy.Count(), 0);
    EXPECT_EQ(OverrideStack(), TStack{Qt::CrossCursor}) << "the cursor from before the first Busy, once";
}

TEST_F(BusyCursor, IdleWithoutBusyStaysAtZeroAndLeavesAnotherCursorAlone) {
    TBusyCursor busy;
    QGuiApplication::setOverrideCursor(QCursor(Qt::PointingHandCursor));
    busy.Idle();
    busy.Idle();
    EXPECT_EQ(busy.Count(), 0);
    EXPECT_EQ(OverrideStack(), TStack{Qt::PointingHandCursor});
    busy.Busy();
    EXPECT_EQ(busy.Count(), 1) << "the extra Idles were not counted below zero";
}

TEST_F(BusyCursor, IdleWithoutBusyRestoresTheSavedCursorWhenTheHourglassShows) {
    TBusyCursor busy;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); // other code's hourglass
    busy.Idle();
    EXPECT_EQ(busy.Count(), 0);
    EXPECT_EQ(OverrideStack(), TStack{Qt::ArrowCursor}) << "changed in place: its owner's pop stays balanced";
}

TEST_F(BusyCursor, HourglassShownByOtherCodeIsNotTakenForTheCursorToRestore) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::IBeamCursor));
    TBusyCursor busy;
    EXPECT_EQ(busy.SavedCursor(), Qt::IBeamCursor);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    busy.Busy();
    EXPECT_EQ(busy.SavedCursor(), Qt::IBeamCursor);
    busy.Idle();
    EXPECT_EQ(OverrideStack(), (TStack{Qt::IBeamCursor, Qt::IBeamCursor}))
        << "the saved cursor shows; the other code's entry is still its own to pop";
}

TEST_F(BusyCursor, CursorSetByOtherCodeWhileBusyIsLeftForThatCodeToRestore) {
    TBusyCursor busy;
    busy.Busy();
    QGuiApplication::setOverrideCursor(QCursor(Qt::SizeAllCursor));
    busy.Idle();
    EXPECT_EQ(busy.Count(), 0);
    EXPECT_EQ(TBusyCursor::ApplicationCursor(), Qt::SizeAllCursor);
    QGuiApplication::restoreOverrideCursor(); // the other code is done
    EXPECT_EQ(TBusyCursor::ApplicationCursor(), Qt::WaitCursor);
    busy.Reset();
    EXPECT_EQ(OverrideStack(), TStack{}) << "Reset removes the hourglass that Idle had to leave";
}

TEST_F(BusyCursor, DestroyingItRestoresTheCursorWhateverTheDepth) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    {
        TBusyCursor busy;
        busy.Busy();
        busy.Busy();
        busy.Busy();
        EXPECT_EQ(busy.Count(), 3);
    }
    EXPECT_EQ(OverrideStack(), TStack{Qt::CrossCursor});
}

TEST_F(BusyCursor, ResetSetsTheCountToZero) {
    TBusyCursor busy;
    busy.Busy();
    busy.Busy();
    busy.Reset();
    EXPECT_EQ(busy.Count(), 0);
    EXPECT_EQ(OverrideStack(), TStack{});
    busy.Busy();
    busy.Idle();
    EXPECT_EQ(OverrideStack(), TStack{}) << "usable again after a reset";
}

TEST_F(BusyCursor, ManyPairsLeaveTheStackAsItWas) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    TBusyCursor busy;
    for (int i = 0; i < 50; ++i) {
        busy.Busy();
        busy.Busy();
        busy.Idle();
        busy.Idle();
        busy.Idle(); // an unbalanced extra one
    }
    EXPECT_EQ(OverrideStack(), TStack{Qt::CrossCursor});
}

TEST_F(BusyCursor, OwnerWindowDestroysItAndRestoresTheCursor) {
    auto window = std::make_unique<QObject>();
    auto* busy = new TBusyCursor(window.get()); // owned by its parent, as a window owns it
    busy->Busy();
    window.reset();
    EXPECT_EQ(OverrideStack(), TStack{});
}
