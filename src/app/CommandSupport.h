#pragma once

// What the headless commands share: messages on stderr, file names in the system's encoding,
// loading the map a command reads, and finding the game folder it needs.

#include <QString>

#include <optional>
#include <string>

class TMap;

void PrintError(const QString& text);
std::string LocalPath(const QString& path);
QString FromLocal(const std::string& text);

// The document's own message ("Fail to open file!", "Fail to save file!"...) and, on a second line,
// the file and what exactly went wrong.
void ReportFileFailure(const TMap& map, const QString& file, const std::string& reason);
// Loads the file a command reads; says why on stderr and returns false when it does not load.
bool LoadForCommand(TMap& map, const QString& file);

// The game folder named with --game-dir, or the one the search finds; nothing, after saying why on
// stderr, when there is none or it does not exist. `purpose` ends the message: "for the yield rules".
std::optional<std::string> GameFolderForCommand(const std::optional<QString>& named, const QString& purpose);
