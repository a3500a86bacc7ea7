#pragma once

#include <QString>

#include <optional>

// `tessel --balance FILE`: prints how the city radius of every start of the map compares (see
// TBalanceReport), with the yields of the game's rules below `gameDir`, or below the game folder
// the search finds when none is named. Returns the exit status: 0, or 1 when the map or the game's
// files cannot be read.
int RunBalance(const QString& file, const std::optional<QString>& gameDir);
