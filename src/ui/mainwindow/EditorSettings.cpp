#include "ui/mainwindow/EditorSettings.h"

#include "ui/mapview/MapGridView.h"

#include <QSettings>

#include <algorithm>

namespace {

constexpr const char* ZoomKey = "map/zoom";
constexpr const char* GraphicModeKey = "map/graphicMode";
constexpr const char* GridLinesKey = "map/gridLines";
constexpr const char* BrushSizeKey = "map/brushSize";

int ReadInt(const QSettings& settings, const char* key, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : fallback;
}

bool ReadBool(const QSettings& settings, const char* key, bool fallback) {
    const QVariant value = settings.value(key);
    const QString text = value.toString().trimmed().toLower();
    if (text == "true" || text == "1")
        return true;
    if (text == "false" || text == "0")
        return false;
    return fallback;
}

} // namespace

TMapViewSettings TEditorSettings::MapView() {
    const QSettings settings;
    TMapViewSettings view;
    view.zoom = std::clamp(ReadInt(settings, ZoomKey, view.zoom), int(TMapGridView::MinZoom),
                           int(TMapGridView::MaxZoom));
    view.graphicMode = ReadBool(settings, GraphicModeKey, view.graphicMode);
    view.gridLines = ReadBool(settings, GridLinesKey, view.gridLines);
    return view;
}

void TEditorSettings::SetMapView(const TMapViewSettings& view) {
    QSettings settings;
    settings.setValue(ZoomKey, view.zoom);
    settings.setValue(GraphicModeKey, view.graphicMode);
    settings.setValue(GridLinesKey, view.gridLines);
}

int TEditorSettings::BrushSize() {
    const int size = ReadInt(QSettings(), BrushSizeKey, DefaultBrushSize);
    return size >= 1 ? size : DefaultBrushSize;
}

void TEditorSettings::SetBrushSize(int size) {
    QSettings().setValue(BrushSizeKey, std::max(size, 1));
}
