#pragma once

// The editor as a start of the program shows it: the main window, the recovery copies a crash left
// offered back, and the map named on the command line opened as "Open" would.

#include "catalogue/GameLayers.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

// `layersFor` gets the edition and mod the opened map names and gives the ones to run it with
// instead, or nothing to keep them, as the status bar's "Game layers" menu would.
using TLayersFor = std::function<std::optional<TLayerChoice>(const TLayerChoice& mapChoice)>;

std::unique_ptr<QWidget> ShowEditor(const QString& gameDir, const QString& file, const TLayersFor& layersFor);
