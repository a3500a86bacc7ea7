#pragma once

// What the headless commands share: messages on stderr, file names in the system's encoding,
// loading the map a command reads, and finding the game folder it needs.

#include <QString>

#include "catalogue/GameLayers.h"

#include <functional>
#include <optional>
#include <string>

class TMap;
class TMapFileError;

void PrintError(const QString& text);
std::string LocalPath(const QString& path);
QString FromLocal(const std::string& text);

// The document's own message ("Fail to open file!", "Fail to save file!"...) and, on a second line,
// the file and what exactly went wrong.
void ReportFileFailure(const TMapFileError& error, const QString& file);
// Reads the game's rules with `read`; when it raises OperationAborted, says "Cannot read the game's
// <what>" and why on stderr and returns false.
bool ReadGameRules(const QString& what, const std::function<void()>& read);
// Loads the file a command reads; says why on stderr and returns false when it does not load.
bool LoadForCommand(TMap& map, const QString& file);

// The game folder named with --game-dir, or the one the search finds; nothing, after saying why on
// stderr, when there is none or it does not exist. `purpose` ends the message: "for the yield rules".
std::optional<std::string> GameFolderForCommand(const std::optional<QString>& named, const QString& purpose);

// What the command line says of the game's layers: --game-dir, --edition and --mod, each optional.
struct TLayerOptions {
    std::optional<QString> gameDir;
    std::optional<QString> edition;
    std::optional<QString> mod;

    bool ChoosesLayers() const { return edition || mod; }
    // The choice with the edition and mod these options name put over it.
    TLayerChoice Over(TLayerChoice choice) const;
};

// The layers a command reads the game's rules from: below the game folder (see
// GameFolderForCommand), the edition and mod that --edition and --mod name, else those of the folder
// named, else those of the map (`mapFile` and its game section; none for --values). A layer asked
// for and not installed is said once on stderr. Nothing, after saying why, when there is no game
// folder. The command line refuses an --edition that names none.
std::optional<TGameLayers> LayersForCommand(const TLayerOptions& options, const QString& mapFile,
                                            const TMap* map, const QString& purpose);
