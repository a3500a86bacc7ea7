#pragma once

#include <QString>

class TMap;

// `tessel --render`: the whole map painted into a PNG picture by the map grid's own painting code,
// every display option on.
struct TRenderRequest {
    QString out;
    int zoom = 8;
    bool graphic = false;
    bool gridLines = false;
};

// The largest side of a picture `--render` writes, in pixels.
inline constexpr int MaxPictureSide = 16384;
// The zoom values `--render` takes, as the grid's zoom bar does.
inline constexpr int MinRenderZoom = 8;
inline constexpr int MaxRenderZoom = 128;

// Paints the map and writes the picture through a temporary file, so a failure leaves `out` as it
// was. Prints what went wrong on stderr; returns the program's exit status.
int RenderMap(const TMap& map, const TRenderRequest& request);
