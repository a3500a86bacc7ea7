#pragma once

#include "app/CommandSupport.h"

#include <QString>

// `tessel --validate FILE [--game-dir DIR] [--edition E] [--mod NAME]`: loads FILE, checks it against
// the rules of the game's layers the map runs with (see LayersForCommand), prints one line per
// finding and a summary line. Returns 0 when every value is known, 1 when something was found, 2
// when the map or the game's files cannot be read; a layer that is not installed changes nothing.
int ValidateCommand(const QString& file, const TLayerOptions& layers);
