#include "ValidateCommand.h"

#include "MapContents.h"
#include "MapReader.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

void PrintError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// The map's text is Windows-1252, the code page of its files.
void PrintLine(const std::string& text) {
    std::printf("%s\n", QString::fromUtf8(Windows1252ToUtf8(text).c_str()).toLocal8Bit().constData());
}

QString FromLocal(const std::string& text) {
    return QFile::decodeName(text.c_str());
}

bool LoadMap(TMap& map, const QString& file) {
    std::string reason;
    try {
        map.LoadFromFile(QFile::encodeName(file).toStdString());
    } catch (const OperationAborted& abort) {
        reason = abort.what();
    }
    if (map.ErrorText().empty())
        return true;
    PrintError(FromLocal(map.ErrorText()));
    if (!reason.empty() && reason != map.ErrorText())
        PrintError("tessel: " + FromLocal(reason));
    return false;
}

bool LoadRules(TMapValidator& validator, const QString& file, const std::optional<QString>& gameDirOption) {
    const std::string gameDir = gameDirOption ? QFile::encodeName(*gameDirOption).toStdString()
                                              : FindGameFolder(TGameSearchPlaces::FromEnvironment());
    if (gameDir.empty()) {
        PrintError(
            QString("No game folder to check \"%1\" against: none was found; name one with --game-dir DIR.")
                .arg(file));
        return false;
    }
    if (!QFileInfo(FromLocal(gameDir)).isDir()) {
        PrintError(QString("The game folder \"%1\" does not exist.").arg(FromLocal(gameDir)));
        return false;
    }
    TMapDataReader catalogue;
    catalogue.SetGameDir(gameDir);
    try {
        validator.LoadRules(catalogue);
    } catch (const OperationAborted& error) {
        PrintError("Cannot read the game's rules: " + FromLocal(error.what()));
        return false;
    }
    return true;
}

} // namespace

int ValidateCommand(const QString& file, const std::optional<QString>& gameDir) {
    TMap map;
    TMapValidator validator;
    if (!LoadMap(map, file) || !LoadRules(validator, file, gameDir))
        return 2;
    TValidationCounts counts;
    for (const TMapFinding& finding : validator.Check(map, &counts))
        PrintLine(finding.ToText());
    PrintLine(counts.SummaryText());
    return counts.Findings() > 0 ? 1 : 0;
}
