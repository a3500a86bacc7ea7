#pragma once

#include "app/CommandSupport.h"

#include <QString>

// `tessel --balance FILE`: prints how the city radius of every start of the map compares (see
// TBalanceReport), with the yields of the game's rules in the layers the map runs with (see
// LayersForCommand). Returns the exit status: 0, or 1 when the map or the game's files cannot be
// read.
int RunBalance(const QString& file, const TLayerOptions& layers);
