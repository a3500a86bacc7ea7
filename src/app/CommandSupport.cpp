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

void ReportFileFailure(const TMap& map, const QString& file, const std::string& reason) {
    PrintError(FromLocal(map.ErrorText()));
    const QString why = reason != map.ErrorText() ? FromLocal(reason) : QString();
    if (why.contains(file))
        PrintError("tessel: " + why);
    else
        PrintError(QString("tessel: \"%1\"").arg(file) + (why.isEmpty() ? QString() : ": " + why));
}

bool LoadForCommand(TMap& map, const QString& file) {
    std::string reason;
    try {
        map.LoadFromFile(LocalPath(file));
    } catch (const OperationAborted& abort) {
        reason = abort.what();
    }
    if (map.ErrorText().empty())
        return true;
    ReportFileFailure(map, file, reason);
    return false;
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
