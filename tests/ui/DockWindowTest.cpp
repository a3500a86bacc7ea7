#include "ui/windows/DockWindow.h"

#include <QLabel>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <gtest/gtest.h>

// A main window's stand-in: the panel between two other controls of its home.
TEST(DockWindow, TakesThePanelWhileShownAndPutsItBackInItsPlace) {
    QWidget home;
    auto* layout = new QVBoxLayout(&home);
    auto* above = new QLabel("above", &home);
    auto* panel = new QWidget(&home);
    auto* below = new QLabel("below", &home);
    layout->addWidget(above);
    layout->addWidget(panel);
    layout->addWidget(below);
    home.show();

    TDockWindow dock;
    dock.SetPanel(panel);
    QSignalSpy shown(&dock, &TDockWindow::Shown);
    QSignalSpy closed(&dock, &TDockWindow::Closed);
    EXPECT_EQ(dock.windowTitle(), "Map");
    EXPECT_EQ(dock.size(), QSize(640, 480));
    EXPECT_EQ(dock.pos(), QPoint(187, 179));

    dock.show();
    EXPECT_EQ(shown.count(), 1);
    EXPECT_TRUE(dock.HoldsPanel());
    EXPECT_EQ(panel->parentWidget(), &dock);
    EXPECT_EQ(layout->indexOf(panel), -1);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->size(), dock.size());

    dock.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(dock.HoldsPanel());
    EXPECT_EQ(panel->parentWidget(), &home);
    EXPECT_EQ(layout->indexOf(panel), 1);
    EXPECT_TRUE(panel->isVisible());

    dock.show();
    EXPECT_TRUE(dock.HoldsPanel());
    dock.close();
    EXPECT_EQ(layout->indexOf(panel), 1);
}

TEST(DockWindow, PanelOfAHomeWithoutLayoutFillsItAgain) {
    QWidget home;
    home.resize(300, 200);
    auto* panel = new QWidget(&home);
    home.show();
    TDockWindow dock;
    dock.SetPanel(panel);
    dock.show();
    EXPECT_TRUE(dock.HoldsPanel());
    dock.close();
    EXPECT_EQ(panel->parentWidget(), &home);
    EXPECT_EQ(panel->geometry(), home.rect());
}

TEST(DockWindow, ShowingWithoutAPanelOnlySaysSo) {
    TDockWindow dock;
    QSignalSpy shown(&dock, &TDockWindow::Shown);
    dock.show();
    dock.close();
    EXPECT_EQ(shown.count(), 1);
    EXPECT_FALSE(dock.HoldsPanel());
}
