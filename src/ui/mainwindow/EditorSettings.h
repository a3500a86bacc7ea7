#pragma once

// What the editor keeps between runs in the user's settings beside the window, its folders and its
// recent maps: how the map is viewed and the size of the map's brush. A value that is missing or
// cannot be used reads as the default, so a damaged settings file never stops a start.

struct TMapViewSettings {
    int zoom = 32;
    bool graphicMode = false;
    bool gridLines = true;
};

class TEditorSettings {
public:
    static constexpr int DefaultBrushSize = 1;

    // The zoom within TMapGridView's limits.
    static TMapViewSettings MapView();
    static void SetMapView(const TMapViewSettings& view);

    // The brush of the map tool bar, in plots a side: 1 or more.
    static int BrushSize();
    static void SetBrushSize(int size);
};
