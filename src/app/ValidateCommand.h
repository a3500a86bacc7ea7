#pragma once

#include <QString>

#include <optional>

// `tessel --validate FILE [--game-dir DIR]`: loads FILE, checks it against the rules of the game in
// DIR (or of the game found on this system when DIR is not given), prints one line per finding and
// a summary line. Returns 0 when every value is known, 1 when something was found, 2 when the map
// or the game's files cannot be read.
int ValidateCommand(const QString& file, const std::optional<QString>& gameDir);
