#pragma once

// The editor on the sample map's "Map" tab, with the mouse on the grid as a user moves it.

#include "EditorFixture.h"

#include "document/MapContents.h"
#include "ui/mapview/MapGridView.h"

#include <QTabBar>

class MapEditingFixture : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        ASSERT_TRUE(mainWindow->OpenFile(SampleMap()));
        mainWindow->Tabs()->setCurrentIndex(TMainWindow::TabMap);
        QCoreApplication::processEvents(); // lays the shown map panel out
    }

    static TMapGridView& Grid() { return *mainWindow->GridView(); }
    static TPlot& Plot(int x, int y) { return *mainWindow->Map().Grids().GetPlot(x, y); }
    // The plot's block as the map file holds it.
    static std::string PlotText(int x, int y) {
        std::string text;
        for (const std::string& line : Plot(x, y).SaveToStrings())
            text += line + "\n";
        return text;
    }

    static QPoint CellCentre(int col, int row) { return Grid().CellRect(col, row).center(); }
    static void Press(int col, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(Grid().viewport(), Qt::LeftButton, modifiers, CellCentre(col, row));
    }
    static void MoveTo(int col, int row) { QTest::mouseMove(Grid().viewport(), CellCentre(col, row)); }
    static void Release(int col, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseRelease(Grid().viewport(), Qt::LeftButton, modifiers, CellCentre(col, row));
    }
    // Presses on the first cell, moves over the others in turn and lets go on the last.
    static void Drag(std::initializer_list<QPoint> cells, Qt::KeyboardModifiers modifiers = {}) {
        const QPoint first = *cells.begin();
        Press(first.x(), first.y(), modifiers);
        for (const QPoint& cell : cells)
            MoveTo(cell.x(), cell.y());
        const QPoint last = *(cells.end() - 1);
        Release(last.x(), last.y(), modifiers);
    }
};
