#include "app/CommandSupport.h"

#include "catalogue/GameFolder.h"
#include "catalogue/GameLayers.h"
#include "document/Map.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

void PrintError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromLocal(const std::string& text) {
    return QFile::decodeName(text.c_str());
}

void ReportFileFailure(const TMapFileError& error, const QString& file) {
    PrintError(FromLocal(error.Message()));
    const std::string reason = error.what();
    const QString why = reason != error.Message() ? FromLocal(reason) : QString();
    if (why.contains(file))
        PrintError("tessel: " + why);
    else
        PrintError(QString("tessel: \"%1\"").arg(file) + (why.isEmpty() ? QString() : ": " + why));
}

bool ReadGameRules(const QString& what, const std::function<void()>& read) {
    try {
        read();
    } catch (const OperationAborted& error) {
        PrintError("Cannot read the game's " + what + ": " + FromLocal(error.what()));
        return false;
    }
    return true;
}

bool LoadForCommand(TMap& map, const QString& file) {
    try {
        map.LoadFromFile(LocalPath(file));
    } catch (const TMapFileError& error) {
        ReportFileFailure(error, file);
        return false;
    }
    return true;
}

std::optional<std::string> GameFolderForCommand(const std::optional<QString>& named, const QString& purpose) {
    const std::string gameDir =
        named ? LocalPath(*named) : FindGameFolder(TGameSearchPlaces::FromEnvironment());
    if (gameDir.empty()) {
        PrintError(QString("No game folder %1: none was found; name one with --game-dir DIR.").arg(purpose));
        return std::nullopt;
    }
    if (!QFileInfo(FromLocal(gameDir)).isDir()) {
        PrintError(QString("The game folder \"%1\" does not exist.").arg(FromLocal(gameDir)));
        return std::nullopt;
    }
    return gameDir;
}

TLayerChoice TLayerOptions::Over(TLayerChoice choice) const {
    if (edition)
        ParseEdition(edition->toStdString(), choice.edition);
    if (mod) {
        choice.mod = LocalPath(*mod);
        choice.modNamedAs = "--mod names \"" + choice.mod + "\"";
    }
    return choice;
}

std::optional<TGameLayers> LayersForCommand(const TLayerOptions& options, const QString& mapFile,
                                            const TMap* map, const QString& purpose) {
    const std::optional<std::string> gameDir = GameFolderForCommand(options.gameDir, purpose);
    if (!gameDir)
        return std::nullopt;
    const TNamedFolder folder = LocateGameFolder(*gameDir);
    const TLayerChoice choice = options.Over(
        folder.Over(map ? ChoiceOfMap(LocalPath(mapFile), map->Game().ModPath()) : TLayerChoice()));
    TGameLayers layers =
        TGameLayers::Resolve(folder.root, choice, WinePrefixes(TGameSearchPlaces::FromEnvironment()));
    if (!layers.MissingText().empty())
        PrintError("tessel: " + QString::fromUtf8(layers.MissingText().c_str()));
    return layers;
}
