#pragma once

// The editor's windows with a synthetic map of the given size opened in them, for benchmarks of
// what the main window does, in the game folder given (an empty one is looked for as at start-up).

#include "EditorWindows.h"
#include "MapContents.h"
#include "SyntheticMap.h"
#include "Tessel_Main.h"

#include <QTemporaryDir>

struct TEditorOnMap {
    TEditorOnMap(int width, int height, const QString& gameDir = QString()) : windows(gameDir) {
        TMap map;
        BuildSyntheticMap(map, width, height);
        const QString file = folder.filePath("synthetic.Civ4WorldBuilderSave");
        map.SaveToFile(file.toStdString());
        windows.Main().show();
        windows.Main().OpenFile(file);
    }
    QTemporaryDir folder;
    TEditorWindows windows;
};
