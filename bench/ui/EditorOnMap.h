#pragma once

// The editor's windows with a synthetic map of the given size opened in them, as a user opens it.

#include "SyntheticMap.h"
#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "ui/mainwindow/MainWindow.h"

#include <QTemporaryDir>

#include <functional>

struct TEditorOnMap {
    // change: what is done to the map before it is written and opened.
    TEditorOnMap(int width, int height, const QString& gameDir = QString(),
                 const std::function<void(TMap&)>& change = nullptr)
        : window(gameDir) {
        TMap map;
        BuildSyntheticMap(map, width, height);
        if (change)
            change(map);
        const QString file = folder.filePath("synthetic.Civ4WorldBuilderSave");
        map.SaveToFile(file.toStdString());
        window.show();
        window.OpenFile(file);
    }
    QTemporaryDir folder;
    TMainWindow window;
};
